// Browser tests of the page in build/web/site: Debian's chromium, driven by playwright-core,
// against the site served on 127.0.0.1. What the page shows is checked against the native
// projcalc-cli's report for the same actions.
//
//   node tests/web/site_test.mjs                 the tests (exit 77: skipped, with the reason)
//   node tests/web/site_test.mjs --timing [N]    the median of N (5) cold loads' time from
//                                                navigation to first results, as JSON
//   node tests/web/site_test.mjs --screenshot F  a picture of the page at phone width
//
// Environment: PROJCALC_SITE (default build/web/site), PROJCALC_CLI (default
// build/dev/src/cli/projcalc-cli), PROJCALC_CHROMIUM (default /usr/bin/chromium).
import { execFileSync } from "node:child_process";
import { cpSync, existsSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { dirname, join, resolve } from "node:path";
import { fileURLToPath } from "node:url";
import { serve } from "./server.mjs";

const here = dirname(fileURLToPath(import.meta.url));
const root = resolve(here, "../..");
const siteDir = process.env.PROJCALC_SITE || join(root, "build/web/site");
const cli = process.env.PROJCALC_CLI || join(root, "build/dev/src/cli/projcalc-cli");
const chromiumPath = process.env.PROJCALC_CHROMIUM || "/usr/bin/chromium";
const SKIP = 77;

function skip(reason) {
  console.log(`SKIPPED: ${reason}`);
  process.exit(SKIP);
}

if (!existsSync(join(siteDir, "index.html"))) skip(`${siteDir} holds no built site: run make web first`);
if (!existsSync(join(here, "node_modules/playwright-core"))) {
  skip(`playwright-core is not installed in ${here}: run scripts/install-deps.sh --web`);
}
if (!existsSync(chromiumPath)) skip(`${chromiumPath} is missing: run scripts/install-deps.sh --web`);
const { chromium } = await import("playwright-core");

// The native CLI's report for actions, on the site's own data.
function cliOutput(actions, options = [], language = "en") {
  return execFileSync(cli, ["--data-dir", join(siteDir, "data"), "--language", language, ...options, "--", ...actions],
    { encoding: "utf8" });
}

function cliReport(actions, options = ["--scenes"], language = "en") {
  return JSON.parse(cliOutput(actions, options, language));
}

const decodeURIComponentAll = (hash) => decodeHash(hash);

function decodeHash(hash) {
  return hash.replace(/^#/, "").split("&").filter(Boolean).map((part) => {
    const equals = part.indexOf("=");
    return equals < 0 ? decodeURIComponent(part)
      : `${decodeURIComponent(part.slice(0, equals))}=${decodeURIComponent(part.slice(equals + 1))}`;
  });
}

// ---- what the page shows -------------------------------------------------------------------

async function shown(page) {
  return page.evaluate(() => {
    const $ = (id) => document.getElementById(id);
    const items = (svg) => [...svg.children].filter((n) => n.tagName !== "text").map((n) => {
      const num = (name) => Number(n.getAttribute(name));
      switch (n.tagName) {
        case "polygon":
          return { kind: "polygon", points: n.getAttribute("points").split(" ").map((p) => p.split(",").map(Number)) };
        case "line":
          return { kind: "line", from: [num("x1"), num("y1")], to: [num("x2"), num("y2")] };
        default:
          return { kind: "image", at: [num("x"), num("y")], size: [num("width"), num("height")] };
      }
    });
    return {
      model: $("cboModel").selectedOptions[0]?.textContent ?? null,
      boxes: [0, 1, 2, 3].map((i) => $(`txtValue_${i}`).value),
      offsets: [0, 1].map((i) => $(`txtOffset_${i}`).value),
      front: items($("picDraw1")),
      side: items($("picDraw2")),
      frontBox: $("picDraw1").getAttribute("viewBox"),
      notices: $("notices").textContent,
      planning: [...document.querySelectorAll("#planningBody td")].map((td) => td.textContent),
      hash: location.hash,
    };
  });
}

// The report's display list in the form `shown` reads the drawing back.
function sceneItems(scene) {
  return scene.items.map((item) => item.kind === "polygon" ? { kind: "polygon", points: item.points }
    : item.kind === "line" ? { kind: "line", from: item.from, to: item.to }
      : { kind: "image", at: item.at, size: item.size });
}

