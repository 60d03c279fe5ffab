#!/usr/bin/env python3
"""Writes the pinyin readings of the CJK ideographs as a C++ table.

Run by the build: python3 make_pinyin_table.py READINGS OUTPUT.cpp, where
READINGS is the Unicode Consortium's Unihan_Readings.txt as Debian's
unicode-data package installs it (plain, .bz2, or inside Unihan.zip).

Every reading a character has in kMandarin, kHanyuPinyin, kXHC1983 or
kTGHZ2013 is kept, without its tone, in lowercase ASCII with "ü" written "v"
(as it is typed), duplicates dropped. The table covers U+3400..U+9FFF:
Extension A, the Yijing symbols between (which have none) and the Unified
Ideographs.

Layout, to stay small (about 53 KB):
- the distinct syllables, sorted, numbered from 0: their letters end to end
  and where each ends;
- per character a 12-bit code: a syllable's number when the character has one
  reading, NO_READING when it has none, else the syllable count plus the
  number of its set of readings;
- the sets of several readings, ordered by size, each as its syllable
  numbers; the first code and first position of each size say where a set is,
  so no table of offsets is needed.
Numbers wider than a byte are kept as a byte array of their low 8 bits and a
packed array of the bits above.
"""
import bz2
import io
import sys
import unicodedata
import zipfile

FIELDS = {"kMandarin", "kHanyuPinyin", "kXHC1983", "kTGHZ2013"}
FIRST, LAST = 0x3400, 0x9FFF
CODE_BITS = 12
NO_READING = (1 << CODE_BITS) - 1
SYLLABLE_BITS = 9


def open_readings(path):
    if path.endswith(".zip"):
        with zipfile.ZipFile(path) as archive:
            return io.StringIO(archive.read("Unihan_Readings.txt").decode("utf-8"))
    if path.endswith(".bz2"):
        return bz2.open(path, "rt", encoding="utf-8")
    return open(path, encoding="utf-8")


def toneless(reading):
    """"lǜ" -> "lv", "zhòng" -> "zhong", "ê̄" -> "e"."""
    letters = unicodedata.normalize("NFD", reading.lower()).replace("u\u0308", "v")
    plain = "".join(c for c in letters if not unicodedata.combining(c))
    if not (plain.isascii() and plain.isalpha()):
        raise ValueError("not a pinyin reading: %r" % reading)
    return plain


def parse(lines):
    """{code point: set of toneless syllables} for the characters in range.
    A value is blank-separated; each item is a reading or "places:readings"
    with the readings separated by commas."""
    readings = {}
    for line in lines:
        if line.startswith("#") or not line.strip():
            continue
        point, field, value = line.rstrip("\n").split("\t")
        code = int(point[2:], 16)
        if field not in FIELDS or not FIRST <= code <= LAST:
            continue
        for item in value.split():
            for reading in item.rsplit(":", 1)[-1].split(","):
                readings.setdefault(code, set()).add(toneless(reading))
    return readings


def pack(numbers, bits):
    """Low bytes, and the bits above 8 packed (8 // (bits - 8)) to a byte."""
    high_bits = bits - 8
    per_byte = 8 // high_bits
    low = [n & 0xFF for n in numbers]
    high = [0] * ((len(numbers) + per_byte - 1) // per_byte)
    for i, n in enumerate(numbers):
        assert n >> bits == 0
        high[i // per_byte] |= (n >> 8) << (i % per_byte * high_bits)
    return low, high


def encode(readings):
    syllables = sorted({s for found in readings.values() for s in found})
    number = {s: i for i, s in enumerate(syllables)}
    sets = sorted({tuple(sorted(number[s] for s in found)) for found in readings.values() if len(found) > 1},
                  key=lambda s: (len(s), s))
    set_code = {s: len(syllables) + i for i, s in enumerate(sets)}
    assert len(syllables) + len(sets) < NO_READING and len(syllables) < 1 << SYLLABLE_BITS
    codes = []
    for point in range(FIRST, LAST + 1):
        found = tuple(sorted(number[s] for s in readings.get(point, ())))
        codes.append(NO_READING if not found else found[0] if len(found) == 1 else set_code[found])
    sizes = []  # (size, first code, first position in the pool)
    pool = []
    for i, s in enumerate(sets):
        if not sizes or sizes[-1][0] != len(s):
            sizes.append((len(s), len(syllables) + i, len(pool)))
        pool.extend(s)
    return syllables, codes, sizes, pool


def array(kind, name, values):
    rows = [", ".join(str(v) for v in values[i:i + 24]) for i in range(0, len(values), 24)]
    return "extern const %s %s[%d] = {\n    %s};\n" % (kind, name, len(values), ",\n    ".join(rows))


def write_table(syllables, codes, sizes, pool, out):
    ends, end = [], 0
    for s in syllables:
        end += len(s)
        ends.append(end)
    code_low, code_high = pack(codes, CODE_BITS)
    pool_low, pool_high = pack(pool, SYLLABLE_BITS)
    out.write("// Made by data/make_pinyin_table.py from the Unihan database; do not edit.\n")
    out.write('#include "data/pinyin_table.h"\n\nnamespace oravin::pinyin_table {\n\n')
    # The range and widths are the header's as well: a change to one side only must not build.
    out.write("static_assert(kFirst == %d && kLast == %d && kCodeBits == %d && kSyllableBits == %d);\n\n"
              % (FIRST, LAST, CODE_BITS, SYLLABLE_BITS))
    out.write("extern const uint16_t kSyllableCount = %d;\n" % len(syllables))
    out.write("extern const uint8_t kSetSizeCount = %d;\n" % len(sizes))
    out.write('extern const char kSyllableLetters[] =\n    "%s";\n' % "".join(syllables))
    out.write(array("uint16_t", "kSyllableEnds", ends))
    out.write(array("uint8_t", "kCodeLow", code_low))
    out.write(array("uint8_t", "kCodeHigh", code_high))
    out.write(array("uint8_t", "kSetLow", pool_low))
    out.write(array("uint8_t", "kSetHigh", pool_high))
    out.write("extern const SetsOfSize kSets[%d] = {\n" % len(sizes))
    for size, code, position in sizes:
        out.write("    {%d, %d, %d},\n" % (size, code, position))
    out.write("};\n\n}  // namespace oravin::pinyin_table\n")


def main(source, target):
    with open_readings(source) as lines:
        syllables, codes, sizes, pool = encode(parse(lines))
    with open(target, "w", encoding="ascii", newline="\n") as out:
        write_table(syllables, codes, sizes, pool, out)
    print("pinyin table: %d syllables, %d readings in sets of 2 to %d" % (len(syllables), len(pool), sizes[-1][0]))


if __name__ == "__main__":
    main(*sys.argv[1:])
