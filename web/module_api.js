// The module's public face: plain objects in, plain objects out. The sheet
// is dated `day` (a Date), today unless given.
Module['calculate'] = function (design, day) {
  const date = day || new Date();
  const answer = Module['calculateDesign'](JSON.stringify(design), date.getFullYear(),
                                           date.getMonth() + 1, date.getDate());
  if (answer.ok) {
    answer.sheet = JSON.parse(answer.sheetJson);
    delete answer.sheetJson;
    answer.trial = answer.trialJson === null ? null : JSON.parse(answer.trialJson);
    delete answer.trialJson;
    parseRecords(answer);
  }
  return answer;
};
// The records' JSON (the command line's --records --json) as an object;
// null without records or with a row refused.
function parseRecords(answer) {
  answer.records = answer.recordsJson === null ? null : JSON.parse(answer.recordsJson);
  delete answer.recordsJson;
  return answer;
}
// The design's strength records alone, weighed even while the design
// itself cannot be calculated.
Module['records'] = function (design) {
  const answer = Module['recordsOfDesign'](JSON.stringify(design));
  return answer.ok ? parseRecords(answer) : answer;
};
// A file's text checked: the design, or the Thai message that refuses it.
Module['readDesign'] = function (fileText) {
  const answer = Module['readDesignText'](String(fileText));
  return answer.ok ? { ok: true, design: JSON.parse(answer.designText) }
                   : { ok: false, message: answer.message };
};
// A file's bytes (a Uint8Array) checked as the desktop checks a file.
Module['readDesignFile'] = function (bytes) {
  const answer = Module['readDesignBytes'](bytes);
  return answer.ok ? { ok: true, design: JSON.parse(answer.designText) }
                   : { ok: false, message: answer.message };
};
// A design's file name, the engineer's and the day's, as the PDF's.
Module['designFileNameOn'] = function (engineer, day) {
  const date = day || new Date();
  const iso = [date.getFullYear(), date.getMonth() + 1, date.getDate()]
    .map((n, i) => String(n).padStart(i ? 2 : 4, '0')).join('-');
  return Module['designFileName'](engineer, iso);
};
// The design as the text of a .krv1 file, exactly as the desktop writes it.
Module['writeDesign'] = function (design) {
  const answer = Module['readDesignText'](JSON.stringify(design));
  return answer.ok ? answer.designText : null;
};
// A project (the object a .krv1proj file holds) worked out on `day`: its
// list, comparison, orders and workbook; or the message that refuses it.
Module['project'] = function (project, day) {
  const date = day || new Date();
  const answer = Module['evaluateProjectText'](JSON.stringify(project), date.getFullYear(),
                                               date.getMonth() + 1, date.getDate());
  if (answer.ok) {
    // The file's text as the desktop writes it; the project as an object.
    answer.project = JSON.parse(answer.projectText);
    answer.figures = answer.json === null ? null : JSON.parse(answer.json);
    delete answer.json;
  }
  return answer;
};
// A project file's text checked: the project, or the Thai message.
Module['readProject'] = function (fileText) {
  const answer = Module['evaluateProjectText'](String(fileText), 2000, 1, 1);
  return answer.ok ? { ok: true, project: JSON.parse(answer.projectText) }
                   : { ok: false, message: answer.message };
};
