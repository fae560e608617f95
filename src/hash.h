// The hash by which codes are told apart as the ad server tells them apart:
// ASCII letters without their case.
#ifndef SLOTWRIGHT_HASH_H_
#define SLOTWRIGHT_HASH_H_

#include <cstdint>
#include <string_view>

// FNV-1a, with a final mix so that the low bits, which pick a slot, depend
// on every byte.  With |foldCase|, A to Z hash as a to z.
inline std::uint64_t Hash(std::string_view bytes, bool foldCase) {
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

#endif  // SLOTWRIGHT_HASH_H_
