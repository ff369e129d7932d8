# SPDX-License-Identifier: GPL-3.0-or-later
# Run by "cmake --install": the launcher bin/tagsmith (a link to the program
# in lib/tagsmith, its application directory) and the desktop entry.
set(_prefix "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")

file(MAKE_DIRECTORY "${_prefix}/bin")
message(STATUS "Installing: ${_prefix}/bin/tagsmith")
file(CREATE_LINK ../lib/tagsmith/tagsmith "${_prefix}/bin/tagsmith" SYMBOLIC)

# Installed in /usr, the launcher is found on every PATH; elsewhere (a
# ~/.local or /opt prefix) the entry names it by its full path.
set(TAGSMITH_LAUNCHER "${CMAKE_INSTALL_PREFIX}/bin/tagsmith")
if(CMAKE_INSTALL_PREFIX STREQUAL "/usr")
  set(TAGSMITH_EXEC tagsmith)
  set(TAGSMITH_TRYEXEC tagsmith)
else()
  set(TAGSMITH_EXEC "\"${TAGSMITH_LAUNCHER}\"")
  set(TAGSMITH_TRYEXEC "${TAGSMITH_LAUNCHER}")
endif()
message(STATUS "Installing: ${_prefix}/share/applications/tagsmith.desktop")
configure_file("${CMAKE_CURRENT_LIST_DIR}/tagsmith.desktop.in"
               "${_prefix}/share/applications/tagsmith.desktop" @ONLY)

list(APPEND CMAKE_INSTALL_MANIFEST_FILES
     "${_prefix}/bin/tagsmith" "${_prefix}/share/applications/tagsmith.desktop")

# Installed straight into a prefix (not staged for a package, whose
# installation updates the cache by a trigger), the file manager's "Open
# With" learns of the entry's types from the prefix's cache.
find_program(_update_db update-desktop-database)
if("$ENV{DESTDIR}" STREQUAL "" AND _update_db)
  execute_process(COMMAND ${_update_db} -q "${_prefix}/share/applications")
endif()