function expected(report) {
  return {
    model: report.model.name,
    boxes: report.boxes,
    offsets: report.offsets.map((text, i) => (report.offsetVisible[i] ? text : "")),
    front: sceneItems(report.scenes.front),
    side: sceneItems(report.scenes.side),
    frontBox: `0 0 ${report.scenes.front.width} ${report.scenes.front.height}`,
  };
}

// ---- a tiny runner -------------------------------------------------------------------------

function equal(actual, wanted, what) {
  const a = JSON.stringify(actual);
  const w = JSON.stringify(wanted);
  if (a !== w) throw new Error(`${what}:\n    shown  ${a}\n    wanted ${w}`);
}

function check(condition, what) {
  if (!condition) throw new Error(what);
}

const consoleErrors = [];
let browser;
let site;

async function newPage(context, viewport) {
  const page = await context.newPage();
  if (viewport) await page.setViewportSize(viewport);
  page.on("console", (message) => {
    if (message.type() === "error") consoleErrors.push(`${page.url()}: ${message.text()}`);
  });
  page.on("pageerror", (error) => consoleErrors.push(`${page.url()}: ${error.message}`));
  // Nothing comes from another host.
  page.on("request", (request) => {
    const url = request.url();
    if (!/^(blob|data):/.test(url) && !url.startsWith("http://127.0.0.1:")) consoleErrors.push(`request to ${url}`);
  });
  return page;
}

async function open(context, hash = "", viewport = { width: 1200, height: 900 }, origin = site.origin) {
  const page = await newPage(context, viewport);
  await page.goto(`${origin}/index.html${hash}`);
  await page.waitForSelector("body[data-ready='1']", { timeout: 15000 });
  return page;
}

async function type(page, box, text) {
  await page.fill(`#txtValue_${box}`, text);
  await page.press(`#txtValue_${box}`, "Enter");
}

async function pickModel(page, name) {
  await page.selectOption("#cboModel", { label: name });
}

const BOX_NAMES = ["distance", "diagonal", "width", "height"];
const UNIT_INDEX = { inches: 0, feet: 1, centimeters: 2 };

// Typing cases: model, unit, box, text; each checked against the CLI's report.
const typingCases = [
  { model: "Orbis 310", units: "inches", box: 1, text: "100" },
  { model: "Halcyon 9", units: "feet", box: 0, text: "25" },
  { model: "Kestrel F2", units: "centimeters", box: 2, text: "180.5" },
];

