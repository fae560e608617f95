// The import check said: its lines after the run, and ad_units_check.csv.

#include "findings.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "cause.h"
#include "characters.h"
#include "check.h"
#include "existing.h"
#include "listing.h"
#include "report.h"
#include "row.h"
#include "slotwright.h"
#include "uploads.h"

namespace {

constexpr std::size_t namesShown = 5;

const char* const findingNames[] = {"white space in size",
                                    "size missing from table",
                                    "empty site",
                                    "empty section",
                                    "same codes as an earlier entry",
                                    "refused character",
                                    "letter or digit beyond ASCII",
                                    "not UTF-8"};

// Whether this run is writing the findings file.
bool writingFindings = false;

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

// |entry| as the line of |finding| names it: sites.txt line 2 "Herald",
// and what the line says of it between brackets.  The line of white space
// in sizes names their file at its start.
std::string InLine(std::size_t finding, const Named& entry) {
  const auto& [list, line, text, shown, raw, size] = entry;
  std::string inLine = "line " + std::to_string(line) + ' ' + Quoted(text);
  if (list == table) {
    inLine = adDescriptionFilename + "'s description of " + Quoted(size) + ", " + Quoted(text);
  } else if (finding != whiteSpaceSizes) {
    inLine = ListFilename(list) + ' ' + inLine;
  }
  if (!shown.empty()) inLine += " (" + shown + ')';
  return inLine;
}

// A code of existing_codes.txt as the line that finds none of them in the
// run shows it: as the check shows a text, and every character beyond ASCII
// that no code may hold by its number too, as the line of refused characters
// names it, since a hyphen or an apostrophe that only looks like one is the
// likeliest reason.
std::string QuotedCode(std::string_view code) {
  std::string shown = "\"";
  char32_t c = 0;
  for (std::size_t at = 0, length; at < code.size(); at += std::max<std::size_t>(length, 1)) {
    length = DecodeUtf8(code, at, c);
    const bool lookAlike = length > 1 && !IsLetterOrNumber(c) && !IsInvisible(c);
    shown += lookAlike ? '<' + CodePoint(c) + '>'
                       : Shown(code.substr(at, std::max<std::size_t>(length, 1)));
  }
  return shown + '"';
}

// An entry of |list|, as the check names it.
std::string EntryNamed(std::size_t list, std::size_t index) {
  return ListFilename(list) + " line " + std::to_string(index + 1) + ' ' +
         Quoted(EntryAt(list, index));
}

// The entries that differ between the units at |row| and |earlier|: "from
// sites.txt line 2 "North" and sections.txt line 2 "East-Sports", like
// sites.txt line 1 "North-East" and sections.txt line 1 "Sports"".
std::string DifferingEntries(std::uintmax_t row, std::uintmax_t earlier) {
  const auto these = EntriesOf(row), those = EntriesOf(earlier);
  std::vector<std::string> from, like;
  for (std::size_t list = siteList; list <= sizeList; ++list) {
    if (these[list] == those[list]) continue;
    from.push_back(EntryNamed(list, these[list]));
    like.push_back(EntryNamed(list, those[list]));
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
    const std::string& text = EntryAt(list, at[list]);
    std::string named = EntryNamed(list, at[list]);
    std::string part = PartOf(list, text);
    // A size's part is its description, which only a line of the table
    // makes long enough to be the longest of a code over 100 characters.
    if (list == sizeList) {
      std::size_t tableLine = 0;
      const std::string& description = DescriptionOf(text, tableLine);
      part = PartOf(table, description);
      named =
          adDescriptionFilename + "'s description of " + Quoted(text) + ", " + Quoted(description);
    }
    const std::size_t characters = CharacterCount(part);
    if (characters > most) {
      most = characters;
      longest = std::move(named);
    }
  }
  return longest;
}

// The first five entries that |finding| names, as its line shows them, and
// how many more there are.
std::string ListOf(std::size_t finding) {
  const NamedList& list = NamedBy(finding);
  std::string text;
  for (std::size_t at = 0; at < std::min(list.size(), namesShown); ++at) {
    text += (at == 0 ? "" : ", ") + InLine(finding, list[at]);
  }
  if (list.size() > namesShown) {
    text += ", and " + std::to_string(list.size() - namesShown) + " more";
  }
  return text;
}

// Writes the rows of the findings file to |file|: the header, then a row for
// each entry and unit that a line of the check names, in the check's order.
bool WriteFindingRows(std::FILE* file) {
  bool written = true;
  const auto write = [&written, file](const std::string& row) {
    written = written && std::fwrite(row.data(), 1, row.size(), file) == row.size();
  };
  const auto writeNamed = [&write](std::size_t finding) {
    for (const Named& entry : NamedBy(finding)) {
      const auto& [list, line, text, shown, raw, size] = entry;
      write(FindingFields(findingNames[finding], ListFilename(list), line, text, raw) +
            std::to_string(UnitsOf(entry)) + '\n');
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
  if (RepeatedUnits() > 0) {
    ForEachRepeat([&unitRow](std::uintmax_t row, std::uintmax_t first) {
      unitRow("repeated code", row, "like row " + std::to_string(first));
    });
  }
  writeNamed(pairedEntries);
  for (std::size_t kind = 0; kind < characterKinds; ++kind) writeNamed(pairedEntries + 1 + kind);
  for (const auto& [row, characters] : OverlongUnits()) {
    unitRow("code over 100 characters", row, std::to_string(characters));
  }
  return written;
}

// Units in the network already are no finding: the uploads leave them out,
// and nothing about them needs mending.
bool AnyFinding() {
  bool any = RepeatedUnits() > 0 || !OverlongUnits().empty();
  for (std::size_t finding = 0; finding < namingFindings; ++finding) {
    any = any || !NamedBy(finding).empty();
  }
  return any;
}

}  // namespace

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
  const std::uintmax_t units = UnitCount();
  const auto& inNetwork = UnitsInNetwork();
  const auto& overlong = OverlongUnits();
  std::vector<std::string> lines;
  const auto add = [&lines](bool found, const std::string& line) {
    if (found) lines.push_back(line);
  };
  const auto said = [](std::size_t finding) { return !NamedBy(finding).empty(); };
  const auto fromEntries = [](std::size_t kind) {
    return std::to_string(UnitsOfKind(kind)) + ", from " + ListOf(pairedEntries + 1 + kind) + '.';
  };
  const auto fromEmpty = [](std::size_t finding) {
    std::uintmax_t count = 0;
    for (const Named& entry : NamedBy(finding)) count += UnitsOf(entry);
    return std::to_string(count) + ", from " + ListOf(finding) + '.';
  };
  add(said(whiteSpaceSizes),
      "* Sizes in " + adSizesFilename +
          " that hold a blank, a tab or other white space, which no line of " +
          adDescriptionFilename + " can describe: " + ListOf(whiteSpaceSizes) + '.');
  add(said(missingSizes),
      "* Sizes missing from " + adDescriptionFilename +
          ", whose units are described as \"Undocumented ad size\": " + ListOf(missingSizes) + '.');
  add(said(emptySites),
      "* Units of " + sitesFilename +
          " lines that are empty (coded ROS, run of site) or hold only blanks and tabs (no site "
          "in the code): " +
          fromEmpty(emptySites));
  add(said(emptySections),
      "* Units of " + sectionsFilename +
          " lines that are empty or hold only blanks and tabs (no section in the code): " +
          fromEmpty(emptySections));
  if (RepeatedUnits() > 0) {
    std::uintmax_t row = 0;
    const std::string& code = FirstRepeat(row);
    lines.push_back(
        "* Units that repeat an earlier unit's code (the ad server takes each code once, and "
        "ignores the case of letters): " +
        std::to_string(RepeatedUnits()) + ", such as " + Quoted(code) + " (" +
        DifferingEntries(row, FirstRowLike(code)) + ").");
  }
  add(said(pairedEntries),
      "* Entries that give the same codes as an earlier entry of their list: " +
          ListOf(pairedEntries) + '.');
  if (!inNetwork.empty()) {
    const auto [row, line] = inNetwork.front();
    lines.push_back(
        "* Units whose code is in the network already, as " + existingCodesFilename +
        " lists it: " + std::to_string(inNetwork.size()) + ", such as " + Quoted(CodeOf(row)) +
        " (" + existingCodesFilename + " line " + std::to_string(line) + ")" +
        (inNetwork.size() == units ? "; every unit is there, so there is nothing to upload."
                                   : "; the uploads leave them out."));
  }
  add(UnitsOfKind(refusedKind) > 0,
      "* Units whose code holds a character that the ad server refuses (it takes letters, "
      "digits and _ - . * \" \\ / ! < : ( ), and no / first): " +
          fromEntries(refusedKind));
  add(UnitsOfKind(beyondAsciiKind) > 0,
      "* Units whose code holds a letter or digit beyond A to Z and 0 to 9, which the ad server "
      "takes only where the network allows UTF characters in codes: " +
          fromEntries(beyondAsciiKind) +
          (UnitsOfKind(refusedKind) > 0
               ? " With the line above, " + std::to_string(RefusedOrBeyondAscii()) +
                     " units are refused where the network doesn't allow UTF characters."
               : ""));
  add(UnitsOfKind(notUtf8Kind) > 0,
      "* Units whose code is not UTF-8 text (a list or the table was saved in another encoding; "
      "save it as UTF-8): " +
          fromEntries(notUtf8Kind));
  if (!overlong.empty()) {
    const std::uintmax_t row = overlong.front().first;
    lines.push_back("* Units whose code is longer than the " + std::to_string(maxCodeCharacters) +
                    " characters that the ad server takes: " + std::to_string(overlong.size()) +
                    ", such as " + Quoted(CodeOf(row)) + " (its longest part from " +
                    LongestPartOf(row) + ").");
  }
  std::size_t firstCodeLine = 0;
  const std::string& firstCode = FirstExistingCode(firstCodeLine);
  add(ExistingCodeCount() > 0 && inNetwork.empty(),
      "* Codes in " + existingCodesFilename + " that match a unit of this run: none of its " +
          std::to_string(ExistingCodeCount()) + ", such as " + QuotedCode(firstCode) + " (" +
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
