// The project in the module and on the page: the worked house by hand, a
// refused file, and at 360 px designs added, one edited in the form above,
// the project saved and its workbook written with the desktop's cells, read
// back by openpyxl.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readdirSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { enterDesign, launchChromium } from './browser.mjs';
import { designOf, loadModule, serveSite } from './site.mjs';

const krv1 = await loadModule();

// The house of tests/support/worked_project.h; its figures worked by hand in
// tests/presentation/project_test.cpp.
function element(name, supply, inputs, volume) {
  return { name, supply, design: { ...designOf(inputs, 'สมชาย ใจดี'), site: { volume, waste: '5' } } };
}
const FOOTINGS = { strength: '240', shape: 'cube', admixture: 'without', dosage: '', slump: '7.5',
                   stone: '3/4', moisture: '5' };
const HOUSE = {
  format: 'krv1-project', version: 1, decimal: '.', group: ',', name: 'บ้านคุณสมศรี ซอย 5',
  engineer: 'สมชาย ใจดี', settings: { sand_truck_q: '5', ready_truck_m3: '5' },
  elements: [
    element('ฐานราก F1-F8', 'site', FOOTINGS, '6.5'),
    element('เสา C1-C12', 'ready', { strength: '280', shape: 'cylinder', admixture: 'with',
                                     dosage: '300', slump: '7.5', stone: '3/4', moisture: '2' }, '4.2'),
    element('พื้น S1', 'site', { strength: '210', shape: 'cube', admixture: 'with', dosage: '250',
                                 slump: '10.0', stone: '1', moisture: '0' }, '9.0'),
  ],
};

test('the worked house as the module works it out', () => {
  const answer = krv1.project(HOUSE, new Date(2026, 11, 9));
  assert.equal(answer.ok, true, answer.message);
  const order = answer.figures.order;
  assert.equal(order.cement_bags, 94);
  assert.ok(Math.abs(order.cement_kg - 4667.25) < 1e-9);
  assert.deepEqual([order.sand_q, order.sand_trips, order.stone_q, order.stone_trips], [10, 2, 13, 3]);
  assert.deepEqual(answer.figures.ready_mix.map((line) => [line.order_m3, line.trucks]), [[4.5, 1]]);
  assert.deepEqual(answer.list.map((row) => row[0]), ['ฐานราก F1-F8', 'เสา C1-C12', 'พื้น S1']);
  assert.match(answer.ordersText, /\nทรายที่ต้องสั่ง  10 คิว\n/);
  assert.deepEqual(answer.workbook.map((sheet) => sheet.name),
                   ['สรุปโครงการ', 'สั่งวัสดุ', 'เปรียบเทียบ', 'ฐานราก F1-F8', 'เสา C1-C12', 'พื้น S1']);
});

test('a setting out of range is named and the list still shown; a bad file is refused', () => {
  const truck = krv1.project({ ...HOUSE, settings: { ready_truck_m3: '13' } });
  assert.equal(truck.ok, true);
  assert.deepEqual(truck.settingProblem, { key: 'ready_truck_m3',
    message: 'ความจุรถคอนกรีตผสมเสร็จ (ลบ.ม./คัน) ต้องมากกว่า 0 และไม่เกิน 12' });
  assert.equal(truck.list.length, 3);
  assert.equal(truck.workbook, null);
  const bad = krv1.readProject(JSON.stringify({ ...HOUSE, elements: [{ ...HOUSE.elements[0], supply: 'truck' }] }));
  assert.deepEqual(bad, { ok: false, message: 'ข้อมูลในแฟ้มไม่ครบหรือไม่ถูกต้อง: elements[0].supply' });
});

let server;
let browser;
let page;
let downloads;

before(async () => {
  server = await serveSite();
  browser = await launchChromium();
  page = await browser.newPage();
  await page.setViewport({ width: 360, height: 740, isMobile: true, hasTouch: true });
  downloads = mkdtempSync(join(tmpdir(), 'krv1-project-'));
  const session = await page.createCDPSession();
  await session.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: downloads });
  await page.goto(`http://127.0.0.1:${server.address().port}/`);
  await page.waitForSelector('body.ready');
});

