// The page: a view of the calculator. It keeps what the user did as a command line of
// projcalc-cli actions, has the engine run that line (engine.js), and shows the report it
// gives back: the boxes, options, offsets, drawings, planning figures and messages. Nothing is
// worked out here; the page only lays out what the engine says.
import { choiceNames } from "./english.js";
import { startEngine, SHIPPED, MINE } from "./engine.js";
import { drawScene } from "./scene.js";
import { hasText, parseLanguage, plainCaption, textOf } from "./texts.js";

const $ = (id) => document.getElementById(id);

// The value boxes by index, as the command line names them.
const BOXES = ["distance", "diagonal", "width", "height"];
// The option groups: the element ids, the command line's words and the report's names (the
// engine's own, from english.js).
const optionGroup = (id, names) => ({ id, words: names.map((n) => n.word), names: names.map((n) => n.caption) });
const GROUPS = {
  aspect: optionGroup("optAspect_", choiceNames.aspect),
  zoom: optionGroup("optWIDE_", choiceNames.zoom),
  units: optionGroup("optUnits_", choiceNames.units),
  position: optionGroup("optPosition_", choiceNames.position),
};
const OPTION_ACTIONS = new Set(["model", "model-row", ...Object.keys(GROUPS)]);
// The planning panel's inputs: the element, the command line's action, the report's name (in
// "planningInputs") and the value in force until the user types another.
const PLAN_INPUTS = [
  { id: "txtPlanGain", action: "gain", name: "gain", initial: "1", tip: "tipPlanGain" },
  { id: "txtPlanShare", action: "light", name: "share", initial: "100", tip: "tipPlanShare" },
];
const SCOPE = { id: "cboPlanScope", action: "scope", name: "scope", initial: "none", tip: "tipPlanScope" };
const PLAN_ACTIONS = new Set([...PLAN_INPUTS, SCOPE].map((p) => p.action));
// Actions on files: the page does them for the user's own choices, never from a link.
const FILE_ACTIONS = new Set(["open", "save", "save-as", "catalogue"]);
const STORE_CATALOGUE = "projcalc.catalogue";   // {current, previous}: base64 bytes
const STORE_USE_MINE = "projcalc.useMine";
const STORE_LANGUAGE = "projcalc.language";

const state = {
  engine: null,
  actions: [],      // the command line so far
  snapshots: [],    // snapshots[i]: the report before actions[i] (without scenes)
  report: null,     // the report of the whole line, with scenes
  language: "en",
  texts: new Map(),
  useMine: false,
  fileCount: 0,
  fileNames: new Map(),  // engine path -> the name the user knows the file by
};

const t = (key) => textOf(state.texts, key);
const actionName = (action) => action.split("=", 1)[0];

function storage() {
  try {
    return window.localStorage;
  } catch {
    return null;  // storage switched off: nothing is kept
  }
}

// ---- running the engine ---------------------------------------------------------------------

// The chosen language is the data folders' Language.ini (engine.js), so the engine needs no
// --language: that would read every shipped language file on each run.
function dataArgs() {
  return state.useMine ? ["--data-dir", MINE] : [];
}

function run(actions, { scenes = true, extra = [] } = {}) {
  return state.engine.run([...dataArgs(), ...(scenes ? ["--scenes"] : []), ...extra, "--", ...actions]);
}

const usageText = (err) => err.trim().replace(/^projcalc-cli: /gm, "");

// What the user sees of a report; two reports that agree on it show the same calculation.
function calculationOf(report) {
  if (!report) return "";
  const { title, model, modelList, options, boxes, offsets, offsetVisible, state: numbers, planning, planningInputs,
    currentFile, changed, canUndo, canRedo } = report;
  return JSON.stringify({ title, model, modelList, options, boxes, offsets, offsetVisible, numbers, planning,
    planningInputs, currentFile, changed, canUndo, canRedo });
}

function withoutScenes(report) {
  if (!report) return report;
  const { scenes, ...rest } = report;
  return rest;
}

// The notices a report adds to the one before it: the same line replayed says the same things
// first, so what is new comes after them.
function newNotices(before, after) {
  const messages = after.messages.slice(before ? before.messages.length : 0);
  const errors = after.errors.slice(before ? before.errors.length : 0);
  return [...messages, ...errors.map((e) => `Err : ${e.number}\n${e.description}`)];
}

// Does one more action. A refused or empty step (nothing changes) is left out of the line; its
// messages are shown all the same. Returns "done", "unchanged" or "refused".
function act(action) {
  const result = run([...state.actions, action]);
  if (result.exit !== 0 && result.exit !== 1) {
    showNotices([usageText(result.err)]);
    render(state.report);
    return "refused";
  }
  const report = JSON.parse(result.out);
  if (report.fatal) {
    showNotices(newNotices(null, report));
    render(state.report);
    return "refused";
  }
  const notices = newNotices(state.report, report);
  if (calculationOf(report) === calculationOf(state.report)) {
    showNotices(notices);
    render(state.report);
    return notices.length > 0 ? "refused" : "unchanged";
  }
  state.snapshots.push(withoutScenes(state.report));
  state.actions.push(action);
  state.report = report;
  shortenLine();
  showNotices(notices);
  render(state.report);
  return "done";
}

