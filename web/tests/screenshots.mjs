// The page after the worked design, at a phone's 360 x 740 and a desktop's
// 1280 x 800, for the README. Usage: node screenshots.mjs OUT-DIR
import { join } from 'node:path';
import { enterDesign, launchChromium } from './browser.mjs';
import { serveSite } from './site.mjs';

const out = process.argv[2] || '.';
const server = await serveSite();
const browser = await launchChromium();
try {
  for (const [name, width, height, mobile] of [['web-phone.png', 360, 740, true],
                                               ['web-desktop.png', 1280, 800, false]]) {
    const page = await browser.newPage();
    await page.setViewport({ width, height, isMobile: mobile, hasTouch: mobile });
    await page.goto(`http://127.0.0.1:${server.address().port}/`);
    await page.waitForSelector('body.ready');
    // Each picture from a fresh start: the page remembers the last design.
    await page.evaluate(() => localStorage.clear());
    await page.reload();
    await page.waitForSelector('body.ready');
    await page.type('#engineer', 'สมชาย ใจดี');
    await enterDesign(page, { strength: '240', shape: 'cube', admixture: 'with', dosage: '250',
                              slump: '7.5', stone: '3/4', moisture: '5' });
    await page.click('#calculate');
    await page.evaluate(() => document.activeElement.blur());
    await page.evaluate((phone) => {
      if (phone) document.getElementById('results').scrollIntoView();
      else window.scrollTo(0, 0);
    }, mobile);
    await page.screenshot({ path: join(out, name) });
    await page.close();
  }
} finally {
  await browser.close();
  server.close();
}
