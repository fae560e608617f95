# Run at install time, after everything else: writes the list of what this
# install put under the prefix, the files and then the folders it made, the
# deepest first, each ending with a slash.  README's removal steps read it
# there, so they stay right whatever is built or installed elsewhere since;
# the build tree's install_manifest.txt is written anew by every install,
# cpack's included.
#
# An install staged for a package, under DESTDIR or in cpack's own staging
# folder (slotwright_staging), gets no list: its package tool removes it.
string(FIND "${CMAKE_INSTALL_PREFIX}/" "${slotwright_staging}" staged)
if(NOT "$ENV{DESTDIR}" STREQUAL "" OR staged EQUAL 0)
  return()
endif()
set(list "${CMAKE_INSTALL_PREFIX}/${slotwright_list}")
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${list}")
list(SORT slotwright_made_folders ORDER DESCENDING)  # a folder after the folders in it
set(lines "")
foreach(path IN LISTS CMAKE_INSTALL_MANIFEST_FILES slotwright_made_folders)
  string(APPEND lines "${path}\n")
endforeach()
file(WRITE "${list}" "${lines}")
message(STATUS "Listing: ${list}")