// Starts over with a command line: from the start, the actions in order, stopping before the
// first one that is refused (its message is shown).
function startWith(actions) {
  const traced = actions.length > 0 ? run(actions, { scenes: false, extra: ["--trace"] }) : { exit: 0, out: "", err: "" };
  const lines = traced.out.split("\n").filter((line) => line.trim() !== "").map((line) => JSON.parse(line));
  let kept = actions.length;
  let stopNotice = [];
  if (lines.length > 0 && lines[0].fatal) {
    kept = 0;
  } else {
    for (let i = 1; i < lines.length; ++i) {
      const said = newNotices({ messages: [], errors: [] }, lines[i]);
      if (said.length > 0 && calculationOf(lines[i]) === calculationOf(lines[i - 1])) {
        kept = i - 1;
        stopNotice = said;
        break;
      }
    }
    if (traced.exit === 2 && lines.length - 1 < kept) {
      kept = Math.max(0, lines.length - 1);
      stopNotice = [usageText(traced.err)];
    }
  }
  state.actions = actions.slice(0, kept);
  state.snapshots = lines.slice(0, kept);
  const result = run(state.actions);
  const report = JSON.parse(result.out || "{}");
  if (report.fatal || !report.boxes) {
    state.report = null;
    showNotices([...newNotices(null, report.messages ? report : { messages: [], errors: [] }), usageText(result.err)]);
    return false;
  }
  state.report = report;
  const startNotices = newNotices(null, lines.length > 0 ? lines[0] : report);
  showNotices([...startNotices, ...stopNotice]);
  render(report);
  return true;
}

// ---- the address: a link to the calculation --------------------------------------------------

function optionActions(report) {
  const actions = [];
  if (report.model && report.model.name !== null) actions.push(`model=${report.model.name}`);
  const o = report.options;
  const push = (group, name) => {
    const index = GROUPS[group].names.indexOf(name);
    if (index >= 0) actions.push(`${group}=${GROUPS[group].words[index]}`);
  };
  push("aspect", o.aspect);
  if (o.zoomEnabled.some(Boolean)) push("zoom", o.zoom);
  push("position", o.position);
  push("units", o.units);
  return actions;
}

// The planning settings of a report that differ from their defaults, as actions.
function planActions(report) {
  const inputs = report.planningInputs ?? {};
  return [...PLAN_INPUTS, SCOPE].filter((p) => inputs[p.name] !== undefined && inputs[p.name] !== p.initial)
    .map((p) => `${p.action}=${inputs[p.name]}`);
}

// A short line that gives the calculation after `actions` back: the model and options in force
// before the last value typed, that value with its text, the option clicks after it, and the
// planning settings in force (`snapshots[i]` is the report before actions[i], `report` the one
// after them all). Null when that does not give the same calculation (an undo after the value,
// a file opened, ...).
function shortLine(actions, snapshots, report) {
  if (actions.some((a) => FILE_ACTIONS.has(actionName(a)))) return null;
  let last = -1;
  for (let i = actions.length - 1; i >= 0; --i) {
    if (BOXES.includes(actionName(actions[i]))) {
      last = i;
      break;
    }
  }
  const isPlan = (a) => PLAN_ACTIONS.has(actionName(a));
  let candidate;
  if (last < 0) {
    candidate = [...optionActions(report), ...planActions(report)];
  } else if (actions.slice(last + 1).every((a) => OPTION_ACTIONS.has(actionName(a)) || isPlan(a))) {
    candidate = [...optionActions(snapshots[last]), ...actions.slice(last).filter((a) => !isPlan(a)), ...planActions(report)];
  } else {
    return null;
  }
  const result = run(candidate, { scenes: false });
  if (result.exit !== 0) return null;
  const check = JSON.parse(result.out);
  const same = (r) => JSON.stringify([r.model, r.options, r.boxes, r.offsets, r.state, r.planning]);
  return same(check) === same(report) ? candidate : null;
}

// The link to the calculation shown: the short line, else the whole line.
function linkActions() {
  return shortLine(state.actions, state.snapshots, state.report) ?? state.actions;
}

// Every step runs the whole line again, so a long session would slow down step by step. Past
// MAX_LINE actions, all but the last KEEP_STEPS are replaced by their short line: the
// calculation stays the same, and Undo goes back exactly through the steps kept.
// (A test may lower both through globalThis.projcalcLineLimits = {max, keep}.)
const MAX_LINE = 300;
const KEEP_STEPS = 100;

