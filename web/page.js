// The KRV1 page: the form, the two result panels, the numbered account and
// the printable report, all from the WebAssembly calculator. Nothing here
// computes a figure or holds a Thai text of its own.
'use strict';

const FIELDS = ['strength', 'shape', 'admixture', 'dosage', 'slump', 'stone', 'moisture'];
const ROWS = ['cement', 'water', 'sand', 'stone', 'admixture'];
const STORAGE_KEY = 'krv1-last-design';
const REPORT_FIRST_ACCOUNT_LINE = 2;  // lines 1 and 2 are the title and the engineer

const $ = (id) => document.getElementById(id);
let krv1 = null;
let texts = {};
let lastAnswer = null;

function radioValue(name) {
  const checked = document.querySelector(`input[name="${name}"]:checked`);
  return checked ? checked.value : null;
}

function setRadio(name, value) {
  for (const radio of document.querySelectorAll(`input[name="${name}"]`)) {
    radio.checked = radio.value === value;
  }
}

function designFromForm() {
  const entry = (id, spellings) => {
    const index = $(id).selectedIndex - 1;  // the first option is "choose"
    return index >= 0 ? spellings[index] : null;
  };
  return {
    format: 'krv1-design', version: 1, decimal: '.', group: ',',
    engineer: $('engineer').value,
    inputs: {
      strength: $('strength').value,
      shape: radioValue('shape'),
      admixture: radioValue('admixture'),
      dosage: $('dosage').value,
      slump: entry('slump', texts.slumpSpellings),
      stone: entry('stone', texts.stoneSpellings),
      moisture: $('moisture').value,
    },
    site: Object.fromEntries(texts.siteSettings.map((setting) => {
      const text = $(`site-${setting.key}`).value;
      return [setting.key, text === '' ? null : text];
    })),
  };
}

function fillForm(design) {
  const inputs = design.inputs;
  $('engineer').value = design.engineer;
  $('strength').value = inputs.strength;
  setRadio('shape', inputs.shape);
  setRadio('admixture', inputs.admixture);
  $('dosage').value = inputs.dosage;
  $('slump').selectedIndex = texts.slumpSpellings.indexOf(inputs.slump) + 1;
  $('stone').selectedIndex = texts.stoneSpellings.indexOf(inputs.stone) + 1;
  $('moisture').value = inputs.moisture;
  for (const setting of texts.siteSettings) {
    const text = design.site ? design.site[setting.key] : setting.default;
    $(`site-${setting.key}`).value = text ?? '';
  }
  enableDosage();
}

function enableDosage() {
  $('dosage').disabled = radioValue('admixture') !== 'with';
}

function showText(id, text) { $(id).textContent = text; }

function clearRefusals() {
  for (const field of FIELDS) showText(`${field}-error`, '');
  showText('status', '');
}

function focusField(field) {
  const target = field === 'shape' || field === 'admixture'
    ? document.querySelector(`input[name="${field}"]`) : $(field);
  if (target) target.focus();
}

// Shows a calculation, or the refusal beside the input at fault; a refused
// design leaves the results shown before as they were.
function calculate() {
  clearRefusals();
  const design = designFromForm();
  remember(design);
  const answer = krv1.calculate(design);
  if (!answer.ok) {
    if (FIELDS.includes(answer.field)) {
      showText(`${answer.field}-error`, answer.message);
      focusField(answer.field);
    } else {
      showText('status', answer.message);
    }
    return false;
  }
  lastAnswer = answer;
  for (const panel of ['before', 'after']) {
    ROWS.forEach((row, i) => {
      $(panel).tBodies[0].rows[i].cells[1].textContent = answer.panel[panel][row];
    });
  }
  const account = $('account');
  account.replaceChildren(...answer.report.slice(REPORT_FIRST_ACCOUNT_LINE).map((line) => {
    const item = document.createElement('li');
    item.textContent = line;
    return item;
  }));
  $('report').querySelectorAll('.line').forEach((element, i) => {
    element.textContent = answer.report[i];
  });
  $('print').disabled = false;
  $('copy').disabled = false;
  showSheet(answer);
  return true;
}

// The site batch sheet follows every keystroke in its settings.
function showSheet(answer) {
  showText('sheet', answer.sheetText);
  showText('site-error', answer.sheetProblems[0] || '');
}

function remember(design) {
  try { localStorage.setItem(STORAGE_KEY, JSON.stringify(design)); } catch (e) { /* private mode */ }
}

function recalled() {
  try {
    const stored = localStorage.getItem(STORAGE_KEY);
    if (!stored) return null;
    const reading = krv1.readDesign(stored);
    return reading.ok ? reading.design : null;
  } catch (e) {
    return null;
  }
}

