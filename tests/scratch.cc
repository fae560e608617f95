#include "scratch.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

std::string MakeScratchDir() {
  std::string pattern = (fs::temp_directory_path() / "slotwright-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) ADD_FAILURE() << "mkdtemp failed";
  return pattern;
}

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file << bytes;
  ASSERT_TRUE(file.good()) << path;
}

std::string ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file.is_open()) return "<absent>";
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

RunResult RunProgram(const std::string& dir, const std::vector<std::string>& args,
                     Console console) {
  const std::string outPath = dir + "/../" + fs::path(dir).filename().string() + ".out";
  const std::string errPath = outPath + ".err";
  int closedPipe[2] = {-1, -1};
  if (console == toClosedPipe) {
    if (pipe(closedPipe) != 0) ADD_FAILURE() << "pipe failed";
    close(closedPipe[0]);  // nobody will ever read: every write is EPIPE
  }
  const pid_t child = fork();
  if (child == 0) {
    int out = -1;
    if (console == toFile) out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (console == toFullDevice) out = open("/dev/full", O_WRONLY);
    if (console == toClosedPipe) out = closedPipe[1];
    const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (out < 0 || err < 0 || chdir(dir.c_str()) != 0) _exit(127);
    dup2(out, 1);
    dup2(err, 2);
    std::vector<char*> argv{const_cast<char*>(SLOTWRIGHT_PROGRAM)};
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    execv(argv[0], argv.data());
    _exit(127);
  }
  if (console == toClosedPipe) close(closedPipe[1]);
  int status = 0;
  waitpid(child, &status, 0);
  RunResult run;
  run.out = console == toFile ? ReadFile(outPath) : "";
  run.err = ReadFile(errPath);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  fs::remove(outPath);
  fs::remove(errPath);
  return run;
}

void InScratchDir::SetUp() {
  previous_ = fs::current_path().string();
  dir_ = MakeScratchDir();
  fs::current_path(dir_);
}

void InScratchDir::TearDown() {
  fs::current_path(previous_);
  fs::remove_all(dir_);
}