after(async () => {
  await browser?.close();
  server?.close();
});

const textsOf = (selector) =>
  page.$$eval(selector, (elements) => elements.map((element) => element.textContent));

async function downloaded(name) {
  for (let i = 0; i < 100 && !readdirSync(downloads).includes(name); ++i) {
    await new Promise((done) => { setTimeout(done, 100); });
  }
  return join(downloads, name);
}

test('at 360 px designs go in, one is edited above, and the workbook holds the desktop\'s cells', async () => {
  await page.click('#project-new');
  await enterDesign(page, FOOTINGS);
  await page.click('#calculate');
  await page.click('#project-add');
  await enterDesign(page, { ...FOOTINGS, moisture: '2' });
  await page.click('#calculate');
  await page.click('#project-add');
  assert.equal(await page.$$eval('#project-list tbody tr', (rows) => rows.length), 2);
  // The moisture changes no cement: 310 kg a cubic metre each, 620 kg in all.
  assert.match(await page.$eval('#project-orders', (orders) => orders.textContent),
               /^วัสดุที่ต้องสั่ง \(ผสมเองที่หน้างาน\)\nปูนซีเมนต์  620\.0 กก\.\n/);

  // The first element in the form above: a calculation writes it back.
  await page.focus('#project-list tbody tr:first-child input');
  await page.click('#project-open-element');
  assert.match(await page.$eval('#project-editing', (line) => line.textContent), /^KRV1 - รายการ แบบส่วนผสมที่ 1 ของโครงการ/);
  await enterDesign(page, { ...FOOTINGS, strength: '210' });
  await page.click('#calculate');
  assert.match((await textsOf('#project-list tbody tr:first-child td'))[2], /^210 /);

  await page.type('#project-setting-ready_truck_m3', '13');
  assert.equal(await page.$eval('#project-error', (error) => error.textContent),
               'ความจุรถคอนกรีตผสมเสร็จ (ลบ.ม./คัน) ต้องมากกว่า 0 และไม่เกิน 12');
  assert.equal(await page.$eval('#project-export', (button) => button.disabled), true);
  await page.$eval('#project-setting-ready_truck_m3', (box) => { box.value = ''; });
  await page.type('#project-setting-ready_truck_m3', '5');

  await page.type('#project-name', 'บ้าน');
  await page.click('#project-export');
  const book = await downloaded('บ้าน.xlsx');
  const expected = await page.evaluate(() => projectAnswer.workbook);
  const cells = join(downloads, 'cells.json');
  writeFileSync(cells, JSON.stringify(expected));
  // openpyxl reads each cell back: a text as the text, a figure as the
  // number with its format, every sheet in its place.
  const report = execFileSync('/usr/bin/python3', ['-c', `
import json, sys, openpyxl
book = openpyxl.load_workbook(sys.argv[1])
expected = json.load(open(sys.argv[2], encoding='utf-8'))
assert book.sheetnames == [s['name'] for s in expected], book.sheetnames
for sheet in expected:
    ws = book[sheet['name']]
    for r, row in enumerate(sheet['rows'], 1):
        for c, cell in enumerate(row, 1):
            got = ws.cell(row=r, column=c)
            if cell is None:
                assert got.value is None, (sheet['name'], r, c, got.value)
            elif isinstance(cell, str):
                assert got.value == cell, (sheet['name'], r, c, got.value, cell)
            else:
                assert isinstance(got.value, (int, float)) and abs(got.value - cell['value']) < 1e-9, (sheet['name'], r, c, got.value, cell)
                assert got.number_format == cell['format'], (got.number_format, cell['format'])
print('cells', sum(len(row) for s in expected for row in s['rows']))
`, book, cells]).toString();
  assert.match(report, /^cells \d+/);

  await page.click('#project-save');
  const text = execFileSync('cat', [await downloaded('บ้าน.krv1proj')]).toString();
  const saved = krv1.readProject(text);
  assert.equal(saved.ok, true, saved.message);
  assert.equal(saved.project.elements[0].design.inputs.strength, '210');
  // The desktop's own text: read and written again, the same bytes.
  assert.equal(krv1.project(saved.project).projectText, text);
});
