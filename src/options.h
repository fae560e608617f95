// What the program does when started with arguments: the version banner, the
// help screen, or the list of the options it accepts.  No file is touched.
#ifndef SLOTWRIGHT_OPTIONS_H_
#define SLOTWRIGHT_OPTIONS_H_

#include <string>

// Writes the version banner and the help text.
void Help();

// Answers the first argument and returns the exit status: 0 for "--version",
// "--help" and "-h", 1 for anything else.
int DispatchOption(const std::string& argument);

#endif  // SLOTWRIGHT_OPTIONS_H_
