#!/usr/bin/env python3
"""Writes letters_and_numbers.inc: the ranges of code points beyond ASCII
whose Unicode general category is a letter (L*) or a number (N*), from
Python's unicodedata.  The build never runs this; run it again, from this
folder, only to move to another Unicode version:

    python3 letters_and_numbers.py > letters_and_numbers.inc
"""
import sys
import unicodedata

ranges = []
for code_point in range(0x80, sys.maxunicode + 1):
    if unicodedata.category(chr(code_point))[0] in "LN":
        if ranges and ranges[-1][1] == code_point - 1:
            ranges[-1][1] = code_point
        else:
            ranges.append([code_point, code_point])

print("// python3 letters_and_numbers.py > letters_and_numbers.inc")
print(f"// Unicode {unicodedata.unidata_version}: the code points beyond ASCII of the general")
print(f"// categories L and N, {len(ranges)} ranges of first and last, in order.")
for at in range(0, len(ranges), 5):
    print(" ".join(f"{{0x{first:X}, 0x{last:X}}}," for first, last in ranges[at:at + 5]))
