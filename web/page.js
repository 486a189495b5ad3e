// The KRV1 page: the form, the two result panels, the numbered account and
// the printable report, all from the WebAssembly calculator. Nothing here
// computes a figure or holds a Thai text of its own.
'use strict';

const FIELDS = ['strength', 'shape', 'admixture', 'dosage', 'slump', 'stone', 'moisture'];
const STORAGE_KEY = 'krv1-last-design';
const REPORT_FIRST_ACCOUNT_LINE = 2;  // lines 1 and 2 are the title and the engineer

const $ = (id) => document.getElementById(id);
let krv1 = null;
let texts = {};
let lastAnswer = null;
// The marks the boxes are typed with: an opened design's own, else the
// browser's, as the desktop takes the system's for a design typed in.
// Asked of the browser only when first needed: making its number format
// costs a phone a tenth of a second, which the page's start is spared.
let separators = null;

function typedSeparators() {
  separators ??= browserSeparators();
  return { decimal: separators.decimal, group: separators.group };
}

function browserSeparators() {
  const parts = new Intl.NumberFormat(navigator.language).formatToParts(12345.6);
  const mark = (type, otherwise) => (parts.find((part) => part.type === type) || {}).value || otherwise;
  const decimal = mark('decimal', '.');
  const group = mark('group', decimal === ',' ? '.' : ',');
  return { decimal, group: group === decimal ? '' : group };
}

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
    format: 'krv1-design', version: 1, ...typedSeparators(),
    engineer: $('engineer').value,
    ...($('project').value === '' ? {} : { project: $('project').value }),
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
    ...trialFromForm(),
    ...recordsFromForm(),
    ...materialsFromForm(),
  };
}

// The materials go with the design once they are not the method's: another
// cement, or a box that holds a text.
function materialsFromForm() {
  const cement = $('material-cement').value;
  const boxes = texts.materialBoxes.map((box) => {
    const text = $(`material-${box.key}`).value;
    return [box.key, text === '' ? null : text];
  });
  if (cement === 'portland' && boxes.every(([, text]) => text === null)) return {};
  return { materials: { cement, ...Object.fromEntries(boxes) } };
}

function fillMaterials(materials) {
  $('material-cement').value = (materials && materials.cement) || 'portland';
  for (const box of texts.materialBoxes) {
    $(`material-${box.key}`).value = (materials && materials[box.key]) ?? '';
  }
  showMaterialsRefusal(null);
  showText('materials-note',
           $('material-cement').value === 'portland' ? '' : texts.materialsCurveNote);
}

const isMaterial = (field) => texts.materialBoxes.some((box) => box.key === field);

// The box a material's refusal names, marked, with the message under the
// boxes; none clears them.
function showMaterialsRefusal(answer) {
  for (const box of texts.materialBoxes) {
    $(`material-${box.key}`).toggleAttribute('aria-invalid', Boolean(answer && answer.field === box.key));
  }
  showText('materials-error', answer ? answer.message : '');
}

// Every edit of the materials works the design again at once; a box refused
// keeps the results shown and says why.
function materialsEdited() {
  showText('materials-note',
           $('material-cement').value === 'portland' ? '' : texts.materialsCurveNote);
  const design = designFromForm();
  remember(design);
  const answer = krv1.calculate(design);
  showMaterialsRefusal(!answer.ok && isMaterial(answer.field) ? answer : null);
  if (answer.ok && lastAnswer) showAnswer(answer);
}

// The records' rows as typed: the date, the three specimens, the note.
function recordRows() {
  return [...$('records-table').tBodies[0].rows].map((row) => {
    const cells = [...row.querySelectorAll('input')].map((input) => input.value);
    return { date: cells[0], values: cells.slice(1, 4), note: cells[4] };
  });
}

// The records go with the design once the section holds anything.
function recordsFromForm() {
  const tests = recordRows();
  const specified = $('records-specified').value;
  const useMargin = $('records-use-margin').checked;
  if (!tests.length && !specified && !useMargin) return {};
  return { records: { specimen: radioValue('records-specimen') || 'cube',
                      specified: specified === '' ? null : specified,
                      use_margin: useMargin, tests } };
}

function fillRecords(records) {
  setRadio('records-specimen', records ? records.specimen : 'cube');
  $('records-specified').value = (records && records.specified) ?? '';
  $('records-use-margin').checked = Boolean(records && records.use_margin);
  $('records-table').tBodies[0].replaceChildren();
  for (const test of records ? records.tests : []) {
    addRecordRow([test.date, ...test.values, test.note]);
  }
  clearRecords();
}

