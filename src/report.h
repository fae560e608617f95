// Console output: every line goes to standard output and is flushed at once,
// and every failure the program knows is worded here.
#ifndef SLOTWRIGHT_REPORT_H_
#define SLOTWRIGHT_REPORT_H_

#include <string>

// The line that follows a failure's own, and says where to read more.
extern const char helpHint[];

// Writes |text| and a line feed to standard output and flushes it.  A failed
// write is not reported: the console is only an echo of the real output.
void PrintLine(const std::string& text);

// Writes |bytes| as they are to standard output, in one write, and flushes
// it.  A failed write is not reported either.
void Echo(const std::string& bytes);

// Each failure below is said in a line of its own, followed by a line that
// names its |cause| (see cause.h) where its own doesn't, and by the line
// that says where to read more.

// A list or the description table that can't be opened; reported as one that
// can't be read when it is a directory.
void ReportOpenFailure(const std::string& filename, int cause);

// The unit listing that can't be created or emptied.
void ReportListingOpenFailure(int cause);

// A list or the description table that opened but can't be read.
void ReportReadFailure(const std::string& filename, int cause);

// A list or the description table saved as UTF-16.
void ReportUtf16(const std::string& filename);

// The unit listing that is |input| under another name, a link say.
void ReportListingIsInput(const std::string& input);

// A row or the close of |filename|, the unit listing or an upload, that
// didn't reach the disk.
void ReportWriteFailure(const std::string& filename, int cause);

// An upload of an earlier run, |name|, that can't be removed.
void ReportEarlierUpload(const std::string& name, int cause);

// After ReportWriteFailure: the failed row could not be cut back.
void ReportPartOfARow();

#endif  // SLOTWRIGHT_REPORT_H_
