// What the ad server takes in one bulk upload of ad units, checked against
// the units a run wrote, so that its user learns before the upload what it
// would refuse, and which entry of which list to change:
//   - at most 1,000 units, which the uploads take care of;
//   - no code that the network holds already;
//   - each code once, where ASCII letters compare without their case;
//   - codes made of letters, digits and _ - . * " \ / ! < : ( ), not
//     beginning with /; letters and digits beyond ASCII only on networks
//     that allow UTF characters in codes;
//   - codes of at most 100 characters.
// A unit's name is its code, so the code's limits are the ones that bind.
//
// A code is made of parts, one for each of the unit's entries: its site
// (ROS for an empty one), its section (none for an empty one) and its size's
// description, each without blanks and apostrophes.  Each entry is looked at
// once, when the run first meets it; a unit then costs a look at what its
// entries hold, and the hash of its code.
//
// Entries are shown with the characters that a terminal doesn't show made
// visible, <U+00A0> or <0xFC>; the findings file keeps them as they are, and
// names every entry and unit behind a finding, where a line names five.
//
// Codes are told apart by a 64-bit hash, 8 bytes in a table at most three
// quarters full, so that a million units take 16 MiB (24 MiB while the table
// grows); two different codes share a hash with a chance of about one in
// thirty million there.  Parts are told apart in the same way; each entry
// that gives a part of its own is kept, text and all, so that a later one
// like it can be named beside it.
#ifndef SLOTWRIGHT_CHECK_H_
#define SLOTWRIGHT_CHECK_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The number of UTF-8 characters in |code|: bytes from 128 to 191 continue
// one.
std::size_t CharacterCount(std::string_view code);

// Notes the site at |line| of the site list, which the run reads once.
void NoteSite(std::size_t line, const std::string& site);

// Notes the section at |line| of the section list, read again for every
// site: only its first reading is looked at.
void NoteSection(std::size_t line, const std::string& section);

// Notes a unit the run wrote: its |code|, and its |size|, the entry at
// |sizeLine| of the size list, whose description is |sizeDescription|, from
// line |tableLine| of the table (0 where no line describes it).  The unit's
// site and section are the ones noted last.
void NoteUnit(const std::string& code, std::size_t sizeLine, const std::string& size,
              std::string_view sizeDescription, std::size_t tableLine);

// Whether the uploads would differ from the listing: more units than one
// upload takes, or units whose code the network holds already.
bool UploadsDiffer();

// For each unit noted, whether existing_codes.txt lists its code; empty
// where there is no existing_codes.txt.
const std::vector<bool>& LeftOutUnits();

// After a run that completed with a finding: writes the findings file,
// ad_units_check.csv, a row for every entry and unit that the check names
// (|written| says whether it did).  Where it can't, it leaves none and
// returns false; |cause| says why (see cause.h).  Until FinishFindings, the
// file counts as unfinished.
bool WriteFindings(bool& written, int& cause);

// The findings file written stays, however the run ends from now on.
void FinishFindings();

// Removes the findings file that this run is writing, if it is; says so
// where it can't.  It allocates nothing, so that the new-handler may call
// it.
void RemoveUnfinishedFindings();

// After a run that completed: says what the ad server would refuse in the
// units noted, if anything, and where it comes from; which of the |uploads|
// written to upload; and where the findings file is, where it was written.
void PrintImportCheck(std::uintmax_t uploads, bool findingsWritten);

#endif  // SLOTWRIGHT_CHECK_H_
