#include "check.h"

#include <cstdint>
#include <vector>

#include "report.h"
#include "slotwright.h"

namespace {

constexpr std::size_t maxUnitsInOneUpload = 1000;
constexpr std::size_t maxCodeCharacters = 100;
constexpr std::size_t sizesNamed = 5;

// Hashes of the codes seen, with ASCII letters folded, and of the sizes that
// the table lacked.
std::vector<std::uint64_t> codeHashes;
std::vector<std::uint64_t> missingSizeHashes;

std::uintmax_t units = 0;
std::uintmax_t missingSizes = 0;
std::vector<std::string> sizesToName;  // the first ones that the table lacked

// Each finding about codes: how many units have it, and the first one's code.
std::uintmax_t repeated = 0, refused = 0, overlong = 0;
std::string repeatedExample, refusedExample, overlongExample;

// FNV-1a, with a final mix so that the low bits, which pick a slot, depend
// on every byte.
std::uint64_t Hash(std::string_view bytes, bool foldCase) {
  std::uint64_t hash = 14695981039346656037u;
  for (const char c : bytes) {
    const bool upper = c >= 'A' && c <= 'Z';
    hash =
        (hash ^ static_cast<unsigned char>(foldCase && upper ? c - 'A' + 'a' : c)) * 1099511628211u;
  }
  hash ^= hash >> 33;
  hash *= 0xff51afd7ed558ccdu;
  return hash ^ (hash >> 33);
}

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

void Count(std::uintmax_t& count, std::string& example, const std::string& code) {
  if (count++ == 0) example = code;
}

std::string Finding(std::uintmax_t count, const std::string& example) {
  return std::to_string(count) + ", such as \"" + example + "\".";
}

}  // namespace

bool HasRefusedCharacter(std::string_view code) {
  constexpr std::string_view taken = "_-.*\"\\/!<:()";
  for (const char c : code) {
    if (static_cast<unsigned char>(c) < 128 && !(c >= 'a' && c <= 'z') && !(c >= 'A' && c <= 'Z') &&
        !(c >= '0' && c <= '9') && taken.find(c) == std::string_view::npos) {
      return true;
    }
  }
  return !code.empty() && code.front() == '/';
}

std::size_t CharacterCount(std::string_view code) {
  std::size_t count = 0;
  for (const char c : code) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return count;
}

void NoteUnit(const std::string& code, const std::string& size, bool sizeUndocumented) {
  if (sizeUndocumented && AddHash(missingSizeHashes, missingSizes, Hash(size, false))) {
    if (++missingSizes <= sizesNamed) sizesToName.push_back(size);
  }
  // Every earlier unit that repeated no code added one to the table.
  if (!AddHash(codeHashes, units - repeated, Hash(code, true))) {
    Count(repeated, repeatedExample, code);
  }
  ++units;
  if (HasRefusedCharacter(code)) Count(refused, refusedExample, code);
  if (CharacterCount(code) > maxCodeCharacters) Count(overlong, overlongExample, code);
}

void PrintImportCheck() {
  std::vector<std::string> findings;
  if (missingSizes > 0) {
    std::string line = "* Sizes missing from " + adDescriptionFilename +
                       ", whose units are described as \"Undocumented ad size\": ";
    for (const std::string& size : sizesToName) {
      line += (&size == &sizesToName.front() ? "\"" : ", \"") + size + '"';
    }
    if (missingSizes > sizesNamed) {
      line += ", and " + std::to_string(missingSizes - sizesNamed) + " more";
    }
    findings.push_back(line + '.');
  }
  if (repeated > 0) {
    findings.push_back(
        "* Units that repeat an earlier unit's code (the ad server takes each code once, and "
        "ignores the case of letters): " +
        Finding(repeated, repeatedExample));
  }
  if (refused > 0) {
    findings.push_back(
        "* Units whose code holds a character that the ad server refuses (it takes letters, "
        "digits and _ - . * \" \\ / ! < : ( ), and no / first): " +
        Finding(refused, refusedExample));
  }
  if (overlong > 0) {
    findings.push_back(
        "* Units whose code is longer than the " + std::to_string(maxCodeCharacters) +
        " characters that the ad server takes: " + Finding(overlong, overlongExample));
  }
  if (units > maxUnitsInOneUpload) {
    findings.push_back("* Units in " + adUnitsFilename + ", more than the " +
                       std::to_string(maxUnitsInOneUpload) +
                       " that the ad server takes in one upload: " + std::to_string(units) + ".");
  }
  if (findings.empty()) return;
  PrintLine("");
  PrintLine("Before you import " + adUnitsFilename + ":");
  for (const std::string& line : findings) PrintLine(line);
}
