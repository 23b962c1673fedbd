# Writes a copy of a language file whose [Version] Version= value is the program's version, so
# that the About dialog shows the version `projcalc --version` prints. Everything else is kept,
# comments and texts in any encoding, except that line ends become "\n" (CMake reads files that
# way); the program reads either.
#
#   cmake -DSOURCE=data/Language.ini -DOUTPUT=out/Language.ini -DVERSION=1.2.3 -P <this file>
#
# Section and key names match as the program reads them: without case and surrounding blanks.
# A file without that key stops the build, since the program would end when About is opened.
foreach(required SOURCE OUTPUT VERSION)
    if(NOT DEFINED ${required} OR "${${required}}" STREQUAL "")
        message(FATAL_ERROR "ProjcalcStampVersion.cmake needs -D${required}=...")
    endif()
endforeach()

file(READ "${SOURCE}" remaining)
set(result "")
set(section "")
set(stamped FALSE)
while(NOT "${remaining}" STREQUAL "")
    string(FIND "${remaining}" "\n" newline)
    if(newline EQUAL -1)
        set(line "${remaining}")
        set(ending "")
        set(remaining "")
    else()
        string(SUBSTRING "${remaining}" 0 ${newline} line)
        math(EXPR next "${newline} + 1")
        string(SUBSTRING "${remaining}" ${next} -1 remaining)
        set(ending "\n")
    endif()
    string(STRIP "${line}" trimmed)
    if(trimmed MATCHES "^\\[([^]]*)")
        string(STRIP "${CMAKE_MATCH_1}" section)
        string(TOLOWER "${section}" section)
    elseif(NOT stamped AND section STREQUAL "version" AND NOT trimmed MATCHES "^;")
        string(FIND "${line}" "=" equals)
        if(NOT equals EQUAL -1)
            string(SUBSTRING "${line}" 0 ${equals} key)
            string(STRIP "${key}" key)
            string(TOLOWER "${key}" key)
            if(key STREQUAL "version")
                # The key as written, then the version.
                math(EXPR after "${equals} + 1")
                string(SUBSTRING "${line}" 0 ${after} line)
                set(line "${line}${VERSION}")
                set(stamped TRUE)
            endif()
        endif()
    endif()
    string(APPEND result "${line}${ending}")
endwhile()

if(NOT stamped)
    message(FATAL_ERROR "${SOURCE} has no Version key in its [Version] section")
endif()
file(WRITE "${OUTPUT}.tmp" "${result}")
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
