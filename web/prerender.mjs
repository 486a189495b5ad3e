// Writes the page with every text of the program in place: the form, its
// lists and boxes, the panels' rows and the report's lines, so that the form
// is painted at once and nothing moves when the calculator has loaded. The
// texts are the module's own, from text/.
// Usage: node prerender.mjs <page template> <report.css> <manifest> <site folder>
import { readFileSync, writeFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { join, resolve } from 'node:path';

const [template, reportCss, manifest, site] = process.argv.slice(2).map((path) => resolve(path));
const createKrv1 = createRequire(import.meta.url)(join(site, 'krv1.js'));
const krv1 = await createKrv1({ wasmBinary: readFileSync(join(site, 'krv1.wasm')) });
const texts = krv1.pageTexts();

const escape = (text) => String(text).replace(/&/g, '&amp;').replace(/</g, '&lt;')
  .replace(/>/g, '&gt;').replace(/"/g, '&quot;');

const field = (id, caption, value = '') =>
  `<div class="field"><label for="${id}">${escape(caption)}</label>` +
  `<input id="${id}" inputmode="decimal" value="${escape(value)}"></div>`;

// An empty box shows the method's value it stands for; a refusal names it.
const materialField = (box) =>
  `<div class="field"><label for="material-${box.key}">${escape(box.caption)}</label>` +
  `<input id="material-${box.key}" inputmode="decimal" placeholder="${escape(box.default)}" ` +
  'aria-describedby="materials-error"></div>';

const options = (entries) => [texts.chooseEntry, ...entries]
  .map((entry, i) => `<option value="${i}">${escape(entry)}</option>`).join('');

const panelRows = (panel) => texts.rows
  .map((caption, i) => `<tr><th scope="row">${escape(caption)}</th>` +
                       `<td id="${panel}-${texts.rowKeys[i]}"></td></tr>`).join('');

// Each element's contents, by its id; then every data-text element's text.
const contents = {
  slump: options(texts.slumpEntries),
  stone: options(texts.stoneEntries),
  'material-cement': texts.cements
    .map((cement) => `<option value="${cement.key}">${escape(cement.name)}</option>`).join(''),
  'material-boxes': texts.materialBoxes.map(materialField).join(''),
  'project-settings': texts.projectSettings
    .map((setting) => field(`project-setting-${setting.key}`, setting.caption)).join(''),
  'project-head': texts.projectListHeader
    .map((name) => `<th scope="col">${escape(name)}</th>`).join(''),
  'trial-boxes': texts.trialBoxes.map((box) => field(`trial-${box.key}`, box.caption)).join(''),
  'site-settings': texts.siteSettings
    .map((setting) => field(`site-${setting.key}`, setting.caption, setting.default)).join(''),
  'records-head': [texts.recordsRow.trim(), ...texts.recordsColumns]
    .map((name) => `<th scope="col">${escape(name)}</th>`).join(''),
  'before-rows': panelRows('before'),
  'after-rows': panelRows('after'),
  report: krv1.reportLayout()
    .map((place) => `<div class="${place.bold ? 'line bold' : 'line'}"></div>`).join(''),
};
let page = readFileSync(template, 'utf8');
for (const [id, html] of Object.entries(contents)) {
  const empty = new RegExp(`(<([a-z]+)[^>]*\\bid="${id}"[^>]*>)(</\\2>)`);
  if (!empty.test(page)) throw new Error(`no empty element #${id} in the template`);
  page = page.replace(empty, `$1${html}$3`);
}
page = page.replace(/(<([a-z0-9]+)[^>]*\bdata-text="(\w+)"[^>]*>)(<\/\2>)/g, (all, open, tag, key, close) => {
  if (!(key in texts)) throw new Error(`no text ${key}`);
  return `${open}${escape(texts[key])}${close}`;
});
if (/data-text="\w+"[^>]*><\//.test(page)) throw new Error('a data-text element left empty');
// The texts the page's script writes itself (messages, a new row's names,
// the charts' legends), as data: read at once, before the calculator loads.
const data = JSON.stringify(texts).replace(/</g, '\\u003c');
page = page.replace('<script type="application/json" id="page-texts"></script>',
                    `<script type="application/json" id="page-texts">${data}</script>`);
page = page.replace('<meta name="description" content="">',
                    `<meta name="description" content="${escape(texts.description)}">`);
writeFileSync(join(site, 'index.html'), page);

// The printed report: each line where the desktop prints it, in inches from
// the page's top left corner, as rules of the style sheet (the page's
// security policy takes no inline styles).
// A line placed by its right end (the day) ends there.
const places = krv1.reportLayout().map((place, i) => (place.right
  ? `#report .line:nth-child(${i + 1}) { right: calc(210mm - ${place.x / 1440}in); top: ${place.y / 1440}in; }`
  : `#report .line:nth-child(${i + 1}) { left: ${place.x / 1440}in; top: ${place.y / 1440}in; }`));
writeFileSync(join(site, 'report.css'), `${readFileSync(reportCss, 'utf8')}${places.join('\n')}\n`);

// The installed page's Thai names.
const installed = JSON.parse(readFileSync(manifest, 'utf8'));
installed.name = texts.appName;
installed.short_name = texts.appShortName;
writeFileSync(join(site, 'manifest.webmanifest'), `${JSON.stringify(installed, null, 2)}\n`);
