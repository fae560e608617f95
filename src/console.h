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

#endif  // SLOTWRIGHT_CONSOLE_H_
