// What the ad server takes in one bulk upload of ad units, and what the run
// wrote that it would refuse or that the lists may not have meant, noted as
// the run meets each entry and unit, so that its user learns before the
// upload what to change, and where.  The ad server takes:
//   - at most 1,000 units, which the uploads take care of;
//   - no code that the network holds already;
//   - each code once, where ASCII letters compare without their case;
//   - codes made of letters, digits and _ - . * " \ / ! < : ( ), not
//     beginning with /; letters and digits beyond ASCII only on networks
//     that allow UTF characters in codes;
//   - codes of at most 100 characters.
// A unit's name is its code, so the code's limits are the ones that bind.
// findings.h says what is noted here; nothing here says anything.
//
// A code is made of parts, one for each of the unit's entries: its site
// (ROS for an empty one), its section (none for an empty one) and its size's
// description, each without blanks and apostrophes.  Each entry is looked at
// once, when the run first meets it; a unit then costs a look at what its
// entries hold, and the hash of its code.
//
// Codes are told apart by a 64-bit hash, 8 bytes in a table at most three
// quarters full, so that a million units take 16 MiB (24 MiB while the table
// grows); two different codes share a hash with a chance of about one in
// thirty million there.  Parts are told apart in the same way; each entry
// that gives a part of its own is kept, text and all, so that a later one
// like it can be named beside it.
#ifndef SLOTWRIGHT_CHECK_H_
#define SLOTWRIGHT_CHECK_H_

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "characters.h"

constexpr std::size_t maxCodeCharacters = 100;

// The three lists, in the order in which a unit meets its entries, and the
// table, whose descriptions are parts of codes too.
constexpr std::size_t siteList = 0, sectionList = 1, sizeList = 2, table = 3;

// The file of |list|.
const std::string& ListFilename(std::size_t list);

// The findings that name entries, in the check's order, but that of entries
// that repeat another's codes, which comes after the units that repeat
// codes; then one for each kind of character, from pairedEntries + 1 on.
constexpr std::size_t whiteSpaceSizes = 0, missingSizes = 1, emptySites = 2, emptySections = 3,
                      pairedEntries = 4;
constexpr std::size_t namingFindings = pairedEntries + 1 + characterKinds;

// An entry that a finding names: its list (or the table, for a size's
// description), its line, its text, what the check shows after it and what
// the findings file does (the same, with texts as they stand rather than
// shown), and, for the table, the size it describes.
using Named =
    std::tuple<std::size_t, std::size_t, std::string, std::string, std::string, std::string>;
constexpr std::size_t namedList = 0, namedLine = 1, namedText = 2, namedShown = 3, namedRaw = 4,
                      namedSize = 5;
using NamedList = std::vector<Named>;

// A text as the check shows it: between double quotes, the invisible made
// visible; and as the findings file keeps it, between double quotes as it
// stands.
std::string Quoted(std::string_view text);
std::string Raw(std::string_view text);

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

// What a run that completed noted, for findings.h to say.
//
// The entries that |finding| names.  An empty line alone in its list is the
// design's own use, a run of site or units without a section: it is named
// only beside other entries.
const NamedList& NamedBy(std::size_t finding);

// How many units |entry| gives: those of its entry, or, for the table, those
// of every line of the size that it describes.
std::uintmax_t UnitsOf(const Named& entry);

// How many units were noted, and how many of them hold a character of
// |kind| (see characters.h); how many hold one refused or beyond ASCII.
std::uintmax_t UnitCount();
std::uintmax_t UnitsOfKind(std::size_t kind);
std::uintmax_t RefusedOrBeyondAscii();

// How many units repeat an earlier unit's code, and the first such unit's
// code and |row|, counted from 1.
std::uintmax_t RepeatedUnits();
const std::string& FirstRepeat(std::uintmax_t& row);

// The units whose code the network holds, by row, with the line of
// existing_codes.txt that lists it; and those whose code is too long, by
// row, with its length in characters.
const std::vector<std::pair<std::uintmax_t, std::size_t>>& UnitsInNetwork();
const std::vector<std::pair<std::uintmax_t, std::size_t>>& OverlongUnits();

// The entries of the unit at |row|, counted from 1: its site's, section's
// and size's lines, counted from 0.
std::array<std::size_t, 3> EntriesOf(std::uintmax_t row);

// The entry at |index|, counted from 0, of |list|.
const std::string& EntryAt(std::size_t list, std::size_t index);

// The description of |size| as the run met it, and the table's line that
// gives it (0 for none).
const std::string& DescriptionOf(const std::string& size, std::size_t& tableLine);

// The part of a code that |text|, an entry of |list| or a size's
// description, gives.
std::string PartOf(std::size_t list, std::string_view text);

// The code of the unit at |row|, made again from its entries, as the run
// made it.
std::string CodeOf(std::uintmax_t row);

// The row of the first unit whose code, with ASCII letters folded, is that
// of |code|.
std::uintmax_t FirstRowLike(const std::string& code);

// Calls |repeat| with the row of each unit that repeats an earlier unit's
// code, in order, and the row of the first unit with that code.
void ForEachRepeat(const std::function<void(std::uintmax_t, std::uintmax_t)>& repeat);

#endif  // SLOTWRIGHT_CHECK_H_
