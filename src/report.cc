// Console output and the wording of every failure the program knows.

#include "report.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "cause.h"
#include "console.h"
#include "slotwright.h"

const char helpHint[] = "Check the help (Slotwright --help) for further information.";

namespace {

// The line that names |cause|, if any, then the help line.
void PrintCauseAndHelp(int cause, const std::string& filename) {
  if (cause != saidCause) PrintLine(CauseLine(cause, filename));
  PrintLine(helpHint);
}

void PrintHelpHint() { PrintLine(helpHint); }

// The lines that speak of reading a file or of permissions to create one
// say what a want of permission would.
int BesidesPermission(int cause) { return cause == noPermission ? saidCause : cause; }

}  // namespace

void PrintLine(const std::string& text) { Echo(text + '\n'); }

void Echo(const std::string& bytes) {
  if (WriteToConsole(bytes)) return;
  std::fwrite(bytes.data(), 1, bytes.size(), stdout);
  std::fflush(stdout);
}

void ReportOpenFailure(const std::string& filename, int cause) {
  // Some systems refuse to open a directory: it is there, but no readable
  // file.
  std::error_code error;
  if (std::filesystem::is_directory(filename, error)) {
    ReportReadFailure(filename, cause);
    return;
  }
  PrintLine("Could not open " + filename +
            ". Be sure that it exists, it is readable and it is on either on "
            "the same directory of this program executable or the current "
            "directory the terminal is open at.");
  PrintCauseAndHelp(BesidesPermission(cause), filename);
}

void ReportListingOpenFailure(int cause) {
  PrintLine("Could not open " + adUnitsFilename +
            ". Be sure that the user account under which you are running this "
            "program has the permissions to create files under either the "
            "directory where this program is located or the current directory "
            "the terminal is open at.");
  PrintCauseAndHelp(BesidesPermission(cause), adUnitsFilename);
}

void ReportReadFailure(const std::string& filename, int cause) {
  PrintLine("Could not read " + filename + ". Be sure that it is a readable file.");
  PrintCauseAndHelp(BesidesPermission(cause), filename);
}

void ReportWriteFailure(const std::string& filename, int cause) {
  PrintLine("Could not write " + filename +
            ". Be sure that there is enough free space on the disk.");
  PrintCauseAndHelp(cause, filename);
}

void ReportEarlierUpload(const std::string& name, int cause) {
  PrintLine("Could not remove " + name + ", which an earlier run wrote; delete it.");
  PrintCauseAndHelp(cause, name);
}

void ReportPartOfARow() {
  PrintLine(adUnitsFilename +
            " ends with part of a row; delete that last line before you import it.");
}

void ReportUtf16(const std::string& filename) {
  PrintLine("Could not read " + filename +
            ". Be sure that it is saved as plain text or UTF-8, not as UTF-16 (\"Unicode\").");
  PrintHelpHint();
}

void ReportListingIsInput(const std::string& input) {
  PrintLine("Could not open " + adUnitsFilename +
            ". Be sure that it is a file of its own, not a link to " + input + ".");
  PrintHelpHint();
}
