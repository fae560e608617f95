// How the program was started on Windows, and the wait for Enter that a
// window of its own needs.

#include "console.h"

#include <cstdio>

#ifdef _WIN32
#include <windows.h>
// windows.h first: tlhelp32.h needs its types.
#include <tlhelp32.h>
#endif

namespace {

bool windowOfItsOwn = false;

#ifdef _WIN32
// The program that started this process, as ASCII (other characters as ?);
// empty where that can't be told.
void ParentName(char (&name)[MAX_PATH]) {
  name[0] = '\0';
  const HANDLE processes = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (processes == INVALID_HANDLE_VALUE) return;
  PROCESSENTRY32W entry;
  entry.dwSize = sizeof entry;
  DWORD parent = 0;
  for (BOOL more = Process32FirstW(processes, &entry); more;
       more = Process32NextW(processes, &entry)) {
    if (entry.th32ProcessID == GetCurrentProcessId()) parent = entry.th32ParentProcessID;
  }
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32FirstW(processes, &entry); more && parent != 0;
       more = Process32NextW(processes, &entry)) {
    if (entry.th32ProcessID != parent) continue;
    std::size_t at = 0;
    for (; at + 1 < MAX_PATH && entry.szExeFile[at] != L'\0'; ++at) {
      name[at] = entry.szExeFile[at] < 128 ? static_cast<char>(entry.szExeFile[at]) : '?';
    }
    name[at] = '\0';
    break;
  }
  CloseHandle(processes);
}

bool IsConsole(DWORD stream) {
  DWORD mode = 0;
  return GetConsoleMode(GetStdHandle(stream), &mode) != 0;
}
#endif

}  // namespace

bool StartedInAWindowOfItsOwn(std::string_view parentName, unsigned long consoleProcesses,
                              bool inputIsConsole, bool outputIsConsole) {
  constexpr std::string_view explorer = "explorer.exe";
  if (parentName.size() != explorer.size()) return false;
  for (std::size_t at = 0; at < explorer.size(); ++at) {
    const char c = parentName[at];
    if ((c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c) != explorer[at]) return false;
  }
  return consoleProcesses == 1 && inputIsConsole && outputIsConsole;
}

void NoteHowStarted() {
#ifdef _WIN32
  char parent[MAX_PATH];
  ParentName(parent);
  DWORD processes[2];
  windowOfItsOwn =
      StartedInAWindowOfItsOwn(parent, GetConsoleProcessList(processes, 2),
                               IsConsole(STD_INPUT_HANDLE), IsConsole(STD_OUTPUT_HANDLE));
#endif
}

void KeepWindowOpen() {
  if (!windowOfItsOwn) return;
  windowOfItsOwn = false;
  std::fputs("\nPress Enter to close this window.\n", stdout);
  std::fflush(stdout);
#ifdef _WIN32
  // Read from the console itself, line by line as it hands them over; a
  // closed window ends the process meanwhile.
  char typed[64];
  DWORD count = 0;
  while (ReadConsoleA(GetStdHandle(STD_INPUT_HANDLE), typed, sizeof typed, &count, nullptr) &&
         count > 0) {
    if (typed[count - 1] == '\n' || typed[count - 1] == '\r') break;
  }
#endif
}
