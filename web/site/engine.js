// The engine in the page: projcalc-cli's session compiled to WebAssembly (engine/projcalc.js),
// on an in-memory file system that holds the shipped data. Every call runs one command line
// from the start, as the command-line tool does, and gives back what it printed.

export const SHIPPED = "/shipped";  // the shipped catalogue and language files
export const MINE = "/mine";        // the user's own catalogue, when one is in use

async function fetchText(path) {
  const response = await fetch(path);
  if (!response.ok) throw new Error(`${path}: ${response.status} ${response.statusText}`);
  return response.text();
}

function ensureFolder(FS, path) {
  let at = "";
  for (const part of path.split("/").filter(Boolean)) {
    at += "/" + part;
    if (!FS.analyzePath(at).exists) FS.mkdir(at);
  }
}

// Starts the engine and writes the shipped data into its file system. Resolves to
// { run(args), FS, languages: [{code, text}], englishText, useLanguage(text), ensureFolder }.
export async function startEngine() {
  const [module, list] = await Promise.all([
    globalThis.createProjcalc({ locateFile: (name) => "engine/" + name }),
    fetchText("data/languages.json").then(JSON.parse),
  ]);
  const [catalogue, english, ...languageTexts] = await Promise.all([
    fetchText("data/ModelInfo.ini"),
    fetchText("data/Language.ini"),
    ...list.map((code) => fetchText(`data/languages/${code}/Language.ini`)),
  ]);
  const FS = module.FS;
  ensureFolder(FS, SHIPPED);
  FS.writeFile(`${SHIPPED}/ModelInfo.ini`, catalogue);
  FS.writeFile(`${SHIPPED}/Language.ini`, english);
  list.forEach((code, i) => {
    ensureFolder(FS, `${SHIPPED}/languages/${code}`);
    FS.writeFile(`${SHIPPED}/languages/${code}/Language.ini`, languageTexts[i]);
  });
  // The interface texts the engine reads: the data folders' Language.ini.
  const useLanguage = (text) => {
    for (const folder of [SHIPPED, MINE]) {
      if (FS.analyzePath(folder).exists) FS.writeFile(`${folder}/Language.ini`, text);
    }
  };
  const run = (args) => JSON.parse(module.ccall("projcalc_run", "string", ["string"], [JSON.stringify(args)]));
  return {
    run,
    FS,
    englishText: english,
    languages: list.map((code, i) => ({ code, text: languageTexts[i] })),
    useLanguage,
    ensureFolder: (path) => ensureFolder(FS, path),
  };
}