const tests = [
  ["start-up shows the first model and its boxes, under a policy that allows only the site", async (context) => {
    const page = await open(context);
    const policy = await page.getAttribute("meta[http-equiv='Content-Security-Policy']", "content");
    check(/default-src 'self'/.test(policy) && /script-src 'self' 'wasm-unsafe-eval'(;|$)/.test(policy), `the policy ${policy}`);
    // The browser can install it: a manifest whose icons are there.
    const icons = await page.evaluate(async () => {
      const href = document.querySelector("link[rel=manifest]").href;
      const manifest = await (await fetch(href)).json();
      return Promise.all(manifest.icons.map(async (icon) => [icon.src, (await fetch(new URL(icon.src, href))).status]));
    });
    check(icons.length > 0 && icons.every(([, status]) => status === 200), `manifest icons ${JSON.stringify(icons)}`);
    const report = cliReport([]);
    const got = await shown(page);
    equal(got.model, report.modelList[0], "model");
    equal(got.boxes, report.boxes, "boxes");
    equal({ front: got.front, side: got.side }, { front: sceneItems(report.scenes.front), side: sceneItems(report.scenes.side) }, "drawings");
    await page.close();
  }],
  ["typing a value and Enter shows the CLI's boxes, offsets and both drawings", async (context) => {
    const page = await open(context);
    for (const c of typingCases) {
      await pickModel(page, c.model);
      await page.check(`#optUnits_${UNIT_INDEX[c.units]}`);
      await type(page, c.box, c.text);
      const report = cliReport([`model=${c.model}`, `units=${c.units}`, `${BOX_NAMES[c.box]}=${c.text}`]);
      const got = await shown(page);
      const { notices, hash, planning, ...rest } = got;
      equal(rest, expected(report), `${c.model}, ${c.units}, ${BOX_NAMES[c.box]}=${c.text}`);
      // The planning panel's texts, as the engine writes them for the window.
      const texts = [];
      const collect = (node) => {
        if (typeof node === "string") texts.push(node);
        else if (node && typeof node.text === "string") texts.push(node.text);
        else if (node && typeof node === "object") Object.values(node).forEach(collect);
      };
      collect(report.planningTexts);
      check(texts.length >= 7, `planning texts ${JSON.stringify(report.planningTexts)}`);
      for (const text of texts) {
        check(planning.some((cell) => cell.startsWith(text)), `the planning panel ${JSON.stringify(planning)} shows ${text}`);
      }
      // The address is a link to this calculation.
      const linked = cliReport(decodeHash(hash));
      equal(linked.boxes, report.boxes, `the address ${hash}`);
      check(hash.includes(encodeURIComponent(c.text)), `the address ${hash} keeps the text typed`);
    }
    await page.close();
  }],
  ["a share link reproduces the CLI's boxes", async (context) => {
    const actions = ["model=Halcyon 9", "aspect=16:9", "diagonal=100"];
    const hash = "#" + actions.map((a) => a.split("=").map(encodeURIComponent).join("=")).join("&");
    const page = await open(context, hash);
    const report = cliReport(actions);
    const got = await shown(page);
    equal([got.model, got.boxes, got.offsets], [report.model.name, report.boxes, expected(report).offsets], hash);
    check(await page.isChecked("#optAspect_2"), "16 : 9 is checked");
    await page.close();
  }],
  ["a link stops at a refused action and shows its message", async (context) => {
    const page = await open(context, "#diagonal=90&width=abc&diagonal=120");
    const report = cliReport(["diagonal=90", "width=abc"]);
    const got = await shown(page);
    equal(got.boxes, report.boxes, "boxes after the refused action");
    check(got.notices.includes(report.messages.at(-1)), `notice "${got.notices}" has "${report.messages.at(-1)}"`);
    await page.close();
  }],
  ["a refused text shows the message and the box keeps its text", async (context) => {
    const page = await open(context);
    const before = (await shown(page)).boxes;
    await type(page, 1, "150,7");
    const report = cliReport(["diagonal=150,7"]);
    const got = await shown(page);
    check(report.messages.length > 0, "the CLI refuses 150,7");
    check(got.notices.includes(report.messages[0]), `notice "${got.notices}" has "${report.messages[0]}"`);
    equal(got.boxes, before, "boxes");
    await type(page, 1, "1000");
    const limit = cliReport(["diagonal=1000"]);
    check((await shown(page)).notices.includes(limit.messages[0]), "the limit message is shown");
    await page.close();
  }],
  ["greyed options say why, and undo takes a step back", async (context) => {
    const page = await open(context);
    await pickModel(page, "Kestrel T4");
    const report = cliReport(["model=Kestrel T4"]);
    for (let i = 0; i < 2; ++i) {
      check(await page.isDisabled(`#optWIDE_${i}`), `optWIDE_${i} is greyed`);
      equal(await page.getAttribute(`#optWIDE_${i}`, "title"), report.options.zoomTips[i], `optWIDE_${i} tooltip`);
    }
    equal(await page.isDisabled("#optAspect_1"), !report.options.aspectEnabled[1], "optAspect_1");
    equal(await page.textContent("#reasonZoom"), report.options.zoomTips[0], "the reason shown under the zoom buttons");
    await type(page, 1, "150");
    await page.click("#cmdUndo");
    equal((await shown(page)).boxes, report.boxes, "boxes after undo");
    await page.click("#cmdRedo");
    equal((await shown(page)).boxes, cliReport(["model=Kestrel T4", "diagonal=150"]).boxes, "boxes after redo");
    await page.close();
  }],
  ["the planning inputs follow the CLI: gain, a refused share, a scope screen, the link and undo", async (context) => {
    const page = await open(context);
    const planningTexts = (report) => {
      const texts = [];
      const collect = (node) => {
        if (typeof node === "string") texts.push(node);
        else if (node && typeof node.text === "string") texts.push(node.text);
        else if (node && typeof node === "object") Object.values(node).forEach(collect);
      };
      collect(report.planningTexts);
      return texts;
    };
    const showsAll = async (report, what) => {
      const cells = (await shown(page)).planning;
      for (const text of planningTexts(report)) check(cells.some((cell) => cell.startsWith(text)), `${what}: ${JSON.stringify(cells)} shows ${text}`);
    };
    await pickModel(page, "Halcyon 9");
    await page.fill("#txtPlanGain", "1.30");
    await page.press("#txtPlanGain", "Enter");
    const gained = cliReport(["model=Halcyon 9", "gain=1.30"]);
    check(gained.planningTexts.light.wide !== cliReport(["model=Halcyon 9"]).planningTexts.light.wide, "the gain changes the light");
    await showsAll(gained, "gain 1.30");
    equal(await page.inputValue("#txtPlanGain"), gained.planningInputs.gain, "the gain shown");
    // A refused text: the engine's message, and the text in force back in the box.
    await page.fill("#txtPlanShare", "150");
    await page.press("#txtPlanShare", "Enter");
    const refused = cliReport(["model=Halcyon 9", "gain=1.30", "light=150"]);
    check((await shown(page)).notices.includes(refused.messages.at(-1)), `the notice has "${refused.messages.at(-1)}"`);
    equal(await page.inputValue("#txtPlanShare"), "100", "the share after the refusal");
    // A scope screen on 4 : 3 has no figures but is kept: the note says what it needs.
    await page.selectOption("#cboPlanScope", "2.35");
    const needs169 = cliReport(["model=Halcyon 9", "gain=1.30", "scope=2.35"]);
    check(typeof needs169.planningTexts.scope === "string", "the CLI explains the missing scope figures");
    await showsAll(needs169, "scope 2.35 on 4 : 3");
    equal(await page.inputValue("#cboPlanScope"), "2.35", "the scope chosen on 4 : 3");
    await page.check("#optAspect_2");
    await page.selectOption("#cboPlanScope", "2.39");
    const actions = ["model=Halcyon 9", "gain=1.30", "scope=2.35", "aspect=16:9", "scope=2.39"];
    const scoped = cliReport(actions);
    check(scoped.planningTexts.scope && scoped.planningTexts.scope.size, "the CLI has scope figures");
    await showsAll(scoped, "scope 2.39");
    const cells = (await shown(page)).planning;
    check(!cells.includes("1.3") && !cells.includes("2.39"), `no table row repeats an input: ${JSON.stringify(cells)}`);
    // The address carries the planning settings, and gives the same calculation back.
    const hash = (await shown(page)).hash;
    const linked = decodeHash(hash);
    check(linked.includes("gain=1.3") && linked.includes("scope=2.39") && !linked.some((a) => a.startsWith("light=")), `the address ${hash}`);
    equal(cliReport(linked).planning, scoped.planning, `the planning of ${hash}`);
    await page.click("#cmdUndo");
    await page.click("#cmdUndo");
    equal(await page.inputValue("#cboPlanScope"), "2.35", "the scope after two undos");
    await page.click("#cmdUndo");
    equal(await page.inputValue("#cboPlanScope"), "none", "the scope after three undos");
    await page.click("#cmdUndo");
    equal(await page.inputValue("#txtPlanGain"), "1", "the gain after four undos");
    await page.close();
  }],
  ["a long session keeps its calculation and its last steps to undo", async (context) => {
    await context.addInitScript(() => {
      globalThis.projcalcLineLimits = { max: 12, keep: 4 };
    });
    const page = await open(context);
    const actions = [];
    for (let i = 0; i < 24; ++i) {
      if (i % 2 === 0) {
        await type(page, 1 + (i % 4 === 0 ? 0 : 1), String(70 + i));
        actions.push(`${BOX_NAMES[1 + (i % 4 === 0 ? 0 : 1)]}=${70 + i}`);
      } else {
        const units = ["feet", "centimeters", "inches"][((i - 1) / 2) % 3];
        await page.check(`#optUnits_${UNIT_INDEX[units]}`);
        actions.push(`units=${units}`);
      }
    }
    const line = await page.evaluate(() => location.hash);
    equal((await shown(page)).boxes, cliReport(actions).boxes, "boxes after 24 steps");
    equal(cliReport(decodeURIComponentAll(line)).boxes, cliReport(actions).boxes, `the address ${line}`);
    for (let undo = 1; undo <= 3; ++undo) {
      await page.click("#cmdUndo");
      const wanted = cliReport([...actions, ...Array(undo).fill("undo")]);
      equal((await shown(page)).boxes, wanted.boxes, `boxes after ${undo} undo`);
    }
    await page.close();
  }],
  ["at 360 px nothing scrolls sideways and touch targets are 44 px", async (context) => {
    const page = await open(context, "#model=Halcyon%209&diagonal=100", { width: 360, height: 740 });
    const widths = await page.evaluate(() => [document.documentElement.scrollWidth, document.documentElement.clientWidth]);
    check(widths[0] <= widths[1], `the page is ${widths[0]} px wide in ${widths[1]} px`);
    const small = await page.evaluate(() => [...document.querySelectorAll("main button, main select, main input[type=text], .tools button, .tools select, fieldset label")]
      .filter((n) => n.offsetParent !== null)
      .map((n) => ({ id: n.id || n.textContent.trim(), box: n.getBoundingClientRect() }))
      .filter(({ box }) => box.height < 44 || box.width < 44)
      .map(({ id, box }) => `${id} ${Math.round(box.width)}x${Math.round(box.height)}`));
    equal(small, [], "targets under 44 px");
    equal(await page.getAttribute("#txtValue_0", "inputmode"), "decimal", "inputmode");
    const columnsAt = () => page.$$eval("main > .column", (columns) => columns.map((c) => Math.round(c.getBoundingClientRect().left)));
    check(new Set(await columnsAt()).size === 1, "one column at 360 px");
    await page.setViewportSize({ width: 1280, height: 900 });
    check(new Set(await columnsAt()).size === 2, "two columns at desktop width");
    await page.close();
  }],
  ["the browser's language is the page's, captions and messages alike", async (context) => {
    await context.close();
    const german = await browser.newContext({ locale: "de-DE" });
    try {
      const page = await open(german);
      const texts = readFileSync(join(siteDir, "data/languages/de/Language.ini"), "utf8");
      const caption = /^LBL1=(.*)$/m.exec(texts)[1].trim();
      equal((await page.textContent("label.field span[data-text='LBL1']")).trim(), caption, "the model caption");
      // The page's own texts too.
      equal(await page.getAttribute("#picDraw1", "aria-label"), /^webFront=(.*)$/m.exec(texts)[1].trim(), "the front view's name");
      await type(page, 1, "abc");
      const report = cliReport(["diagonal=abc"], [], "de");
      check((await shown(page)).notices.includes(report.messages[0]), `the German message ${report.messages[0]}`);
      await page.close();
    } finally {
      await german.close();
    }
  }],
  ["Find models lists the models the CLI finds and takes the one chosen", async (context) => {
    const page = await open(context);
    await type(page, 1, "100");
    await page.click("#cmdFind");
    await page.fill("#txtFindNear", "100");
    await page.fill("#txtFindFar", "200");
    await page.press("#txtFindFar", "Enter");
    const fit = cliReport(["diagonal=100", "fit=100..200"], []).fit;
    const listed = await page.$$eval("#findList button", (buttons) => buttons.map((b) => b.textContent.split(" · ")[0]));
    equal(listed, fit.models.map((m) => m.name), "models found");
    check(fit.models.length > 1, "more than one model fits");
    await page.click(`#findList li:nth-child(2) button`);
    const report = cliReport(["diagonal=100", `model-row=${fit.models[1].row}`]);
    equal((await shown(page)).boxes, report.boxes, "boxes of the model taken");
    await page.close();
  }],
  ["the throw table downloads the CLI's CSV, and Copy Results copies its summary", async (context) => {
    await context.grantPermissions(["clipboard-read", "clipboard-write"], { origin: site.origin });
    const page = await open(context);
    await pickModel(page, "Halcyon 9");
    await page.click("#cmdTable");
    await page.fill("#txtTableFrom", "80");
    await page.fill("#txtTableTo", "120");
    await page.fill("#txtTableStep", "20");
    const [download] = await Promise.all([page.waitForEvent("download"), page.click("#cmdTableRun")]);
    const csv = readFileSync(await download.path(), "utf8");
    equal(csv, cliOutput(["model=Halcyon 9", "table=80..120:20"], ["--csv"]), "CSV");
    await page.click("#cmdCopy");
    const copied = await page.evaluate(() => navigator.clipboard.readText());
    equal(copied, cliOutput(["model=Halcyon 9"], ["--text"]), "copied results");
    await page.close();
  }],
  ["a saved .cf downloads and opens again to the same calculation", async (context) => {
    const page = await open(context);
    await pickModel(page, "Quill 4800");
    await page.check("#optAspect_2");
    await type(page, 0, "200");
    const saved = await shown(page);
    const [download] = await Promise.all([page.waitForEvent("download"), page.click("#cmdSave")]);
    check(/\.cf$/.test(download.suggestedFilename()), `the file is named ${download.suggestedFilename()}`);
    const file = await download.path();
    await page.close();
    const fresh = await open(context);
    await fresh.setInputFiles("#fileOpen", { name: "room.cf", mimeType: "application/octet-stream", buffer: readFileSync(file) });
    await fresh.waitForFunction((model) => document.getElementById("cboModel").selectedOptions[0]?.textContent === model, saved.model);
    const opened = await shown(fresh);
    equal([opened.model, opened.boxes, opened.offsets], [saved.model, saved.boxes, saved.offsets], "the opened file");
    await fresh.close();
  }],
  ["the user's catalogue is checked, kept in the browser, and the previous one comes back", async (context) => {
    const page = await open(context);
    const shippedList = cliReport([], []).modelList;
    // Names from files are shown as text, never as markup.
    await page.setInputFiles("#fileCatalogue", { name: "<i>broken</i>.ini", mimeType: "text/plain", buffer: Buffer.from("no catalogue here\n") });
    await page.waitForFunction(() => document.getElementById("notices").textContent !== "");
    const refusal = await page.textContent("#notices");
    check(refusal.includes("<i>broken</i>.ini"), `the message names the file as it is: ${refusal}`);
    equal(await page.$$eval("i, b", (nodes) => nodes.length), 0, "no markup from a file");
    equal(await page.$$eval("#cboModel option", (o) => o.map((x) => x.textContent)), shippedList, "a refused file changes nothing");

    const lines = readFileSync(join(siteDir, "data/ModelInfo.ini"), "utf8").split(/\r?\n/);
    const mine = [lines[0], lines[1].replace(/^[^,]*/, "Test <b>Room</b> One"), lines[7].replace(/^[^,]*/, "Test Room Two"), ""].join("\n");
    await page.setInputFiles("#fileCatalogue", { name: "mine.ini", mimeType: "text/plain", buffer: Buffer.from(mine) });
    await page.waitForFunction(() => document.getElementById("cboModel").options.length === 2);
    const folder = mkdtempSync(join(tmpdir(), "projcalc-web-"));
    try {
      writeFileSync(join(folder, "ModelInfo.ini"), mine);
      writeFileSync(join(folder, "Language.ini"), readFileSync(join(siteDir, "data/Language.ini")));
      await type(page, 1, "90");
      const expectedMine = JSON.parse(execFileSync(cli, ["--data-dir", folder, "diagonal=90"], { encoding: "utf8" }));
      equal((await shown(page)).boxes, expectedMine.boxes, "boxes on the user's catalogue");
    } finally {
      rmSync(folder, { recursive: true, force: true });
    }
    await page.reload();
    await page.waitForSelector("body[data-ready='1']");
    equal(await page.$$eval("#cboModel option", (o) => o.map((x) => x.textContent)), ["Test <b>Room</b> One", "Test Room Two"], "kept after a reload");
    equal(await page.$$eval("i, b", (nodes) => nodes.length), 0, "no markup from a catalogue");
    await page.click("#cmdCataloguePrevious");
    await page.waitForFunction((n) => document.getElementById("cboModel").options.length === n, shippedList.length);
    await page.click("#cmdCataloguePrevious");
    await page.waitForFunction(() => document.getElementById("cboModel").options.length === 2);
    await page.click("#cmdCatalogueShipped");
    equal(await page.$$eval("#cboModel option", (o) => o.map((x) => x.textContent)), shippedList, "the shipped catalogue");
    await page.close();
  }],
  ["a link does no file action", async (context) => {
    const page = await open(context, "#diagonal=90&open=%2Fshipped%2FModelInfo.ini&diagonal=120");
    equal((await shown(page)).boxes, cliReport(["diagonal=90"]).boxes, "boxes");
    check((await shown(page)).notices.includes("open=/shipped/ModelInfo.ini"), "the notice names the action");
    await page.close();
  }],
  ["a new version of the site replaces the old cache", async (context) => {
    const copy = mkdtempSync(join(tmpdir(), "projcalc-site-"));
    cpSync(siteDir, copy, { recursive: true });
    const server = await (await import("./server.mjs")).serve(copy);
    try {
      const page = await open(context, "", undefined, server.origin);
      const cachesNow = () => page.evaluate(async () => {
        await navigator.serviceWorker.ready;
        if (!navigator.serviceWorker.controller) {
          await new Promise((done) => navigator.serviceWorker.addEventListener("controllerchange", done, { once: true }));
        }
        return caches.keys();
      });
      const first = await cachesNow();
      equal(first.length, 1, `one cache (${first})`);
      const worker = join(copy, "sw.js");
      writeFileSync(worker, readFileSync(worker, "utf8").replace(/const VERSION = "[^"]*"/, 'const VERSION = "next"'));
      await page.evaluate(async () => {
        const registration = await navigator.serviceWorker.ready;
        const changed = new Promise((done) => navigator.serviceWorker.addEventListener("controllerchange", done, { once: true }));
        await registration.update();
        await changed;
      });
      await page.waitForFunction(async () => JSON.stringify(await caches.keys()) === JSON.stringify(["projcalc-next"]));
      await context.setOffline(true);
      await page.reload();
      await page.waitForSelector("body[data-ready='1']", { timeout: 15000 });
      await context.setOffline(false);
      await page.close();
    } finally {
      await server.close();
      rmSync(copy, { recursive: true, force: true });
    }
  }],
  ["the page reloads offline once the service worker is active", async (context) => {
    const page = await open(context);
    await page.evaluate(async () => {
      await navigator.serviceWorker.ready;
      if (!navigator.serviceWorker.controller) {
        await new Promise((done) => navigator.serviceWorker.addEventListener("controllerchange", done, { once: true }));
      }
    });
    await context.setOffline(true);
    try {
      await page.reload();
      await page.waitForSelector("body[data-ready='1']", { timeout: 15000 });
      equal((await shown(page)).boxes, cliReport([]).boxes, "boxes offline");
      await type(page, 1, "80");
      equal((await shown(page)).boxes, cliReport(["diagonal=80"]).boxes, "boxes offline after typing");
    } finally {
      await context.setOffline(false);
    }
    await page.close();
  }],
];

async function runTests() {
  let passed = 0;
  let failed = 0;
  for (const [name, body] of tests) {
    const context = await browser.newContext({ locale: "en-US" });
    const started = Date.now();
    try {
      await body(context);
      passed++;
      console.log(`ok   ${name} (${Date.now() - started} ms)`);
    } catch (error) {
      failed++;
      console.log(`FAIL ${name}\n  ${String(error && error.stack || error).replace(/\n/g, "\n  ")}`);
    } finally {
      await context.close().catch(() => {});
    }
  }
  if (consoleErrors.length === 0) {
    passed++;
    console.log("ok   no console errors");
  } else {
    failed++;
    console.log(`FAIL no console errors:\n  ${consoleErrors.join("\n  ")}`);
  }
  console.log(`${passed} passed, ${failed} failed`);
  return failed === 0 ? 0 : 1;
}

// The time from navigation to the first results, on a fresh profile each time (nothing cached).
async function timing(runs) {
  const times = [];
  for (let i = 0; i < runs; ++i) {
    const context = await browser.newContext({ locale: "en-US" });
    const page = await open(context);
    times.push(await page.evaluate(() => window.projcalcFirstResults));
    await context.close();
  }
  times.sort((a, b) => a - b);
  console.log(JSON.stringify({ firstResultsMs: times[Math.floor(times.length / 2)], runs: times }));
  return 0;
}

async function screenshot(path) {
  const context = await browser.newContext({ locale: "en-US", deviceScaleFactor: 1 });
  const page = await open(context, "#model=Halcyon%209&aspect=16%3A9&diagonal=100", { width: 360, height: 740 });
  await page.screenshot({ path, fullPage: true });
  await context.close();
  return 0;
}

site = await serve(siteDir);
browser = await chromium.launch({ executablePath: chromiumPath, args: ["--no-sandbox"] });
let code = 1;
try {
  const mode = process.argv[2];
  if (mode === "--timing") code = await timing(Number(process.argv[3] || 5));
  else if (mode === "--screenshot") code = await screenshot(resolve(process.argv[3]));
  else code = await runTests();
} finally {
  await browser.close();
  await site.close();
}
process.exit(code);
