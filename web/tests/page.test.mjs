// The page in headless Chromium: the worked designs typed in, the panels, the
// account and the report read back, a refusal, and the page offline.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { enterDesign, launchChromium } from './browser.mjs';
import { serveSite } from './site.mjs';

let server;
let browser;
let page;
let address;

before(async () => {
  server = await serveSite();
  address = `http://127.0.0.1:${server.address().port}/`;
  browser = await launchChromium();
  page = await browser.newPage();
  await page.setViewport({ width: 360, height: 740, isMobile: true, hasTouch: true });
  await page.goto(address);
  await page.waitForSelector('body.ready');
});

after(async () => {
  await browser?.close();
  server?.close();
});

const textsOf = (selector) =>
  page.$$eval(selector, (elements) => elements.map((element) => element.textContent));

const WORKED = { strength: '240', shape: 'cube', admixture: 'without', dosage: '', slump: '7.5',
                 stone: '3/4', moisture: '5' };

test('the worked designs fill both panels, the account and the report', async () => {
  await page.type('#engineer', 'สมชาย ใจดี');
  for (const [inputs, after] of [
    [WORKED, ['310      กิโลกรัม', '155     ลิตร', '835      กิโลกรัม', '1110       กิโลกรัม',
              '0     ซีซี']],
    [{ ...WORKED, admixture: 'with', dosage: '250' },
     ['295      กิโลกรัม', '145     ลิตร', '845      กิโลกรัม', '1135       กิโลกรัม',
      '750     ซีซี']],
  ]) {
    await enterDesign(page, inputs);
    await page.click('#calculate');
    assert.deepEqual(await textsOf('#after td'), after);
  }
  assert.equal((await textsOf('#before td'))[1], '180     ลิตร');
  const account = await textsOf('#account li');
  assert.equal(account.length, 42);
  assert.equal(account[0], 'กำลังอัดที่ต้องการ=240  กก./ตร.ซม.');
  // Each line keeps its own number only: the list adds none.
  assert.equal(await page.$eval('#account li', (line) => getComputedStyle(line).listStyleType),
               'none');
  const report = await textsOf('#report .line');
  // The account's 44 places, the margin's and the cube basis's, then the
  // project, the day, the specimen, the dosage and two signatures, then the
  // two rows the site's materials take beyond the margin and the cube basis.
  assert.equal(report.length, 54);
  assert.deepEqual(report.slice(44, 47), ['', '', '']);  // a cube, no records, no project
  assert.match(report[47], /^วันที่ \d+ \S+ 25\d\d$/);
  assert.equal(report[48], 'ตัวอย่างทดสอบ: ลูกบาศก์ 15 ซม.');
  assert.equal(report[49], 'ปริมาณน้ำยาผสมคอนกรีต 250 ซีซี ต่อปูนซีเมนต์ 100 กก.');
  assert.match(report[50], /^ลงชื่อ \.+ ผู้ออกแบบ$/);
  assert.equal(report[1], ' วิศวกร : สมชาย ใจดี');
  assert.equal(report[43], 'น้ำยาผสมคอนกรีต=750     ซีซี');
  assert.equal(await page.$eval('#print', (button) => button.disabled), false);
  // The sheet follows its settings as they are typed.
  await page.focus('#site-bag');
  await page.keyboard.press('End');
  await page.keyboard.type('0');  // 50 becomes 500: out of its range
  assert.match(await page.$eval('#site-error', (error) => error.textContent), /1 ถึง 100/);
  await page.keyboard.press('Backspace');
  assert.match(await page.$eval('#sheet', (sheet) => sheet.textContent), /ปูนซีเมนต์  6 ถุง/);  // 295 kg / 50 kg, rounded up
  // Printed, the report is one A4 page.
  const pdf = Buffer.from(await page.pdf({ preferCSSPageSize: true })).toString('latin1');
  assert.equal(pdf.match(/\/Type\s*\/Page\b/g).length, 1);
  if (process.env.KRV1_REPORT_PDF) (await import('node:fs')).writeFileSync(process.env.KRV1_REPORT_PDF, pdf, 'latin1');
});