// The file's bytes go to the module's codec as they are, so the page refuses
// what the desktop refuses (invalid UTF-8, more than the largest design); a
// byte past that largest size is enough to refuse a huge file unread.
async function openDesign(file) {
  const head = file.slice(0, krv1.largestDesignBytes + 1);
  const reading = krv1.readDesignFile(new Uint8Array(await head.arrayBuffer()));
  if (!reading.ok) {
    showText('status', reading.message);
    return;
  }
  fillForm(reading.design);
  calculate();
}

function saveDesign() {
  const text = krv1.writeDesign(designFromForm());
  const link = document.createElement('a');
  link.href = URL.createObjectURL(new Blob([text], { type: 'application/json' }));
  link.download = krv1.designFileName($('engineer').value);
  document.body.append(link);
  link.click();
  link.remove();
  URL.revokeObjectURL(link.href);
}

function showHint(key) {
  if (texts.hints[key]) showText('hint-text', texts.hints[key]);
}

function fillTexts() {
  for (const element of document.querySelectorAll('[data-text]')) {
    element.textContent = texts[element.dataset.text];
  }
  const fillList = (id, entries) => {
    const list = $(id);
    list.replaceChildren(...[texts.chooseEntry, ...entries].map((entry, i) => {
      const option = document.createElement('option');
      option.textContent = entry;
      option.value = String(i);
      return option;
    }));
  };
  $('site-settings').replaceChildren(...texts.siteSettings.map((setting) => {
    const field = document.createElement('div');
    field.className = 'field';
    const label = document.createElement('label');
    label.htmlFor = `site-${setting.key}`;
    label.textContent = setting.caption;
    const box = document.createElement('input');
    box.id = `site-${setting.key}`;
    box.inputMode = 'decimal';
    box.value = setting.default;
    field.append(label, box);
    return field;
  }));
  fillList('slump', texts.slumpEntries);
  fillList('stone', texts.stoneEntries);
  for (const panel of ['before', 'after']) {
    $(panel).tBodies[0].replaceChildren(...texts.rows.map((caption, i) => {
      const row = document.createElement('tr');
      const head = document.createElement('th');
      head.scope = 'row';
      head.textContent = caption;
      const value = document.createElement('td');
      value.id = `${panel}-${ROWS[i]}`;
      row.append(head, value);
      return row;
    }));
  }
  // The printable report: each line where the desktop prints it.
  $('report').replaceChildren(...krv1.reportLayout().map((place) => {
    const line = document.createElement('div');
    line.className = place.bold ? 'line bold' : 'line';
    line.style.left = `${place.x / 1440}in`;
    line.style.top = `${place.y / 1440}in`;
    return line;
  }));
}

function connect() {
  $('design').addEventListener('submit', (event) => {
    event.preventDefault();
    calculate();
  });
  for (const radio of document.querySelectorAll('input[name="admixture"]')) {
    radio.addEventListener('change', enableDosage);
  }
  for (const element of document.querySelectorAll('[data-hint]')) {
    const hint = () => showHint(element.dataset.hint);
    element.addEventListener('focus', hint);
    element.addEventListener('mouseenter', hint);
    element.addEventListener('change', hint);
  }
  $('design').addEventListener('input', () => remember(designFromForm()));
  $('site-settings').addEventListener('input', () => {
    const design = designFromForm();
    remember(design);
    const answer = krv1.calculate(design);
    if (answer.ok) showSheet(answer);
  });
  $('open-file').addEventListener('change', (event) => {
    const [file] = event.target.files;
    if (file) openDesign(file);
    event.target.value = '';
  });
  $('open').addEventListener('click', () => $('open-file').click());
  $('save').addEventListener('click', saveDesign);
  $('print').addEventListener('click', () => window.print());
  $('copy').addEventListener('click', async () => {
    if (!lastAnswer) return;
    try {
      await navigator.clipboard.writeText(lastAnswer.copyText);
      showText('status', texts.copied);
    } catch (e) { /* no clipboard without a secure page */ }
  });
  $('show-conditions').addEventListener('click', () => $('conditions').showModal());
}

createKrv1().then((module) => {
  krv1 = module;
  texts = krv1.pageTexts();
  fillTexts();
  connect();
  // The last design comes back as it was left; its results only when it
  // calculates, so that an unfinished design shows no message at load.
  const design = recalled();
  if (design) {
    fillForm(design);
    if (krv1.calculate(design).ok) calculate();
  }
  document.body.classList.add('ready');
});

if ('serviceWorker' in navigator) {
  navigator.serviceWorker.register('service-worker.js').catch(() => {});
}
