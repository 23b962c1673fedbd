# Lays out the static site (make web): cmake -DSOURCE_DIR=... -DSHIPPED_DATA_DIR=...
#   -DENGINE_DIR=... -DSITE_DIR=... -DENGLISH_TEXTS=... -P make_site.cmake
# The page's own files, the engine, the artwork of the drawings, the shipped catalogue and
# language files, and a service worker that lists every one of them under a version that is a
# digest of their contents (so any change makes a new version that replaces the old cache).
foreach(var SOURCE_DIR SHIPPED_DATA_DIR ENGINE_DIR SITE_DIR ENGLISH_TEXTS)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "make_site.cmake needs -D${var}=...")
    endif()
endforeach()

file(REMOVE_RECURSE ${SITE_DIR})
file(MAKE_DIRECTORY ${SITE_DIR})

set(page ${SOURCE_DIR}/web/site)
foreach(name style.css app.js engine.js scene.js texts.js manifest.webmanifest)
    file(COPY ${page}/${name} DESTINATION ${SITE_DIR})
endforeach()
file(COPY ${page}/icons DESTINATION ${SITE_DIR})
file(COPY ${ENGINE_DIR}/projcalc.js ${ENGINE_DIR}/projcalc.wasm DESTINATION ${SITE_DIR}/engine)

# The English of the optional interface texts and the option buttons' names (projcalc-english-
# texts.js wrote them from the program's tables) as a module the page imports: what a language
# file lacks shows in English, and the options are named as the engine names them.
file(READ ${ENGLISH_TEXTS} english)
file(WRITE ${SITE_DIR}/english.js
     "// Written by make web from the program's tables of optional texts and option names.\n"
     "const generated = ${english};\n"
     "export const englishTexts = generated.texts;\n"
     "export const choiceNames = generated.choices;\n")

# The window's artwork for the drawings and the header.
set(art ${SOURCE_DIR}/src/ui/resources)
file(COPY ${art}/projector_front.svg ${art}/projector_side_bottom.svg ${art}/projector_side_top.svg
          ${art}/range_sign.svg DESTINATION ${SITE_DIR}/art)

# The shipped data, and the list of shipped languages the page reads first.
file(COPY ${SHIPPED_DATA_DIR}/ModelInfo.ini ${SHIPPED_DATA_DIR}/Language.ini
     DESTINATION ${SITE_DIR}/data)
file(GLOB codes RELATIVE ${SHIPPED_DATA_DIR}/languages ${SHIPPED_DATA_DIR}/languages/*)
list(SORT codes)
set(language_list "")
foreach(code IN LISTS codes)
    if(EXISTS ${SHIPPED_DATA_DIR}/languages/${code}/Language.ini)
        file(COPY ${SHIPPED_DATA_DIR}/languages/${code}/Language.ini
             DESTINATION ${SITE_DIR}/data/languages/${code})
        list(APPEND language_list "\"${code}\"")
    endif()
endforeach()
list(JOIN language_list ", " language_json)
file(WRITE ${SITE_DIR}/data/languages.json "[${language_json}]\n")

# The page asks for the data as soon as it starts to load, beside the engine, not after it.
set(preloads "")
foreach(name languages.json ModelInfo.ini Language.ini)
    string(APPEND preloads
           "<link rel=\"preload\" href=\"data/${name}\" as=\"fetch\" crossorigin>\n")
endforeach()
foreach(code IN LISTS codes)
    if(EXISTS ${SITE_DIR}/data/languages/${code}/Language.ini)
        string(APPEND preloads "<link rel=\"preload\" href=\"data/languages/${code}/Language.ini\" "
                               "as=\"fetch\" crossorigin>\n")
    endif()
endforeach()
file(READ ${page}/index.html index)
string(REPLACE "<!--@DATA_PRELOADS@-->\n" "${preloads}" index "${index}")
file(WRITE ${SITE_DIR}/index.html "${index}")

# Every file, and one digest of them all.
file(GLOB_RECURSE files RELATIVE ${SITE_DIR} ${SITE_DIR}/*)
list(SORT files)
set(digests "")
set(file_list "\"./\"")
foreach(name IN LISTS files)
    file(SHA256 ${SITE_DIR}/${name} digest)
    string(APPEND digests "${name} ${digest}\n")
    string(APPEND file_list ",\n  \"${name}\"")
endforeach()
string(SHA256 version "${digests}")
string(SUBSTRING ${version} 0 16 SITE_VERSION)
set(SITE_FILES "[\n  ${file_list},\n  \"sw.js\"\n]")
configure_file(${page}/sw.js.in ${SITE_DIR}/sw.js @ONLY)
