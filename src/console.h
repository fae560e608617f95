// A run started by a double-click in Windows' Explorer gets a console window
// of its own, which closes as the run ends: such a run waits for Enter at its
// end, so that its rows, its failures and its import check can be read.
#ifndef SLOTWRIGHT_CONSOLE_H_
#define SLOTWRIGHT_CONSOLE_H_

#include <string_view>

// Whether a run started so waits: its parent is Explorer (|parentName|, the
// parent's program, in any case), the console's process list holds this
// process alone, and standard input and standard output are that console.
// Command Prompt, PowerShell, a script, a scheduled task, a pipe or a
// redirected stream each fail one of these.
bool StartedInAWindowOfItsOwn(std::string_view parentName, unsigned long consoleProcesses,
                              bool inputIsConsole, bool outputIsConsole);

// Notes at the start of the process how it was started: on Windows from the
// system, elsewhere never in a window of its own.
void NoteHowStarted();

// Where the run was started in a window of its own: an empty line, "Press
// Enter to close this window.", and a wait for Enter or for the window's
// close.  It allocates nothing, so that the new-handler may call it.
void KeepWindowOpen();

// Notes the status that the process ends with, for a window that is closed
// while it waits for Enter; until then it is 1, that of a failure.
void NoteExitStatus(int status);

// Whether the process waits for Enter now, at its end; |status| is then its
// status.
bool WaitsForEnter(int& status);

// What a console that closes, a logoff or a shutdown does: where the run
// is over and waits for Enter, the process ends with |runStatus|, as it
// would on Enter; otherwise the stop rule ends the run, and this is -1.
int StatusOnClose(bool waitsForEnter, int runStatus);

// Where standard output is a Windows console, writes |bytes| to it as
// UTF-8 text, so that every name shows as it is written whatever the
// console's code page, which stays as it was; a byte that is no part of
// UTF-8 shows as U+FFFD.  Returns false elsewhere, a pipe or a file, which
// take the bytes as they are.
bool WriteToConsole(std::string_view bytes);

#endif  // SLOTWRIGHT_CONSOLE_H_