test('a refusal stands beside its input and leaves the results', async () => {
  const before = await textsOf('#after td');
  await enterDesign(page, { ...WORKED, moisture: '5,5' });
  await page.click('#calculate');
  assert.equal(await page.$eval('#moisture-error', (error) => error.textContent),
               'กรุณาใส่ความชื้นทราย(%) เป็นตัวเลข');
  assert.equal(await page.evaluate(() => document.activeElement.id), 'moisture');
  assert.deepEqual(await textsOf('#after td'), before);
});

test('a design file is read as the desktop reads it, bytes and all', async () => {
  const { mkdtempSync, writeFileSync } = await import('node:fs');
  const { tmpdir } = await import('node:os');
  const { join } = await import('node:path');
  const folder = mkdtempSync(join(tmpdir(), 'krv1-page-'));
  const good = JSON.stringify({
    format: 'krv1-design', version: 1, engineer: 'วิภา',
    inputs: { ...WORKED, admixture: 'with', dosage: '250' } });
  const files = {
    'good.krv1': Buffer.from(good),
    'latin1.krv1': Buffer.concat([Buffer.from(good.slice(0, 40)), Buffer.from([0xe9]),
                                  Buffer.from(good.slice(40))]),
    'huge.krv1': Buffer.alloc(1024 * 1024 + 1, 0x20),
  };
  for (const [name, bytes] of Object.entries(files)) writeFileSync(join(folder, name), bytes);
  const open = async (name) => {
    const input = await page.$('#open-file');
    await input.uploadFile(join(folder, name));
    await page.waitForFunction(() => document.querySelector('#status').textContent !== '' ||
                                     document.querySelector('#engineer').value === 'วิภา');
  };
  await page.$eval('#engineer', (box) => { box.value = ''; });
  for (const [name, message] of [['latin1.krv1', 'แฟ้มนี้ไม่ใช่แบบส่วนผสม KRV1'],
                                 ['huge.krv1', 'แฟ้มมีขนาดใหญ่เกินกว่าที่เป็นแบบส่วนผสมได้']]) {
    await page.$eval('#status', (status) => { status.textContent = ''; });
    await open(name);
    assert.equal(await page.$eval('#status', (status) => status.textContent), message, name);
    assert.equal(await page.$eval('#engineer', (box) => box.value), '');
  }
  await page.$eval('#status', (status) => { status.textContent = ''; });
  await open('good.krv1');
  assert.equal(await page.$eval('#engineer', (box) => box.value), 'วิภา');
  assert.equal((await textsOf('#after td'))[4], '750     ซีซี');
});

