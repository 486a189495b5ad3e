// The page for everyone, in headless Chromium: axe finds nothing on a
// phone's width or a desktop's, empty, calculated, refusing or with its
// dialog open; Tab walks every control in the form's order with a visible
// focus; a refusal is announced and takes the focus; and Chromium finds
// the page installable.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { AxePuppeteer } from '@axe-core/puppeteer';
import { enterDesign, launchChromium } from './browser.mjs';
import { serveSite } from './site.mjs';

let server;
let browser;
let page;
let address;

before(async () => {
  server = await serveSite({ compress: true });
  address = `http://127.0.0.1:${server.address().port}/`;
  browser = await launchChromium();
  page = await browser.newPage();
});

after(async () => {
  await browser?.close();
  server?.close();
});

const WORKED = { strength: '240', shape: 'cube', admixture: 'without', dosage: '', slump: '7.5',
                 stone: '3/4', moisture: '5' };

async function fresh(width) {
  await page.setViewport({ width, height: width < 400 ? 740 : 800, isMobile: width < 400 });
  await page.goto(address);
  await page.evaluate(() => localStorage.clear());
  await page.reload();
  await page.waitForSelector('body.ready');
}

async function violations(state) {
  const { violations: found } = await new AxePuppeteer(page).analyze();
  return found.map((v) => `${state}: ${v.id} (${v.nodes.map((n) => n.target).join(', ')})`);
}

for (const width of [360, 1280]) {
  test(`axe finds nothing at ${width} px, in every state`, async () => {
    await fresh(width);
    const found = await violations('empty');
    await enterDesign(page, WORKED);
    await page.click('#calculate');
    await page.click('#records-add');
    await page.type('#records-table tbody input', '1/1/2569');
    found.push(...await violations('calculated, with a record'));
    await enterDesign(page, { ...WORKED, strength: 'abc' });
    await page.click('#calculate');
    found.push(...await violations('refusing'));
    await page.click('#show-conditions');
    found.push(...await violations('conditions open'));
    await page.keyboard.press('Escape');
    assert.deepEqual(found, []);
  });
}

test('Tab reaches every control in the order of the form, with a visible focus', async () => {
  await fresh(1280);
  const expected = await page.$$eval(
    '#screen :is(button, input, select, textarea, [tabindex]):not([disabled]):not([hidden])',
    (controls) => controls.filter((c) => c.offsetParent !== null && c.tabIndex >= 0)
      // one stop for a group of radio buttons
      .filter((c, i, all) => c.type !== 'radio' || all.findIndex((o) => o.name === c.name) === i)
      .map((c) => c.id || `${c.name}`));
  await page.focus('#new');
  const reached = [];
  for (let i = 0; i < expected.length; ++i) {
    const focused = await page.evaluate(() => {
      const e = document.activeElement;
      const style = getComputedStyle(e);
      return { id: e.id || e.name, outline: style.outlineStyle !== 'none' && style.outlineWidth !== '0px' };
    });
    reached.push(focused.id);
    assert.ok(focused.outline, `no visible focus on ${focused.id}`);
    await page.keyboard.press('Tab');
  }
  assert.deepEqual(reached, expected);
});

test('a refusal is announced and takes the focus to its box', async () => {
  await fresh(360);
  await enterDesign(page, { ...WORKED, moisture: 'เปียก' });
  await page.click('#calculate');
  assert.equal(await page.evaluate(() => document.activeElement.id), 'moisture');
  assert.equal(await page.$eval('#moisture-error', (p) => p.getAttribute('aria-live')), 'assertive');
  assert.notEqual(await page.$eval('#moisture-error', (p) => p.textContent), '');
  assert.equal(await page.$eval('#moisture', (box) => box.getAttribute('aria-describedby')),
               'moisture-error');
});

test('Chromium finds the page installable: its manifest and its service worker', async () => {
  await fresh(360);
  await page.evaluate(() => navigator.serviceWorker.ready);
  await page.reload();
  await page.waitForSelector('body.ready');
  const manifest = await page.evaluate(async () => {
    const link = document.querySelector('link[rel="manifest"]');
    return (await fetch(link.href)).json();
  });
  assert.equal(manifest.lang, 'th');
  assert.match(manifest.name, /[\u0e00-\u0e7f]/);
  assert.match(manifest.short_name, /[\u0e00-\u0e7f]/);
  for (const key of ['id', 'start_url', 'scope']) assert.ok(manifest[key], key);
  const icons = manifest.icons.map((icon) => `${icon.sizes} ${icon.purpose}`);
  for (const icon of ['192x192 any', '512x512 any', '512x512 maskable']) {
    assert.ok(icons.includes(icon), icon);
  }
  assert.ok(await page.evaluate(() => navigator.serviceWorker.controller !== null));
  const client = await page.createCDPSession();
  const { installabilityErrors } = await client.send('Page.getInstallabilityErrors');
  assert.deepEqual(installabilityErrors, []);
});
