# Writes a copy of a manual page whose title line (.TH) names the program's version, so that the
# page's footer shows the version `projcalc --version` prints.
#
#   cmake -DSOURCE=packaging/man/projcalc.1 -DOUTPUT=out/projcalc.1 -DVERSION=1.2.3 -P <this file>
#
# The source's .TH line names its version as "projcalc X"; X is replaced.
foreach(required SOURCE OUTPUT VERSION)
    if(NOT DEFINED ${required} OR "${${required}}" STREQUAL "")
        message(FATAL_ERROR "ProjcalcManPage.cmake needs -D${required}=...")
    endif()
endforeach()

file(READ "${SOURCE}" page)
set(title "^(\\.TH [^\n]*\"projcalc )[^\"\n]*\"")
if(NOT page MATCHES "${title}")
    message(FATAL_ERROR "${SOURCE} does not start with a .TH line naming \"projcalc VERSION\"")
endif()
string(REGEX REPLACE "${title}" "\\1${VERSION}\"" page "${page}")
file(WRITE "${OUTPUT}.tmp" "${page}")
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
