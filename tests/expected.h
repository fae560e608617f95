// The program's console texts and rows as the end-to-end tests expect them.
#ifndef SLOTWRIGHT_TESTS_EXPECTED_H_
#define SLOTWRIGHT_TESTS_EXPECTED_H_

#include <string>

inline const std::string banner =
    "Slotwright version 0.7.1.\n"
    "Copyright (C) 2026 the Slotwright developers.\n"
    "DISCLAIMER: this program is the result of hobbyistic programming and "
    "therefore it is provided AS IS without any guarantees or warranty.\n";

inline const std::string helpHint = "Check the help (Slotwright --help) for further information.\n";

// A row whose name is its code, as every row's is.
inline std::string Row(const std::string& code, const std::string& size,
                       const std::string& description) {
  return code + "," + code + "," + size + "," + description + ",yes,,,,,,,_blank,\"text,image\",\n";
}

#endif  // SLOTWRIGHT_TESTS_EXPECTED_H_
