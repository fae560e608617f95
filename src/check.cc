#include "check.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <tuple>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "cause.h"
#include "characters.h"
#include "compose.h"
#include "existing.h"
#include "hash.h"
#include "listing.h"
#include "lookup.h"
#include "report.h"
#include "row.h"
#include "slotwright.h"
#include "stop.h"
#include "uploads.h"

namespace {

constexpr std::size_t maxCodeCharacters = 100;
constexpr std::size_t namesShown = 5;

// The three lists, in the order in which a unit meets its entries, and the
// table, whose descriptions are parts of codes too.
constexpr std::size_t siteList = 0, sectionList = 1, sizeList = 2, table = 3;
const std::string* const filenames[] = {&sitesFilename, &sectionsFilename, &adSizesFilename,
                                        &adDescriptionFilename};

// An entry that a line of the check names: as the line shows it; the fields
// of its row in the findings file but the count of its units; and whose
// units it counts: those of the entry of |list|, or, for the table, those of
// every line of the size (the last element) that it describes.
using Named = std::tuple<std::string, std::string, std::size_t, std::string>;
using NamedList = std::vector<Named>;

// The lines that name entries, in the check's order, but that of entries
// that repeat another's codes, which comes after the units that repeat
// codes; then one line for each kind of character.
constexpr std::size_t whiteSpaceSizes = 0, missingSizes = 1, emptySites = 2, emptySections = 3,
                      pairedEntries = 4;
constexpr std::size_t namingLines = 5 + characterKinds;
std::array<NamedList, namingLines> named;
const char* const findingNames[] = {"white space in size",
                                    "size missing from table",
                                    "empty site",
                                    "empty section",
                                    "same codes as an earlier entry",
                                    "refused character",
                                    "letter or digit beyond ASCII",
                                    "not UTF-8"};

// What each part holds beyond what every network takes, a bit for each kind.
using Kinds = unsigned char;
Kinds siteKinds = 0, sectionKinds = 0;
std::vector<Kinds> sectionKindsByLine, sizeKindsByLine;

// Every entry of the lists, by line, as the run met it first: the codes of
// units are made again from them.
std::vector<std::string> entries[3];

// The sizes met, by their text: the description, what its part holds, the
// table's line that gives it (0 for none), and how many lines of the size
// list hold the size.
std::unordered_map<std::string, std::tuple<std::string, Kinds, std::size_t, std::uintmax_t>>
    sizesMet;

// For each list, the first entry of each part, by the part's hash with ASCII
// letters folded: its line and its text.
std::unordered_map<std::uint64_t, std::pair<std::size_t, std::string>> firstWithPart[3];

// Hashes of the codes seen, with ASCII letters folded, and those seen more
// than once.
std::vector<std::uint64_t> codeHashes;
std::unordered_set<std::uint64_t> repeatedHashes;

std::uintmax_t units = 0;
std::array<std::uintmax_t, characterKinds> unitsOfKind{};
std::uintmax_t refusedOrBeyondAscii = 0;

// Each finding about whole codes: how many units have it, the first one's
// code and row, counted from 1.
std::uintmax_t repeated = 0;
std::string repeatedExample;
std::uintmax_t repeatedExampleRow = 0;

// The units whose code the network holds, with the line of existing_codes.txt
// that lists it, and those whose code is too long, with its length.
std::vector<std::pair<std::uintmax_t, std::size_t>> inNetwork, overlong;

// For each unit, where there is an existing_codes.txt, whether it lists the
// unit's code: the uploads leave such units out.
std::vector<bool> leftOut;

// Adds |hash| to |set|, an open-addressed table of which |taken| slots are
// used, unless it is there; returns whether it was new.  Zero marks an empty
// slot, so a hash of zero counts as one.  The table stays at most three
// quarters full.
bool AddHash(std::vector<std::uint64_t>& set, std::uintmax_t taken, std::uint64_t hash) {
  if (4 * (taken + 1) > 3 * set.size()) {
    std::vector<std::uint64_t> old(set.empty() ? 64 : 2 * set.size());
    set.swap(old);
    for (const std::uint64_t kept : old) {
      if (kept != 0) AddHash(set, 0, kept);
    }
  }
  const std::size_t mask = set.size() - 1;  // a power of two, less one
  hash += hash == 0;
  for (std::size_t slot = hash & mask;; slot = (slot + 1) & mask) {
    if (set[slot] == 0) {
      set[slot] = hash;
      return true;
    }
    if (set[slot] == hash) return false;
  }
}

// As the check shows a text: between double quotes, the invisible made
// visible.  The findings file keeps texts as they are.
std::string Quoted(std::string_view text) { return '"' + Shown(text) + '"'; }
std::string Raw(std::string_view text) { return '"' + std::string(text) + '"'; }

std::string WithoutBlanksAndApostrophes(std::string_view text) {
  std::string part(text);
  part.erase(std::remove_if(part.begin(), part.end(), [](char c) { return c == ' ' || c == '\''; }),
             part.end());
  return part;
}

// The fields of a row of the findings file but the last.
std::string FindingFields(const char* finding, const std::string& file, std::uintmax_t line,
                          std::string_view entry, std::string_view shown) {
  std::string fields;
  AppendField(fields, finding);
  fields += ',';
  AppendField(fields, file);
  fields += ',' + std::to_string(line) + ',';
  AppendField(fields, std::string(entry));
  fields += ',';
  AppendField(fields, std::string(shown));
  return fields + ',';
}

// Names the entry at |line| of |list|, whose text is |text|, in the check's
// line |finding|; |shown| and |rawShown| are what follows it there and in the
// findings file.
void Name(std::size_t finding, std::size_t list, std::size_t line, std::string_view text,
          const std::string& shown, const std::string& rawShown, const std::string& size = "") {
  // The line of white space in sizes names their file at its start.
  std::string inLine = "line " + std::to_string(line) + ' ' + Quoted(text);
  if (list == table) {
    inLine = adDescriptionFilename + "'s description of " + Quoted(size) + ", " + Quoted(text);
  } else if (finding != whiteSpaceSizes) {
    inLine = *filenames[list] + ' ' + inLine;
  }
  if (!shown.empty()) inLine += " (" + shown + ')';
  named[finding].emplace_back(
      std::move(inLine),
      FindingFields(findingNames[finding], *filenames[list], line, text, rawShown), list, size);
}

// Sorts the characters of |part|, the part of a code that the entry at
// |line| of |list| gives, and names the entry for every kind it holds.
Kinds NoteKinds(std::string_view part, bool startsCode, std::size_t list, std::size_t line,
                std::string_view text, const std::string& size = "") {
  Kinds kinds = 0;
  const auto first = CharacterKinds(part, startsCode);
  for (std::size_t kind = 0; kind < characterKinds; ++kind) {
    if (first[kind].empty()) continue;
    kinds |= 1 << kind;
    Name(pairedEntries + 1 + kind, list, line, text, first[kind], first[kind], size);
  }
  return kinds;
}

// Keeps the entry at |line| of |list| as the first with |part|, or names it
// beside the one that was.  Sizes are named with that one's description.
void NotePart(std::size_t list, const std::string& part, std::size_t line,
              const std::string& text) {
  const auto [first, isNew] = firstWithPart[list].try_emplace(Hash(part, true), line, text);
  if (isNew) return;
  const auto& [firstLine, firstText] = first->second;
  std::string like = "like line " + std::to_string(firstLine) + ' ';
  std::string shown = like + Quoted(firstText), raw = like + Raw(firstText);
  if (list == sizeList) {
    const std::string& description = std::get<0>(sizesMet.at(firstText));
    shown += ", described as " + Quoted(description);
    raw += ", described as " + Raw(description);
  }
  Name(pairedEntries, list, line, text, shown, raw);
}

bool IsBlankOrTab(char c) { return c == ' ' || c == '\t'; }

// A site or section met for the first time: what its part holds.  An empty
// site is ROS in a code, and only a site's part begins one.  One that is
// empty or holds only blanks and tabs, a stray line most often, is named.
Kinds NoteListEntry(std::size_t list, std::size_t line, const std::string& text) {
  const bool site = list == siteList;
  entries[list].push_back(text);
  if (std::all_of(text.begin(), text.end(), IsBlankOrTab)) {
    Name(site ? emptySites : emptySections, list, line, text, "", "");
  }
  const std::string part = site && text.empty() ? "ROS" : WithoutBlanksAndApostrophes(text);
  const Kinds kinds = NoteKinds(part, site, list, line, text);
  NotePart(list, part, line, text);
  return kinds;
}

// Whether |size| holds a character that no line of the table can take as
// part of a size: white space, or one of those that take no room.  The first
// of them that the check shows by its number, all but the blank, is put in
// |numbered| (0 where there is none).
bool HoldsWhiteSpace(std::string_view size, char32_t& numbered) {
  bool holds = false;
  numbered = 0;
  char32_t c = 0;
  for (std::size_t at = 0, length; at < size.size(); at += std::max<std::size_t>(length, 1)) {
    length = DecodeUtf8(size, at, c);
    if (length == 0 || !IsWhiteSpaceOrZeroWidth(c)) continue;
    holds = true;
    if (c != ' ') {
      numbered = c;
      break;
    }
  }
  return holds;
}

// The entries that the line |finding| names.  An empty line alone in its
// list is the design's own use, a run of site or units without a section:
// it is named only beside other entries.
const NamedList& NamedBy(std::size_t finding) {
  static const NamedList none;
  const std::size_t list = finding == emptySites ? siteList : sectionList;
  const bool alone = (finding == emptySites || finding == emptySections) &&
                     entries[list].size() == 1 && entries[list][0].empty();
  return alone ? none : named[finding];
}

// How many units the entry |named| gives, of a completed run.
std::uintmax_t UnitsOf(const Named& entry) {
  const std::uintmax_t sites = entries[siteList].size(), sections = entries[sectionList].size(),
                       sizes = entries[sizeList].size();
  switch (std::get<2>(entry)) {
    case siteList:
      return sections * sizes;
    case sectionList:
      return sites * sizes;
    case sizeList:
      return sites * sections;
    default:
      return std::get<3>(sizesMet.at(std::get<3>(entry))) * sites * sections;
  }
}

// The entries of the unit at |row|, counted from 1: its site's, section's
// and size's lines, counted from 0.  Every pass of a completed run met the
// same sections and sizes.
std::array<std::size_t, 3> EntriesOf(std::uintmax_t row) {
  const std::uintmax_t sections = entries[sectionList].size(), sizes = entries[sizeList].size();
  const std::uintmax_t unit = row - 1;
  return {static_cast<std::size_t>(unit / (sections * sizes)),
          static_cast<std::size_t>(unit / sizes % sections),
          static_cast<std::size_t>(unit % sizes)};
}

// The code of the unit at |row|, made again from its entries, as the run
// made it.
std::string CodeOf(std::uintmax_t row) {
  const auto [site, section, size] = EntriesOf(row);
  return ComposeCode(entries[siteList][site], entries[sectionList][section],
                     std::get<0>(sizesMet.at(entries[sizeList][size])));
}

// The row of the first unit whose code has |hash|.
std::uintmax_t FirstRowWith(std::uint64_t hash) {
  std::uintmax_t row = 1;
  while (row < units && Hash(CodeOf(row), true) != hash) ++row;
  return row;
}

// Calls |repeat| with the row of each unit that repeats an earlier unit's
// code, in order, and the row of the first unit with that code.
template <typename Repeat>
void ForEachRepeat(Repeat repeat) {
  std::unordered_map<std::uint64_t, std::uintmax_t> firstRows;
  for (std::uintmax_t row = 1; row <= units; ++row) {
    const std::uint64_t hash = Hash(CodeOf(row), true);
    if (repeatedHashes.count(hash) == 0) continue;
    const auto [first, isNew] = firstRows.try_emplace(hash, row);
    if (!isNew) repeat(row, first->second);
  }
}

// The entries that differ between the units at |row| and |earlier|: "from
// sites.txt line 2 "North" and sections.txt line 2 "East-Sports", like
// sites.txt line 1 "North-East" and sections.txt line 1 "Sports"".
std::string DifferingEntries(std::uintmax_t row, std::uintmax_t earlier) {
  const auto these = EntriesOf(row), those = EntriesOf(earlier);
  std::vector<std::string> from, like;
  for (std::size_t list = siteList; list <= sizeList; ++list) {
    if (these[list] == those[list]) continue;
    const auto entry = [list](std::size_t line) {
      return *filenames[list] + " line " + std::to_string(line + 1) + ' ' +
             Quoted(entries[list][line]);
    };
    from.push_back(entry(these[list]));
    like.push_back(entry(those[list]));
  }
  const auto joined = [](const std::vector<std::string>& names) {
    std::string text;
    for (std::size_t at = 0; at < names.size(); ++at) {
      text += (at == 0 ? "" : at + 1 == names.size() ? " and " : ", ") + names[at];
    }
    return text;
  };
  return "from " + joined(from) + ", like " + joined(like);
}

// The entry that gives the longest part of the code of the unit at |row|,
// in characters, as the check names entries; the first of the longest.
std::string LongestPartOf(std::uintmax_t row) {
  const auto at = EntriesOf(row);
  std::string longest;
  std::size_t most = 0;
  for (std::size_t list = siteList; list <= sizeList; ++list) {
    const std::string& text = entries[list][at[list]];
    std::string named =
        *filenames[list] + " line " + std::to_string(at[list] + 1) + ' ' + Quoted(text);
    std::string part = list == siteList && text.empty() ? "ROS" : WithoutBlanksAndApostrophes(text);
    if (list == sizeList) {
      const auto& met = sizesMet.at(text);
      const std::string& description = std::get<0>(met);
      part = WithoutBlanksAndApostrophes(description);
      if (std::get<2>(met) != 0) {  // a line of the table gives it
        named = adDescriptionFilename + "'s description of " + Quoted(text) + ", " +
                Quoted(description);
      }
    }
    const std::size_t characters = CharacterCount(part);
    if (characters > most) {
      most = characters;
      longest = std::move(named);
    }
  }
  return longest;
}

// The first five entries of |list|, as its line shows them, and how many
// more there are.
std::string ListOf(const NamedList& list) {
  std::string text;
  for (std::size_t at = 0; at < std::min(list.size(), namesShown); ++at) {
    text += (at == 0 ? "" : ", ") + std::get<0>(list[at]);
  }
  if (list.size() > namesShown) {
    text += ", and " + std::to_string(list.size() - namesShown) + " more";
  }
  return text;
}

// Whether this run is writing the findings file.
bool writingFindings = false;

// Writes the rows of the findings file to |file|: the header, then a row for
// each entry and unit that a line of the check names, in the check's order.
bool WriteFindingRows(std::FILE* file) {
  bool written = true;
  const auto write = [&written, file](const std::string& row) {
    written = written && std::fwrite(row.data(), 1, row.size(), file) == row.size();
  };
  const auto writeNamed = [&write](std::size_t finding) {
    for (const Named& entry : NamedBy(finding)) {
      write(std::get<1>(entry) + std::to_string(UnitsOf(entry)) + '\n');
    }
  };
  const auto unitRow = [&write](const char* finding, std::uintmax_t row, const std::string& shown) {
    write(FindingFields(finding, adUnitsFilename, row, CodeOf(row), shown) + "1\n");
  };
  write(byteOrderMark + "finding,file,line,entry,shown,units\n");
  writeNamed(whiteSpaceSizes);
  writeNamed(missingSizes);
  writeNamed(emptySites);
  writeNamed(emptySections);
  if (repeated > 0) {
    ForEachRepeat([&unitRow](std::uintmax_t row, std::uintmax_t first) {
      unitRow("repeated code", row, "like row " + std::to_string(first));
    });
  }
  writeNamed(pairedEntries);
  for (std::size_t kind = 0; kind < characterKinds; ++kind) writeNamed(pairedEntries + 1 + kind);
  for (const auto& [row, characters] : overlong) {
    unitRow("code over 100 characters", row, std::to_string(characters));
  }
  return written;
}

// Units in the network already are no finding: the uploads leave them out,
// and nothing about them needs mending.
bool AnyFinding() {
  bool any = repeated > 0 || !overlong.empty();
  for (std::size_t finding = 0; finding < namingLines; ++finding) {
    any = any || !NamedBy(finding).empty();
  }
  return any;
}

}  // namespace