function shortenLine() {
  const { max = MAX_LINE, keep = KEEP_STEPS } = globalThis.projcalcLineLimits ?? {};
  if (state.actions.length <= max) return;
  const cut = state.actions.length - keep;
  const prefix = shortLine(state.actions.slice(0, cut), state.snapshots.slice(0, cut), state.snapshots[cut]);
  if (!prefix) return;
  const line = [...prefix, ...state.actions.slice(cut)];
  const traced = run(line, { scenes: false, extra: ["--trace"] });
  if (traced.exit !== 0) return;
  const lines = traced.out.split("\n").filter((l) => l.trim() !== "").map((l) => JSON.parse(l));
  const full = run(line);
  if (full.exit !== 0) return;
  const report = JSON.parse(full.out);
  if (calculationOf(report) !== calculationOf(state.report)) return;
  state.actions = line;
  state.snapshots = lines.slice(0, line.length);
  state.report = report;
}

function encodeAction(action) {
  const equals = action.indexOf("=");
  if (equals < 0) return encodeURIComponent(action);
  return `${encodeURIComponent(action.slice(0, equals))}=${encodeURIComponent(action.slice(equals + 1))}`;
}

function decodeHash(hash) {
  const text = hash.replace(/^#/, "");
  if (text === "") return [];
  return text.split("&").filter((part) => part !== "").map((part) => {
    const equals = part.indexOf("=");
    const decode = (s) => {
      try {
        return decodeURIComponent(s.replace(/\+/g, "%20"));
      } catch {
        return s;
      }
    };
    return equals < 0 ? decode(part) : `${decode(part.slice(0, equals))}=${decode(part.slice(equals + 1))}`;
  });
}

// Opens a link: its actions on the shipped catalogue, up to the first refused one; a file
// action ends it too (a link names no file of this browser).
function openLink(actions) {
  state.useMine = false;
  const fileAt = actions.findIndex((a) => FILE_ACTIONS.has(actionName(a)));
  const ok = startWith(fileAt < 0 ? actions : actions.slice(0, fileAt));
  if (fileAt >= 0) {
    const box = $("notices");
    const p = document.createElement("p");
    p.textContent = t("webLinkFile").replace("%1", actions[fileAt]);
    box.appendChild(p);
  }
  return ok;
}

function updateAddress() {
  if (state.useMine || state.actions.some((a) => FILE_ACTIONS.has(actionName(a)))) {
    history.replaceState(null, "", location.pathname + location.search);
    return;
  }
  const hash = state.actions.length === 0 ? "" : linkActions().map(encodeAction).join("&");
  history.replaceState(null, "", `${location.pathname}${location.search}${hash ? "#" + hash : ""}`);
}

// ---- showing the report ----------------------------------------------------------------------

// A text of the engine with its paths of the user's files given as the user's names for them.
function userText(text) {
  let shown = text;
  for (const [path, name] of state.fileNames) shown = shown.split(path).join(name);
  return shown;
}

function showNotices(notices) {
  const box = $("notices");
  box.replaceChildren();
  for (const notice of notices.filter((n) => n && n.trim() !== "")) {
    const p = document.createElement("p");
    p.textContent = userText(notice);
    box.appendChild(p);
  }
}

function unitIndex(report) {
  return Math.max(0, GROUPS.units.names.indexOf(report.options.units));
}

function unitText(report) {
  return t(`txtUnit_${unitIndex(report)}`);
}

// A length in inches, in the unit the user chose.
function length(report, inches) {
  const factor = [1, 1 / 12, 2.54][unitIndex(report)];
  const value = inches * factor;
  return `${Number(value.toFixed(unitIndex(report) === 1 ? 2 : 1))} ${unitText(report)}`;
}

function renderOptions(report) {
  const o = report.options;
  for (const [group, g] of Object.entries(GROUPS)) {
    g.names.forEach((name, i) => {
      const input = $(`${g.id}${i}`);
      input.checked = o[group] === name;
      const enabled = o[`${group}Enabled`];
      input.disabled = enabled ? !enabled[i] : false;
      const tips = o[`${group}Tips`];
      const tip = tips ? tips[i] : t(`tip${group === "units" ? "Units" : group === "position" ? "Position" : "WIDE"}_${i}`);
      input.parentElement.title = tip;
      input.title = tip;
    });
  }
  // Why the greyed buttons are greyed, in words too: a phone shows no tooltips.
  for (const [group, id] of [["aspect", "reasonAspect"], ["zoom", "reasonZoom"]]) {
    const enabled = o[`${group}Enabled`] ?? [];
    const tips = o[`${group}Tips`] ?? [];
    $(id).textContent = [...new Set(tips.filter((tip, i) => enabled[i] === false))].join(" · ");
  }
}

function renderModels(report) {
  const select = $("cboModel");
  const names = report.modelList;
  const shown = [...select.options].map((option) => option.textContent);
  if (JSON.stringify(shown) !== JSON.stringify(names)) {
    select.replaceChildren(...names.map((name, row) => {
      const option = document.createElement("option");
      option.value = String(row);
      option.textContent = name;
      return option;
    }));
  }
  select.value = String(report.model.row);
}

function renderValues(report) {
  report.boxes.forEach((text, i) => {
    const input = $(`txtValue_${i}`);
    input.value = text;
    input.classList.remove("refused");
    input.title = t("tipValue");
  });
  const unit = unitText(report);
  document.querySelectorAll("[data-unit]").forEach((span) => {
    span.textContent = unit;
  });
  [0, 1].forEach((i) => {
    const input = $(`txtOffset_${i}`);
    input.value = report.offsetVisible[i] ? report.offsets[i] : "";
    input.hidden = !report.offsetVisible[i];
    input.title = t("tipOffset");
  });
  $("imgKara").hidden = !report.offsetVisible[1];
}

function renderDrawings(report) {
  if (!report.scenes) return;
  const unit = unitText(report);
  const front = {};
  report.boxes.forEach((text, i) => {
    front[`lblValue_${i}`] = plainCaption(t(`LBL${13 + i}`));
    front[`txtValue_${i}`] = text;
    front[`lblUnit_${i}`] = unit;
  });
  const side = {
    lblOffset: plainCaption(t("LBL17")),
    txtOffset_0: report.offsetVisible[0] ? report.offsets[0] : "",
    txtOffset_1: report.offsetVisible[1] ? report.offsets[1] : "",
    lblOffsetUnit: unit,
  };
  drawScene($("picDraw1"), report.scenes.front, front);
  drawScene($("picDraw2"), report.scenes.side, side);
}

// The captions of the planning object's keys; a key without one shows as it is named.
const PLANNING_CAPTIONS = {
  throwRange: "lblPlanThrow", imageRange: "lblPlanImage", seating: "lblPlanSeating",
  wide: "lblPlanZoom_0", tele: "lblPlanZoom_1",
  smpte30: "lblPlanSeat_0", thx36: "lblPlanSeat_1", thx40: "lblPlanSeat_2",
  throwRatio: "lblPlanRatio", light: "lblPlanLight", scope: "lblPlanScope",
};
// Keys whose numbers are lengths in inches.
const LENGTH_KEYS = new Set(["distance", "diagonal", "width", "height", "from", "to", "near", "far",
  "smpte30", "thx36", "thx40", "standFrom", "standTo"]);

function captionOf(key) {
  const textKey = PLANNING_CAPTIONS[key];
  if (textKey && hasText(state.texts, textKey)) return plainCaption(t(textKey));
  return key.replace(/([a-z0-9])([A-Z])/g, "$1 $2").replace(/^./, (c) => c.toUpperCase());
}

// A row's caption from the keys that lead to it. The scope screen's rows are the panel's: where
// each end throws the scope picture, and its size and note under the scope caption alone.
function rowCaption(path) {
  if (path[0] === "scope" && path.length > 1) {
    if (path[1] === "wide" || path[1] === "tele") {
      return [plainCaption(t("lblScopeThrow")), ...path.slice(1).map(captionOf)].join(" \u00b7 ");
    }
    return captionOf("scope");
  }
  return path.map(captionOf).join(" \u00b7 ");
}

// The rows of one planning value: the panel's own texts from "planningTexts" where the report
// has them (so the figures the inputs show, such as the gain, are not repeated), else its
// number, a length in the selected unit where the key says so.
function planningRows(rows, path, value, text, report) {
  const label = rowCaption(path);
  if (typeof text === "string") {
    if (text !== "") rows.push([label, text]);
  } else if (text && typeof text.text === "string") {
    rows.push([label, text.text + (text.outsideLimits ? ` (${t("lblPlanOutside")})` : ""), text.outsideLimits]);
  } else if (text && typeof text === "object" && !Array.isArray(text)) {
    for (const k of Object.keys(text)) planningRows(rows, [...path, k], value?.[k], text[k], report);
  } else if (value === null || value === undefined) {
    rows.push([label, "\u2014"]);
  } else if (typeof value === "number") {
    const key = path[path.length - 1];
    rows.push([label, LENGTH_KEYS.has(key) || path[0] === "seating" ? length(report, value) : String(Number(value.toFixed(2)))]);
  } else if (typeof value === "boolean") {
    rows.push([label, t(value ? "txtYes" : "txtNo")]);
  } else if (typeof value === "string") {
    rows.push([label, value]);
  } else if (Array.isArray(value)) {
    value.forEach((v, i) => planningRows(rows, [...path, String(i + 1)], v, text?.[i], report));
  } else if (typeof value === "object") {
    const keys = Object.keys(value);
    // {"distance", "withinLimits"} and {"diagonal"}: one figure, marked when outside the limits.
    const figure = keys.find((k) => k === "distance" || k === "diagonal");
    if (figure && keys.every((k) => k === figure || k === "withinLimits")) {
      const outside = value.withinLimits === false;
      rows.push([label, length(report, value[figure]) + (outside ? ` (${t("lblPlanOutside")})` : ""), outside]);
      return;
    }
    for (const k of keys) planningRows(rows, [...path, k], value[k], text?.[k], report);
  }
}

function renderPlanning(report) {
  const body = $("planningBody");
  body.replaceChildren();
  if (!report.planning) return;
  const rows = [];
  for (const [key, value] of Object.entries(report.planning)) {
    const text = report.planningTexts?.[key];
    // No scope screen chosen: the choice above says so.
    if (key === "scope" && value === null && (text === null || text === undefined)) continue;
    planningRows(rows, [key], value, text, report);
  }
  const table = document.createElement("table");
  for (const [label, text, outside] of rows) {
    const tr = document.createElement("tr");
    const th = document.createElement("th");
    th.scope = "row";
    th.textContent = label;
    const td = document.createElement("td");
    td.className = outside ? "num outside" : "num";
    if (outside) td.title = t("tipPlanOutside");
    td.textContent = text;
    tr.append(th, td);
    table.appendChild(tr);
  }
  body.appendChild(table);
}

// The planning panel's inputs show the values in force: after a refusal, the one before it.
function renderPlanInputs(report) {
  const inputs = report.planningInputs ?? {};
  for (const p of PLAN_INPUTS) {
    const input = $(p.id);
    input.value = inputs[p.name] ?? p.initial;
    input.classList.remove("refused");
  }
  $(SCOPE.id).value = inputs[SCOPE.name] ?? SCOPE.initial;
}

function render(report) {
  if (!report) return;
  const title = userText(`${report.title}${report.changed ? "*" : ""}`);
  $("title").textContent = title;
  document.title = title;
  renderModels(report);
  renderOptions(report);
  renderValues(report);
  renderDrawings(report);
  renderPlanInputs(report);
  renderPlanning(report);
  $("cmdUndo").disabled = !report.canUndo;
  $("cmdRedo").disabled = !report.canRedo;
  $("catalogueState").textContent = t("webCatalogueInUse").replace("%1", state.useMine ? t("webCatalogueMine") : t("webCatalogueShipped"));
  updateAddress();
}

function applyCaptions() {
  document.documentElement.lang = state.language;
  document.querySelectorAll("[data-text]").forEach((node) => {
    node.textContent = plainCaption(t(node.dataset.text));
  });
  $("txtOffset_1").setAttribute("aria-label", plainCaption(t("accSecondOffset")));
  $("txtOffset_0").setAttribute("aria-label", plainCaption(t("LBL17")));
  $("picDraw1").setAttribute("aria-label", t("webFront"));
  $("picDraw2").setAttribute("aria-label", t("webSide"));
  $("lblTableFrom").textContent = t("webTableFrom");
  $("lblTableTo").textContent = t("webTableTo");
  $("cmdCataloguePrevious").textContent = t("webCataloguePrevious");
  $("cmdCatalogueShipped").textContent = t("webCatalogueShipped");
  $("cmdCatalogueMine").textContent = t("webCatalogueMine");
  for (let i = 0; i < 4; ++i) {
    $(`cmdEnter_${i}`).title = t("tipEnter");
    $(`cmdEnter_${i}`).setAttribute("aria-label", t("tipEnter"));
  }
  for (const p of [...PLAN_INPUTS, SCOPE]) {
    $(p.id).title = t(p.tip);
    $(p.id).parentElement.title = t(p.tip);
  }
  $("copyFallback").setAttribute("aria-label", t("webCopyHere"));
}

// ---- files, downloads and the user's catalogue ------------------------------------------------

function download(name, bytes, type) {
  const url = URL.createObjectURL(new Blob([bytes], { type }));
  const a = document.createElement("a");
  a.href = url;
  a.download = name;
  document.body.appendChild(a);
  a.click();
  a.remove();
  setTimeout(() => URL.revokeObjectURL(url), 10000);
}

// A file's name as one path part the engine can use.
function safeName(name, fallback) {
  const base = String(name).replace(/[\\/]/g, "_").replace(/[\u0000-\u001f]/g, "");
  return base === "" || base === "." || base === ".." ? fallback : base;
}

// The last part of an engine path.
const baseName = (path) => String(path).split("/").pop();

// A new path in the engine's file system for a file the user gave or will get; the messages
// name it by the user's own name for it.
function freshPath(folder, name, shownName = name) {
  const dir = `/${folder}/${++state.fileCount}`;
  state.engine.ensureFolder(dir);
  const path = `${dir}/${name}`;
  state.fileNames.set(path, shownName);
  return path;
}

async function openFile(file) {
  const path = freshPath("files", safeName(file.name, "calculation.cf"), file.name);
  state.engine.FS.writeFile(path, new Uint8Array(await file.arrayBuffer()));
  act(`open=${path}`);
}

function saveFile() {
  const current = state.report.currentFile ? baseName(state.report.currentFile) : "";
  const name = current || `${plainCaption(t("txtUntitled"))}.cf`;
  const path = freshPath("files", name);
  if (act(`save-as=${path}`) === "refused") return;
  if (state.engine.FS.analyzePath(path).exists) {
    download(name, state.engine.FS.readFile(path), "application/octet-stream");
  }
}

const toBase64 = (bytes) => {
  let text = "";
  for (let i = 0; i < bytes.length; i += 0x8000) text += String.fromCharCode(...bytes.subarray(i, i + 0x8000));
  return btoa(text);
};
const fromBase64 = (text) => Uint8Array.from(atob(text), (c) => c.charCodeAt(0));

function storedCatalogue() {
  try {
    const stored = JSON.parse(storage()?.getItem(STORE_CATALOGUE) ?? "null");
    return stored && typeof stored.current === "string" ? stored : null;
  } catch {
    return null;
  }
}

// Lays out the folder of the user's catalogue from what the browser keeps.
function writeMineFolder(stored) {
  const FS = state.engine.FS;
  state.engine.ensureFolder(MINE);
  FS.writeFile(`${MINE}/Language.ini`, FS.readFile(`${SHIPPED}/Language.ini`));
  FS.writeFile(`${MINE}/ModelInfo.ini`, stored ? fromBase64(stored.current) : FS.readFile(`${SHIPPED}/ModelInfo.ini`));
  if (stored && stored.previous) FS.writeFile(`${MINE}/OLD.ini`, fromBase64(stored.previous));
  else if (FS.analyzePath(`${MINE}/OLD.ini`).exists) FS.unlink(`${MINE}/OLD.ini`);
}

// Installs a catalogue file into the user's folder with the engine's own checks; what was in
// force there becomes the previous one. Kept in the browser when the engine took it.
function installCatalogue(path) {
  const FS = state.engine.FS;
  if (!state.useMine) writeMineFolder(null);
  const before = toBase64(FS.readFile(`${MINE}/ModelInfo.ini`));
  const chosen = toBase64(FS.readFile(path));
  const result = state.engine.run(["--data-dir", MINE, "--", `catalogue=${path}`]);
  let notices = [];
  try {
    const report = JSON.parse(result.out);
    notices = newNotices(null, report);
  } catch {
    notices = [usageText(result.err)];
  }
  const after = toBase64(FS.readFile(`${MINE}/ModelInfo.ini`));
  if (after !== chosen) {
    // Refused: the catalogue in force stays, and the messages say why.
    showNotices(notices);
    if (state.useMine) writeMineFolder(storedCatalogue());
    return;
  }
  const previous = FS.analyzePath(`${MINE}/OLD.ini`).exists ? toBase64(FS.readFile(`${MINE}/OLD.ini`)) : before;
  try {
    storage()?.setItem(STORE_CATALOGUE, JSON.stringify({ current: after, previous }));
    storage()?.setItem(STORE_USE_MINE, "1");
  } catch {
    // Full or switched off: the catalogue serves this visit only.
  }
  state.useMine = true;
  startWith([]);
  showNotices(notices);
  renderCatalogueButtons();
}

async function chooseCatalogue(file) {
  const path = freshPath("upload", safeName(file.name, "ModelInfo.ini"), file.name);
  state.engine.FS.writeFile(path, new Uint8Array(await file.arrayBuffer()));
  installCatalogue(path);
}

function usePreviousCatalogue() {
  const stored = storedCatalogue();
  if (!stored || !stored.previous) return;
  if (!state.useMine) {
    state.useMine = true;
    writeMineFolder(stored);
  }
  const path = freshPath("upload", "OLD.ini", t("webCataloguePrevious"));
  state.engine.FS.writeFile(path, fromBase64(stored.previous));
  installCatalogue(path);
}

function useCatalogue(mine) {
  const stored = storedCatalogue();
  if (mine && !stored) return;
  state.useMine = mine;
  if (mine) writeMineFolder(stored);
  try {
    storage()?.setItem(STORE_USE_MINE, mine ? "1" : "0");
  } catch {
    // not kept
  }
  startWith([]);
  renderCatalogueButtons();
}

function renderCatalogueButtons() {
  const stored = storedCatalogue();
  $("cmdCataloguePrevious").hidden = !(stored && stored.previous);
  $("cmdCatalogueShipped").hidden = !state.useMine;
  $("cmdCatalogueMine").hidden = state.useMine || !stored;
}

// ---- dialogs ------------------------------------------------------------------------------------

function findModels() {
  const near = $("txtFindNear").value.trim();
  const far = $("txtFindFar").value.trim();
  const list = $("findList");
  list.replaceChildren();
  const result = run([...state.actions, `fit=${near}..${far}`], { scenes: false });
  if (result.exit !== 0) {
    $("findHint").textContent = near === "" || far === "" ? t("msgFindTypeNumbers") : usageText(result.err);
    return;
  }
  const report = JSON.parse(result.out);
  const models = report.fit ? report.fit.models : [];
  $("findHint").textContent = models.length > 0 ? t("msgFindCount").replace("%1", String(models.length)) : t("webFindNone");
  for (const model of models) {
    const item = document.createElement("li");
    const button = document.createElement("button");
    button.type = "button";
    const ends = ["wide", "tele"].filter((end) => model[end]).map((end) =>
      `${plainCaption(t(end === "wide" ? "LBL7" : "LBL8"))} ${length(report, model[end].distance)}${model[end].withinLimits ? "" : " *"}`);
    button.textContent = [model.name, ...ends].join(" · ");
    button.addEventListener("click", () => {
      $("dlgFind").close();
      act(`model-row=${model.row}`);
    });
    item.appendChild(button);
    list.appendChild(item);
  }
}

function exportThrowTable() {
  const from = $("txtTableFrom").value.trim();
  const to = $("txtTableTo").value.trim();
  const step = $("txtTableStep").value.trim();
  const result = run([...state.actions, `table=${from}..${to}:${step}`], { scenes: false, extra: ["--csv"] });
  if (result.exit !== 0) {
    $("tableHint").textContent = usageText(result.err);
    return;
  }
  $("tableHint").textContent = "";
  const model = state.report.model.name ? safeName(state.report.model.name, "model") : "model";
  download(`${model} throw table.csv`, result.out, "text/csv");
  $("dlgTable").close();
}

async function copyResults() {
  const result = state.engine.run([...dataArgs(), "--text", "--", ...state.actions]);
  if (result.exit !== 0) {
    showNotices([usageText(result.err)]);
    return;
  }
  const fallback = $("copyFallback");
  try {
    await navigator.clipboard.writeText(result.out);
    fallback.hidden = true;
    showNotices([t("webCopied")]);
  } catch {
    fallback.hidden = false;
    fallback.value = result.out;
    fallback.select();
    showNotices([t("webCopyHere")]);
  }
}

// ---- languages ----------------------------------------------------------------------------------

function chooseLanguage(code) {
  const language = state.engine.languages.find((l) => l.code === code);
  if (!language) return;
  state.language = code;
  state.texts = parseLanguage(language.text);
  state.engine.useLanguage(language.text);
  applyCaptions();
  try {
    storage()?.setItem(STORE_LANGUAGE, code);
  } catch {
    // not kept
  }
  if (state.report) {
    const result = run(state.actions);
    if (result.exit === 0) state.report = JSON.parse(result.out);
    render(state.report);
  }
}

function browserLanguage(codes) {
  const stored = storage()?.getItem(STORE_LANGUAGE);
  if (stored && codes.includes(stored)) return stored;
  for (const wanted of navigator.languages ?? [navigator.language ?? "en"]) {
    const code = String(wanted).toLowerCase().split("-")[0];
    if (codes.includes(code)) return code;
  }
  return codes.includes("en") ? "en" : codes[0];
}

// ---- wiring -------------------------------------------------------------------------------------

function commitBox(i) {
  const input = $(`txtValue_${i}`);
  if (act(`${BOXES[i]}=${input.value}`) === "refused") {
    input.classList.add("refused");
    input.focus();
    input.select();
  }
}

function commitPlan(p) {
  const input = $(p.id);
  if (act(`${p.action}=${input.value}`) === "refused") {
    input.classList.add("refused");
    input.focus();
    input.select();
  }
}

function wire() {
  for (let i = 0; i < 4; ++i) {
    const input = $(`txtValue_${i}`);
    input.addEventListener("keydown", (event) => {
      if (event.key === "Enter") {
        event.preventDefault();
        commitBox(i);
      } else if (event.key === "Escape") {
        input.value = state.report.boxes[i];
      }
    });
    input.addEventListener("change", () => {
      if (input.value !== state.report.boxes[i]) commitBox(i);
    });
    $(`cmdEnter_${i}`).addEventListener("click", () => commitBox(i));
  }
  for (const p of PLAN_INPUTS) {
    const input = $(p.id);
    const shownText = () => state.report?.planningInputs?.[p.name] ?? p.initial;
    input.addEventListener("keydown", (event) => {
      if (event.key === "Enter") {
        event.preventDefault();
        commitPlan(p);
      } else if (event.key === "Escape") {
        input.value = shownText();
      }
    });
    input.addEventListener("change", () => {
      if (input.value !== shownText()) commitPlan(p);
    });
  }
  $(SCOPE.id).addEventListener("change", (event) => act(`${SCOPE.action}=${event.target.value}`));
  for (const [group, g] of Object.entries(GROUPS)) {
    g.words.forEach((word, i) => {
      $(`${g.id}${i}`).addEventListener("change", () => act(`${group}=${word}`));
    });
  }
  $("cboModel").addEventListener("change", (event) => act(`model-row=${event.target.value}`));
  $("cmdUndo").addEventListener("click", () => act("undo"));
  $("cmdRedo").addEventListener("click", () => act("redo"));
  $("cmdCopy").addEventListener("click", copyResults);
  $("cmdFind").addEventListener("click", () => {
    $("findList").replaceChildren();
    $("findHint").textContent = t("tipFindModels");
    $("dlgFind").showModal();
  });
  $("cmdFindRun").addEventListener("click", findModels);
  // Enter in a dialog's box does the dialog's work instead of closing it.
  const onEnter = (ids, work) => ids.forEach((id) => $(id).addEventListener("keydown", (event) => {
    if (event.key !== "Enter") return;
    event.preventDefault();
    work();
  }));
  onEnter(["txtFindNear", "txtFindFar"], findModels);
  onEnter(["txtTableFrom", "txtTableTo", "txtTableStep"], exportThrowTable);
  $("cmdTable").addEventListener("click", () => {
    $("tableHint").textContent = "";
    $("dlgTable").showModal();
  });
  $("cmdTableRun").addEventListener("click", exportThrowTable);
  $("cmdOpen").addEventListener("click", () => $("fileOpen").click());
  $("fileOpen").addEventListener("change", (event) => {
    const file = event.target.files[0];
    event.target.value = "";
    if (file) openFile(file);
  });
  $("cmdSave").addEventListener("click", saveFile);
  $("cmdCatalogue").addEventListener("click", () => $("fileCatalogue").click());
  $("fileCatalogue").addEventListener("change", (event) => {
    const file = event.target.files[0];
    event.target.value = "";
    if (file) chooseCatalogue(file);
  });
  $("cmdCataloguePrevious").addEventListener("click", usePreviousCatalogue);
  $("cmdCatalogueShipped").addEventListener("click", () => useCatalogue(false));
  $("cmdCatalogueMine").addEventListener("click", () => useCatalogue(true));
  $("cboLanguage").addEventListener("change", (event) => chooseLanguage(event.target.value));
  // Edit > Undo and Redo from the keyboard, except where a text box takes the keys itself.
  document.addEventListener("keydown", (event) => {
    if (!(event.ctrlKey || event.metaKey) || event.altKey) return;
    if (event.target instanceof HTMLInputElement && event.target.type === "text") return;
    const key = event.key.toLowerCase();
    const redo = key === "y" || (key === "z" && event.shiftKey);
    if (key !== "z" && key !== "y") return;
    event.preventDefault();
    if (redo ? state.report?.canRedo : state.report?.canUndo) act(redo ? "redo" : "undo");
  });
  window.addEventListener("hashchange", () => {
    openLink(decodeHash(location.hash));
    renderCatalogueButtons();
  });
}

async function main() {
  try {
    state.engine = await startEngine();
  } catch (error) {
    showNotices([textOf(null, "webEngineFailed").replace("%1", String(error && error.message || error))]);
    return;
  }
  const codes = state.engine.languages.map((l) => l.code);
  const select = $("cboLanguage");
  select.replaceChildren(...state.engine.languages.map((l) => {
    const option = document.createElement("option");
    option.value = l.code;
    option.textContent = parseLanguage(l.text).get("LanguageName") || l.code;
    return option;
  }));
  const code = browserLanguage(codes);
  select.value = code;
  chooseLanguage(code);
  wire();

  const linked = decodeHash(location.hash);
  const stored = storedCatalogue();
  if (linked.length === 0 && stored && storage()?.getItem(STORE_USE_MINE) === "1") {
    state.useMine = true;
    writeMineFolder(stored);
  }
  if (!(linked.length > 0 ? openLink(linked) : startWith([])) && state.useMine) {
    state.useMine = false;
    startWith([]);
  }
  renderCatalogueButtons();
  window.projcalcFirstResults = performance.now();
  document.body.dataset.ready = "1";
  // After the first results, so that filling the offline cache does not hold them up.
  if ("serviceWorker" in navigator) {
    navigator.serviceWorker.register("sw.js").catch(() => {
      // Without a service worker the page still works, only not offline.
    });
  }
}

main();
