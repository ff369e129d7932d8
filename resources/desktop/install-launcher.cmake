# Run by "cmake --install": the launcher bin/tagsmith (a link to the program
# in lib/tagsmith, its application directory) and the desktop entry, which
# names the launcher by its full installed path so it works for any prefix.
set(_prefix "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")

file(MAKE_DIRECTORY "${_prefix}/bin")
message(STATUS "Installing: ${_prefix}/bin/tagsmith")
file(CREATE_LINK ../lib/tagsmith/tagsmith "${_prefix}/bin/tagsmith" SYMBOLIC)

set(TAGSMITH_LAUNCHER "${CMAKE_INSTALL_PREFIX}/bin/tagsmith")
message(STATUS "Installing: ${_prefix}/share/applications/tagsmith.desktop")
configure_file("${CMAKE_CURRENT_LIST_DIR}/tagsmith.desktop.in"
               "${_prefix}/share/applications/tagsmith.desktop" @ONLY)

list(APPEND CMAKE_INSTALL_MANIFEST_FILES
     "${_prefix}/bin/tagsmith" "${_prefix}/share/applications/tagsmith.desktop")
