# The Debian package, made in the build folder by
#   cpack -G DEB
# from what "cmake --install" puts below /usr, plus the documents Debian asks
# for: the manual page, the copyright notice and the changelog.

set(TAGSMITH_MAINTAINER "Tagsmith maintainers <maintainers@tagsmith.invalid>" CACHE STRING
    "Maintainer named in the Debian package and its changelog")
set(TAGSMITH_WORDLIST_COPYRIGHT /usr/share/doc/wamerican/copyright CACHE FILEPATH
    "Copyright notice of the word list spell.dat is built from, carried in the package")

set(_docs ${CMAKE_BINARY_DIR}/packaging)
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog.in ${_docs}/changelog @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/tagsmith.1 ${_docs}/tagsmith.1 COPYONLY)
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