// A row of the table: its number, then a box a column, each named by its
// column and row for a screen reader.
function addRecordRow(cells = []) {
  const body = $('records-table').tBodies[0];
  const row = body.insertRow();
  const head = document.createElement('th');
  head.scope = 'row';
  row.append(head);
  texts.recordsColumns.forEach((column, i) => {
    const input = document.createElement('input');
    input.maxLength = 60;
    if (i >= 1 && i <= 3) input.inputMode = 'decimal';
    input.value = cells[i] ?? '';
    row.insertCell().append(input);
  });
  numberRecordRows();
  return row;
}

function numberRecordRows() {
  [...$('records-table').tBodies[0].rows].forEach((row, i) => {
    row.cells[0].textContent = String(i + 1);
    row.querySelectorAll('input').forEach((input, j) => {
      input.setAttribute('aria-label', `${texts.recordsColumns[j]} ${texts.recordsRow}${i + 1}`);
    });
  });
}

function clearRecords() {
  showText('records-error', '');
  showText('records-verdict', '');
  showText('records-text', '');
  $('records-chart').replaceChildren();
}

// The records' figures, verdict and chart; a row refused is marked and
// named, and the figures shown before stay.
function showRecords(answer) {
  const rows = $('records-table').tBodies[0].rows;
  for (const row of rows) row.classList.remove('refused');
  if (!answer.ok || answer.recordsProblem) {
    const problem = answer.recordsProblem || answer;
    showText('records-error', problem.message);
    if (problem.row) rows[problem.row - 1].classList.add('refused');
    return;
  }
  showText('records-error', '');
  if (!answer.records) {
    clearRecords();
    return;
  }
  const low = new Set(answer.recordsLowRows);
  [...rows].forEach((row, i) => row.classList.toggle('low', low.has(i + 1)));
  const verdict = $('records-verdict');
  verdict.textContent = answer.records.verdict;
  verdict.className = `verdict ${answer.recordsVerdict}`.trim();
  showText('records-text', answer.recordsText);
  drawRecordsChart(answer.recordsChart);
}

// Every change to the records weighs them again; a calculated design that
// takes, or took, their margin is calculated again.
function recordsEdited(usedMargin) {
  const design = designFromForm();
  remember(design);
  showRecords(krv1.records(design));
  if (lastAnswer && (usedMargin || $('records-use-margin').checked)) {
    const answer = krv1.calculate(design);
    if (answer.ok) showAnswer(answer);
  }
}

// Rows copied from a spreadsheet, from the cell pasted into on.
function pasteRecords(event) {
  const text = event.clipboardData.getData('text/plain');
  if (!/[\t\n]/.test(text)) return;  // one cell's text: the box takes it
  event.preventDefault();
  const input = event.target;
  const row = input.closest('tr');
  const body = $('records-table').tBodies[0];
  const first = [...body.rows].indexOf(row);
  const column = [...row.querySelectorAll('input')].indexOf(input);
  krv1.pastedRows(text).forEach((cells, i) => {
    const target = body.rows[first + i] || addRecordRow();
    const inputs = target.querySelectorAll('input');
    cells.forEach((cell, j) => { if (inputs[column + j]) inputs[column + j].value = cell; });
  });
  recordsEdited($('records-use-margin').checked);
}

// The trial's boxes go with the design once one holds a text.
function trialFromForm() {
  const entries = texts.trialBoxes.map((box) => {
    const text = $(`trial-${box.key}`).value;
    return [box.key, text === '' ? null : text];
  });
  return entries.some(([, text]) => text !== null) ? { trial: Object.fromEntries(entries) } : {};
}

function fillForm(design) {
  const inputs = design.inputs;
  separators = { decimal: design.decimal, group: design.group };
  $('engineer').value = design.engineer;
  $('project').value = design.project ?? '';
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
  for (const box of texts.trialBoxes) {
    $(`trial-${box.key}`).value = (design.trial && design.trial[box.key]) ?? '';
  }
  clearTrial();
  fillRecords(design.records);
  fillMaterials(design.materials);
  enableDosage();
  // The records are weighed even while the design cannot be calculated.
  if (design.records) showRecords(krv1.records(designFromForm()));
}

