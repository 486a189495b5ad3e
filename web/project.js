// The page's project: many designs of one job, their comparison and what to
// order, kept in a .krv1proj file as the desktop keeps it and handed on as
// the desktop's workbook. Every figure and text comes from the module.
'use strict';

const PROJECT_KEY = 'krv1-last-project';
let project = null;
let chosenElement = null;   // the row the commands act on
let editingElement = null;  // the element the form above edits
let projectAnswer = null;

function emptyProject() {
  return { format: 'krv1-project', version: 1, ...typedSeparators(), name: '',
           engineer: $('engineer').value, settings: {}, elements: [] };
}

function rememberProject() {
  try { localStorage.setItem(PROJECT_KEY, JSON.stringify(project)); } catch (e) { /* private mode */ }
}

function recalledProject() {
  try {
    const stored = localStorage.getItem(PROJECT_KEY);
    const reading = stored ? krv1.readProject(stored) : { ok: false };
    return reading.ok ? reading.project : null;
  } catch (e) {
    return null;
  }
}

// The boxes above the list, from the project.
function fillProject() {
  $('project-name').value = project.name;
  $('project-engineer').value = project.engineer;
  for (const setting of texts.projectSettings) {
    $(`project-setting-${setting.key}`).value = (project.settings && project.settings[setting.key]) ?? '';
  }
}

function projectFromBoxes() {
  project.name = $('project-name').value;
  project.engineer = $('project-engineer').value;
  project.settings = Object.fromEntries(texts.projectSettings.map((setting) => {
    const text = $(`project-setting-${setting.key}`).value;
    return [setting.key, text === '' ? null : text];
  }));
}

function cellOf(text) {
  const cell = document.createElement('td');
  cell.textContent = text;
  return cell;
}

// The list: each element's name and supply as the engineer edits them, then
// its figures and its refusal as the module gives them.
function showList(answer) {
  const body = $('project-list').tBodies[0];
  body.replaceChildren(...answer.list.map((texts_, i) => {
    const row = document.createElement('tr');
    if (texts_[7]) row.classList.add('refused');
    if (i === chosenElement) row.classList.add('chosen');
    const name = document.createElement('input');
    name.value = texts_[0];
    name.maxLength = 60;
    name.setAttribute('aria-label', `${answer.listHeader[0]} ${i + 1}`);
    name.addEventListener('change', () => {
      // A name the desktop would refuse is not taken.
      const renamed = { ...project, elements: project.elements.map((e, j) => (j === i ? { ...e, name: name.value } : e)) };
      if (name.value.trim() && krv1.readProject(JSON.stringify(renamed)).ok) {
        project = renamed;
        projectChanged();
      } else {
        name.value = texts_[0];
      }
    });
    const supply = document.createElement('select');
    supply.setAttribute('aria-label', `${answer.listHeader[1]} ${i + 1}`);
    for (const choice of texts.supplies) supply.add(new Option(choice.name, choice.key));
    supply.value = project.elements[i].supply;
    supply.addEventListener('change', () => {
      project.elements[i].supply = supply.value;
      projectChanged();
    });
    const nameCell = document.createElement('td');
    nameCell.append(name);
    const supplyCell = document.createElement('td');
    supplyCell.append(supply);
    row.append(nameCell, supplyCell, ...texts_.slice(2).map(cellOf));
    row.addEventListener('focusin', () => { chooseElement(i); });
    row.addEventListener('click', () => { chooseElement(i); });
    return row;
  }));
}

function chooseElement(i) {
  chosenElement = i;
  [...$('project-list').tBodies[0].rows].forEach((row, j) => row.classList.toggle('chosen', j === i));
}

function showComparison(comparison) {
  const table = $('project-comparison');
  const head = document.createElement('tr');
  const corner = document.createElement('th');
  corner.scope = 'col';
  corner.textContent = texts.projectListHeader[0];
  head.append(corner, ...comparison.columnHeads.map((name) => {
    const cell = document.createElement('th');
    cell.scope = 'col';
    cell.textContent = name;
    return cell;
  }));
  table.tHead.replaceChildren(head);
  table.tBodies[0].replaceChildren(...comparison.rowHeads.map((caption, r) => {
    const row = document.createElement('tr');
    const th = document.createElement('th');
    th.scope = 'row';
    th.textContent = caption;
    row.append(th, ...comparison.cells[r].map(cellOf));
    return row;
  }));
}

function showEditing() {
  const element = editingElement === null ? null : project.elements[editingElement];
  showText('project-editing', element
    ? `${texts.projectEditingTitle}${element.name}${texts.projectEditingOf}${project.name}` : '');
}

// Works the project out and shows it; a setting refused is named and its
// box marked, the list shown all the same.
function showProject() {
  projectAnswer = krv1.project(project);
  for (const setting of texts.projectSettings) {
    const problem = projectAnswer.ok && projectAnswer.settingProblem;
    $(`project-setting-${setting.key}`).toggleAttribute('aria-invalid',
                                                       Boolean(problem && problem.key === setting.key));
  }
  if (!projectAnswer.ok) {
    showText('project-error', projectAnswer.message);
    return;
  }
  showText('project-error', projectAnswer.settingProblem ? projectAnswer.settingProblem.message : '');
  showList(projectAnswer);
  showComparison(projectAnswer.comparison);
  showText('project-orders', projectAnswer.ordersText);
  $('project-export').disabled = projectAnswer.workbook === null;
  showEditing();
}

