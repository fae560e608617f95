// The import check's notes: what each entry and unit of a run holds that
// the ad server would refuse or that the lists may not have meant.

#include "check.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <tuple>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "compose.h"
#include "existing.h"
#include "hash.h"
#include "lookup.h"
#include "slotwright.h"
#include "uploads.h"

namespace {

const std::string* const filenames[] = {&sitesFilename, &sectionsFilename, &adSizesFilename,
                                        &adDescriptionFilename};

std::array<NamedList, namingFindings> named;

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

std::string WithoutBlanksAndApostrophes(std::string_view text) {
  std::string part(text);
  part.erase(std::remove_if(part.begin(), part.end(), [](char c) { return c == ' ' || c == '\''; }),
             part.end());
  return part;
}

// Names the entry at |line| of |list|, whose text is |text|, under
// |finding|; |shown| and |rawShown| are what follows it in the check and in
// the findings file.
void Name(std::size_t finding, std::size_t list, std::size_t line, std::string_view text,
          const std::string& shown, const std::string& rawShown, const std::string& size = "") {
  named[finding].emplace_back(list, line, std::string(text), shown, rawShown, size);
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
  const std::string part = PartOf(list, text);
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

}  // namespace

const std::string& ListFilename(std::size_t list) { return *filenames[list]; }

std::string Quoted(std::string_view text) { return '"' + Shown(text) + '"'; }

std::string Raw(std::string_view text) { return '"' + std::string(text) + '"'; }

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

const NamedList& NamedBy(std::size_t finding) {
  static const NamedList none;
  const std::size_t list = finding == emptySites ? siteList : sectionList;
  const bool alone = (finding == emptySites || finding == emptySections) &&
                     entries[list].size() == 1 && entries[list][0].empty();
  return alone ? none : named[finding];
}

std::uintmax_t UnitsOf(const Named& entry) {
  const std::uintmax_t sites = entries[siteList].size(), sections = entries[sectionList].size(),
                       sizes = entries[sizeList].size();
  switch (std::get<namedList>(entry)) {
    case siteList:
      return sections * sizes;
    case sectionList:
      return sites * sizes;
    case sizeList:
      return sites * sections;
    default:
      return std::get<3>(sizesMet.at(std::get<namedSize>(entry))) * sites * sections;
  }
}

// Every pass of a completed run met the same sections and sizes.
std::array<std::size_t, 3> EntriesOf(std::uintmax_t row) {
  const std::uintmax_t sections = entries[sectionList].size(), sizes = entries[sizeList].size();
  const std::uintmax_t unit = row - 1;
  return {static_cast<std::size_t>(unit / (sections * sizes)),
          static_cast<std::size_t>(unit / sizes % sections),
          static_cast<std::size_t>(unit % sizes)};
}

std::string CodeOf(std::uintmax_t row) {
  const auto [site, section, size] = EntriesOf(row);
  return ComposeCode(entries[siteList][site], entries[sectionList][section],
                     std::get<0>(sizesMet.at(entries[sizeList][size])));
}

std::uintmax_t FirstRowLike(const std::string& code) {
  const std::uint64_t hash = Hash(code, true);
  std::uintmax_t row = 1;
  while (row < units && Hash(CodeOf(row), true) != hash) ++row;
  return row;
}

void ForEachRepeat(const std::function<void(std::uintmax_t, std::uintmax_t)>& repeat) {
  std::unordered_map<std::uint64_t, std::uintmax_t> firstRows;
  for (std::uintmax_t row = 1; row <= units; ++row) {
    const std::uint64_t hash = Hash(CodeOf(row), true);
    if (repeatedHashes.count(hash) == 0) continue;
    const auto [first, isNew] = firstRows.try_emplace(hash, row);
    if (!isNew) repeat(row, first->second);
  }
}

std::uintmax_t UnitCount() { return units; }

std::uintmax_t UnitsOfKind(std::size_t kind) { return unitsOfKind[kind]; }

std::uintmax_t RefusedOrBeyondAscii() { return refusedOrBeyondAscii; }

std::uintmax_t RepeatedUnits() { return repeated; }

const std::string& FirstRepeat(std::uintmax_t& row) {
  row = repeatedExampleRow;
  return repeatedExample;
}

const std::vector<std::pair<std::uintmax_t, std::size_t>>& UnitsInNetwork() { return inNetwork; }

const std::vector<std::pair<std::uintmax_t, std::size_t>>& OverlongUnits() { return overlong; }

const std::string& EntryAt(std::size_t list, std::size_t index) { return entries[list][index]; }

const std::string& DescriptionOf(const std::string& size, std::size_t& tableLine) {
  const auto& met = sizesMet.at(size);
  tableLine = std::get<2>(met);
  return std::get<0>(met);
}

std::string PartOf(std::size_t list, std::string_view text) {
  return list == siteList && text.empty() ? "ROS" : WithoutBlanksAndApostrophes(text);
}
