"""Reads a project's workbook back and checks it against the project's JSON.

Arguments: the workbook, the JSON that `krv1 --project --json` printed for the
same project, and a JSON list of the program's captions that must stand in
cells of their own. Every figure cell must equal the JSON's figure, as a
number (never a text) with a number format of its decimals.
"""
import json
import sys

import openpyxl

book = openpyxl.load_workbook(sys.argv[1])
figures = json.load(open(sys.argv[2], encoding="utf-8"))
captions = json.load(open(sys.argv[3], encoding="utf-8"))
failures = []


def fail(message):
    failures.append(message)


def same(cell, expected, where):
    if expected is None:
        if cell.value is not None:
            fail("%s: %r where the JSON has null" % (where, cell.value))
        return
    if isinstance(cell.value, bool) or not isinstance(cell.value, (int, float)):
        fail("%s: %r is not a number (JSON %r)" % (where, cell.value, expected))
    elif abs(cell.value - expected) > 1e-9 * max(1, abs(expected)):
        fail("%s: %r, the JSON %r" % (where, cell.value, expected))
    elif not (cell.number_format.startswith("0") or cell.number_format.startswith("#,##0")):
        fail("%s: number format %r" % (where, cell.number_format))


names = [element["name"] for element in figures["elements"]]
if book.sheetnames[:3] != ["สรุปโครงการ", "สั่งวัสดุ", "เปรียบเทียบ"] or len(book.sheetnames) != 3 + len(names):
    fail("sheets %r" % book.sheetnames)

# The orders: each figure row in the JSON's order, then each ready-mix line's.
orders = book["สั่งวัสดุ"]
numbers = [row for row in orders.iter_rows(min_row=5) if len(row) > 1 and row[0].value and
           (row[1].value is not None or row[0].value in captions)]
expected = [figures["order"][key] for key in
            ["cement_kg", "cement_bags", "water_l", "admixture_l", "sand_loose_m3", "sand_q",
             "sand_trips", "stone_loose_m3", "stone_q", "stone_trips", "cost_total"]]
for line in figures["ready_mix"]:
    expected += [line["volume_m3"], line["order_m3"], line["trucks"]]
if figures["co2_total_kg"] is not None:
    expected.append(figures["co2_total_kg"])
figure_rows = [row for row in orders.iter_rows(min_row=5)
               if row[0].value and any(row[0].value.startswith(c) for c in captions["order"])]
if len(figure_rows) != len(expected):
    fail("%d figure rows in the orders, the JSON has %d" % (len(figure_rows), len(expected)))
for row, value in zip(figure_rows, expected):
    same(row[1], value, "สั่งวัสดุ!%s" % row[1].coordinate)

# The comparison: a column an element.
compare = book["เปรียบเทียบ"]
rows = {row[0].value: row for row in compare.iter_rows(min_row=6) if row[0].value}
for i, element in enumerate(figures["elements"]):
    column = 2 + i
    if compare.cell(row=5, column=column + 1).value != element["name"]:
        fail("the comparison's column %d is not %r" % (column + 1, element["name"]))
    same(rows["กำลังอัดที่ต้องผลิต (F)"][column], element["target"], "F of %s" % element["name"])
    same(rows["อัตราส่วนน้ำต่อซีเมนต์ (W/C)"][column], element["wc"], "W/C of %s" % element["name"])
    per = element["per_m3"] or {}
    for caption, key in [("ปูนซีเมนต์", "cement"), ("น้ำ", "water"), ("ทราย", "sand"),
                         ("หิน", "stone"), ("น้ำยาผสมคอนกรีต", "admixture")]:
        same(rows[caption + " หลังปรับความชื้น"][column], per.get(key), "%s of %s" % (key, element["name"]))
    same(rows["คาร์บอนต่อ ลบ.ม."][column], element["co2_per_m3"], "carbon of %s" % element["name"])

# The summary: a row an element, its pour and its cost in the sheet's order.
summary = book["สรุปโครงการ"]
header = [cell.value for cell in summary[5]]
for i, element in enumerate(figures["elements"]):
    row = summary[7 + i]
    if row[0].value != element["name"]:
        fail("summary row %d is not %r" % (7 + i, element["name"]))
    parts = list((element["pour"] or {}).values()) + list((element["cost"] or {}).values())
    first = header.index(captions["first_pour"])
    for j, value in enumerate(parts):
        same(row[first + j], value, "summary %s" % row[first + j].coordinate)

# Every caption the program gives stands whole in a cell of its own.
texts = {cell.value for sheet in book.worksheets for row in sheet.iter_rows() for cell in row
         if isinstance(cell.value, str)}
for caption in captions["cells"]:
    if caption not in texts:
        fail("no cell holds %r" % caption)

if failures:
    print("\n".join(failures))
    sys.exit(1)
print("workbook checked: %d sheets, every figure the JSON's" % len(book.sheetnames))
