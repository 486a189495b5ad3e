// Debian's Chromium, headless, driven by puppeteer-core (which fetches no
// browser of its own).
import puppeteer from 'puppeteer-core';

export function launchChromium() {
  return puppeteer.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    headless: true,
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
           '--disable-background-networking', '--disable-component-update', '--disable-sync'],
  });
}

// Fills the page's form as an engineer would, by keyboard and clicks.
export async function enterDesign(page, inputs) {
  const type = async (id, text) => {
    await page.click(`#${id}`, { clickCount: 3 });
    await page.keyboard.press('Backspace');
    if (text) await page.type(`#${id}`, text);
  };
  await type('strength', inputs.strength);
  await page.click(`input[name="shape"][value="${inputs.shape}"]`);
  await page.click(`input[name="admixture"][value="${inputs.admixture}"]`);
  if (inputs.admixture === 'with') await type('dosage', inputs.dosage);
  await page.select('#slump', String(['7.5', '10.0', '12.5'].indexOf(inputs.slump) + 1));
  await page.select('#stone', String(['1', '3/4'].indexOf(inputs.stone) + 1));
  await type('moisture', inputs.moisture);
}
