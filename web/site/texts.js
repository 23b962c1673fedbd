// The interface texts of a Language.ini, read for the page's own captions. The engine reads the
// same file for its messages and drawings; the page only needs the [Language] section's captions.

// The [Language] keys of a language file's text, with the menu accelerators ("&File") taken out.
export function parseLanguage(text) {
  const texts = new Map();
  let section = "";
  for (const raw of text.replace(/^\uFEFF/, "").split(/\r?\n/)) {
    const line = raw.trim();
    if (line === "" || line.startsWith(";")) continue;
    if (line.startsWith("[") && line.endsWith("]")) {
      section = line.slice(1, -1);
      continue;
    }
    const equals = line.indexOf("=");
    if (section !== "Language" || equals < 0) continue;
    texts.set(line.slice(0, equals).trim(), line.slice(equals + 1));
  }
  return texts;
}

// A caption as a person reads it: no "&" accelerators ("&&" is one "&"), "<BR>" as a blank.
export function plainCaption(text) {
  return text.replace(/&&/g, "\u0000").replace(/&/g, "").replace(/\u0000/g, "&")
    .replace(/<BR>/gi, " ").replace(/\.\.\.$/, "…");
}

// The texts the page shows that the window has no caption for. A language file may give them
// under these keys; older files keep the English text.
export const pageDefaults = {
  webCatalogueShipped: "Shipped catalogue",
  webCatalogueMine: "My catalogue",
  webCataloguePrevious: "Previous catalogue",
  webCatalogueInUse: "Models from: %1",
  webCopied: "The results were copied.",
  webCopyHere: "Copy the results from this box:",
  webTableFrom: "From diagonal",
  webTableTo: "To diagonal",
  webFindNone: "No model fits.",
  webEngineFailed: "The calculator could not start in this browser: %1",
  webLinkFile: "The link stops before \u201c%1\u201d: a link cannot open or save files.",
  webFront: "Front view",
  webSide: "Side view",
};

// One text of a language: the file's, else the page's English default, else the key itself.
export function textOf(texts, key) {
  if (texts && texts.has(key) && texts.get(key) !== "") return texts.get(key);
  return pageDefaults[key] ?? key;
}
