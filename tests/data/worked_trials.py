#!/usr/bin/env python3
"""The worked trial batches of worked-trials.json, worked out here with this
script's own formulas, not by the program: the plan, the results, the notes,
the air kept, the adjusted design's cells and its refusal.

Both designs share one worksheet, read off the method's sheet by hand:
240 ksc cube and 200 ksc cylinder (200 / 0.833 + 60 = 300.1), 3/4 inch
stone, 7.5 cm slump, no admixture: W 190 l, P 400 l, F 300, W/C 0.61,
cement 311 kg, sand 798 kg, stone 1107 kg; sand moisture 5 % over an
absorption of 0.7 %.

  worked_trials.py          writes the figures into worked-trials.json
  worked_trials.py --check  fails when the file holds other figures
"""
import json
import math
import struct
import sys
from pathlib import Path

DATA = Path(__file__).with_name("worked-trials.json")

W, P, F, CEMENT, SAND, STONE = 190, 400, 300, 311, 798, 1107
SURFACE = (5 - 0.7) / 100
GRAVITY = {"cement": 3.15, "sand": 2.65, "stone": 2.70}
CURVE = [(150, 0.90), (200, 0.78), (300, 0.61), (400, 0.48), (450, 0.43)]  # F, W/C
TARGET_SLUMP = 7.5
NOTES = {
    "air": "ปริมาณอากาศเกิน 3% กรุณาตรวจสอบการอัดแน่นและการวัด",
    "dense": "หน่วยน้ำหนักที่วัดได้สูงกว่าค่าทางทฤษฎี กรุณาตรวจสอบการชั่งและปริมาตรของภาชนะ",
    "seven": "กำลังอัดประมาณจากผล 7 วัน ควรยืนยันด้วยผล 28 วัน",
}
ABOUT = ("Trial batches of two worked designs, their figures worked out by worked_trials.py "
         "beside this file with its own formulas, not by the program (the script's docstring "
         "gives the designs' worksheet). state is the adjusted design's MixState cells; refusal "
         "the adjusted mix's message.")
REFUSALS = {
    "method": "กำลังอัดที่ต้องใช้ออกแบบใหม่อยู่นอกช่วง 150 ถึง 450 กก./ตร.ซม. ของวิธีนี้ กรุณาออกแบบส่วนผสมใหม่",
    "water": "น้ำที่ต้องเติมในส่วนผสมที่ปรับแล้วเป็นค่าลบ กรุณาตรวจสอบน้ำที่ใส่จริงและความชื้นทราย",
}


def single(x):
    """The value as a 4-byte float holds it, the method's W/C cell."""
    return struct.unpack("f", struct.pack("f", x))[0]


def number(text, decimal):
    """A box typed with the design's separators, group marks dropped."""
    group = "." if decimal == "," else ","
    return float(text.replace(group, "").replace(decimal, "."))


def ratio_for(strength):
    """W/C for a strength on the curve, or None off it."""
    for (f1, r1), (f2, r2) in zip(CURVE, CURVE[1:]):
        if f1 <= strength <= f2:
            return single(r2 + (f2 - strength) * (r1 - r2) / (f2 - f1))
    return None


def strength_for(ratio):
    """The curve read backwards, its end segments carried on."""
    points = sorted(CURVE, key=lambda p: p[1])  # by W/C
    for (fa, ra), (fb, rb) in zip(points, points[1:]):
        if ratio <= rb or (fb, rb) == points[-1]:
            return fa + (ratio - ra) * (fb - fa) / (rb - ra)


