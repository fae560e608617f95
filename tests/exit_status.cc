// Under Wine, for the double-click test: waits for the process whose
// program is the first argument (slotwright.exe, say), which another
// process started, and prints its exit status.  It prints "waiting" once it
// holds the process, so that the test knows the status can't be missed.
//   exit_status.exe PROGRAM

#include <windows.h>
// windows.h first: tlhelp32.h needs its types.
#include <tlhelp32.h>

#include <cstdio>
#include <cstring>

namespace {

// The first process whose program is |name|, in any case; nothing where
// none is running.
HANDLE OpenProcessNamed(const char* name) {
  const HANDLE processes = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (processes == INVALID_HANDLE_VALUE) return nullptr;
  PROCESSENTRY32 entry;
  entry.dwSize = sizeof entry;
  HANDLE found = nullptr;
  for (BOOL more = Process32First(processes, &entry); more && found == nullptr;
       more = Process32Next(processes, &entry)) {
    if (_stricmp(entry.szExeFile, name) == 0) {
      found =
          OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, entry.th32ProcessID);
    }
  }
  CloseHandle(processes);
  return found;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 2) return 2;
  HANDLE process = nullptr;
  for (int tries = 0; tries < 300 && process == nullptr; ++tries) {
    process = OpenProcessNamed(argv[1]);
    if (process == nullptr) Sleep(100);
  }
  if (process == nullptr) return 2;
  std::printf("waiting\n");
  std::fflush(stdout);
  DWORD status = 0;
  if (WaitForSingleObject(process, INFINITE) != WAIT_OBJECT_0 ||
      !GetExitCodeProcess(process, &status)) {
    return 2;
  }
  std::printf("%lu\n", static_cast<unsigned long>(status));
  return 0;
}
