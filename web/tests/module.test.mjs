// The WebAssembly calculator against the desktop suite's known answers.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { designOf, loadModule, root } from './site.mjs';

const krv1 = await loadModule();
const { designs } = JSON.parse(readFileSync(join(root, 'tests/data/known-answers.json'), 'utf8'));
// The panels' row keys as the module hands them out.
const ROWS = krv1.pageTexts().rowKeys;
const figure = (text) => Number(text.split(' ')[0]);

for (const known of designs) {
  test(`known answer ${known.name}`, () => {
    const answer = krv1.calculate(designOf(known.inputs));
    assert.equal(answer.ok, true, answer.message);
    for (const panel of ['before', 'after']) {
      assert.deepEqual(ROWS.map((row) => figure(answer.panel[panel][row])),
                       ROWS.map((row) => known[panel][row]), panel);
    }
    assert.equal(figure(answer.details['2']), known.target);
    // A cylinder's account ends with its cube basis: the strength / 0.833.
    const cylinder = known.inputs.shape === 'cylinder';
    assert.equal(answer.report.length, cylinder ? 45 : 44);
    if (cylinder) {
      const cube = (Number(known.inputs.strength) / 0.833).toFixed(1);
      assert.equal(answer.report[44],
                   `แปลงเป็นกำลังอัดลูกบาศก์ = ${known.inputs.strength} / 0.833 = ${cube}  กก./ตร.ซม.`);
    }
  });
}

test('the worked design reads as the desktop shows it', () => {
  const answer = krv1.calculate(designOf({ strength: '240', shape: 'cube', admixture: 'without',
    dosage: '', slump: '7.5', stone: '3/4', moisture: '5' }, 'สมชาย ใจดี'));
  assert.equal(answer.panel.after.sand, '835      กิโลกรัม');
  assert.equal(answer.details['39'], '155.6  ลิตร');
  assert.equal(answer.report[1], ' วิศวกร : สมชาย ใจดี');
  assert.equal(Object.keys(answer.details).length, 39);
});

test('the printed report names the project, the day, the specimen and the dosage in its places', () => {
  const design = { ...designOf({ strength: '280', shape: 'cylinder', admixture: 'with',
    dosage: '250', slump: '7.5', stone: '3/4', moisture: '5' }, 'สมชาย'), project: 'บ้าน ซอย 5' };
  const answer = krv1.calculate(design, new Date(2026, 11, 9));
  const layout = krv1.reportLayout();
  assert.equal(answer.reportPage.length, layout.length);
  const at = (x, y) => answer.reportPage[layout.findIndex((p) => p.x === x && p.y === y)];
  assert.equal(at(1000, 1100), 'โครงการ: บ้าน ซอย 5');
  assert.equal(at(11000, 1100), 'วันที่ 9 ธันวาคม 2569');
  assert.equal(at(5400, 1800), 'ตัวอย่างทดสอบ: ทรงกระบอก 15x30 ซม.');
  assert.equal(at(5400, 2400), 'ปริมาณน้ำยาผสมคอนกรีต 250 ซีซี ต่อปูนซีเมนต์ 100 กก.');
  assert.equal(at(1300, 14400), 'แปลงเป็นกำลังอัดลูกบาศก์ = 280 / 0.833 = 336.1  กก./ตร.ซม.');
  assert.equal(at(1300, 14700), '');
  assert.equal(answer.marginNotice, '');
  // The sheet copies each figure into a cell of its own, and says what the
  // site mixes: 370 kg of cement per cubic metre.
  assert.match(answer.sheetCopyText, /\nปูนซีเมนต์\t370\tกก\.\n/);
  assert.match(answer.sheetText, /\nปริมาตรคอนกรีตที่ต้องผสม  1\.00 ลบ\.ม\.\n/);
  // The trial's empty boxes: 6 cylinders of 5.30144 litres with 25 % extra.
  assert.equal(answer.trialPlaceholders.cylinders, '6');
  assert.equal(answer.trialPlaceholders.volume, '39.761');
});

