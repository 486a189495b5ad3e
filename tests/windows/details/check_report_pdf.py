"""Checks the report page a real print produced.

Arguments: pdfinfo output of the PDF that arrived, pdftohtml -xml (zoom 1) of
the document the program sent, pdffonts of that document, the left and top
edges (pt) of the queue's printable area on the page, which the report's
twips count from, pdftotext -bbox of the sent document, and the right and
bottom edges of the printable area, and "printed-margin" for a design that
takes a margin of three figures from its site records and has the site's
own materials with wet stone: 47 lines.
"""
import re
import sys
import xml.etree.ElementTree as ET

# X, Y (twips) and bold of the 44 lines, as the report lays them out.
Y = [800, 1400] + [1800 + 300 * i for i in range(4)] + [3000 + 300 * i for i in range(38)]
X = [3900, 1000] + [900] * 4 + [1300] * 38
X[12] = X[13] = 1400
BOLD = [i == 0 or i >= 38 for i in range(44)]
MARGIN = len(sys.argv) > 9 and sys.argv[9] == "printed-margin"
if MARGIN:
    # The records' line stands under the final mix, then the materials' and
    # the stone's water, none bold.
    Y += [14400, 14700, 15000]
    X += [1300] * 3
    BOLD += [False] * 3
TOLERANCE_PT = 2.0
# pdftohtml puts a line's top a little below where the program aims the top of
# its text (its own ascent of the face is smaller than Qt's); a line placed by
# its baseline instead would stand a whole ascent, some 10 pt, higher.
ABSOLUTE_TOLERANCE_PT = 4.5
AREA_LEFT = float(sys.argv[4]) if len(sys.argv) > 4 else 0.0
AREA_TOP = float(sys.argv[5]) if len(sys.argv) > 5 else 0.0

failures = []


def fail(message):
    failures.append(message)


info = open(sys.argv[1], encoding="utf-8", errors="replace").read()
if not re.search(r"^Pages:\s+1$", info, re.M):
    fail("the page count is not 1:\n" + info)
size = re.search(r"^Page size:\s+([\d.]+) x ([\d.]+) pts", info, re.M)
if not size or abs(float(size.group(1)) - 595.3) > 2 or abs(float(size.group(2)) - 841.9) > 2:
    fail("the page is not A4 portrait: " + (size.group(0) if size else "no size"))

root = ET.parse(sys.argv[2]).getroot()
# Font entries are the elements that carry a family; text elements name one.
fonts = {e.get("id"): e.get("family") for e in root.iter() if e.get("family") is not None}
pieces = []
for text in root.iter("text"):
    content = "".join(text.itertext())
    if not content.strip():
        continue
    pieces.append((float(text.get("top")), float(text.get("left")), fonts.get(text.get("font"), ""),
                   content))
pieces.sort()
lines = []
for top, left, font, content in pieces:
    if lines and abs(lines[-1]["top"] - top) < 3:
        line = lines[-1]
        line["left"] = min(line["left"], left)
        line["fonts"].add(font)
        line["text"] += content
    else:
        lines.append({"top": top, "left": left, "fonts": {font}, "text": content})

# The page's own rows: the project and the day between the title and the
# engineer (the day placed by its right end), and the two signatures on the
# last row. The specimen shares line 3's row and the dosage line 5's.
ROWS = sorted([(Y[i], X[i], BOLD[i], i + 1) for i in range(len(Y))] +
              [(1100, None, False, None), (15600, 1300, False, None)])
AT = {number: k for k, (_, _, _, number) in enumerate(ROWS) if number}
if len(lines) != len(ROWS):
    fail("%d lines on the page, not %d: %s" % (len(lines), len(ROWS), [l["text"][:20] for l in lines]))