test('a comma design opens with its marks, a refused one changes nothing, a new one clears', async () => {
  const { mkdtempSync, writeFileSync } = await import('node:fs');
  const { tmpdir } = await import('node:os');
  const { join } = await import('node:path');
  const folder = mkdtempSync(join(tmpdir(), 'krv1-comma-'));
  const design = (inputs) => JSON.stringify({ format: 'krv1-design', version: 1, decimal: ',',
    group: '.', engineer: 'วิภา', inputs: { ...WORKED, ...inputs }, site: { volume: '12,5' } });
  writeFileSync(join(folder, 'comma.krv1'), design({ moisture: '5,5' }));
  writeFileSync(join(folder, 'refused.krv1'), design({ strength: 'มาก' }));
  const open = async (name) => {
    await page.$eval('#status', (status) => { status.textContent = ''; });
    await (await page.$('#open-file')).uploadFile(join(folder, name));
    await page.waitForFunction(() => document.querySelector('#moisture').value === '5,5' ||
                                     document.querySelector('#strength-error').textContent !== '');
  };
  await open('comma.krv1');
  const shown = await textsOf('#after td');
  // As krv1 --report and --sheet give the same file on the desktop.
  assert.deepEqual(shown, ['310      กิโลกรัม', '150     ลิตร', '840      กิโลกรัม',
                           '1110       กิโลกรัม', '0     ซีซี']);
  assert.match(await page.$eval('#sheet', (sheet) => sheet.textContent), /ปูนซีเมนต์  3\.875,0 กก\./);
  // Printed, the sheet is one A4 page.
  await page.evaluate(() => {
    document.body.classList.add('printing-sheet');
    fillSheetPage(lastAnswer.sheetRows, lastAnswer.sheetPoints);
  });
  const pdf = Buffer.from(await page.pdf({ preferCSSPageSize: true })).toString('latin1');
  assert.equal(pdf.match(/\/Type\s*\/Page\b/g).length, 1);
  await page.evaluate(() => document.body.classList.remove('printing-sheet'));
  await open('refused.krv1');
  assert.equal(await page.$eval('#moisture', (box) => box.value), '5,5');
  assert.deepEqual(await textsOf('#after td'), shown);
  assert.notEqual(await page.$eval('#strength-error', (error) => error.textContent), '');
  await page.click('#new');
  assert.equal(await page.$eval('#strength', (box) => box.value), '');
  assert.equal(await page.$eval('#engineer', (box) => box.value), 'วิภา');
  assert.deepEqual(await textsOf('#after td'), ['', '', '', '', '']);
  assert.equal(await page.$eval('#print', (button) => button.disabled), true);
});

test('the trial follows its boxes, with its chart', async () => {
  await enterDesign(page, WORKED);
  await page.click('#calculate');
  await page.type('#trial-slump', '10');
  assert.match(await page.$eval('#trial-text', (text) => text.textContent),
               /\nน้ำที่ใช้ออกแบบใหม่  180 ลิตร\/ลบ\.ม\.\n/);
  assert.equal(await page.$$eval('#trial-chart path', (marks) => marks.length), 2 + 2);
  await page.type('#trial-strength', '280');
  assert.equal(await page.$$eval('#trial-chart path', (marks) => marks.length), 3 + 3);
  await page.type('#trial-density', '1');  // 1 kg/m3: refused, the trial stays
  assert.equal(await page.$eval('#trial-error', (error) => error.textContent),
               'หน่วยน้ำหนักคอนกรีตสดต้องอยู่ระหว่าง 2000 ถึง 2700 กก./ลบ.ม.');
  assert.match(await page.$eval('#trial-text', (text) => text.textContent), /280/);
  await page.$eval('#trial-density', (box) => { box.value = ''; });
});

test('a design whose trial box is refused shows nothing of the trial before it', async () => {
  const { mkdtempSync, writeFileSync } = await import('node:fs');
  const { tmpdir } = await import('node:os');
  const { join } = await import('node:path');
  const file = join(mkdtempSync(join(tmpdir(), 'krv1-trial-')), 'refused-trial.krv1');
  writeFileSync(file, JSON.stringify({ format: 'krv1-design', version: 2, engineer: '',
                                       inputs: WORKED, trial: { density: '1800' } }));
  await enterDesign(page, WORKED);
  await page.click('#calculate');
  assert.notEqual(await page.$eval('#trial-text', (text) => text.textContent), '');
  await (await page.$('#open-file')).uploadFile(file);
  await page.waitForFunction(() => document.querySelector('#trial-error').textContent !== '');
  assert.equal(await page.$eval('#trial-error', (error) => error.textContent),
               'หน่วยน้ำหนักคอนกรีตสดต้องอยู่ระหว่าง 2000 ถึง 2700 กก./ลบ.ม.');
  assert.equal(await page.$eval('#trial-text', (text) => text.textContent), '');
  assert.equal(await page.$$eval('#trial-chart path', (marks) => marks.length), 0);
  assert.equal(await page.$eval('#trial-volume', (box) => box.placeholder), '');
  await page.click('#new');
});