test('refusals name the input as the design file does', () => {
  const base = { strength: '240', shape: 'cube', admixture: 'with', dosage: '250',
    slump: '7.5', stone: '3/4', moisture: '5' };
  const cases = [
    [{ strength: 'abc' }, 'strength'], [{ shape: null }, 'shape'], [{ admixture: null }, 'admixture'],
    [{ dosage: '-300' }, 'dosage'], [{ slump: null }, 'slump'], [{ stone: null }, 'stone'],
    [{ moisture: '5,5' }, 'moisture'],
  ];
  for (const [change, field] of cases) {
    const answer = krv1.calculate(designOf({ ...base, ...change }));
    assert.equal(answer.ok, false);
    assert.equal(answer.field, field);
    assert.match(answer.message, /[\u0e00-\u0e7f]/);
  }
  const broken = krv1.calculate({ format: 'krv1-design', version: 1, inputs: {} });
  assert.deepEqual([broken.ok, broken.field], [false, 'design']);
});

test('a design is saved under the engineer\'s name and the day, as the PDF is named', () => {
  const day = new Date(2026, 11, 8);
  assert.equal(krv1.designFileNameOn('สมชาย/ใจดี ', day), 'KRV1 สมชายใจดี 2026-12-08.krv1');
  assert.equal(krv1.designFileNameOn(' :?| ', new Date(2027, 0, 5)), 'KRV1 2027-01-05.krv1');
});

test('a comma design calculates as the desktop does and the sheet is dated', () => {
  const design = { ...designOf({ strength: '240', shape: 'cube', admixture: 'with',
    dosage: '250', slump: '7.5', stone: '3/4', moisture: '5,5' }), decimal: ',', group: '.' };
  design.site = { volume: '12,5', waste: '5' };
  const answer = krv1.calculate(design, new Date(2026, 11, 8));
  assert.equal(answer.ok, true, answer.message);
  assert.ok(Object.values(answer.details).includes('5,5%'));
  const lines = answer.sheetText.split('\n');
  assert.deepEqual(lines.slice(1, 3), ['วันที่ 8 ธันวาคม 2569', 'ปริมาตรคอนกรีตที่จะเท (ลบ.ม.)  12,5']);
  assert.ok(lines.includes('ปูนซีเมนต์  3.871,9 กก.'), answer.sheetText);
  const cement = answer.sheetRows.find((row) => row.figure === '3.871,9');
  assert.deepEqual([cement.kind, cement.caption, cement.unit], ['figure', 'ปูนซีเมนต์', 'กก.']);
  // A figure held back by an empty setting (no bucket, no prices) stands bare.
  const bare = answer.sheetRows.filter((row) => row.kind === 'figure' && row.figure === '');
  assert.ok(bare.length > 0);
  assert.deepEqual(bare.filter((row) => row.unit !== ''), []);
});

test('a file\'s bytes are refused as the desktop refuses them', () => {
  const good = new TextEncoder().encode(krv1.writeDesign(designOf(designs[0].inputs)));
  assert.equal(krv1.readDesignFile(good).ok, true);
  const invalidUtf8 = Uint8Array.from([...good.slice(0, 60), 0xff, ...good.slice(60)]);
  const tooLarge = new Uint8Array(krv1.largestDesignBytes + 1).fill(0x20);
  const largestBlank = new Uint8Array(krv1.largestDesignBytes).fill(0x20);
  for (const [bytes, message] of [[invalidUtf8, 'แฟ้มนี้ไม่ใช่แบบส่วนผสม KRV1'],
                                  [tooLarge, 'แฟ้มมีขนาดใหญ่เกินกว่าที่เป็นแบบส่วนผสมได้'],
                                  [largestBlank, 'แฟ้มนี้ไม่ใช่แบบส่วนผสม KRV1']]) {
    assert.deepEqual(krv1.readDesignFile(bytes), { ok: false, message });
  }
});

test('a design file goes through the module unchanged', () => {
  const design = designOf({ strength: ' 2,400 ', shape: 'cylinder', admixture: null, dosage: '',
    slump: '12.5', stone: '1', moisture: '3.5' }, 'วิภา');
  design.site = { volume: '12', waste: '5', bag: '50', sand_density: '1400',
    stone_density: '1500', bucket: null, price_cement: '145', price_sand: null,
    price_stone: null, price_admixture: null };
  const text = krv1.writeDesign(design);
  assert.deepEqual(krv1.readDesign(text), { ok: true, design });
  assert.equal(krv1.readDesign('{"format": "krv1-design", "version": 2}').ok, false);
});

test('the site batch sheet comes with the calculation, keyed as --sheet --json', () => {
  const design = designOf({ strength: '240', shape: 'cube', admixture: 'without', dosage: '',
    slump: '7.5', stone: '3/4', moisture: '5' });
  design.site = { volume: '5', bucket: '18' };
  const { sheet, sheetText } = krv1.calculate(design);
  assert.deepEqual(Object.keys(sheet), ['per_bag', 'pour', 'cost']);
  assert.equal(sheet.pour.cement_bags, 31);  // 310 kg x 5 m3 / 50 kg, exactly
  assert.equal(sheet.cost.total, null);
  assert.match(sheetText, /ปูนซีเมนต์  31 ถุง/);
});