function enableDosage() {
  $('dosage').disabled = radioValue('admixture') !== 'with';
}

function showText(id, text) { $(id).textContent = text; }

function clearRefusals() {
  for (const field of FIELDS) showText(`${field}-error`, '');
  showText('status', '');
  showMaterialsRefusal(null);
}

function focusField(field) {
  const target = field === 'shape' || field === 'admixture'
    ? document.querySelector(`input[name="${field}"]`) : $(field);
  if (target) target.focus();
}

// The refusal beside the input at fault, or in the status line.
function showRefusal(answer) {
  if (FIELDS.includes(answer.field)) {
    showText(`${answer.field}-error`, answer.message);
    focusField(answer.field);
  } else if (isMaterial(answer.field)) {
    showMaterialsRefusal(answer);
    $(`material-${answer.field}`).focus();
  } else {
    showText('status', answer.message);
  }
}

// Shows a calculation, or the refusal beside the input at fault; a refused
// design leaves the results shown before as they were.
function calculate() {
  clearRefusals();
  const design = designFromForm();
  remember(design);
  const answer = krv1.calculate(design);
  if (!answer.ok) {
    showRefusal(answer);
    return false;
  }
  showAnswer(answer);
  projectDesignCalculated(design);
  return true;
}

function showAnswer(answer) {
  lastAnswer = answer;
  // Each figure is read with its caption and unit: "ซีเมนต์ = 300 กิโลกรัม".
  for (const panel of ['before', 'after']) {
    texts.rowKeys.forEach((row, i) => {
      const [caption, figure] = $(panel).tBodies[0].rows[i].cells;
      figure.textContent = answer.panel[panel][row];
      figure.setAttribute('aria-label', `${caption.textContent} ${figure.textContent}`);
    });
  }
  const account = $('account');
  account.replaceChildren(...answer.report.slice(REPORT_FIRST_ACCOUNT_LINE).map((line) => {
    const item = document.createElement('li');
    item.textContent = line;
    return item;
  }));
  // Each place of the report holds this design's line there, or nothing.
  $('report').querySelectorAll('.line').forEach((element, i) => {
    element.textContent = answer.reportPage[i] ?? '';
  });
  showText('margin-notice', answer.marginNotice);
  showText('materials-notice', answer.materialsNotice);
  showText('materials-curve', answer.materialNotes.join(' '));
  for (const command of ['print', 'copy', 'print-sheet', 'copy-sheet']) $(command).disabled = false;
  showSheet(answer);
  showTrial(answer);
  showRecords(answer);
}

// The trial follows every keystroke in its boxes; a box refused keeps the
// last trial shown and says why.
// Another design's boxes: nothing of the trial shown before stays beside them.
function clearTrial() {
  showText('trial-error', '');
  showText('trial-text', '');
  for (const box of texts.trialBoxes) $(`trial-${box.key}`).placeholder = '';
  $('trial-chart').replaceChildren();
}

function showTrial(answer) {
  if (answer.trialProblem) {
    showText('trial-error', answer.trialProblem.message);
    return;
  }
  showText('trial-error', answer.trialRefusal || '');
  showText('trial-text', answer.trialText);
  for (const box of texts.trialBoxes) {
    $(`trial-${box.key}`).placeholder = answer.trialPlaceholders[box.key];
  }
  drawChart(answer.trial.chart, answer.trialAxes);
}

const SVG = 'http://www.w3.org/2000/svg';

function svg(name, attributes, text) {
  const element = document.createElementNS(SVG, name);
  for (const [key, value] of Object.entries(attributes)) element.setAttribute(key, value);
  if (text !== undefined) element.textContent = text;
  return element;
}

