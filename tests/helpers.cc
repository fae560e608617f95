#include "helpers.h"

#include <fcntl.h>

#include <cstdio>
#include <fstream>
#include <random>
#include <sstream>

#ifdef _WIN32
#include <io.h>
#include <process.h>
#else
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {

// Made absolute while the current directory is still the build tree's.
const fs::path program = fs::absolute(SLOTWRIGHT_PROGRAM);

#ifdef _WIN32

// The child gets the write end only, in text mode as a console's or a file's
// would be; the test reads the bytes as they come.
int MakePipe(int ends[2]) {
  return _pipe(ends, 1 << 16, _O_TEXT | _O_NOINHERIT) == 0 ? _setmode(ends[0], _O_BINARY) < 0 : -1;
}

// _spawnv joins its arguments with blanks, so each is quoted (none of the
// tests' arguments holds a double quote).
int Spawn(std::vector<std::string> words, std::uintmax_t) {
  std::vector<const char*> argv;
  for (std::string& word : words) argv.push_back((word = '"' + word + '"').c_str());
  argv.push_back(nullptr);
  return static_cast<int>(_spawnv(_P_WAIT, program.string().c_str(), argv.data()));
}

#else

int MakePipe(int ends[2]) { return pipe(ends); }

int Spawn(std::vector<std::string> words, std::uintmax_t fileSizeLimit) {
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  const pid_t child = fork();
  if (child == 0) {
    const rlimit limit{fileSizeLimit, fileSizeLimit};
    if (fileSizeLimit == 0 || setrlimit(RLIMIT_FSIZE, &limit) == 0) execv(argv[0], argv.data());
    _exit(127);
  }
  int status = -1;
  waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

#endif

std::string ReadAll(int fd) {
  std::string bytes;
  char buffer[4096];
  for (int count; (count = static_cast<int>(read(fd, buffer, sizeof buffer))) > 0;) {
    bytes.append(buffer, static_cast<std::size_t>(count));
  }
  close(fd);
  return bytes;
}

}  // namespace

std::string Native(const std::string& text) {
  std::string native;
  for (const char c : text) native += onWindows && c == '\n' ? "\r\n" : std::string(1, c);
  return native;
}

fs::path MakeScratchDir() {
  static std::mt19937 random{std::random_device{}()};
  fs::path dir;
  while (!fs::create_directory(dir = fs::temp_directory_path() /
                                     ("slotwright it's " + std::to_string(random())))) {
  }
  return dir;
}

void WriteFile(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

std::string ReadFile(const fs::path& path) {
  if (!fs::is_regular_file(path)) return "<no file>";
  std::ostringstream bytes;
  bytes << std::ifstream(path, std::ios::binary).rdbuf();
  return bytes.str();
}

// The program's output, standard error included, comes back through a
// pipe, which no file-size limit reaches, and is read once it has ended: it
// is short.
RunResult RunProgram(const fs::path& dir, std::vector<std::string> args, bool closedConsole,
                     std::uintmax_t fileSizeLimit) {
  int out[2];
  if (MakePipe(out) != 0) return {"no pipe", -1};
  if (closedConsole) close(out[0]);
  std::fflush(nullptr);
  const int console = dup(1), errors = dup(2);
  dup2(out[1], 1);
  dup2(out[1], 2);
  close(out[1]);
  const fs::path previous = fs::current_path();
  fs::current_path(dir);
  args.insert(args.begin(), program.string());
  const int status = Spawn(args, fileSizeLimit);
  fs::current_path(previous);
  dup2(console, 1);
  dup2(errors, 2);
  close(console);
  close(errors);
  return {closedConsole ? "<no file>" : ReadAll(out[0]), status};
}