// The worked trials the desktop suite runs, their figures the independent
// script's (tests/data/worked_trials.py), through the module.
const { trials } = JSON.parse(readFileSync(join(root, 'tests/data/worked-trials.json'), 'utf8'));
for (const worked of trials) {
  test(`worked trial ${worked.name}`, () => {
    const design = { format: 'krv1-design', version: 2, engineer: '', ...worked.design,
                     trial: worked.boxes };
    const answer = krv1.calculate(design);
    assert.equal(answer.ok, true, answer.message);
    assert.equal(answer.trialProblem, null);
    const close = (actual, expected, key) => {
      if (expected === null) { assert.equal(actual, null, key); return; }
      assert.ok(Math.abs(actual - expected) <= 1e-9 * Math.max(1, Math.abs(expected)),
                `${key}: ${actual} against ${expected}`);
    };
    for (const key of Object.keys(worked.plan)) close(answer.trial.plan[key], worked.plan[key], key);
    for (const key of Object.keys(worked.results)) {
      close(answer.trial.results[key], worked.results[key], key);
    }
    assert.deepEqual(answer.trial.notes, worked.notes);
    assert.equal(answer.trialRefusal, worked.refusal);
    assert.equal(answer.trial.adjusted === null, worked.refusal !== null && worked.state === null);
  });
}

// The worked record sets the desktop suite runs, their figures the
// independent script's (tests/data/worked_records.py), through the module: its records alone, and the design that takes their margin.
const { sets } = JSON.parse(readFileSync(join(root, 'tests/data/worked-records.json'), 'utf8'));
const same = (actual, expected, at) => {
  if (typeof expected === 'number') {
    assert.ok(Math.abs(actual - expected) <= 1e-9 * Math.max(1, Math.abs(expected)),
              `${at}: ${actual} against ${expected}`);
  } else if (expected !== null && typeof expected === 'object') {
    assert.equal(Object.keys(actual).length, Object.keys(expected).length, at);
    for (const key of Object.keys(expected)) same(actual[key], expected[key], `${at}/${key}`);
  } else {
    assert.equal(actual, expected, at);
  }
};
for (const [i, worked] of sets.entries()) {
  test(`worked records ${worked.name}`, () => {
    const design = { ...designOf(worked.design.inputs), version: 2,
                     records: worked.design.records };
    same(krv1.records(design).records, worked.expected, `set ${i}`);
    const answer = krv1.calculate(design);
    if (!answer.ok) {  // only a target beyond the method's curve
      assert.ok(worked.expected.target > 450, answer.message);
      return;
    }
    same(answer.records, worked.expected, `set ${i}`);
    assert.equal(figure(answer.details['2']), worked.expected.target);
    const earned = worked.design.records.use_margin && worked.expected.n >= 15;
    const cylinder = worked.design.inputs.shape === 'cylinder';
    assert.equal(answer.report.length, 44 + earned + cylinder);
    assert.equal(answer.marginNotice === '', !earned);
  });
}

test('a records row that is no strength refuses the design that takes their margin', () => {
  const records = { specimen: 'cube', specified: null, use_margin: true,
                    tests: [{ date: '', values: ['250', 'x', ''], note: '' }] };
  const design = { ...designOf({ strength: '240', shape: 'cube', admixture: 'without',
    dosage: '', slump: '7.5', stone: '3/4', moisture: '5' }), version: 2, records };
  assert.deepEqual(krv1.calculate(design),
                   { ok: false, field: 'records', row: 1, message: 'ผลทดสอบแถวที่ 1 ไม่ถูกต้อง' });
  assert.deepEqual(krv1.records(design).recordsProblem,
                   { row: 1, message: 'ผลทดสอบแถวที่ 1 ไม่ถูกต้อง' });
  assert.deepEqual(krv1.pastedRows('1/1\t250\t260\r\n2/1\t255\n'),
                   [['1/1', '250', '260'], ['2/1', '255']]);
});

// The site's materials, figures worked by hand in tests/engine/materials_test.cpp:
// hydraulic cement of 3.05, sand 2.62 absorbing 1.2 %, stone 2.68 absorbing
// 0.6 % at 2.0 %.
const WORKED_INPUTS = { strength: '240', shape: 'cube', admixture: 'without', dosage: '',
  slump: '7.5', stone: '3/4', moisture: '5' };