// A chart's frame from the module's labelled axes: the plot's box, a tick
// and its label at every step, and the axes' titles. Gives the parts drawn
// and where a value stands.
function chartFrame(xAxis, yAxis, xTitle, yTitle) {
  const [left, right, top, bottom] = [48, 350, 12, 250];
  const x = (v) => left + (v - xAxis.from) / (xAxis.to - xAxis.from) * (right - left);
  const y = (v) => bottom - (v - yAxis.from) / (yAxis.to - yAxis.from) * (bottom - top);
  const parts = [svg('rect', { x: left, y: top, width: right - left, height: bottom - top,
                               fill: 'none', stroke: '#000' })];
  for (const [at, label] of xAxis.ticks) {
    parts.push(svg('line', { x1: x(at), y1: bottom, x2: x(at), y2: bottom + 4, stroke: '#000' }),
               svg('text', { x: x(at), y: bottom + 16, 'text-anchor': 'middle', 'font-size': 11 },
                   label));
  }
  for (const [at, label] of yAxis.ticks) {
    parts.push(svg('line', { x1: left - 4, y1: y(at), x2: left, y2: y(at), stroke: '#000' }),
               svg('text', { x: left - 6, y: y(at) + 4, 'text-anchor': 'end', 'font-size': 11 },
                   label));
  }
  parts.push(svg('text', { x: (left + right) / 2, y: bottom + 32, 'text-anchor': 'middle',
                           'font-size': 12 }, xTitle),
             svg('text', { x: 12, y: (top + bottom) / 2, 'font-size': 12, 'text-anchor': 'middle',
                           transform: `rotate(-90 12 ${(top + bottom) / 2})` }, yTitle));
  return { parts, x, y, left, right };
}

function marker(shape, cx, cy) {
  const d = { square: `M${cx - 5},${cy - 5}h10v10h-10z`,
              triangle: `M${cx},${cy - 6}l6,11h-12z`,
              diamond: `M${cx},${cy - 6}l6,6l-6,6l-6,-6z` }[shape];
  return svg('path', { d, fill: { square: '#40a040', triangle: '#e08000', diamond: '#6040c0' }[shape],
                       stroke: '#000' });
}

// Two columns of legend entries under the plot, each a line or a marker.
function legendParts(entries) {
  return entries.flatMap(([shape, name, stroke, dash], i) => {
    const lx = 16 + (i % 2) * 172;
    const ly = 290 + Math.floor(i / 2) * 22;
    return [shape === 'line'
      ? svg('line', { x1: lx - 6, y1: ly, x2: lx + 6, y2: ly, stroke, 'stroke-width': 2,
                      'stroke-dasharray': dash || 'none' })
      : marker(shape, lx, ly),
    svg('text', { x: lx + 12, y: ly + 4, 'font-size': 12 }, name)];
  });
}

const polyline = (points, x, y, stroke) => svg('polyline', {
  points: points.map(([a, b]) => `${x(a)},${y(b)}`).join(' '),
  fill: 'none', stroke, 'stroke-width': 2 });

// The chart from the module's points and labelled axes: the method's curve,
// the design, the trial and the adjusted design.
function drawChart(chart, axes) {
  const { parts, x, y } = chartFrame(axes.ratio, axes.strength, texts.ratioAxis,
                                     texts.strengthAxis);
  parts.push(polyline(chart.curve, x, y, '#0060c0'));
  const legend = [['line', texts.curveLegend, '#0060c0']];
  const point = (shape, at, name) => {
    if (!at) return;
    parts.push(marker(shape, x(at[0]), y(at[1])));
    legend.push([shape, name]);
  };
  point('square', chart.design, texts.designLegend);
  point('triangle', chart.trial, texts.trialLegend);
  point('diamond', chart.adjusted, texts.adjustedLegend);
  parts.push(...legendParts(legend));
  $('trial-chart').replaceChildren(...parts);
}

// The records' chart on their own specimen: each result, the running
// average of three, and the levels of f'c, of the single-test limit and of
// the strength to be produced.
function drawRecordsChart(chart) {
  const { parts, x, y, left, right } = chartFrame(chart.tests, chart.strength,
                                                  texts.recordsTestAxis, texts.recordsStrengthAxis);
  const legend = [];
  const level = (at, stroke, dash, name) => {
    if (at === null) return;
    parts.push(svg('line', { x1: left, y1: y(at), x2: right, y2: y(at), stroke, 'stroke-width': 2,
                             'stroke-dasharray': dash || 'none' }));
    legend.push(['line', name, stroke, dash]);
  };
  level(chart.required, '#e08000', '', texts.recordsRequiredLegend);
  level(chart.limit, '#c00000', '6 4', texts.recordsLimitLegend);
  level(chart.target, '#404040', '2 3', texts.recordsTargetLegend);
  parts.push(polyline(chart.averages, x, y, '#40a040'),
             polyline(chart.results, x, y, '#0060c0'),
             ...chart.results.map(([a, b]) => marker('square', x(a), y(b))));
  legend.unshift(['square', texts.recordsResultsLegend], ['line', texts.recordsAverageLegend, '#40a040']);
  parts.push(...legendParts(legend));
  $('records-chart').replaceChildren(...parts);
}

