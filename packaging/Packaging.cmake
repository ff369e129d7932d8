# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package, made in the build folder by
#   cpack -G DEB
# from what "cmake --install" puts below /usr, plus the documents Debian asks
# for: the manual page, the copyright notice and the changelog.

set(TAGSMITH_MAINTAINER "Tagsmith maintainers <maintainers@tagsmith.invalid>" CACHE STRING
    "Maintainer named in the Debian package and its changelog")
set(TAGSMITH_WORDLIST_COPYRIGHT /usr/share/doc/wamerican/copyright CACHE FILEPATH
    "Copyright notice of the word list spell.dat is built from, carried in the package")

set(_docs ${CMAKE_BINARY_DIR}/packaging)

# The releases (packaging/releases.txt) give the changelog, the manual
# page's date and the metainfo's <releases>; the newest must be the version
# of project(), which --version and the package take.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/releases.txt)
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/releases.txt _releases REGEX "^[0-9]")
set(TAGSMITH_CHANGELOG "")
set(TAGSMITH_RELEASES_XML "")
set(TAGSMITH_RELEASE_DATE "")
foreach(_line IN LISTS _releases)
  if(NOT _line MATCHES "^([0-9][0-9.]*)[ \t]+(([0-9][0-9][0-9][0-9])-([0-9][0-9])-([0-9][0-9]))[ \t]+(.+)$")
    message(FATAL_ERROR "packaging/releases.txt: not \"VERSION YYYY-MM-DD what changed\": ${_line}")
  endif()
  set(_version ${CMAKE_MATCH_1})
  set(_date ${CMAKE_MATCH_2})
  set(_y ${CMAKE_MATCH_3})
  set(_dd ${CMAKE_MATCH_5})
  math(EXPR _m "1${CMAKE_MATCH_4} - 100")
  math(EXPR _d "1${CMAKE_MATCH_5} - 100")
  string(STRIP "${CMAKE_MATCH_6}" _what)
  string(LENGTH "${_what}" _length)
  if(_length GREATER 76)
    message(FATAL_ERROR "packaging/releases.txt: the line of ${_version} says too much (76 characters at most)")
  endif()
  if(TAGSMITH_RELEASE_DATE STREQUAL "")
    if(NOT _version VERSION_EQUAL PROJECT_VERSION)
      message(FATAL_ERROR "packaging/releases.txt begins with ${_version}, but project() says ${PROJECT_VERSION}: "
                          "add a line for ${PROJECT_VERSION}")
    endif()
    set(TAGSMITH_RELEASE_DATE ${_date})
  endif()
  # The weekday the Debian changelog names (Sakamoto's method).
  set(_offsets 0 3 2 5 0 3 5 1 4 6 2 4)
  math(EXPR _i "${_m} - 1")
  list(GET _offsets ${_i} _offset)
  set(_yy ${_y})
  if(_m LESS 3)
    math(EXPR _yy "${_y} - 1")
  endif()
  math(EXPR _wd "(${_yy} + ${_yy} / 4 - ${_yy} / 100 + ${_yy} / 400 + ${_offset} + ${_d}) % 7")
  set(_weekdays Sun Mon Tue Wed Thu Fri Sat)
  set(_months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
  list(GET _weekdays ${_wd} _weekday)
  list(GET _months ${_i} _month)
  string(APPEND TAGSMITH_CHANGELOG "tagsmith (${_version}) unstable; urgency=medium\n\n  * ${_what}\n\n"
         " -- ${TAGSMITH_MAINTAINER}  ${_weekday}, ${_dd} ${_month} ${_y} 12:00:00 +0000\n\n")
  string(REPLACE "&" "&amp;" _what "${_what}")
  string(REPLACE "<" "&lt;" _what "${_what}")
  string(REPLACE ">" "&gt;" _what "${_what}")
  string(APPEND TAGSMITH_RELEASES_XML
         "    <release version=\"${_version}\" date=\"${_date}\">\n"
         "      <description><p>${_what}</p></description>\n    </release>\n")
endforeach()
if(TAGSMITH_RELEASE_DATE STREQUAL "")
  message(FATAL_ERROR "packaging/releases.txt lists no release")
endif()
string(REGEX REPLACE "\n+$" "\n" TAGSMITH_CHANGELOG "${TAGSMITH_CHANGELOG}")
string(REGEX REPLACE "\n$" "" TAGSMITH_RELEASES_XML "${TAGSMITH_RELEASES_XML}")
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog.in ${_docs}/changelog @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/tagsmith.1 ${_docs}/tagsmith.1 @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/resources/desktop/org.tagsmith.tagsmith.metainfo.xml.in
               ${_docs}/org.tagsmith.tagsmith.metainfo.xml @ONLY)
install(FILES ${_docs}/org.tagsmith.tagsmith.metainfo.xml DESTINATION share/metainfo)
# A machine-readable notice (DEP-5); the word list's own notice goes in full
# into the dictionary's licence text, indented as the format wants.
set(TAGSMITH_WORDLIST_NOTICE " (not found when this package was built)")
if(EXISTS ${TAGSMITH_WORDLIST_COPYRIGHT})
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${TAGSMITH_WORDLIST_COPYRIGHT})
  file(READ ${TAGSMITH_WORDLIST_COPYRIGHT} _notice)
  string(STRIP "${_notice}" _notice)
  string(REGEX REPLACE "[ \t]+\n" "\n" _notice "${_notice}")
  string(REPLACE "\n" "\n " _notice " ${_notice}")
  # Empty lines are written " ." (twice, for runs of them).
  string(REPLACE "\n \n" "\n .\n" _notice "${_notice}")
  string(REPLACE "\n \n" "\n .\n" _notice "${_notice}")
  set(TAGSMITH_WORDLIST_NOTICE "${_notice}")
endif()
configure_file(${CMAKE_CURRENT_LIST_DIR}/copyright.in ${_docs}/copyright @ONLY)

# Compressed the way Debian wants: best compression, no name or time inside.
find_program(TAGSMITH_GZIP gzip REQUIRED)
add_custom_command(OUTPUT ${_docs}/changelog.gz ${_docs}/tagsmith.1.gz
  COMMAND ${TAGSMITH_GZIP} -9nkf ${_docs}/changelog ${_docs}/tagsmith.1
  DEPENDS ${_docs}/changelog ${_docs}/tagsmith.1
  VERBATIM)
add_custom_target(tagsmith_docs ALL DEPENDS ${_docs}/changelog.gz ${_docs}/tagsmith.1.gz)

install(FILES ${_docs}/tagsmith.1.gz DESTINATION share/man/man1)
install(FILES ${_docs}/copyright ${_docs}/changelog.gz DESTINATION share/doc/tagsmith)

set(CPACK_PACKAGE_NAME tagsmith)
set(CPACK_PACKAGE_VENDOR "The Tagsmith developers")
set(CPACK_PACKAGE_CONTACT ${TAGSMITH_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for hand-written HTML pages")
set(CPACK_PACKAGE_DESCRIPTION "Tagsmith is a small desktop editor for hand-written HTML pages, kept in
named projects. It shows one page at a time as raw HTML, inserts ready-made
tags, closes a tag's angle bracket while you type it, and previews, prints,
searches and spell-checks the page.")
# Installed below a staging folder given as DESTDIR, so the launcher script
# of the install step sees the final prefix /usr.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Preview hands pages to xdg-open.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS xdg-utils)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