const SITE_MATERIALS = { cement: 'hydraulic', cement_sg: '3.05', sand_sg: '2.62',
  sand_absorption: '1.2', stone_sg: '2.68', stone_absorption: '0.6', stone_moisture: '2.0' };

test('the site\'s materials reach the panels, the account, the report and the notice', () => {
  const answer = krv1.calculate({ ...designOf(WORKED_INPUTS), materials: SITE_MATERIALS });
  assert.equal(answer.ok, true, answer.message);
  assert.deepEqual(ROWS.map((row) => answer.panel.after[row]),
                   ['310      กิโลกรัม', '145     ลิตร', '810      กิโลกรัม', '1115       กิโลกรัม',
                    '0     ซีซี']);
  assert.equal(answer.details['34'], '1.2 %');
  assert.equal(answer.details['39'], '144.96  ลิตร');
  assert.deepEqual(answer.report.slice(44), [
    'วัสดุ: ปูนซีเมนต์ไฮดรอลิก (มอก. 2594) ถ.พ.=3.05, ทราย ถ.พ.=2.62 ดูดซึม=1.2%, หิน ถ.พ.=2.68',
    'หินมีความชื้น=2.0% ค่าการดูดซึม=0.6% มีน้ำมากไป=15.4  กิโลกรัม ชั่งหิน=1115.4  กิโลกรัม']);
  // On the printed page they take the rows of the records' margin and the
  // cube basis, which this design has not.
  const layout = krv1.reportLayout();
  const at = (y) => answer.reportPage[layout.findIndex((p) => p.x === 1300 && p.y === y)];
  assert.equal(at(14400), answer.report[44]);
  assert.equal(at(14700), answer.report[45]);
  assert.match(answer.materialsNotice, /^คำนวณด้วยวัสดุของหน้างาน ปูนซีเมนต์ไฮดรอลิก \(มอก\. 2594\) ถ\.พ\. 3\.05, /);
  assert.deepEqual(answer.materialNotes, [krv1.pageTexts().materialsCurveNote]);
  assert.ok(Math.abs(answer.sheet.per_bag.stone_kg - 1115 * 50 / 310) < 1e-9);
});

test('the method\'s values typed out give every text of the empty boxes', () => {
  const empty = krv1.calculate(designOf(WORKED_INPUTS), new Date(2026, 11, 9));
  const typed = krv1.calculate({ ...designOf(WORKED_INPUTS), materials: { cement: 'portland',
    cement_sg: '3.15', sand_sg: '2.65', sand_absorption: '0.70', stone_sg: '2.7',
    stone_absorption: '0.6', stone_moisture: null } }, new Date(2026, 11, 9));
  assert.deepEqual(typed, empty);
});

test('a refused material is named by its key', () => {
  for (const [change, field, message] of [
    [{ cement_sg: '3.31' }, 'cement_sg', 'ความถ่วงจำเพาะของปูนซีเมนต์ต้องอยู่ระหว่าง 2.50 ถึง 3.30'],
    [{ sand_sg: 'x' }, 'sand_sg', 'ความถ่วงจำเพาะของทรายต้องอยู่ระหว่าง 2.30 ถึง 2.90'],
    [{ sand_absorption: '5.1' }, 'sand_absorption', 'ค่าการดูดซึมน้ำของทรายต้องอยู่ระหว่าง 0 ถึง 5 %'],
    [{ stone_sg: '2.2' }, 'stone_sg', 'ความถ่วงจำเพาะของหินต้องอยู่ระหว่าง 2.30 ถึง 3.00'],
    [{ stone_absorption: '-0.1' }, 'stone_absorption', 'ค่าการดูดซึมน้ำของหินต้องอยู่ระหว่าง 0 ถึง 5 %'],
    [{ stone_moisture: '10.5' }, 'stone_moisture', 'ความชื้นของหินต้องอยู่ระหว่าง 0 ถึง 10 %'],
    [{ stone_absorption: null }, 'stone_absorption', 'กรุณาระบุค่าการดูดซึมน้ำของหินเมื่อระบุความชื้นของหิน'],
  ]) {
    const answer = krv1.calculate({ ...designOf(WORKED_INPUTS),
                                    materials: { ...SITE_MATERIALS, ...change } });
    assert.deepEqual([answer.ok, answer.field, answer.message], [false, field, message]);
  }
});