std::size_t CharacterCount(std::string_view code) {
  std::size_t count = 0;
  for (const char c : code) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return count;
}

void NoteSite(std::size_t line, const std::string& site) {
  siteKinds = NoteListEntry(siteList, line, site);
}

void NoteSection(std::size_t line, const std::string& section) {
  if (line > sectionKindsByLine.size()) {
    sectionKindsByLine.push_back(NoteListEntry(sectionList, line, section));
  }
  sectionKinds = sectionKindsByLine[line - 1];
}

void NoteUnit(const std::string& code, std::size_t sizeLine, const std::string& size,
              std::string_view sizeDescription, std::size_t tableLine) {
  if (sizeLine > sizeKindsByLine.size()) {
    entries[sizeList].push_back(size);
    const std::string part = WithoutBlanksAndApostrophes(sizeDescription);
    const auto [met, isNew] =
        sizesMet.try_emplace(size, sizeDescription, Kinds{0}, tableLine, std::uintmax_t{0});
    auto& [description, kinds, descriptionLine, lines] = met->second;
    ++lines;
    if (isNew) {
      char32_t numbered = 0;
      if (HoldsWhiteSpace(size, numbered)) {
        Name(whiteSpaceSizes, sizeList, sizeLine, size, "", numbered ? CodePoint(numbered) : "");
      } else if (tableLine == 0) {
        const auto [nearLine, nearText, nearCharacter] = FindNearLine(size);
        std::string shown, raw;
        if (nearLine != 0) {
          const std::string start = adDescriptionFilename + " line " + std::to_string(nearLine);
          const std::string end = " puts " + CodePoint(nearCharacter) +
                                  " after the size, where the table needs a blank or a tab";
          shown = start + ' ' + Quoted(nearText) + end;
          raw = start + ' ' + Raw(nearText) + end;
        } else if (const auto [caseLine, caseSize] = FindOtherCaseLine(size); caseLine != 0) {
          const std::string start =
              adDescriptionFilename + " line " + std::to_string(caseLine) + " gives ";
          const std::string end = "; sizes are compared with their case";
          shown = start + Quoted(caseSize) + end;
          raw = start + Raw(caseSize) + end;
        }
        Name(missingSizes, sizeList, sizeLine, size, shown, raw);
      }
      kinds = NoteKinds(part, false, table, descriptionLine, description, size);
    }
    sizeKindsByLine.push_back(kinds);
    NotePart(sizeList, part, sizeLine, size);
  }
  ++units;
  const Kinds kinds = siteKinds | sectionKinds | sizeKindsByLine[sizeLine - 1];
  for (std::size_t kind = 0; kind < characterKinds; ++kind) unitsOfKind[kind] += kinds >> kind & 1;
  refusedOrBeyondAscii += (kinds & (1 << refusedKind | 1 << beyondAsciiKind)) != 0;
  const std::uint64_t codeHash = Hash(code, true);
  // Every earlier unit that repeated no code added one to the table.
  if (!AddHash(codeHashes, units - 1 - repeated, codeHash)) {
    repeatedHashes.insert(codeHash);
    if (repeated++ == 0) {
      repeatedExample = code;
      repeatedExampleRow = units;
    }
  }
  if (HaveExistingCodes()) {
    const std::size_t existingLine = ExistingCodeLine(codeHash);
    leftOut.push_back(existingLine != 0);
    if (existingLine != 0) inNetwork.emplace_back(units, existingLine);
  }
  const std::size_t characters = CharacterCount(code);
  if (characters > maxCodeCharacters) overlong.emplace_back(units, characters);
}

