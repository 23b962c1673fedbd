# The Debian package (`make package`): CPack's DEB generator on the release build, for Debian 12.
#
# Its version is the project version; its dependencies come from dpkg-shlibdeps; its changelog
# is packaging/debian/changelog, whose newest entry names the version and release date (the
# AppStream metainfo takes the date from there too).
#
# lintian reports no error and no warning on it; tests/package/package_test.sh fails on any. What
# is done for that: copyright and a changelog compressed with -9n in /usr/share/doc/projcalc,
# manual pages the same, binaries stripped (CPACK_STRIP_FILES), directories 0755, Section and
# Priority, a maintainer, a description with a long part in lines of at most 80 characters, and
# the channel module in the multiarch library folder, so CPack adds no ldconfig scripts; release
# builds are hardened (top-level CMakeLists.txt), which clears the informational
# hardening-no-fortify-functions and hardening-no-bindnow. The MIME, desktop and icon caches are
# updated by the dpkg triggers of shared-mime-info, desktop-file-utils and gtk-update-icon-cache,
# so the package needs no maintainer scripts at all. Only an informational tag stays:
# binary-has-unneeded-section .comment (CPack strips with plain `strip`, which keeps the
# compiler's identification in .comment, a few hundred bytes).

set(PROJCALC_PACKAGE_MAINTAINER "projcalc developers <dev@projcalc.invalid>"
    CACHE STRING "Maintainer field of the Debian package")
# Packages that should come with projcalc unless the user declines recommended packages, as a
# Debian dependency list ("pkg-a, pkg-b (>= 1.0)"): the font the Japanese language file names,
# since the usual Latin fonts have no Japanese glyphs; Qt's own translations of its standard
# buttons and dialogs ("Cancel", the file dialog); and the GTK platform theme, through which the
# window follows the desktop's dark theme.
set(PROJCALC_PACKAGE_RECOMMENDS
    "fonts-ipafont-gothic, qt6-translations-l10n, qt6-gtk-platformtheme" CACHE STRING
    "Recommends field of the Debian package")
# The AppStream component id, which also names the metainfo file.
set(PROJCALC_APPSTREAM_ID "org.projcalc.projcalc" CACHE STRING "AppStream id of projcalc")
# No licence has been chosen yet (see packaging/debian/copyright).
set(PROJCALC_LICENSE_SPDX "LicenseRef-proprietary")

# The newest changelog entry: its version and its date as YYYY-MM-DD.
set(PROJCALC_CHANGELOG ${PROJECT_SOURCE_DIR}/packaging/debian/changelog)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJCALC_CHANGELOG})
file(READ ${PROJCALC_CHANGELOG} changelog)
if(NOT changelog MATCHES "^projcalc \\(([^)]+)\\)")
    message(FATAL_ERROR "${PROJCALC_CHANGELOG} does not start with a \"projcalc (VERSION)\" line")
endif()
set(PROJCALC_CHANGELOG_VERSION ${CMAKE_MATCH_1})
if(NOT changelog MATCHES "\n -- [^\n]*>  [A-Z][a-z][a-z], ([0-9][0-9]?) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9])")
    message(FATAL_ERROR "${PROJCALC_CHANGELOG}: the newest entry has no \" -- NAME <MAIL>  DATE\" line")
endif()
set(day ${CMAKE_MATCH_1})
set(month_name ${CMAKE_MATCH_2})
set(year ${CMAKE_MATCH_3})
set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(FIND months ${month_name} month)
if(month EQUAL -1)
    message(FATAL_ERROR "${PROJCALC_CHANGELOG}: no month ${month_name} in the newest entry's date")
endif()
math(EXPR month "${month} + 1" OUTPUT_FORMAT DECIMAL)
math(EXPR day "${day}" OUTPUT_FORMAT DECIMAL)
foreach(field month day)
    if(${field} LESS 10)
        set(${field} 0${${field}})
    endif()
endforeach()
set(PROJCALC_RELEASE_DATE ${year}-${month}-${day})
if(NOT PROJCALC_CHANGELOG_VERSION STREQUAL PROJECT_VERSION)
    message(WARNING "The newest entry of packaging/debian/changelog is for version "
                    "${PROJCALC_CHANGELOG_VERSION}, the project is ${PROJECT_VERSION}: add an entry")
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME projcalc)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "projcalc developers")
set(CPACK_PACKAGE_CONTACT ${PROJCALC_PACKAGE_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "projector throw distance and screen size calculator")
# The long description, one line of the control file per line here (lintian wants at most 80).
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Plans the installation of a video projector. Pick a projector model, the"
    "aspect ratio, the zoom end of the lens, the unit and whether the projector"
    "hangs at the top or stands at the bottom of the screen; type one of"
    "projection distance, screen diagonal, image width or image height, and the"
    "calculator works out the other three and the vertical offsets between lens"
    "and image, and draws the installation from the front and from the side."
    ""
    "Calculations are saved to files, printed and exported as PDF. projcalc-cli"
    "runs the same calculator from the command line and reports its results as"
    "JSON.")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${PROJCALC_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
if(PROJCALC_PACKAGE_RECOMMENDS)
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS ${PROJCALC_PACKAGE_RECOMMENDS})
endif()

include(CPack)
