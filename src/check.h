// What the ad server takes in one bulk upload of ad units, checked against
// the units a run wrote, so that its user learns before the upload what it
// would refuse:
//   - at most 1,000 units;
//   - each code once, where ASCII letters compare without their case;
//   - codes made of letters, digits and _ - . * " \ / ! < : ( ), not
//     beginning with /;
//   - codes of at most 100 characters.
// Bytes of 128 and above are taken as they stand, as letters of other scripts
// may be, and count as UTF-8.  A unit's name is its code, so the code's
// limits are the ones that bind.
#ifndef SLOTWRIGHT_CHECK_H_
#define SLOTWRIGHT_CHECK_H_

#include <cstddef>
#include <string>
#include <string_view>

// Whether |code| holds a byte below 128 that the ad server refuses in a
// code, or begins with /.
bool HasRefusedCharacter(std::string_view code);

// The number of UTF-8 characters in |code|: bytes from 128 to 191 continue
// one.
std::size_t CharacterCount(std::string_view code);

// Notes a unit the run wrote, with its |size| and whether the table held no
// line for that size.  Codes are told apart by a 64-bit hash, 8 bytes in a
// table at most three quarters full, so that a million units take 16 MiB
// (24 MiB while the table grows); two different codes share a hash with a
// chance of about one in thirty million there.
void NoteUnit(const std::string& code, const std::string& size, bool sizeUndocumented);

// After a run that completed: says what the ad server would refuse in the
// units noted, if anything.
void PrintImportCheck();

#endif  // SLOTWRIGHT_CHECK_H_