bool UploadsDiffer() { return units > maxUnitsInOneUpload || !inNetwork.empty(); }

const std::vector<bool>& LeftOutUnits() { return leftOut; }

bool WriteFindings(bool& written, int& cause) {
  written = false;
  if (!AnyFinding()) return true;
  bool existed = false, created = false;
  std::FILE* const file = CreateNewFile(adUnitsCheckFilename, existed, created, false);
  writingFindings = created;  // only a file of this run's may go
  // The cause is that of the first call that failed.
  const bool rowsWritten = file != nullptr && WriteFindingRows(file);
  if (!rowsWritten) cause = FailureCause();
  const bool closed = file == nullptr || std::fclose(file) == 0;
  if (rowsWritten && !closed) cause = FailureCause();
  written = rowsWritten && closed;
  if (!written) RemoveUnfinishedFindings();
  return written;
}

void FinishFindings() { writingFindings = false; }

void RemoveUnfinishedFindings() {
  if (!writingFindings) return;
  writingFindings = false;
  RemoveOrSay(adUnitsCheckFilename.c_str());
}

void PrintImportCheck(std::uintmax_t uploads, bool findingsWritten) {
  std::vector<std::string> lines;
  const auto add = [&lines](bool found, const std::string& line) {
    if (found) lines.push_back(line);
  };
  const auto fromEntries = [](std::size_t kind) {
    return std::to_string(unitsOfKind[kind]) + ", from " + ListOf(named[pairedEntries + 1 + kind]) +
           '.';
  };
  add(!named[whiteSpaceSizes].empty(),
      "* Sizes in " + adSizesFilename +
          " that hold a blank, a tab or other white space, which no line of " +
          adDescriptionFilename + " can describe: " + ListOf(named[whiteSpaceSizes]) + '.');
  add(!named[missingSizes].empty(),
      "* Sizes missing from " + adDescriptionFilename +
          ", whose units are described as \"Undocumented ad size\": " +
          ListOf(named[missingSizes]) + '.');
  const auto fromEmpty = [](std::size_t finding) {
    std::uintmax_t count = 0;
    for (const Named& entry : NamedBy(finding)) count += UnitsOf(entry);
    return std::to_string(count) + ", from " + ListOf(NamedBy(finding)) + '.';
  };
  add(!NamedBy(emptySites).empty(),
      "* Units of " + sitesFilename +
          " lines that are empty (coded ROS, run of site) or hold only blanks and tabs (no site "
          "in the code): " +
          fromEmpty(emptySites));
  add(!NamedBy(emptySections).empty(),
      "* Units of " + sectionsFilename +
          " lines that are empty or hold only blanks and tabs (no section in the code): " +
          fromEmpty(emptySections));
  if (repeated > 0) {
    const std::uintmax_t earlier = FirstRowWith(Hash(repeatedExample, true));
    lines.push_back(
        "* Units that repeat an earlier unit's code (the ad server takes each code once, and "
        "ignores the case of letters): " +
        std::to_string(repeated) + ", such as " + Quoted(repeatedExample) + " (" +
        DifferingEntries(repeatedExampleRow, earlier) + ").");
  }
  add(!named[pairedEntries].empty(),
      "* Entries that give the same codes as an earlier entry of their list: " +
          ListOf(named[pairedEntries]) + '.');
  if (!inNetwork.empty()) {
    const auto [row, line] = inNetwork.front();
    lines.push_back(
        "* Units whose code is in the network already, as " + existingCodesFilename +
        " lists it: " + std::to_string(inNetwork.size()) + ", such as " + Quoted(CodeOf(row)) +
        " (" + existingCodesFilename + " line " + std::to_string(line) + ")" +
        (inNetwork.size() == units ? "; every unit is there, so there is nothing to upload."
                                   : "; the uploads leave them out."));
  }
  add(unitsOfKind[refusedKind] > 0,
      "* Units whose code holds a character that the ad server refuses (it takes letters, "
      "digits and _ - . * \" \\ / ! < : ( ), and no / first): " +
          fromEntries(refusedKind));
  add(unitsOfKind[beyondAsciiKind] > 0,
      "* Units whose code holds a letter or digit beyond A to Z and 0 to 9, which the ad server "
      "takes only where the network allows UTF characters in codes: " +
          fromEntries(beyondAsciiKind) +
          (unitsOfKind[refusedKind] > 0
               ? " With the line above, " + std::to_string(refusedOrBeyondAscii) +
                     " units are refused where the network doesn't allow UTF characters."
               : ""));
  add(unitsOfKind[notUtf8Kind] > 0,
      "* Units whose code is not UTF-8 text (a list or the table was saved in another encoding; "
      "save it as UTF-8): " +
          fromEntries(notUtf8Kind));
  if (!overlong.empty()) {
    lines.push_back("* Units whose code is longer than the " + std::to_string(maxCodeCharacters) +
                    " characters that the ad server takes: " + std::to_string(overlong.size()) +
                    ", such as " + Quoted(CodeOf(overlong.front().first)) +
                    " (its longest part from " + LongestPartOf(overlong.front().first) + ").");
  }
  std::size_t firstCodeLine = 0;
  const std::string& firstCode = FirstExistingCode(firstCodeLine);
  add(ExistingCodeCount() > 0 && inNetwork.empty(),
      "* Codes in " + existingCodesFilename + " that match a unit of this run: none of its " +
          std::to_string(ExistingCodeCount()) + ", such as " + Quoted(firstCode) + " (" +
          existingCodesFilename + " line " + std::to_string(firstCodeLine) +
          "), so every unit is uploaded.");
  const auto uploadName = [](std::uintmax_t number) {
    char name[32];
    UploadName(number, name);
    return std::string(name);
  };
  add(uploads > 0, "* Units to upload: " + std::to_string(units - inNetwork.size()) + ", in " +
                       std::to_string(uploads) + (uploads == 1 ? " file" : " files") +
                       " of at most " + std::to_string(maxUnitsInOneUpload) +
                       ", the most that the ad server takes at once: upload " + uploadName(1) +
                       (uploads == 1 ? "" : " to " + uploadName(uploads)) + " instead of " +
                       adUnitsFilename + '.');
  // A listing that is no regular file can't be read back into uploads.
  add(uploads == 0 && units > maxUnitsInOneUpload && inNetwork.size() < units,
      "* Units in " + adUnitsFilename + ", more than the " + std::to_string(maxUnitsInOneUpload) +
          " that the ad server takes in one upload: " + std::to_string(units) + '.');
  add(findingsWritten,
      "* Every entry and unit behind these lines, one a row: " + adUnitsCheckFilename + '.');
  if (lines.empty()) return;
  PrintLine("");
  PrintLine("Before you import " + adUnitsFilename + ":");
  for (const std::string& line : lines) PrintLine(line);
}
