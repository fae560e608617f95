#!/usr/bin/env python3
"""Writes the tables of characters that characters.cc reads, from Python's
unicodedata.  The build never runs this; run it again, from this folder,
only to move to another Unicode version:

    python3 characters.py letters-and-numbers > letters_and_numbers.inc
    python3 characters.py invisible > invisible.inc

letters-and-numbers: the code points beyond ASCII whose general category is
a letter (L*) or a number (N*).
invisible: the code points that a terminal doesn't show as themselves:
controls (Cc), white space other than the blank, format characters (Cf),
combining marks (M*), private use (Co) and unassigned code points (Cn).
"""
import sys
import unicodedata

# The White_Space property, from Unicode's PropList.txt (the same since
# Unicode 6.3, so also in 14.0.0); unicodedata doesn't give it.
WHITE_SPACE = [(0x09, 0x0D), (0x20, 0x20), (0x85, 0x85), (0xA0, 0xA0), (0x1680, 0x1680),
               (0x2000, 0x200A), (0x2028, 0x2029), (0x202F, 0x202F), (0x205F, 0x205F),
               (0x3000, 0x3000)]


def is_white_space(code_point):
    return any(first <= code_point <= last for first, last in WHITE_SPACE)


def letter_or_number(code_point):
    return code_point >= 0x80 and unicodedata.category(chr(code_point))[0] in "LN"


def invisible(code_point):
    category = unicodedata.category(chr(code_point))
    return (category in ("Cc", "Cf", "Co", "Cn") or category[0] == "M" or
            (is_white_space(code_point) and code_point != 0x20))


TABLES = {
    "letters-and-numbers": (letter_or_number, "letters_and_numbers.inc",
                            "the code points beyond ASCII of the general\n"
                            "// categories L and N"),
    "invisible": (invisible, "invisible.inc",
                  "the code points of the general categories Cc,\n"
                  "// Cf, M, Co and Cn and of the property White_Space but U+0020"),
}

wanted, output, what = TABLES[sys.argv[1]]
ranges = []
for code_point in range(0, sys.maxunicode + 1):
    if 0xD800 <= code_point <= 0xDFFF or not wanted(code_point):
        continue
    if ranges and ranges[-1][1] == code_point - 1:
        ranges[-1][1] = code_point
    else:
        ranges.append([code_point, code_point])

print(f"// python3 characters.py {sys.argv[1]} > {output}")
print(f"// Unicode {unicodedata.unidata_version}: {what}, {len(ranges)} ranges of first and last,")
print("// in order.")
for at in range(0, len(ranges), 5):
    print(" ".join(f"{{0x{first:X}, 0x{last:X}}}," for first, last in ranges[at:at + 5]))
