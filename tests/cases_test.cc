// End to end: every folder under tests/cases is a case, run in a fresh copy
// of its folder "dir", the working directory as a user has it, by the built
// program started without a shell.  Beside "dir":
//   args          the arguments, one a line (none where it is missing);
//   out, status   the standard output and exit status expected;
//   ad_units.csv  the listing expected; where it is missing, the listing
//                 must be as it was in "dir" (or still missing);
//   ad_units_*    every other file of the run whose name begins so (the
//                 uploads and the findings file), which must be there and
//                 no other; one that is as it stands in "dir" is expected
//                 unchanged, and one whose ".windows" file is empty is not
//                 expected on Windows;
//   condition     what the run faces that files can't hold, a line each
//                 (see Prepare).
// Expected text is written with line feeds, which Windows writes as CR LF;
// where Windows reads a case differently, the file with ".windows" appended
// holds what it gives there.  @VERSION@ stands for the version, and a line
// "@SKIP n@" for any n lines, so that a case need not hold a thousand rows.
// Standard error must stay empty.

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
#include <windows.h>
#else
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#ifdef __linux__
#include <linux/fs.h>  // the append-only flag
#endif
#endif

namespace fs = std::filesystem;

namespace {

struct RunOptions {
  bool closedConsole = false;   // standard output a pipe closed at its other end
  bool stalledConsole = false;  // standard output a pipe read only after |during|
  std::uintmax_t fileSizeLimit = 0, memoryLimit = 0, openFilesLimit = 0;  // 0: none
  int umask = 022;
  int ignoredSignal = 0;  // ignored from the start, as under nohup
  std::string failCalls;  // the calls that fail, as tests/fail_call.cc reads them
  std::function<void(std::intptr_t child)> during;  // called while it runs
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
bool SetAppendOnly(const fs::path&, bool) { return false; }

// Opens |path| as Excel opens a workbook: others may read it, but nobody may
// write or delete it, until ReleaseFiles.
std::vector<HANDLE> heldFiles;

bool HoldFile(const fs::path& path) {
  const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file != INVALID_HANDLE_VALUE) heldFiles.push_back(file);
  return file != INVALID_HANDLE_VALUE;
}

void ReleaseFiles() {
  for (const HANDLE file : heldFiles) CloseHandle(file);
  heldFiles.clear();
}
#else
constexpr bool onWindows = false, canLimit = true;

// Every signal that stops a run.
const int stopSignals[] = {
    SIGHUP,  SIGINT, SIGTERM, SIGALRM, SIGUSR1, SIGUSR2, SIGVTALRM, SIGPROF,
#ifdef SIGPOLL
    SIGPOLL,
#endif
#ifdef SIGPWR
    SIGPWR,
#endif
};

int MakePipe(int ends[2]) { return pipe(ends); }

std::intptr_t Spawn(std::vector<std::string> words, const RunOptions& options) {
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  // The child starts with the stop signals as a terminal has them, but one
  // that is ignored from the first instant.
  const int ignored = options.ignoredSignal;
  const auto previous = ignored != 0 ? signal(ignored, SIG_IGN) : SIG_DFL;
  const pid_t child = fork();
  if (child == 0) {
    const rlimit files{options.fileSizeLimit, options.fileSizeLimit};
    const rlimit memory{options.memoryLimit, options.memoryLimit};
    const rlimit openFiles{options.openFilesLimit, options.openFilesLimit};
    if (options.fileSizeLimit != 0) setrlimit(RLIMIT_FSIZE, &files);
    if (options.memoryLimit != 0) setrlimit(RLIMIT_AS, &memory);
    if (options.openFilesLimit != 0) setrlimit(RLIMIT_NOFILE, &openFiles);
    umask(static_cast<mode_t>(options.umask));
    for (const int stop : stopSignals) signal(stop, stop == ignored ? SIG_IGN : SIG_DFL);
#ifdef SLOTWRIGHT_FAIL_CALL
    if (!options.failCalls.empty()) {
      setenv("LD_PRELOAD", SLOTWRIGHT_FAIL_CALL, 1);
      setenv("SLOTWRIGHT_FAIL", options.failCalls.c_str(), 1);
    }
#endif
    execv(argv[0], argv.data());
    _exit(127);
  }
  if (ignored != 0) signal(ignored, previous);
  return child;
}

int Wait(std::intptr_t child) {
  int status = -1;
  waitpid(static_cast<pid_t>(child), &status, 0);
  return WIFSIGNALED(status) ? 128 + WTERMSIG(status) : WEXITSTATUS(status);
}

bool MakeFifo(const fs::path& path) { return mkfifo(path.c_str(), 0600) == 0; }

bool HoldFile(const fs::path&) { return false; }
void ReleaseFiles() {}

// chattr +a and -a: where the file system has the flag and we may set it.
bool SetAppendOnly(const fs::path& path, bool on) {
#ifdef FS_IOC_SETFLAGS
  const int fd = open(path.c_str(), O_RDONLY);
  int flags = 0;
  const bool set = fd >= 0 && ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0 &&
                   (flags = on ? flags | FS_APPEND_FL : flags & ~FS_APPEND_FL,
                    ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0);
  close(fd);
  return set;
#else
  return false;
#endif
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
  auto errors = std::async(std::launch::async, ReadAll, err[0]);
  auto output = std::async(options.stalledConsole ? std::launch::deferred : std::launch::async,
                           ReadAll, options.closedConsole ? -1 : out[0]);
  if (options.during) options.during(child);
  return {output.get(), errors.get(), Wait(child)};  // in this order
}

std::string ReadFile(const fs::path& path) {
  std::error_code none;  // a link in a loop, say
  if (!fs::is_regular_file(path, none)) return "<no file>";
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
// kind and a value a line.  Returns why that can't be done here, if it can't.
std::string Prepare(const fs::path& folder, const fs::path& dir, RunOptions& options) {
  std::istringstream lines(fs::exists(folder / "condition") ? ReadFile(folder / "condition") : "");
  for (std::string line; std::getline(lines, line);) {
    std::string kind, value;
    std::istringstream(line) >> kind >> value;
    std::error_code error;
    // A device such as /dev/full, which the system may lack, or a file of the
    // case's, which need not exist.
    if (kind == "link-to" && (fs::path(value).is_relative() || fs::exists(value))) {
      fs::create_symlink(value, dir / "ad_units.csv", error);
    } else if (kind == "hard-link-to") {
      fs::create_hard_link(dir / value, dir / "ad_units.csv", error);
    } else if (kind == "append-only" && SetAppendOnly(dir / value, true)) {
      continue;
    } else if (kind == "closed-console") {
      options.closedConsole = true;
#ifdef SLOTWRIGHT_FAIL_CALL
    } else if (kind == "fail-call") {  // the rest of the line is the rule
      options.failCalls += line.substr(line.find(' ') + 1) + ';';
#endif
    } else if (kind == "file-size-limit" && canLimit) {
      options.fileSizeLimit = std::stoull(value);
    } else if (kind == "open-files-limit" && canLimit && !SLOTWRIGHT_SANITIZED) {
      options.openFilesLimit = std::stoull(value);
    } else if (kind == "held" && onWindows) {  // as Excel holds a workbook
      if (!HoldFile(dir / value)) return "no holding " + value + " here";
    } else if (kind == "memory-limit" && canLimit && !SLOTWRIGHT_SANITIZED) {
      options.memoryLimit = std::stoull(value);  // a sites.txt line as long
      std::ofstream(dir / "sites.txt", std::ios::app) << std::string(options.memoryLimit, 's');
    } else if (kind == "read-once") {  // a named pipe gives its bytes once
      const std::string bytes = ReadFile(dir / value);
      fs::remove(dir / value);
      if (!MakeFifo(dir / value)) return "no named pipes here";
      options.during = [path = dir / value, bytes](std::intptr_t) { std::ofstream(path) << bytes; };
    } else {
      return "no " + kind + " here";
    }
    if (error) return "no " + kind + " here: " + error.message();
  }
  return "";
}

// |actual| with the lines that the line "@SKIP n@" of |expected| stands for
// put in its place, where all before them is as expected.
std::string Elide(const std::string& actual, const std::string& expected) {
  const std::size_t at = expected.find("@SKIP ");
  if (at == std::string::npos || actual.compare(0, at, expected, 0, at) != 0) return actual;
  std::size_t end = at;
  for (auto n = std::stoul(expected.substr(at + 6)); n > 0; --n) {
    if ((end = actual.find('\n', end) + 1) == 0) return actual;
  }
  return expected.substr(0, expected.find('\n', at) + 1) + actual.substr(end);
}

// The names of the files in |folder| that begin as the uploads do.
std::vector<std::string> UploadsIn(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    if (name.rfind("ad_units_", 0) == 0) names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

// The files of the case in |folder| that the run must leave beside the
// listing: those that begin as the uploads do, but the Windows variants and,
// on Windows, those whose variant is empty.
std::vector<std::string> ExpectedUploads(const fs::path& folder) {
  std::vector<std::string> names;
  for (const std::string& name : UploadsIn(folder)) {
    const fs::path windows = folder / (name + ".windows");
    const bool variant = fs::path(name).extension() == ".windows";
    const bool notHere = onWindows && fs::exists(windows) && fs::file_size(windows) == 0;
    if (!variant && !notHere) names.push_back(name);
  }
  return names;
}

// A fresh copy of the folder |from|, whose name holds a blank and an
// apostrophe.
fs::path ScratchCopy(const fs::path& from) {
  const fs::path dir =
      fs::temp_directory_path() / ("slotwright it's " + std::to_string(std::random_device{}()));
  fs::copy(from, dir, fs::copy_options::recursive);
  return dir;
}

class CaseTest : public testing::TestWithParam<fs::path> {};

TEST_P(CaseTest, RunsAsRecorded) {
  const fs::path& folder = GetParam();
  const fs::path dir = ScratchCopy(folder / "dir");
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
  const std::string expectedOut = ReadExpected(folder / "out");
  EXPECT_EQ(Elide(out, expectedOut), expectedOut);
  EXPECT_EQ(err, "");
  EXPECT_EQ(std::to_string(status) + "\n", ReadFile(folder / "status"));
  const std::string listing = fs::exists(folder / "ad_units.csv")
                                  ? ReadExpected(folder / "ad_units.csv")
                                  : ReadFile(folder / "dir/ad_units.csv");
  EXPECT_EQ(Elide(ReadFile(dir / "ad_units.csv"), listing), listing);
  const std::vector<std::string> uploads = ExpectedUploads(folder);
  EXPECT_EQ(UploadsIn(dir), uploads);
  for (const std::string& upload : uploads) {
    // One that stood in "dir" as it is expected stays as it was, byte for byte.
    const std::string kept = ReadFile(folder / "dir" / upload);
    const std::string expected =
        kept == ReadFile(folder / upload) ? kept : ReadExpected(folder / upload);
    EXPECT_EQ(Elide(ReadFile(dir / upload), expected), expected) << upload;
  }
  SetAppendOnly(dir / "ad_units.csv", false);
  ReleaseFiles();
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

#ifdef _WIN32
TEST(StopTest, NeedsPosixSignals) { GTEST_SKIP() << "no signals to send here"; }
#else
// A scratch copy of the case first-units-in-a-minute, with |sites| and
// |sizes| in place of its own lists.
fs::path StopTestDirectory(const std::string& sites, const std::string& sizes) {
  const fs::path dir = ScratchCopy(fs::path(SLOTWRIGHT_CASES) / "first-units-in-a-minute" / "dir");
  std::ofstream(dir / "sites.txt") << sites;
  std::ofstream(dir / "adsizes.txt") << sizes;
  return dir;
}

// Waiting for the console, here a pipe that nobody reads while a row larger
// than it takes is echoed, the run ends at once on every stop signal, with
// the rows it wrote before.
TEST(StopTest, EndsAWaitingRunAtOnce) {
  const fs::path dir = StopTestDirectory("Gazette", "300x250\n" + std::string(1 << 20, 'x'));
  for (const int signal : stopSignals) {
    fs::remove(dir / "ad_units.csv");
    RunOptions options;
    options.stalledConsole = true;
    options.during = [&dir, signal](std::intptr_t child) {
      std::error_code none;  // a run that writes no row, or waits on, ends in ctest's timeout
      while (fs::file_size(dir / "ad_units.csv", none) + 1 <= 1) std::this_thread::yield();
      kill(static_cast<pid_t>(child), signal);
    };
    EXPECT_EQ(std::get<2>(RunProgram(dir, {}, options)), 128 + signal);
    EXPECT_EQ(ReadFile(dir / "ad_units.csv"),
              "Gazette-Sports-MediumRectangle,Gazette-Sports-MediumRectangle,300x250,Medium "
              "Rectangle on section \"Sports\" on Gazette,yes,,,,,,,_blank,\"text,image\",\n")
        << "signal " << signal;
  }
  fs::remove_all(dir);
}

// Rows of 3 MiB take the kernel long enough to write that the listing can be
// seen half written.  A stop signal sent then ends the run once the row is
// whole, as the signal would, also after SIGINT, the program's first, was
// ignored from the start; one ignored from the start, as under nohup, stays
// ignored however often it comes.  A run that ends before it was seen half
// written, on a busy machine, is tried again.
TEST(StopTest, EndsARunOnlyBetweenRows) {
  const std::string site(1 << 20, 's'), code = site + "-Sports-MediumRectangle";
  const std::string row = code + "," + code +
                          ",300x250,Medium Rectangle on section \"Sports\" on " + site +
                          ",yes,,,,,,,_blank,\"text,image\",\n";
  std::string sizes;  // 10 of them
  while (sizes.size() < 10 * 8) sizes += "300x250\n";
  const fs::path dir = StopTestDirectory(site, sizes);
  for (const int signal : stopSignals) {
    bool sent = false;
    RunOptions options;
    options.ignoredSignal = signal == SIGINT ? 0 : SIGINT;  // the program's first
    options.during = [&dir, &row, &sent, signal](std::intptr_t child) {
      std::error_code none;  // no listing yet: the size of none is -1
      siginfo_t ended{};
      while (!sent && ended.si_pid == 0) {
        const auto size = fs::file_size(dir / "ad_units.csv", none);
        sent =
            size + 1 > 1 && size % row.size() != 0 && kill(static_cast<pid_t>(child), signal) == 0;
        waitid(P_PID, static_cast<id_t>(child), &ended, WEXITED | WNOHANG | WNOWAIT);
      }
    };
    for (int tries = 0; tries < 20 && !sent; ++tries) {
      const int status = std::get<2>(RunProgram(dir, {}, options));
      if (sent) {
        EXPECT_EQ(status, 128 + signal);
      }
    }
    EXPECT_TRUE(sent) << "signal " << signal << ": never seen half written";
    EXPECT_EQ(ReadFile(dir / "ad_units.csv").size() % row.size(), 0u)
        << "signal " << signal << " tore a row";
  }
  RunOptions ignoring;
  ignoring.ignoredSignal = SIGHUP;
  ignoring.during = [](std::intptr_t child) {
    for (int flood = 0; flood < 100'000; ++flood) kill(static_cast<pid_t>(child), SIGHUP);
  };
  EXPECT_EQ(std::get<2>(RunProgram(dir, {}, ignoring)), 0);
  fs::remove_all(dir);
}

// Every file that a run makes gets the permissions of every file the user
// makes: read and write for all, less what the umask takes away.
TEST(FilesTest, GetTheUsersPermissions) {
  const fs::path dir = ScratchCopy(fs::path(SLOTWRIGHT_CASES) /
                                   "existing-codes-leave-units-out-of-the-upload" / "dir");
  RunOptions options;
  options.umask = 027;
  EXPECT_EQ(std::get<2>(RunProgram(dir, {}, options)), 0);
  for (const char* file : {"ad_units.csv", "ad_units_001.csv"}) {
    EXPECT_EQ(fs::status(dir / file).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read)
        << file;
  }
  fs::remove_all(dir);
}

// A stop signal while the uploads are written, seen begun and not yet near
// their end, leaves none of them: the run's uploads go before it ends, and
// its last line says so.
TEST(StopTest, LeavesNoUploadOfARunStoppedWhileItWritesThem) {
  std::string sizes;  // 2,001 units of 15 KB, three uploads
  for (int size = 0; size < 2001; ++size) sizes += "300x250\n";
  const fs::path dir = StopTestDirectory(std::string(5000, 's'), sizes);
  bool sent = false;
  RunOptions options;
  options.during = [&dir, &sent](std::intptr_t child) {
    siginfo_t ended{};
    while (!sent && ended.si_pid == 0) {
      sent = fs::exists(dir / "ad_units_001.csv") && !fs::exists(dir / "ad_units_003.csv") &&
             kill(static_cast<pid_t>(child), SIGTERM) == 0;
      waitid(P_PID, static_cast<id_t>(child), &ended, WEXITED | WNOHANG | WNOWAIT);
    }
  };
  const std::string stopped =
      "Stopped: the uploads and ad_units_check.csv of this run were removed; ad_units.csv is "
      "whole.\n";
  for (int tries = 0; tries < 20 && !sent; ++tries) {
    const auto [out, err, status] = RunProgram(dir, {}, options);
    if (sent) {
      EXPECT_EQ(status, 128 + SIGTERM);
      EXPECT_EQ(out.substr(out.size() - std::min(out.size(), stopped.size())), stopped);
    }
  }
  EXPECT_TRUE(sent) << "the uploads were never seen begun";
  for (const auto& entry : fs::directory_iterator(dir)) {
    EXPECT_EQ(entry.path().filename().string().rfind("ad_units_", 0), std::string::npos)
        << entry.path();
  }
  fs::remove_all(dir);
}
#endif

}  // namespace