test('records pasted from a spreadsheet earn the margin the design then uses', async () => {
  await enterDesign(page, WORKED);
  await page.click('#calculate');
  await page.click('#records-add');
  // Fifteen cube tests as a spreadsheet copies them.
  const rows = Array.from({ length: 15 }, (_, i) => `${i + 1}/1/2569\t${300 + (i * 7) % 30}`);
  await page.$eval('#records-table tbody input', (input, text) => {
    const data = new DataTransfer();
    data.setData('text/plain', text);
    input.dispatchEvent(new ClipboardEvent('paste', { clipboardData: data, bubbles: true,
                                                      cancelable: true }));
  }, rows.join('\r\n'));
  assert.equal(await page.$$eval('#records-table tbody tr', (trs) => trs.length), 15);
  assert.equal(await page.$eval('#records-verdict', (p) => p.textContent), 'ผ่านเกณฑ์การยอมรับ');
  assert.equal(await page.$$eval('#records-chart path', (marks) => marks.length), 15 + 1);
  await page.click('#records-use-margin');
  assert.match((await textsOf('#account li')).join('\n'), /margin\(14\.3 กก\.\/ตร\.ซม\.\)\)=254/);
  // Above the results, the engineer sees the margin in use.
  assert.equal(await page.$eval('#margin-notice', (p) => p.textContent),
               'ใช้ส่วนเผื่อจากผลทดสอบ 14.3 กก./ตร.ซม. แทน 60');
  // Unticked, the design takes the method's 60 again.
  await page.click('#records-use-margin');
  assert.match((await textsOf('#account li')).join('\n'), /margin\(60 กก\.\/ตร\.ซม\.\)\)=300/);
  assert.equal(await page.$eval('#margin-notice', (p) => p.textContent), '');
  await page.click('#records-use-margin');
  // One column of several lines fills as many rows, from the cell pasted into.
  await page.$eval('#records-table tbody tr:nth-child(14) td:nth-child(3) input', (input) => {
    const data = new DataTransfer();
    data.setData('text/plain', '301\n302\n303');
    input.dispatchEvent(new ClipboardEvent('paste', { clipboardData: data, bubbles: true,
                                                      cancelable: true }));
  });
  assert.deepEqual(await page.$$eval('#records-table tbody td:nth-child(3) input',
                                     (boxes) => boxes.slice(13).map((box) => box.value)),
                   ['301', '302', '303']);
  // A value that is no strength names and marks its row; the figures stay.
  await page.type('#records-table tbody tr:nth-child(2) td:nth-child(3) input', 'x');
  assert.equal(await page.$eval('#records-error', (p) => p.textContent), 'ผลทดสอบแถวที่ 2 ไม่ถูกต้อง');
  assert.equal(await page.$eval('#records-table tbody tr:nth-child(2)',
                                (tr) => tr.classList.contains('refused')), true);
  assert.match(await page.$eval('#records-text', (text) => text.textContent), /จำนวนผลทดสอบ  16 ชุด/);
  await page.click('#new');
  assert.equal(await page.$$eval('#records-table tbody tr', (trs) => trs.length), 0);
  assert.equal(await page.$eval('#margin-notice', (p) => p.textContent), '');
});

test('at 360 px the records table is read whole, started by a tap and pasted by a long press', async () => {
  assert.equal(await page.$eval('#records-paste-hint', (p) => p.textContent),
               'วางแถวจากตารางคำนวณได้โดยแตะค้างที่ช่องแล้วเลือกวาง (คอลัมน์คั่นด้วยแท็บ หนึ่งบรรทัดต่อหนึ่งแถว)');
  await page.tap('#records-room');
  assert.equal(await page.$$eval('#records-table tbody tr', (trs) => trs.length), 1);
  assert.equal(await page.evaluate(() => document.activeElement.getAttribute('aria-label')),
               'วันที่ แถวที่ 1');
  const row = ['01/11/2025', '245.5', '251.0', '248.5', 'ฐานรากเสาเข็ม F1'];
  const inputs = await page.$$('#records-table tbody input');
  for (const [i, text] of row.entries()) await inputs[i].type(text);
  // Every box shows its whole text; the table scrolls in its own box.
  const cut = await page.$$eval('#records-table tbody input',
                                (boxes) => boxes.filter((box) => box.scrollWidth > box.clientWidth)
                                  .map((box) => box.value));
  assert.deepEqual(cut, []);
  assert.ok(await page.$eval('body', (body) => body.scrollWidth <= 360));
  await page.click('#new');
});