function projectChanged() {
  rememberProject();
  showProject();
}

function addDesignToProject() {
  if (project.elements.length >= texts.mostElements) {
    showText('project-error', texts.projectTooMany);
    return;
  }
  project.elements.push({ name: `${texts.projectNewElement}${project.elements.length + 1}`,
                          supply: 'site', design: designFromForm() });
  chosenElement = project.elements.length - 1;
  projectChanged();
}

function openElementInForm() {
  if (chosenElement === null || !project.elements[chosenElement]) return;
  editingElement = chosenElement;
  fillForm(project.elements[editingElement].design);
  calculate();
  showEditing();
  $('strength').focus();
}

// Each calculation that succeeds writes the design back into the element
// the form edits.
function projectDesignCalculated(design) {
  if (editingElement === null || !project || !project.elements[editingElement]) return;
  project.elements[editingElement].design = design;
  projectChanged();
}

function moveElement(by) {
  const to = chosenElement === null ? -1 : chosenElement + by;
  if (to < 0 || to >= project.elements.length) return;
  const elements = project.elements;
  [elements[chosenElement], elements[to]] = [elements[to], elements[chosenElement]];
  if (editingElement === chosenElement) editingElement = to;
  else if (editingElement === to) editingElement = chosenElement;
  chosenElement = to;
  projectChanged();
}

function removeElement() {
  if (chosenElement === null || !project.elements[chosenElement]) return;
  project.elements.splice(chosenElement, 1);
  if (editingElement === chosenElement) editingElement = null;
  else if (editingElement !== null && editingElement > chosenElement) editingElement -= 1;
  chosenElement = null;
  projectChanged();
}

function download(blob, name) {
  const link = document.createElement('a');
  link.href = URL.createObjectURL(blob);
  link.download = name;
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(link.href), 1000);
}

function projectFileName(extension) {
  const name = project.name.replace(/[\\/:*?"<>|]/g, '').trim();
  return `${name || 'KRV1'}.${extension}`;
}

async function openProject(file) {
  const text = await file.slice(0, krv1.largestProjectBytes + 1).text();
  const reading = krv1.readProject(text);
  if (!reading.ok) {
    showText('project-error', reading.message);
    return;
  }
  project = reading.project;
  chosenElement = null;
  editingElement = null;
  fillProject();
  projectChanged();
}

// The writer is fetched only for the first export; the workbook's cells,
// formats and widths are the module's, as the desktop writes them.
function workbookWriter() {
  if (window.writeXlsxFile) return Promise.resolve(window.writeXlsxFile);
  return new Promise((resolve, reject) => {
    const script = document.createElement('script');
    script.src = 'vendor/write-excel-file.min.js';
    script.onload = () => resolve(window.writeXlsxFile);
    script.onerror = reject;
    document.head.append(script);
  });
}

function sheetsOf(workbook) {
  return workbook.map((sheet) => ({
    sheet: sheet.name,
    columns: sheet.widths.map((width) => ({ width })),
    data: sheet.rows.map((row) => row.map((cell) => {
      if (cell === null) return null;
      if (typeof cell === 'string') return { type: String, value: cell };
      return { type: Number, value: cell.value, format: cell.format };
    })),
  }));
}

async function exportWorkbook() {
  if (!projectAnswer || !projectAnswer.ok || !projectAnswer.workbook) return;
  const write = await workbookWriter();
  download(await write(sheetsOf(projectAnswer.workbook)).toBlob(), projectFileName('xlsx'));
}

function connectProject() {
  project = recalledProject() || emptyProject();
  fillProject();
  showProject();
  $('project-new').addEventListener('click', () => {
    project = emptyProject();
    chosenElement = null;
    editingElement = null;
    fillProject();
    projectChanged();
  });
  $('project-open').addEventListener('click', () => $('project-file').click());
  $('project-file').addEventListener('change', (event) => {
    const [file] = event.target.files;
    if (file) openProject(file);
    event.target.value = '';
  });
  $('project-save').addEventListener('click', () => {
    // The module's text, byte for byte what the desktop saves.
    if (!projectAnswer || !projectAnswer.ok) return;
    download(new Blob([projectAnswer.projectText], { type: 'application/json' }),
             projectFileName('krv1proj'));
  });
  $('project-export').addEventListener('click', exportWorkbook);
  for (const id of ['project-name', 'project-engineer', ...texts.projectSettings.map((s) => `project-setting-${s.key}`)]) {
    $(id).addEventListener('input', () => {
      projectFromBoxes();
      projectChanged();
    });
  }
  $('project-add').addEventListener('click', addDesignToProject);
  $('project-open-element').addEventListener('click', openElementInForm);
  $('project-remove').addEventListener('click', removeElement);
  $('project-up').addEventListener('click', () => moveElement(-1));
  $('project-down').addEventListener('click', () => moveElement(1));
}
