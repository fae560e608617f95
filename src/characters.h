// The characters of a code, as the ad server sorts them: taken by every
// network, taken only by networks that allow UTF characters in codes, or
// refused by all; and text that isn't UTF-8 at all.
#ifndef SLOTWRIGHT_CHARACTERS_H_
#define SLOTWRIGHT_CHARACTERS_H_

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

// What a part of a code may hold beyond what every network takes, as the
// index of its entry in the array that CharacterKinds returns.
constexpr std::size_t refusedKind = 0;      // refused by every network
constexpr std::size_t beyondAsciiKind = 1;  // a letter or digit beyond ASCII
constexpr std::size_t notUtf8Kind = 2;      // bytes that are no UTF-8 text
constexpr std::size_t characterKinds = 3;

// Whether |c|, beyond ASCII, is a letter or a number (Unicode's general
// categories L and N, by the version that letters_and_numbers.inc names).
bool IsLetterOrNumber(char32_t c);

// Whether a terminal shows |c| as something other than itself, or not at
// all: a control, white space other than the blank, a format character, a
// combining mark, private use or an unassigned code point (invisible.inc).
bool IsInvisible(char32_t c);

// Whether |c| is white space, by Unicode's White_Space property, or one of
// the characters that take no room though they aren't: U+200B, U+200C,
// U+200D, U+2060 and U+FEFF.  Pasted from a web page or a spreadsheet, they
// hide in a size.
bool IsWhiteSpaceOrZeroWidth(char32_t c);

// "U+00A0": a code point as the import check names it, four hexadecimal
// digits at least.
std::string CodePoint(char32_t c);

// |text| as the import check shows it between double quotes: each invisible
// character as <U+XXXX>, each byte that is no part of well-formed UTF-8 as
// <0xFC>, everything else as it is.
std::string Shown(std::string_view text);

// The length of the UTF-8 sequence at |at| in |bytes|, with its character in
// |c|; 0 where no well-formed sequence stands there (an overlong form, a
// surrogate, a code point above U+10FFFF, a cut sequence, a stray byte).
std::size_t DecodeUtf8(std::string_view bytes, std::size_t at, char32_t& c);

// For each kind, the first character of that kind in |part|, shown as a
// line of the import check shows it ("&", U+2019, "ü", "/" first, byte 0xFC);
// empty where |part| holds none.  |startsCode| says whether the part begins
// its code, where a / is refused.  In a part that isn't UTF-8 only its ASCII
// bytes are sorted, and the byte shown is the first of the first sequence
// that isn't well formed.
std::array<std::string, characterKinds> CharacterKinds(std::string_view part, bool startsCode);

#endif  // SLOTWRIGHT_CHARACTERS_H_
