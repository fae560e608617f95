#include "helpers.h"

#include <fstream>
#include <random>
#include <sstream>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {

// Made absolute while the current directory is still the build tree's, since
// some tests change it.
const fs::path program = fs::absolute(SLOTWRIGHT_PROGRAM);

#ifdef _WIN32

// Quotes |arg| so that the C runtime's parsing of a command line gives it
// back unchanged.
std::wstring QuoteArgument(const std::string& arg) {
  if (!arg.empty() && arg.find_first_of(" \t\"") == std::string::npos) {
    return std::wstring(arg.begin(), arg.end());
  }
  std::wstring quoted = L"\"";
  std::size_t backslashes = 0;
  for (const char c : arg) {
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    quoted.append(c == '"' ? 2 * backslashes + 1 : backslashes, L'\\');
    backslashes = 0;
    quoted += static_cast<wchar_t>(static_cast<unsigned char>(c));
  }
  quoted.append(2 * backslashes, L'\\');
  return quoted + L"\"";
}

HANDLE CreateOutput(const fs::path& path) {
  SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
  return CreateFileW(path.wstring().c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                     &inherited, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
}

RunResult Run(const fs::path& dir, const std::vector<std::string>& args, Console console,
              std::uintmax_t) {
  const fs::path outPath = dir.string() + ".out", errPath = dir.string() + ".err";
  HANDLE out = CreateOutput(outPath);
  if (console == toClosedPipe) {
    CloseHandle(out);
    SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
    HANDLE reader = nullptr;
    if (!CreatePipe(&reader, &out, &inherited, 0)) ADD_FAILURE() << "CreatePipe failed";
    CloseHandle(reader);
  }
  HANDLE err = CreateOutput(errPath);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = out;
  startup.hStdError = err;
  std::wstring command = QuoteArgument(program.string());
  for (const std::string& arg : args) command += L" " + QuoteArgument(arg);
  PROCESS_INFORMATION process{};
  const bool started = CreateProcessW(program.wstring().c_str(), command.data(), nullptr, nullptr,
                                      TRUE, 0, nullptr, dir.wstring().c_str(), &startup, &process);
  CloseHandle(out);
  CloseHandle(err);
  DWORD status = 127;
  if (started) {
    WaitForSingleObject(process.hProcess, INFINITE);
    GetExitCodeProcess(process.hProcess, &status);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
  } else {
    ADD_FAILURE() << "could not start " << program;
  }
  RunResult run{console == captured ? ReadFile(outPath) : "<no file>", ReadFile(errPath),
                static_cast<int>(status)};
  fs::remove(outPath);
  fs::remove(errPath);
  return run;
}

#else

RunResult Run(const fs::path& dir, const std::vector<std::string>& args, Console console,
              std::uintmax_t fileSizeLimit) {
  const std::string errPath = dir.string() + ".err";
  std::vector<std::string> words = {program.string()};
  words.insert(words.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  // Standard output comes back through a pipe, which no file-size limit
  // reaches.
  int fromChild[2];
  if (pipe(fromChild) != 0) ADD_FAILURE() << "pipe failed";
  const pid_t child = fork();
  if (child == 0) {
    int out = fromChild[1];
    int unread[2];
    if (console == toClosedPipe && pipe(unread) == 0) {
      close(unread[0]);
      out = unread[1];
    }
    const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (out < 0 || err < 0 || dup2(out, 1) < 0 || dup2(err, 2) < 0 || chdir(dir.c_str()) != 0) {
      _exit(126);
    }
    close(fromChild[0]);
    const rlimit limit{fileSizeLimit, fileSizeLimit};
    if (fileSizeLimit != 0 && setrlimit(RLIMIT_FSIZE, &limit) != 0) _exit(126);
    execv(argv[0], argv.data());
    _exit(127);
  }
  close(fromChild[1]);
  std::string out;
  char buffer[4096];
  for (ssize_t count; (count = read(fromChild[0], buffer, sizeof buffer)) > 0;) {
    out.append(buffer, static_cast<std::size_t>(count));
  }
  close(fromChild[0]);
  int status = 0;
  waitpid(child, &status, 0);
  RunResult run{console == captured ? out : "<no file>", ReadFile(errPath),
                WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status)};
  fs::remove(errPath);
  return run;
}

#endif

}  // namespace

std::string Native(const std::string& text) {
  if (!onWindows) return text;
  std::string native;
  for (const char c : text) {
    if (c == '\n') native += '\r';
    native += c;
  }
  return native;
}

fs::path MakeScratchDir() {
  static std::mt19937 random{std::random_device{}()};
  for (;;) {
    const fs::path dir =
        fs::temp_directory_path() / ("slotwright it's " + std::to_string(random()));
    std::error_code error;
    if (fs::create_directory(dir, error)) return dir;
    if (error) {
      ADD_FAILURE() << "can't make " << dir << ": " << error.message();
      return dir;
    }
  }
}

void WriteFile(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

std::string ReadFile(const fs::path& path) {
  if (!fs::is_regular_file(path)) return "<no file>";
  std::ifstream file(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

RunResult RunProgram(const fs::path& dir, const std::vector<std::string>& args, Console console,
                     std::uintmax_t fileSizeLimit) {
  return Run(dir, args, console, fileSizeLimit);
}

void InScratchDir::SetUp() {
  previous_ = fs::current_path();
  dir_ = MakeScratchDir();
  fs::current_path(dir_);
}

void InScratchDir::TearDown() {
  fs::current_path(previous_);
  fs::remove_all(dir_);
}
