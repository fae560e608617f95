// Preloaded into the program by the end-to-end cases whose "condition" says
// "fail-call": fails a chosen call of the C library, as a failing disk or
// network file system would, so that every failure the program reports has
// a case.  SLOTWRIGHT_FAIL holds one rule or more, separated by ';':
//
//   OPERATION FILE N[+] [ERROR]
//
// fails the N-th call (and, with +, every later one) that does OPERATION on
// the file named FILE (its last component), with EIO or the errno named
// (ENOSPC, ENOENT, EACCES, EMFILE, ENFILE, EROFS, ELOOP, ENOMEM); or, where
// ERROR is SIGTERM, sends the process that signal at that call, which then
// goes on as it would:
//   open    fopen or open;
//   read    getc, fread or read: the byte or the piece is not read;
//   seek    fseek;
//   write   fwrite: half of the bytes are written;
//   close   fclose: the file is closed, then the call reports a failure;
//   stat    stat, which follows links;
//   lstat   lstat, which doesn't;
//   cut     ftruncate or truncate;
//   remove  remove;
//   list    opendir, as the walk of a folder begins (FILE is "." for the
//           current one);
//   stream  fdopen, as a stream is made for a file just created;
//   trickle read: no failure, but at most one byte is read.
// Linux and the GNU C library only: a failed read or write sets the
// stream's error indicator as the library itself would.

#include <dirent.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Rule {
  std::string operation, file;
  long n = 0, calls = 0;
  bool onwards = false;
  int error = EIO;
  int signal = 0;  // sent instead of a failure
};

int ErrorNamed(const std::string& name) {
  const std::pair<const char*, int> errors[] = {
      {"ENOSPC", ENOSPC}, {"ENOENT", ENOENT}, {"EACCES", EACCES}, {"EMFILE", EMFILE},
      {"ENFILE", ENFILE}, {"EROFS", EROFS},   {"ELOOP", ELOOP},   {"ENOMEM", ENOMEM}};
  for (const auto& [known, value] : errors) {
    if (name == known) return value;
  }
  return EIO;
}

// Never destroyed: the program's own handlers at exit still make calls.
std::vector<Rule>& Rules() {
  static std::vector<Rule>& rules = *[] {
    auto* parsed = new std::vector<Rule>;
    std::istringstream all(std::getenv("SLOTWRIGHT_FAIL") ? std::getenv("SLOTWRIGHT_FAIL") : "");
    for (std::string text; std::getline(all, text, ';');) {
      Rule rule;
      std::string n, error;
      std::istringstream(text) >> rule.operation >> rule.file >> n >> error;
      rule.n = std::atol(n.c_str());
      rule.onwards = n.back() == '+';
      rule.error = ErrorNamed(error);
      if (error == "SIGTERM") rule.signal = SIGTERM;
      parsed->push_back(rule);
    }
    return parsed;
  }();
  return rules;
}