def trial(row):
    design = row["design"]
    decimal = design["decimal"]
    cube = design["inputs"]["shape"] == "cube"
    box = {key: number(text, decimal) for key, text in row["boxes"].items()}
    cubes = box.get("cubes", 6 if cube else 0)
    cylinders = box.get("cylinders", 0 if cube else 6)
    extra = box.get("extra", 25)
    cylinder_litres = math.pi * 0.075 ** 2 * 0.30 * 1000
    volume = box.get("volume", (cubes * 3.375 + cylinders * cylinder_litres) * (1 + extra / 100))
    k = volume / 1000
    plan = {"volume_l": volume, "cement_kg": CEMENT * k, "water_l": (W - SAND * SURFACE) * k,
            "sand_kg": SAND * (1 + SURFACE) * k, "stone_kg": STONE * k, "admixture_cc": 0.0}

    notes = []
    water = box.get("water", plan["water_l"])
    sand_dry = plan["sand_kg"] / (1 + SURFACE)  # saturated surface-dry
    net_water = water + plan["sand_kg"] - sand_dry
    results = dict.fromkeys(["yield_l", "relative_yield", "air_percent", "water_per_m3_l",
                             "adjusted_water_l", "trial_wc", "strength28_cube",
                             "design_strength", "wc"])
    yield_l, air = volume, 0.0
    if "density" in box:
        mass = plan["cement_kg"] + water + plan["sand_kg"] + plan["stone_kg"]
        solid = (plan["cement_kg"] / GRAVITY["cement"] + net_water + sand_dry / GRAVITY["sand"]
                 + plan["stone_kg"] / GRAVITY["stone"])
        yield_l = 1000 * mass / box["density"]
        air = 100 * (yield_l - solid) / yield_l
        if air < 0:
            air = 0.0
            notes.append(NOTES["dense"])
        elif air > 3:
            notes.append(NOTES["air"])
        results.update(yield_l=yield_l, relative_yield=yield_l / volume, air_percent=air)
    per_metre = net_water * 1000 / yield_l
    # 10 l of water for each 2.5 cm of slump away from the target
    new_water = round(per_metre + 4 * (TARGET_SLUMP - box.get("slump", TARGET_SLUMP)))
    results.update(water_per_m3_l=per_metre, adjusted_water_l=new_water, design_strength=F,
                   wc=single(0.61))
    air_litres = round(10 * air)
    new_strength, ratio = F, single(0.61)
    if "strength" in box:
        f28 = box["strength"]
        if box.get("age", 28) == 7:
            f28 /= box.get("ratio7", 0.70)
            notes.append(NOTES["seven"])
        f28_cube = f28 if cube else f28 / 0.833
        trial_ratio = net_water / plan["cement_kg"]
        new_strength = round(F - (f28_cube - strength_for(trial_ratio)))
        ratio = ratio_for(new_strength)
        results.update(trial_wc=trial_ratio, strength28_cube=f28_cube,
                       design_strength=new_strength, wc=ratio)

    answer = {"plan": plan, "results": results, "notes": notes, "air_litres": air_litres,
              "state": None, "refusal": None}
    if ratio is None:
        answer["refusal"] = REFUSALS["method"]
        return answer
    cement = round(single(new_water / ratio))
    cement_litres = round(cement / GRAVITY["cement"])
    sand = P - cement_litres
    wet_sand = round(sand * GRAVITY["sand"])
    stone_litres = 1000 - cement_litres - new_water - sand - air_litres
    # The water to add after the sand's own; the batching rounding of the
    # sand moves it by far less than the margins of these trials.
    if new_water - wet_sand * SURFACE < 0:
        answer["refusal"] = REFUSALS["water"]
        return answer
    answer["state"] = {"Weight": cement, "VOLUM": cement_litres, "SAND": sand, "WSAND": wet_sand,
                       "VGRAVEL": stone_litres, "WGRAVEL": round(stone_litres * GRAVITY["stone"]),
                       "W": new_water, "WA": ratio}
    return answer


def same(a, b):
    if isinstance(a, float) or isinstance(b, float):
        return a is not None and b is not None and math.isclose(a, b, rel_tol=1e-12, abs_tol=1e-12)
    if isinstance(a, dict):
        return isinstance(b, dict) and a.keys() == b.keys() and all(same(a[k], b[k]) for k in a)
    return a == b


def main():
    data = json.loads(DATA.read_text())
    worked = [trial(row) for row in data["trials"]]
    if sys.argv[1:] == ["--check"]:
        wrong = [row["name"] for row, answer in zip(data["trials"], worked)
                 if not same({k: row[k] for k in answer}, answer)]
        if wrong:
            sys.exit("worked-trials.json differs from this script's figures: " + ", ".join(wrong))
        return
    data["about"] = ABOUT
    for row, answer in zip(data["trials"], worked):
        row.update(answer)
    DATA.write_text(json.dumps(data, ensure_ascii=False, indent=1) + "\n")


if __name__ == "__main__":
    main()
