# SPDX-License-Identifier: MIT
# The Debian package: `cpack -G DEB` in a build folder, or scripts/package,
# which builds with Debian's hardening flags and checks the result with lintian.

set(MARVANE_PACKAGE_MAINTAINER
    "The Marvane developers <maintainers@users.noreply.c-seed-063fe386.example>"
    CACHE STRING "Maintainer field of the Debian package")

# Debian's copyright file in its machine-readable format, made from LICENSE so
# the two cannot disagree: the holders from the copyright line, the terms from
# what follows it, each line indented and blank lines written as " .".
file(READ ${PROJECT_SOURCE_DIR}/LICENSE license_text)
if(NOT license_text MATCHES "Copyright \\(c\\) ([^\n]+)\n\n(.+)$")
    message(FATAL_ERROR "LICENSE: no \"Copyright (c) ...\" line followed by the terms")
endif()
set(copyright_holders "${CMAKE_MATCH_1}")
string(STRIP "${CMAKE_MATCH_2}" license_body)
string(REPLACE "\n\n" "\n.\n" license_body "${license_body}")
string(REPLACE "\n" "\n " license_body " ${license_body}")
configure_file(${PROJECT_SOURCE_DIR}/packaging/copyright.in
               ${PROJECT_BINARY_DIR}/packaging/copyright @ONLY)

# The changelog, compressed as Debian wants it: best compression, no name or
# time stamp in the header, so the same text gives the same bytes.
set(changelog_gz ${PROJECT_BINARY_DIR}/packaging/changelog.gz)
add_custom_command(
    OUTPUT ${changelog_gz}
    COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/packaging/changelog
            ${PROJECT_BINARY_DIR}/packaging/changelog
    COMMAND gzip -9nf ${PROJECT_BINARY_DIR}/packaging/changelog
    DEPENDS ${PROJECT_SOURCE_DIR}/packaging/changelog
    COMMENT "Compressing the changelog"
    VERBATIM)
add_custom_target(marvane_changelog ALL DEPENDS ${changelog_gz})

install(FILES ${PROJECT_BINARY_DIR}/packaging/copyright ${changelog_gz}
              ${PROJECT_SOURCE_DIR}/README.md
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME marvane)
set(CPACK_PACKAGE_VENDOR "The Marvane developers")
set(CPACK_PACKAGE_CONTACT "${MARVANE_PACKAGE_MAINTAINER}")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_OBJCOPY "${CMAKE_OBJCOPY}")
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/DebianStrip.cmake)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "count poker hands of five to seven cards in generalised decks")
set(CPACK_PACKAGE_DESCRIPTION
    "Marvane counts poker hands of five, six or seven cards, category by category,
in decks of 4 to 8 suits and 7 to 20 ranks; a hand of six or seven cards
counts as its best five. For 17 categories, five of a kind down to no pair
crossed with flush, rainbow and other suit patterns, it gives exact counts,
on request also by visiting and classifying every hand, and a cumulative
total per category, in a results list that sorts by any column. It shows
where a ranking of the categories defeats itself with more than five cards,
and searches for one that holds.

The package also holds marvane-count, which prints the same results on the
command line as a table, CSV or JSON.")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_NAME marvane)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${MARVANE_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Found by no library scan: Qt loads the SVG icon engine and the platform
# plugins at run time, and libqt6gui6 only recommends the latter.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6, qt6-qpa-plugins")
# Qt's own texts (buttons, the line edits' menus) in German and French; the
# program runs without them, with those texts in English.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")

include(CPack)
