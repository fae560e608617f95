// How the program was started on Windows, and the wait for Enter that a
// window of its own needs.

#include "console.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <string>

#ifdef _WIN32
#include <windows.h>
// windows.h first: tlhelp32.h needs its types.
#include <tlhelp32.h>
#endif

namespace {

bool windowOfItsOwn = false;
std::atomic<bool> waitingForEnter{false};
std::atomic<int> exitStatus{1};

#ifdef _WIN32
bool outputIsConsole = false;

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
  outputIsConsole = IsConsole(STD_OUTPUT_HANDLE);
  windowOfItsOwn = StartedInAWindowOfItsOwn(parent, GetConsoleProcessList(processes, 2),
                                            IsConsole(STD_INPUT_HANDLE), outputIsConsole);
#endif
}

void KeepWindowOpen() {
  if (!windowOfItsOwn) return;
  windowOfItsOwn = false;
  std::fputs("\nPress Enter to close this window.\n", stdout);
  std::fflush(stdout);
  waitingForEnter = true;
#ifdef _WIN32
  // Read from the console itself, line by line as it hands them over; a
  // closed window ends the process meanwhile, with the status noted.
  char typed[64];
  DWORD count = 0;
  while (ReadConsoleA(GetStdHandle(STD_INPUT_HANDLE), typed, sizeof typed, &count, nullptr) &&
         count > 0) {
    if (typed[count - 1] == '\n' || typed[count - 1] == '\r') break;
  }
#endif
}

void NoteExitStatus(int status) { exitStatus = status; }

bool WaitsForEnter(int& status) {
  status = exitStatus;
  return waitingForEnter;
}

int StatusOnClose(bool waitsForEnter, int runStatus) { return waitsForEnter ? runStatus : -1; }

bool WriteToConsole(std::string_view bytes) {
#ifdef _WIN32
  if (!outputIsConsole || bytes.empty()) return outputIsConsole;
  const int size = static_cast<int>(std::min<std::size_t>(bytes.size(), 1 << 30));
  std::wstring wide(static_cast<std::size_t>(size), L'\0');
  wide.resize(static_cast<std::size_t>(
      MultiByteToWideChar(CP_UTF8, 0, bytes.data(), size, wide.data(), size)));
  // A line feed ends a line as the C library's text mode would end it.
  std::wstring text;
  text.reserve(wide.size() + wide.size() / 64 + 2);
  for (const wchar_t c : wide) {
    if (c == L'\n') text += L'\r';
    text += c;
  }
  // In pieces that every console takes, never between the halves of a
  // surrogate pair.
  const HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
  for (std::size_t at = 0; at < text.size();) {
    DWORD piece = static_cast<DWORD>(std::min<std::size_t>(text.size() - at, 8192));
    if (at + piece < text.size() && text[at + piece - 1] >= 0xD800 &&
        text[at + piece - 1] <= 0xDBFF) {
      --piece;
    }
    DWORD written = 0;
    if (!WriteConsoleW(output, text.data() + at, piece, &written, nullptr) || written == 0) break;
    at += written;
  }
  return true;
#else
  (void)bytes;
  return false;
#endif
}