// On a narrow screen the results stand below the form: bring them up.
function bringResultsIntoView() {
  if (window.matchMedia('(max-width: 899px)').matches) $('results').scrollIntoView();
}

// The site batch sheet follows every keystroke in its settings.
function showSheet(answer) {
  showText('sheet', answer.sheetText);
  showText('site-error', answer.sheetProblems[0] || '');
  lastAnswer = answer;
}

// The sheet's rows as a ruled table, in the face size the module fits to
// one A4 page.
function fillSheetPage(rows, points) {
  const body = $('sheet-page').querySelector('tbody');
  body.replaceChildren(...rows.map((row) => {
    const line = document.createElement('tr');
    line.className = row.kind;
    const cells = row.kind === 'figure' ? [row.caption, row.figure, row.unit] : [row.caption];
    for (const text of cells) {
      const cell = document.createElement('td');
      cell.textContent = text;
      if (cells.length === 1) cell.colSpan = 3;
      line.append(cell);
    }
    return line;
  }));
  $('sheet-page').querySelector('table').style.fontSize = `${points.toFixed(1)}pt`;
}

function printSheet() {
  if (!lastAnswer) return;
  fillSheetPage(lastAnswer.sheetRows, lastAnswer.sheetPoints);
  document.body.classList.add('printing-sheet');
  window.print();
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
// A design that is refused, by the codec or the calculation, changes
// nothing on the page: only its message is shown.
async function openDesign(file) {
  const head = file.slice(0, krv1.largestDesignBytes + 1);
  const reading = krv1.readDesignFile(new Uint8Array(await head.arrayBuffer()));
  clearRefusals();
  if (!reading.ok) {
    showText('status', reading.message);
    return;
  }
  const answer = krv1.calculate(reading.design);
  if (!answer.ok) {
    showRefusal(answer);
    return;
  }
  fillForm(reading.design);
  remember(reading.design);
  showAnswer(answer);
}

// Back to the start: every box of the design empty and nothing chosen, no
// results. The engineer's name and the site settings stay.
function newDesign() {
  clearRefusals();
  separators = null;
  for (const id of ['strength', 'dosage', 'moisture']) $(id).value = '';
  for (const name of ['shape', 'admixture']) setRadio(name, null);
  $('slump').selectedIndex = 0;
  $('stone').selectedIndex = 0;
  enableDosage();
  lastAnswer = null;
  for (const panel of ['before', 'after']) {
    for (const row of $(panel).tBodies[0].rows) row.cells[1].textContent = '';
  }
  $('account').replaceChildren();
  showText('margin-notice', '');
  showText('materials-notice', '');
  showText('materials-curve', '');
  fillMaterials(null);
  $('report').querySelectorAll('.line').forEach((element) => { element.textContent = ''; });
  showText('sheet', '');
  showText('site-error', '');
  for (const box of texts.trialBoxes) $(`trial-${box.key}`).value = '';
  clearTrial();
  fillRecords(null);
  for (const command of ['print', 'copy', 'print-sheet', 'copy-sheet']) $(command).disabled = true;
  remember(designFromForm());
  $('strength').focus();
}

function saveDesign() {
  const text = krv1.writeDesign(designFromForm());
  const link = document.createElement('a');
  link.href = URL.createObjectURL(new Blob([text], { type: 'application/json' }));
  link.download = krv1.designFileNameOn($('engineer').value);
  document.body.append(link);
  link.click();
  link.remove();
  URL.revokeObjectURL(link.href);
}

// Copies a text of the last answer and says so.
async function copy(key, done) {
  if (!lastAnswer) return;
  try {
    await navigator.clipboard.writeText(lastAnswer[key]);
    showText('status', done);
  } catch (e) { /* no clipboard without a secure page */ }
}

function showHint(key) {
  if (texts.hints[key]) showText('hint-text', texts.hints[key]);
}

function connect() {
  $('design').addEventListener('submit', (event) => {
    event.preventDefault();
    if (calculate()) bringResultsIntoView();
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
  $('trial-boxes').addEventListener('input', () => {
    const design = designFromForm();
    remember(design);
    const answer = krv1.calculate(design);
    if (answer.ok) showTrial(answer);
  });
  const records = $('records');
  let usedMargin = false;
  records.addEventListener('focusin', () => { usedMargin = $('records-use-margin').checked; });
  records.addEventListener('input', () => {
    recordsEdited(usedMargin);
    usedMargin = $('records-use-margin').checked;
  });
  $('records-table').addEventListener('paste', pasteRecords);
  $('materials').addEventListener('input', materialsEdited);
  $('materials-defaults').addEventListener('click', () => {
    fillMaterials(null);
    materialsEdited();
  });
  // A tap on the empty table starts its first row.
  $('records-room').addEventListener('click', () => {
    if ($('records-table').tBodies[0].rows.length > 0) return;
    addRecordRow().querySelector('input').focus();
    recordsEdited(false);
  });
  // A touch screen pastes by a long press, not by Ctrl+V.
  if (window.matchMedia('(pointer: coarse)').matches) {
    showText('records-paste-hint', texts.recordsTouchPasteHint);
  }
  $('records-add').addEventListener('click', () => {
    addRecordRow().querySelector('input').focus();
    recordsEdited(false);
  });
  // Deletes the row last in focus, or the last row.
  let focusedRow = null;
  $('records-table').addEventListener('focusin', (event) => { focusedRow = event.target.closest('tr'); });
  $('records-delete').addEventListener('click', () => {
    const body = $('records-table').tBodies[0];
    const row = focusedRow && focusedRow.parentNode === body ? focusedRow : body.rows[body.rows.length - 1];
    if (!row) return;
    row.remove();
    focusedRow = null;
    numberRecordRows();
    recordsEdited(false);
  });
  $('new').addEventListener('click', newDesign);
  $('print-sheet').addEventListener('click', printSheet);
  window.addEventListener('afterprint', () => document.body.classList.remove('printing-sheet'));
  $('copy-sheet').addEventListener('click', () => copy('sheetCopyText', texts.sheetCopied));
  $('open-file').addEventListener('change', (event) => {
    const [file] = event.target.files;
    if (file) openDesign(file);
    event.target.value = '';
  });
  $('open').addEventListener('click', () => $('open-file').click());
  $('save').addEventListener('click', saveDesign);
  $('print').addEventListener('click', () => window.print());
  $('copy').addEventListener('click', () => copy('copyText', texts.copied));
  // The dialog opens at its top, not scrolled to its close button.
  $('show-conditions').addEventListener('click', () => {
    const dialog = $('conditions');
    dialog.showModal();
    dialog.scrollTop = 0;
  });
}

// The form is painted with the page, every text in place, and takes typing
// at once; its commands answer once the calculator has loaded. Until then a
// press of Enter does nothing, and what is typed is not overwritten by the
// design remembered from the last visit.
let typedBeforeReady = false;
$('design').addEventListener('submit', (event) => { if (!krv1) event.preventDefault(); });
document.addEventListener('input', () => { if (!krv1) typedBeforeReady = true; });
// The WebAssembly compiled in a worker and instantiated here; where a
// worker cannot compile it, the module compiles it as it always would.
function compiledInWorker() {
  return new Promise((resolve, reject) => {
    const worker = new Worker('compile-worker.js');
    worker.onmessage = ({ data }) => {
      worker.terminate();
      if (data instanceof WebAssembly.Module) resolve(data); else reject(data);
    };
    worker.onerror = reject;
  });
}
const compiled = compiledInWorker();
createKrv1({
  instantiateWasm(imports, receive) {
    compiled.then((module) => WebAssembly.instantiate(module, imports)
      .then((instance) => receive(instance, module)))
      .catch(() => WebAssembly.instantiateStreaming(fetch('krv1.wasm'), imports)
        .then(({ instance, module }) => receive(instance, module)));
    return {};
  },
}).then(async (module) => {
  // The page's own start in a task of its own, after the module's: neither
  // holds the page for long.
  await new Promise((resolve) => { setTimeout(resolve); });
  krv1 = module;
  texts = JSON.parse($('page-texts').textContent);
  connect();
  connectProject();
  // The last design comes back as it was left, with its results, or with
  // the message that says why it cannot be calculated.
  // A design not begun at all is no refusal.
  const design = typedBeforeReady ? null : recalled();
  if (design) {
    fillForm(design);
    if (Object.values(design.inputs).some((input) => input)) calculate();
  }
  document.body.classList.add('ready');
});

if ('serviceWorker' in navigator) {
  navigator.serviceWorker.register('service-worker.js').catch(() => {});
}
