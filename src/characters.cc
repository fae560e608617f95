// The characters of a code sorted as the ad server sorts them, and text
// shown as a terminal can show it, from the Unicode tables beside this file.

#include "characters.h"

#include <algorithm>
#include <cstdio>
#include <utility>

namespace {

const std::pair<char32_t, char32_t> lettersAndNumbers[] = {
#include "letters_and_numbers.inc"
};

const std::pair<char32_t, char32_t> invisibles[] = {
#include "invisible.inc"
};

// Whether |c| falls in one of |ranges|, which are in order.
template <std::size_t count>
bool InRanges(const std::pair<char32_t, char32_t> (&ranges)[count], char32_t c) {
  const auto after =
      std::upper_bound(std::begin(ranges), std::end(ranges), c,
                       [](char32_t value, const auto& range) { return value < range.first; });
  return after != std::begin(ranges) && c <= std::prev(after)->second;
}

// Taken in a code by every network: ASCII letters, digits and these.
bool IsTakenAscii(char c) {
  constexpr std::string_view punctuation = "_-.*\"\\/!<:()";
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
         punctuation.find(c) != std::string_view::npos;
}

std::string Quoted(std::string_view character) { return '"' + std::string(character) + '"'; }

// A refused ASCII byte: printable ones as they are, others by code point.
std::string RefusedAscii(char c) {
  return c > ' ' && c < '\x7F' ? Quoted(std::string_view(&c, 1)) : CodePoint(c);
}

}  // namespace

bool IsLetterOrNumber(char32_t c) { return InRanges(lettersAndNumbers, c); }

bool IsInvisible(char32_t c) { return InRanges(invisibles, c); }

bool IsWhiteSpaceOrZeroWidth(char32_t c) {
  // White_Space, from Unicode's PropList.txt, then the zero-width ones.
  const std::pair<char32_t, char32_t> spaces[] = {
      {0x09, 0x0D},     {0x20, 0x20},     {0x85, 0x85},     {0xA0, 0xA0},
      {0x1680, 0x1680}, {0x2000, 0x200D}, {0x2028, 0x2029}, {0x202F, 0x202F},
      {0x205F, 0x2060}, {0x3000, 0x3000}, {0xFEFF, 0xFEFF}};
  return InRanges(spaces, c);
}

std::string CodePoint(char32_t c) {
  char shown[16];
  std::snprintf(shown, sizeof shown, "U+%04X", static_cast<unsigned>(c));
  return shown;
}

std::string Shown(std::string_view text) {
  std::string shown;
  char32_t c = 0;
  for (std::size_t at = 0, length; at < text.size(); at += std::max<std::size_t>(length, 1)) {
    length = DecodeUtf8(text, at, c);
    if (length == 0) {
      char byte[8];
      std::snprintf(byte, sizeof byte, "<0x%02X>", static_cast<unsigned char>(text[at]));
      shown += byte;
    } else if (IsInvisible(c)) {
      shown += '<' + CodePoint(c) + '>';
    } else {
      shown.append(text, at, length);
    }
  }
  return shown;
}

std::size_t DecodeUtf8(std::string_view bytes, std::size_t at, char32_t& c) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
  const unsigned lead = byte(at);
  std::size_t length;
  char32_t lowest;
  if (lead < 0x80) {
    c = lead;
    return 1;
  } else if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, lowest = 0x80, c = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, lowest = 0x800, c = lead & 0x0F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, lowest = 0x10000, c = lead & 0x07;
  } else {
    return 0;  // a continuation byte, C0 and C1 (always overlong), F5 and up
  }
  if (bytes.size() - at < length) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(at + i) & 0xC0) != 0x80) return 0;
    c = c << 6 | (byte(at + i) & 0x3F);
  }
  if (c < lowest || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0;
  return length;
}

std::array<std::string, characterKinds> CharacterKinds(std::string_view part, bool startsCode) {
  std::array<std::string, characterKinds> first;
  char32_t c = 0;
  for (std::size_t at = 0; at < part.size();) {
    const std::size_t length = DecodeUtf8(part, at, c);
    if (length == 0 && first[notUtf8Kind].empty()) {
      char shown[16];
      std::snprintf(shown, sizeof shown, "byte 0x%02X", static_cast<unsigned char>(part[at]));
      first[notUtf8Kind] = shown;
    }
    at += std::max<std::size_t>(length, 1);
  }
  const bool utf8 = first[notUtf8Kind].empty();
  for (std::size_t at = 0, length; at < part.size(); at += length) {
    length = utf8 ? DecodeUtf8(part, at, c) : 1;
    std::string shown;
    std::size_t kind = refusedKind;
    if (static_cast<unsigned char>(part[at]) < 0x80) {
      if (at == 0 && startsCode && part[at] == '/') {
        shown = "\"/\" first";
      } else if (!IsTakenAscii(part[at])) {
        shown = RefusedAscii(part[at]);
      }
    } else if (utf8) {
      if (IsLetterOrNumber(c)) {
        kind = beyondAsciiKind;
        shown = Quoted(part.substr(at, length));
      } else {
        shown = CodePoint(c);
      }
    }
    if (!shown.empty() && first[kind].empty()) first[kind] = std::move(shown);
  }
  return first;
}