std::string LastComponent(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string NameOf(int fd) {
  char link[64], target[4096];
  std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
  const ssize_t length = readlink(link, target, sizeof target - 1);
  return length < 0 ? "" : LastComponent(std::string(target, static_cast<std::size_t>(length)));
}

// Whether this call of |operation| on |file| fails; errno is then set.
bool Fails(const char* operation, const std::string& file) {
  bool fails = false;
  for (Rule& rule : Rules()) {
    if (rule.operation != operation || rule.file != file) continue;
    const long call = ++rule.calls;
    if ((call == rule.n || (rule.onwards && call > rule.n)) && rule.signal != 0) {
      raise(rule.signal);
    } else if (call == rule.n || (rule.onwards && call > rule.n)) {
      errno = rule.error;
      fails = true;
    }
  }
  return fails;
}

// Whether a rule names |operation|: only then is a file's name asked, as a
// read may be a byte.
bool Wanted(const char* operation) {
  for (const Rule& rule : Rules()) {
    if (rule.operation == operation) return true;
  }
  return false;
}

bool Fails(const char* operation, std::FILE* stream) {
  return Wanted(operation) && Fails(operation, NameOf(fileno(stream)));
}

template <typename Function>
Function Next(const char* name) {
  return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

}  // namespace

extern "C" {

std::FILE* fopen(const char* path, const char* mode) {
  static auto next = Next<std::FILE* (*)(const char*, const char*)>("fopen");
  return Fails("open", LastComponent(path)) ? nullptr : next(path, mode);
}

std::FILE* fopen64(const char* path, const char* mode) {
  static auto next = Next<std::FILE* (*)(const char*, const char*)>("fopen64");
  return Fails("open", LastComponent(path)) ? nullptr : next(path, mode);
}

int open(const char* path, int flags, ...) {
  mode_t mode = 0;
  if ((flags & O_CREAT) != 0) {
    va_list rest;
    va_start(rest, flags);
    mode = static_cast<mode_t>(va_arg(rest, int));
    va_end(rest);
  }
  static auto next = Next<int (*)(const char*, int, ...)>("open");
  return Fails("open", LastComponent(path)) ? -1 : next(path, flags, mode);
}

int getc(std::FILE* stream) {
  if (Fails("read", stream)) {
    stream->_flags |= _IO_ERR_SEEN;
    return EOF;
  }
  static auto next = Next<int (*)(std::FILE*)>("getc");
  return next(stream);
}

std::size_t fread(void* to, std::size_t size, std::size_t count, std::FILE* stream) {
  if (Fails("read", stream)) {
    stream->_flags |= _IO_ERR_SEEN;
    return 0;
  }
  static auto next = Next<std::size_t (*)(void*, std::size_t, std::size_t, std::FILE*)>("fread");
  return next(to, size, count, stream);
}

std::size_t fwrite(const void* from, std::size_t size, std::size_t count, std::FILE* stream) {
  static auto next =
      Next<std::size_t (*)(const void*, std::size_t, std::size_t, std::FILE*)>("fwrite");
  if (size == 1 && Fails("write", stream)) {
    const int error = errno;
    const std::size_t written = next(from, 1, count / 2, stream);
    stream->_flags |= _IO_ERR_SEEN;
    errno = error;
    return written;
  }
  return next(from, size, count, stream);
}

ssize_t read(int fd, void* to, std::size_t most) {
  static auto next = Next<ssize_t (*)(int, void*, std::size_t)>("read");
  if (Wanted("trickle") && most > 1 && Fails("trickle", NameOf(fd))) most = 1;
  return Wanted("read") && Fails("read", NameOf(fd)) ? -1 : next(fd, to, most);
}

DIR* opendir(const char* path) {
  static auto next = Next<DIR* (*)(const char*)>("opendir");
  return Fails("list", LastComponent(path)) ? nullptr : next(path);
}

// libstdc++ opens a folder first, then its listing: the current folder is
// named "." here as in opendir.
DIR* fdopendir(int fd) {
  static auto next = Next<DIR* (*)(int)>("fdopendir");
  if (!Wanted("list")) return next(fd);
  char link[64], target[4096], here[4096];
  std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
  const ssize_t length = readlink(link, target, sizeof target - 1);
  const bool current = length >= 0 && getcwd(here, sizeof here) != nullptr &&
                       std::string(target, static_cast<std::size_t>(length)) == here;
  return Fails("list", current ? "." : NameOf(fd)) ? nullptr : next(fd);
}

std::FILE* fdopen(int fd, const char* mode) {
  static auto next = Next<std::FILE* (*)(int, const char*)>("fdopen");
  return Wanted("stream") && Fails("stream", NameOf(fd)) ? nullptr : next(fd, mode);
}

int fseek(std::FILE* stream, long offset, int whence) {
  static auto next = Next<int (*)(std::FILE*, long, int)>("fseek");
  return Fails("seek", stream) ? -1 : next(stream, offset, whence);
}

int fclose(std::FILE* stream) {
  const std::string name = Wanted("close") ? NameOf(fileno(stream)) : "";
  static auto next = Next<int (*)(std::FILE*)>("fclose");
  const int closed = next(stream);
  return Fails("close", name) ? EOF : closed;
}

int stat(const char* path, struct stat* status) {
  static auto next = Next<int (*)(const char*, struct stat*)>("stat");
  return Fails("stat", LastComponent(path)) ? -1 : next(path, status);
}

int lstat(const char* path, struct stat* status) {
  static auto next = Next<int (*)(const char*, struct stat*)>("lstat");
  return Fails("lstat", LastComponent(path)) ? -1 : next(path, status);
}

int ftruncate(int fd, off_t size) {
  static auto next = Next<int (*)(int, off_t)>("ftruncate");
  return Fails("cut", NameOf(fd)) ? -1 : next(fd, size);
}

int truncate(const char* path, off_t size) {
  static auto next = Next<int (*)(const char*, off_t)>("truncate");
  return Fails("cut", LastComponent(path)) ? -1 : next(path, size);
}

int remove(const char* path) {
  static auto next = Next<int (*)(const char*)>("remove");
  return Fails("remove", LastComponent(path)) ? -1 : next(path);
}
}
