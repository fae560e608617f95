// End to end: every folder under tests/cases is a case, run in a fresh copy
// of its folder "dir", the working directory as a user has it, by the built
// program started without a shell.  Beside "dir":
//   args          the arguments, one a line (none where it is missing);
//   out, status   the standard output and exit status expected;
//   ad_units.csv  the listing expected; where it is missing, the listing
//                 must be as it was in "dir" (or still missing);
//   condition     what the run faces that files can't hold (see Prepare).
// Expected text is written with line feeds, which Windows writes as CR LF;
// where Windows reads a case differently, the file with ".windows" appended
// holds what it gives there.  @VERSION@ stands for the version.  Standard
// error must stay empty.

#include <fcntl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <future>
#include <random>
#include <sstream>
#include <thread>
#include <tuple>

#ifdef _WIN32
#include <io.h>
#include <process.h>
#else
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {

struct RunOptions {
  bool closedConsole = false;                         // standard output a pipe that nobody reads
  std::uintmax_t fileSizeLimit = 0, memoryLimit = 0;  // 0: none
  std::function<void(std::intptr_t child)> during;    // called while it runs
};

// Made absolute while the current directory is still the build tree's.
const fs::path program = fs::absolute(SLOTWRIGHT_PROGRAM);

#ifdef _WIN32
constexpr bool onWindows = true, canLimit = false;

// The child's ends are in text mode, as a console's would be.
int MakePipe(int ends[2]) {
  return _pipe(ends, 1 << 16, _O_TEXT | _O_NOINHERIT) == 0 ? _setmode(ends[0], _O_BINARY) < 0 : -1;
}

// _spawnv joins its arguments with blanks, so each is quoted (none of the
// tests' arguments holds a double quote).
std::intptr_t Spawn(std::vector<std::string> words, const RunOptions&) {
  std::vector<const char*> argv;
  for (std::string& word : words) argv.push_back((word = '"' + word + '"').c_str());
  argv.push_back(nullptr);
  return _spawnv(_P_NOWAIT, program.string().c_str(), argv.data());
}

int Wait(std::intptr_t child) {
  int status = -1;
  _cwait(&status, child, 0);
  return status;
}

bool MakeFifo(const fs::path&) { return false; }
#else
constexpr bool onWindows = false, canLimit = true;

int MakePipe(int ends[2]) { return pipe(ends); }

std::intptr_t Spawn(std::vector<std::string> words, const RunOptions& options) {
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  const pid_t child = fork();
  if (child == 0) {
    const rlimit files{options.fileSizeLimit, options.fileSizeLimit};
    const rlimit memory{options.memoryLimit, options.memoryLimit};
    if (options.fileSizeLimit != 0) setrlimit(RLIMIT_FSIZE, &files);
    if (options.memoryLimit != 0) setrlimit(RLIMIT_AS, &memory);
    for (const int stop : {SIGINT, SIGTERM, SIGHUP})
      signal(stop, SIG_DFL);  // as a terminal has them
    execv(argv[0], argv.data());
    _exit(127);
  }
  return child;
}

int Wait(std::intptr_t child) {
  int status = -1;
  waitpid(static_cast<pid_t>(child), &status, 0);
  return WIFSIGNALED(status) ? 128 + WTERMSIG(status) : WEXITSTATUS(status);
}

bool MakeFifo(const fs::path& path) { return mkfifo(path.c_str(), 0600) == 0; }
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

// Standard output and error are pipes, which no file-size limit reaches,
// each read as it comes.
// Returns standard output, standard error and the exit status (or 128 and the
// signal that ended it).
std::tuple<std::string, std::string, int> RunProgram(const fs::path& dir,
                                                     std::vector<std::string> args,
                                                     const RunOptions& options) {
  int out[2], err[2];
  if (MakePipe(out) != 0 || MakePipe(err) != 0) return {"no pipe", "", -1};
  if (options.closedConsole) close(out[0]);
  std::fflush(nullptr);
  const int savedOut = dup(1), savedErr = dup(2);
  dup2(out[1], 1);
  dup2(err[1], 2);
  close(out[1]);
  close(err[1]);
  const fs::path previous = fs::current_path();
  fs::current_path(dir);
  args.insert(args.begin(), program.string());
  const std::intptr_t child = Spawn(args, options);
  fs::current_path(previous);
  dup2(savedOut, 1);
  dup2(savedErr, 2);
  close(savedOut);
  close(savedErr);
  auto output = std::async(std::launch::async, ReadAll, options.closedConsole ? -1 : out[0]);
  auto errors = std::async(std::launch::async, ReadAll, err[0]);
  if (options.during) options.during(child);
  return {output.get(), errors.get(), Wait(child)};
}

std::string ReadFile(const fs::path& path) {
  if (!fs::is_regular_file(path)) return "<no file>";
  std::ostringstream bytes;
  bytes << std::ifstream(path, std::ios::binary).rdbuf();
  return bytes.str();
}

std::string ReadExpected(const fs::path& path) {
  const fs::path windows = path.string() + ".windows";
  std::string text = ReadFile(onWindows && fs::exists(windows) ? windows : path);
  const std::size_t version = text.find("@VERSION@");  // in the banner, written once
  if (version != std::string::npos) text.replace(version, 9, SLOTWRIGHT_EXPECTED_VERSION);
  for (std::size_t at = 0; onWindows && (at = text.find('\n', at)) != std::string::npos; at += 2) {
    text.insert(at, 1, '\r');
  }
  return text;
}

// Sets up what the case in |folder| faces, as its file "condition" says: a
// kind and a value.  Returns why that can't be done here, if it can't.
std::string Prepare(const fs::path& folder, const fs::path& dir, RunOptions& options) {
  std::string kind, value;
  std::istringstream(fs::exists(folder / "condition") ? ReadFile(folder / "condition") : "") >>
      kind >> value;
  std::error_code error;
  if (kind == "link-to" && fs::exists(dir / value)) {  // an input, or a device such as /dev/full
    fs::create_symlink(value, dir / "ad_units.csv", error);
  } else if (kind == "hard-link-to") {
    fs::create_hard_link(dir / value, dir / "ad_units.csv", error);
  } else if (kind == "closed-console") {
    options.closedConsole = true;
  } else if (kind == "file-size-limit" && canLimit) {
    options.fileSizeLimit = std::stoull(value);
  } else if (kind == "memory-limit" && canLimit && !SLOTWRIGHT_SANITIZED) {
    options.memoryLimit = std::stoull(value);  // a sites.txt line as long
    std::ofstream(dir / "sites.txt", std::ios::app) << std::string(options.memoryLimit, 's');
  } else if (kind == "read-once") {  // a named pipe gives its bytes once
    const std::string bytes = ReadFile(dir / value);
    fs::remove(dir / value);
    if (!MakeFifo(dir / value)) return "no named pipes here";
    options.during = [path = dir / value, bytes](std::intptr_t) { std::ofstream(path) << bytes; };
  } else if (!kind.empty()) {
    return "no " + kind + " here";
  }
  return error ? "no " + kind + " here: " + error.message() : "";
}

class CaseTest : public testing::TestWithParam<fs::path> {};

TEST_P(CaseTest, RunsAsRecorded) {
  const fs::path& folder = GetParam();
  // A fresh directory whose name holds a blank and an apostrophe.
  const fs::path dir =
      fs::temp_directory_path() / ("slotwright it's " + std::to_string(std::random_device{}()));
  fs::copy(folder / "dir", dir, fs::copy_options::recursive);
  RunOptions options;
  const std::string cant = Prepare(folder, dir, options);
  if (!cant.empty()) {
    fs::remove_all(dir);
    GTEST_SKIP() << cant;
  }
  std::vector<std::string> args;
  std::istringstream lines(fs::exists(folder / "args") ? ReadFile(folder / "args") : "");
  for (std::string line; std::getline(lines, line);) args.push_back(line);
  const auto [out, err, status] = RunProgram(dir, args, options);
  EXPECT_EQ(out, ReadExpected(folder / "out"));
  EXPECT_EQ(err, "");
  EXPECT_EQ(std::to_string(status) + "\n", ReadFile(folder / "status"));
  const bool written = fs::exists(folder / "ad_units.csv");
  EXPECT_EQ(ReadFile(dir / "ad_units.csv"), written ? ReadExpected(folder / "ad_units.csv")
                                                    : ReadFile(folder / "dir/ad_units.csv"));
  fs::remove_all(dir);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CaseTest,
    testing::ValuesIn(std::vector<fs::path>(fs::directory_iterator(SLOTWRIGHT_CASES), {})),
    [](const auto& info) {
      std::string name = info.param.filename().string();
      std::replace(name.begin(), name.end(), '-', '_');
      return name;
    });

// Rows of 3 MiB take the kernel several steps to write; a stop signal among
// them ends the run after a whole row, as the signal would.
TEST(StopTest, EndsBetweenRowsAsTheSignalWould) {
#ifdef _WIN32
  GTEST_SKIP() << "no signals to send here";
#else
  const fs::path dir =
      fs::temp_directory_path() / ("slotwright it's " + std::to_string(std::random_device{}()));
  fs::copy(fs::path(SLOTWRIGHT_CASES) / "first-units-in-a-minute" / "dir", dir);
  const std::string site(1 << 20, 's');
  std::ofstream(dir / "sites.txt") << site;
  std::string sizes;  // 50 of them
  while (sizes.size() < 50 * 8) sizes += "300x250\n";
  std::ofstream(dir / "adsizes.txt") << sizes;
  const std::string code = site + "-Sports-MediumRectangle";
  const std::string row = code + "," + code +
                          ",300x250,Medium Rectangle on section \"Sports\" on " + site +
                          ",yes,,,,,,,_blank,\"text,image\",\n";
  for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
    fs::remove(dir / "ad_units.csv");
    RunOptions options;
    options.during = [&dir, signal](std::intptr_t child) {
      std::error_code none;  // a run that writes no row fails below
      for (int wait = 0; wait < 5000 && (fs::file_size(dir / "ad_units.csv", none) == 0 || none);
           ++wait) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
      }
      kill(static_cast<pid_t>(child), signal);
    };
    EXPECT_EQ(std::get<2>(RunProgram(dir, {}, options)), 128 + signal);
    const std::string listing = ReadFile(dir / "ad_units.csv");
    std::string whole;
    while (whole.size() < listing.size()) whole += row;
    EXPECT_TRUE(!listing.empty() && listing.size() < 50 * row.size() && listing == whole)
        << "signal " << signal << ": " << listing.size() << " bytes in rows of " << row.size();
  }
  fs::remove_all(dir);
#endif
}

}  // namespace
