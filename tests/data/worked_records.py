#!/usr/bin/env python3
"""The worked strength records of worked-records.json, worked out here with
this script's own reading of ACI 318 (and ACI 214R's classes of control),
not by the program. Every figure is on the cylinder basis: a 15 x 30 cm
cylinder reaches 0.833 of a 15 cm cube's strength.

  worked_records.py          writes the expected figures into worked-records.json
  worked_records.py --check  fails when the file holds other figures
"""
import json
import math
import statistics
import sys
from pathlib import Path

DATA = Path(__file__).with_name("worked-records.json")
CYLINDER_PER_CUBE = 0.833
# ACI 318 table 26.4.3.1(b)'s factor for fewer than 30 tests
FACTORS = [(15, 1.16), (20, 1.08), (25, 1.03), (30, 1.00)]
# ACI 214R, general construction: upper bounds of s in ksc (3.5 MPa = 35 ksc)
CONTROL = [(28, "ดีเยี่ยม"), (35, "ดีมาก"), (42, "ดี"), (49, "พอใช้")]
POOR = "ต้องปรับปรุง"
ACCEPTED, REJECTED = "ผ่านเกณฑ์การยอมรับ", "ไม่ผ่านเกณฑ์การยอมรับ"
NOTES = {
    "few": "ต้องมีผลทดสอบอย่างน้อย 15 ชุดจึงจะใช้ส่วนเผื่อจากผลทดสอบได้",
    "different": "ผลทดสอบมาจากคอนกรีตที่มีกำลังอัดต่างจากแบบนี้เกิน 70 กก./ตร.ซม. "
                 "ส่วนเผื่อที่ได้อาจไม่เหมาะสม",
    "trial": "ส่วนเผื่อจากผลทดสอบควรใช้กับส่วนผสมที่ยืนยันด้วยการผสมทดลองแล้ว",
    "cylinder": "คำนวณตามเกณฑ์ของตัวอย่างทรงกระบอก",
}
ABOUT = ("Record sets and their expected figures, worked out by worked_records.py beside "
         "this file from ACI 318's rules on the cylinder basis, not by the program.")


def factor(n):
    for (n1, k1), (n2, k2) in zip(FACTORS, FACTORS[1:]):
        if n < n2:
            return k1 + (k2 - k1) * (n - n1) / (n2 - n1)
    return 1.0


def on_cylinder(strength, shape):
    return strength * CYLINDER_PER_CUBE if shape == "cube" else strength


def expected(design):
    records, inputs = design["records"], design["inputs"]
    tests = []
    for row, test in enumerate(records["tests"], start=1):
        values = [float(v) for v in test["values"] if v.strip()]
        if values:
            tests.append({"row": row, "result": on_cylinder(sum(values) / len(values),
                                                            records["specimen"]),
                          "average3": None, "low_single": False, "low_average": False})
    results = [t["result"] for t in tests]
    n = len(tests)
    mean = sum(results) / n
    s = statistics.stdev(results)
    k = factor(n) if n >= 15 else None
    fc = on_cylinder(float(inputs["strength"]), inputs["shape"])
    high = fc > 350
    limit = 0.90 * fc if high else fc - 35
    margin = margin_cube = None
    if k:
        margin = max(1.34 * k * s, 2.33 * k * s - (0.10 * fc if high else 35))
        margin_cube = margin / CYLINDER_PER_CUBE
    on_cube = float(inputs["strength"]) / (1 if inputs["shape"] == "cube" else CYLINDER_PER_CUBE)
    uses = records["use_margin"] and margin_cube is not None
    target = round(on_cube + (margin_cube if uses else 60))
    for i, test in enumerate(tests):
        test["low_single"] = test["result"] < limit
        if i >= 2:
            test["average3"] = sum(results[i - 2:i + 1]) / 3
            if test["average3"] < fc:
                for low in tests[i - 2:i + 1]:
                    low["low_average"] = True
    accepted = not any(t["low_single"] or t["low_average"] for t in tests)
    notes = []
    if n < 15:
        notes.append(NOTES["few"])
    if records.get("specified"):
        typed = float(inputs["strength"])
        if inputs["shape"] != records["specimen"]:
            typed = typed * CYLINDER_PER_CUBE if records["specimen"] == "cylinder" \
                else typed / CYLINDER_PER_CUBE
        if abs(float(records["specified"]) - typed) > 70:
            notes.append(NOTES["different"])
    if records["use_margin"]:
        notes.append(NOTES["trial"])
    if records["specimen"] == "cube":
        notes.append(NOTES["cylinder"])
    control = next((name for bound, name in CONTROL if s < bound), POOR)
    return {"n": n, "mean": mean, "s": s, "k": k, "margin": margin, "margin_cube": margin_cube,
            "target": target, "control": control, "verdict": ACCEPTED if accepted else REJECTED,
            "tests": tests, "accepted": accepted, "notes": notes}


def same(a, b):
    if isinstance(a, float) or isinstance(b, float):
        return a is not None and b is not None and math.isclose(a, b, rel_tol=1e-12, abs_tol=1e-12)
    if isinstance(a, dict):
        return isinstance(b, dict) and a.keys() == b.keys() and all(same(a[k], b[k]) for k in a)
    if isinstance(a, list):
        return isinstance(b, list) and len(a) == len(b) and all(map(same, a, b))
    return a == b


def main():
    data = json.loads(DATA.read_text())
    worked = [expected(row["design"]) for row in data["sets"]]
    if sys.argv[1:] == ["--check"]:
        wrong = [row["name"] for row, answer in zip(data["sets"], worked)
                 if not same(row["expected"], answer)]
        if wrong:
            sys.exit("worked-records.json differs from this script's figures: " + "; ".join(wrong))
        return
    data["about"] = ABOUT
    for row, answer in zip(data["sets"], worked):
        row["expected"] = answer
    DATA.write_text(json.dumps(data, ensure_ascii=False, indent=1) + "\n")


if __name__ == "__main__":
    main()
