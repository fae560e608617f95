#include "check.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <unordered_map>
#include <utility>
#include <vector>

#include "characters.h"
#include "existing.h"
#include "hash.h"
#include "lookup.h"
#include "report.h"
#include "slotwright.h"
#include "uploads.h"

namespace {

constexpr std::size_t maxCodeCharacters = 100;
constexpr std::size_t namesShown = 5;

// How many things a line of the check names, and the first few, joined.
using Names = std::pair<std::uintmax_t, std::string>;

void AddName(Names& names, const std::string& name) {
  if (names.first++ < namesShown) names.second += (names.first == 1 ? "" : ", ") + name;
}

std::string ListOf(const Names& names) {
  if (names.first <= namesShown) return names.second;
  return names.second + ", and " + std::to_string(names.first - namesShown) + " more";
}

// The three lists, in the order in which a unit meets its entries.
constexpr std::size_t siteList = 0, sectionList = 1, sizeList = 2;
const std::string* const listFilenames[] = {&sitesFilename, &sectionsFilename, &adSizesFilename};

// What each part holds beyond what every network takes, a bit for each kind.
using Kinds = unsigned char;
Kinds siteKinds = 0, sectionKinds = 0;
std::vector<Kinds> sectionKindsByLine, sizeKindsByLine;

// The sizes met, by their text: the description and what its part holds.
std::unordered_map<std::string, std::pair<std::string, Kinds>> sizesMet;

// For each list, the first entry of each part, by the part's hash with ASCII
// letters folded: its line and its text.
std::unordered_map<std::uint64_t, std::pair<std::size_t, std::string>> firstWithPart[3];

// Hashes of the codes seen, with ASCII letters folded.
std::vector<std::uint64_t> codeHashes;

std::uintmax_t units = 0;
Names whiteSpaceSizes, missingSizes, pairedEntries;
std::array<Names, characterKinds> entriesOfKind;
std::array<std::uintmax_t, characterKinds> unitsOfKind{};

// Each finding about whole codes: how many units have it, and the first
// one's code.
std::uintmax_t repeated = 0, overlong = 0, inNetwork = 0;
std::string repeatedExample, overlongExample, inNetworkExample;
std::size_t inNetworkExampleLine = 0;

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

std::string Quoted(const std::string& text) { return '"' + text + '"'; }

std::string WithoutBlanksAndApostrophes(std::string_view text) {
  std::string part(text);
  part.erase(std::remove_if(part.begin(), part.end(), [](char c) { return c == ' ' || c == '\''; }),
             part.end());
  return part;
}

// Sorts the characters of |part|, which |entry| names, and names the entry
// for every kind it holds.
Kinds NoteKinds(std::string_view part, bool startsCode, const std::string& entry) {
  Kinds kinds = 0;
  const auto first = CharacterKinds(part, startsCode);
  for (std::size_t kind = 0; kind < characterKinds; ++kind) {
    if (first[kind].empty()) continue;
    kinds |= 1 << kind;
    AddName(entriesOfKind[kind], entry + " (" + first[kind] + ')');
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
  std::string like = "like line " + std::to_string(firstLine) + ' ' + Quoted(firstText);
  if (list == sizeList) like += ", described as " + Quoted(sizesMet.at(firstText).first);
  AddName(pairedEntries, *listFilenames[list] + " line " + std::to_string(line) + ' ' +
                             Quoted(text) + " (" + like + ')');
}

// A site or section met for the first time: what its part holds.  An empty
// site is ROS in a code, and only a site's part begins one.
Kinds NoteListEntry(std::size_t list, std::size_t line, const std::string& text) {
  const bool site = list == siteList;
  const std::string part = site && text.empty() ? "ROS" : WithoutBlanksAndApostrophes(text);
  const Kinds kinds = NoteKinds(
      part, site, *listFilenames[list] + " line " + std::to_string(line) + ' ' + Quoted(text));
  NotePart(list, part, line, text);
  return kinds;
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
              std::string_view sizeDescription, bool sizeUndocumented) {
  if (sizeLine > sizeKindsByLine.size()) {
    const std::string part = WithoutBlanksAndApostrophes(sizeDescription);
    const auto [met, isNew] = sizesMet.try_emplace(size, sizeDescription, Kinds{0});
    auto& [description, kinds] = met->second;
    if (isNew) {
      const std::string entry = "line " + std::to_string(sizeLine) + ' ' + Quoted(size);
      if (std::any_of(size.begin(), size.end(), IsWhiteSpace)) {
        AddName(whiteSpaceSizes, entry);
      } else if (sizeUndocumented) {
        AddName(missingSizes, entry);
      }
      kinds = NoteKinds(
          part, false,
          adDescriptionFilename + "'s description of " + Quoted(size) + ", " + Quoted(description));
    }
    sizeKindsByLine.push_back(kinds);
    NotePart(sizeList, part, sizeLine, size);
  }
  const Kinds kinds = siteKinds | sectionKinds | sizeKindsByLine[sizeLine - 1];
  for (std::size_t kind = 0; kind < characterKinds; ++kind) unitsOfKind[kind] += kinds >> kind & 1;
  const std::uint64_t codeHash = Hash(code, true);
  // Every earlier unit that repeated no code added one to the table.
  if (!AddHash(codeHashes, units - repeated, codeHash) && repeated++ == 0) {
    repeatedExample = code;
  }
  if (HaveExistingCodes()) {
    const std::size_t existingLine = ExistingCodeLine(codeHash);
    leftOut.push_back(existingLine != 0);
    if (existingLine != 0 && inNetwork++ == 0) {
      inNetworkExample = code;
      inNetworkExampleLine = existingLine;
    }
  }
  ++units;
  if (CharacterCount(code) > maxCodeCharacters && overlong++ == 0) overlongExample = code;
}

bool UploadsDiffer() { return (units > maxUnitsInOneUpload || inNetwork > 0) && inNetwork < units; }

const std::vector<bool>& LeftOutUnits() { return leftOut; }

void PrintImportCheck(std::uintmax_t uploads) {
  std::vector<std::string> findings;
  const auto add = [&findings](bool found, const std::string& line) {
    if (found) findings.push_back(line);
  };
  const auto fromEntries = [](std::size_t kind) {
    return std::to_string(unitsOfKind[kind]) + ", from " + ListOf(entriesOfKind[kind]) + '.';
  };
  add(whiteSpaceSizes.first > 0,
      "* Sizes in " + adSizesFilename +
          " that hold a blank, a tab or other white space, which no line of " +
          adDescriptionFilename + " can describe: " + ListOf(whiteSpaceSizes) + '.');
  add(missingSizes.first > 0,
      "* Sizes missing from " + adDescriptionFilename +
          ", whose units are described as \"Undocumented ad size\": " + ListOf(missingSizes) + '.');
  add(repeated > 0,
      "* Units that repeat an earlier unit's code (the ad server takes each code once, and "
      "ignores the case of letters): " +
          std::to_string(repeated) + ", such as " + Quoted(repeatedExample) + '.');
  add(pairedEntries.first > 0,
      "* Entries that give the same codes as an earlier entry of their list: " +
          ListOf(pairedEntries) + '.');
  add(inNetwork > 0,
      "* Units whose code is in the network already, as " + existingCodesFilename +
          " lists it: " + std::to_string(inNetwork) + ", such as " + Quoted(inNetworkExample) +
          " (" + existingCodesFilename + " line " + std::to_string(inNetworkExampleLine) + ")" +
          (inNetwork == units ? "; every unit is there, so there is nothing to upload."
                              : "; the uploads leave them out."));
  add(unitsOfKind[refusedKind] > 0,
      "* Units whose code holds a character that the ad server refuses (it takes letters, "
      "digits and _ - . * \" \\ / ! < : ( ), and no / first): " +
          fromEntries(refusedKind));
  add(unitsOfKind[beyondAsciiKind] > 0,
      "* Units whose code holds a letter or digit beyond A to Z and 0 to 9, which the ad server "
      "takes only where the network allows UTF characters in codes: " +
          fromEntries(beyondAsciiKind));
  add(unitsOfKind[notUtf8Kind] > 0,
      "* Units whose code is not UTF-8 text (a list or the table was saved in another encoding; "
      "save it as UTF-8): " +
          fromEntries(notUtf8Kind));
  add(overlong > 0, "* Units whose code is longer than the " + std::to_string(maxCodeCharacters) +
                        " characters that the ad server takes: " + std::to_string(overlong) +
                        ", such as " + Quoted(overlongExample) + '.');
  const auto uploadName = [](std::uintmax_t number) {
    char name[32];
    UploadName(number, name);
    return std::string(name);
  };
  add(uploads > 0, "* Units to upload: " + std::to_string(units - inNetwork) + ", in " +
                       std::to_string(uploads) + (uploads == 1 ? " file" : " files") +
                       " of at most " + std::to_string(maxUnitsInOneUpload) +
                       ", the most that the ad server takes at once: upload " + uploadName(1) +
                       (uploads == 1 ? "" : " to " + uploadName(uploads)) + " instead of " +
                       adUnitsFilename + '.');
  // A listing that is no regular file can't be read back into uploads.
  add(uploads == 0 && units > maxUnitsInOneUpload && inNetwork < units,
      "* Units in " + adUnitsFilename + ", more than the " + std::to_string(maxUnitsInOneUpload) +
          " that the ad server takes in one upload: " + std::to_string(units) + '.');
  if (findings.empty()) return;
  PrintLine("");
  PrintLine("Before you import " + adUnitsFilename + ":");
  for (const std::string& line : findings) PrintLine(line);
}
