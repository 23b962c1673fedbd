// The interface texts of a Language.ini, read for the page's own captions. The engine reads the
// same file for its messages and drawings; the page only needs the [Language] section's captions.
import { englishTexts } from "./english.js";

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

// A text of a language: the file's, else the program's English (every optional text has one),
// else the key itself.
export function textOf(texts, key) {
  if (texts && texts.has(key) && texts.get(key) !== "") return texts.get(key);
  return Object.hasOwn(englishTexts, key) ? englishTexts[key] : key;
}

// Whether a language, or the program's English, has a text for the key.
export function hasText(texts, key) {
  return (texts && texts.has(key) && texts.get(key) !== "") || Object.hasOwn(englishTexts, key);
}