test('the site\'s materials recalculate at once, and a refused box says why beside the boxes', async () => {
  await enterDesign(page, WORKED);
  await page.click('#calculate');
  await page.select('#material-cement', 'hydraulic');
  assert.equal(await page.$eval('#materials-note', (note) => note.textContent),
               'เส้นความสัมพันธ์ W/C กับกำลังอัดของวิธีนี้มาจากปูนซีเมนต์ปอร์ตแลนด์ ควรยืนยันด้วยการผสมทดลอง');
  assert.equal(await page.$eval('#material-cement_sg', (box) => box.placeholder), '3.15');
  for (const [key, text] of [['cement_sg', '3.05'], ['sand_sg', '2.62'], ['sand_absorption', '1.2'],
                             ['stone_sg', '2.68'], ['stone_absorption', '0.6'], ['stone_moisture', '2.0']]) {
    await page.type(`#material-${key}`, text);
  }
  // By hand: 310, 145, 810 and 1115 kg of stone weighed wet.
  assert.deepEqual(await textsOf('#after td'),
                   ['310      กิโลกรัม', '145     ลิตร', '810      กิโลกรัม', '1115       กิโลกรัม',
                    '0     ซีซี']);
  assert.match(await page.$eval('#materials-notice', (notice) => notice.textContent),
               /^คำนวณด้วยวัสดุของหน้างาน ปูนซีเมนต์ไฮดรอลิก/);
  await page.type('#material-stone_moisture', '0');  // 2.00 %: the same figure
  await page.type('#material-sand_sg', '9');          // 2.629 kept; then one more figure
  await page.type('#material-sand_sg', '9');          // 2.6299: within the range, too long to print
  assert.equal(await page.$eval('#materials-error', (error) => error.textContent),
               'ความถ่วงจำเพาะของทรายต้องอยู่ระหว่าง 2.30 ถึง 2.90');
  assert.equal(await page.$eval('#material-sand_sg', (box) => box.hasAttribute('aria-invalid')), true);
  assert.equal((await textsOf('#after td'))[3], '1115       กิโลกรัม');
  await page.click('#materials-defaults');
  assert.equal(await page.$eval('#materials-error', (error) => error.textContent), '');
  assert.deepEqual(await textsOf('#after td'),
                   ['310      กิโลกรัม', '155     ลิตร', '835      กิโลกรัม', '1110       กิโลกรัม',
                    '0     ซีซี']);
  assert.equal(await page.$eval('#materials-notice', (notice) => notice.textContent), '');
});

test('the last design comes back, and the page works offline', async () => {
  await enterDesign(page, WORKED);
  await page.keyboard.press('Enter');
  await page.evaluate(() => navigator.serviceWorker.ready);
  await page.reload();
  await page.waitForSelector('body.ready');
  assert.ok(await page.evaluate(() => navigator.serviceWorker.controller !== null));
  server.close();
  server.closeAllConnections();
  await page.setOfflineMode(true);
  await page.reload();
  await page.waitForSelector('body.ready');
  assert.equal(await page.$eval('#strength', (box) => box.value), '240');
  assert.equal((await textsOf('#after td'))[2], '835      กิโลกรัม');
  // The report's own stylesheet came from the cache too: printed, the page
  // is the A4 report alone.
  const display = (selector) => page.$eval(selector, (e) => getComputedStyle(e).display);
  assert.equal(await display('#report'), 'none');
  await page.emulateMediaType('print');
  assert.equal(await display('#screen'), 'none');
  assert.equal(await display('#report'), 'block');
  await page.emulateMediaType(null);
});