else:
    first, third = lines[AT[1]], lines[AT[3]]
    for k, line in enumerate(lines):
        y, x, bold_expected, number = ROWS[k]
        name = "line %d" % number if number else "the row at %d twips" % y
        # Where the page puts it: the printable area's corner plus the twips.
        absolute_top = AREA_TOP + y / 20.0
        if not 0 <= line["top"] - absolute_top <= ABSOLUTE_TOLERANCE_PT:
            fail("%s top %.1f pt on the page, expected %.1f to %.1f"
                 % (name, line["top"], absolute_top, absolute_top + ABSOLUTE_TOLERANCE_PT))
        expected_top = first["top"] + (y - Y[0]) / 20.0
        if abs(line["top"] - expected_top) > TOLERANCE_PT:
            fail("%s top %.1f pt, expected %.1f" % (name, line["top"], expected_top))
        # Lines 3 on start with a caption or banner, so their first glyph is
        # where the line starts; lines 1 and 2 begin with a blank.
        if x is not None and (number is None or number >= 3):
            if abs(line["left"] - (AREA_LEFT + x / 20.0)) > TOLERANCE_PT:
                fail("%s left %.1f pt on the page, expected %.1f"
                     % (name, line["left"], AREA_LEFT + x / 20.0))
            expected_left = third["left"] + (x - X[2]) / 20.0
            if abs(line["left"] - expected_left) > TOLERANCE_PT:
                fail("%s left %.1f pt, expected %.1f" % (name, line["left"], expected_left))
        bold = all("bold" in f.lower() for f in line["fonts"])
        regular = not any("bold" in f.lower() for f in line["fonts"])
        if bold_expected and not bold or not bold_expected and not regular:
            fail("%s fonts %s, expected %s" % (name, line["fonts"], "bold" if bold_expected else "regular"))
    needles = [(2, "KRV1 Test Engineer"), (3, "240"), (4, "300"), (9, "W/C=0.61"),
               (10, "311"), (27, "190"), (38, "155.6"), (40, "310"), (43, "1110")]
    if MARGIN:
        # Line 45 gives the deviation on the cubes the tests were made on:
        # the sample deviation of 360, 241, 362, ... is 62.13 ksc.
        needles = [(2, "KRV1 Test Engineer"), (3, "240"), (4, "margin(125.9"), (4, "366"),
                   (45, "15"), (45, "62.1"),
                   (46, "=3.051"), (46, "=2.679"), (47, "=2.012%"), (47, "=0.654%")]
    for number, needle in needles:
        if needle not in lines[AT[number]]["text"]:
            fail("line %d does not read %r: %r" % (number, needle, lines[AT[number]]["text"]))
    if abs((lines[AT[13]]["left"] - lines[AT[12]]["left"]) - 5.0) > 1.0:
        fail("line 13 is not 100 twips right of line 12")

# Every word's box lies inside the printable area, and the longest line ends
# with its unit: text past the page's edge is dropped by the extraction.
if len(sys.argv) > 8:
    area = (AREA_LEFT, AREA_TOP, float(sys.argv[7]), float(sys.argv[8]))
    words = ET.parse(sys.argv[6]).getroot().iter("{http://www.w3.org/1999/xhtml}word")
    boxes = [(float(w.get("yMin")), float(w.get("xMin")), float(w.get("xMax")), float(w.get("yMax")),
              w.text or "") for w in words]
    for top, left, right, bottom, word in boxes:
        if left < area[0] - 0.5 or right > area[2] + 0.5 or top < area[1] - 0.5 or bottom > area[3] + 0.5:
            fail("word %r at %.1f..%.1f x %.1f..%.1f pt leaves the printable area %s"
                 % (word, left, right, top, bottom, area))
    # No two texts of one row overlap: each word ends before the next begins.
    # A lone Thai mark has no width of its own and stands over its letter.
    def mark_only(word):
        return all(0x0E31 == ord(c) or 0x0E34 <= ord(c) <= 0x0E3A or 0x0E47 <= ord(c) <= 0x0E4E
                   or 0xF700 <= ord(c) <= 0xF71A for c in word)
    by_row = {}
    for top, left, right, bottom, word in boxes:
        by_row.setdefault(round(top), []).append((left, right, word))
    for row in by_row.values():
        row.sort()
        for (_, right, word), (left, _, next_word) in zip(row, row[1:]):
            if right > left + 0.5 and not mark_only(next_word):
                fail("%r overlaps %r (%.1f > %.1f pt)" % (word, next_word, right, left))
    line4_top = AREA_TOP + Y[3] / 20.0
    line4 = sorted((left, word) for top, left, _, _, word in boxes if 0 <= top - line4_top < 8)
    if not line4 or not line4[-1][1].endswith("ซม."):
        fail("line 4 does not end with its unit: %r" % [word for _, word in line4])

font_list = open(sys.argv[3], encoding="utf-8", errors="replace").read()
thai = [l for l in font_list.splitlines() if re.search(r"Umpush|Cordia|Loma|Garuda|Waree|Norasi|Kinnari", l)]
if not thai or not all(" yes " in l for l in thai):
    fail("no Thai font embedded:\n" + font_list)

for message in failures:
    print("FAIL:", message)
if failures:
    sys.exit(1)
print("report page: 1 A4 portrait page, %d lines in place, bold on 1 and 39-44, fonts:" % len(Y),
      ", ".join(sorted({f for l in lines for f in l["fonts"]})))
