# Run at install time, before anything is installed: notes the folders that
# the install is about to make, those of slotwright_folders (paths under the
# prefix) and their parents that don't exist yet, so that install-list.cmake
# can list them for removal.  Folders that an earlier install here made, as
# its list says, count as made too.
set(prefix "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
set(slotwright_made_folders "")
if(EXISTS "${prefix}/${slotwright_list}")
  file(STRINGS "${prefix}/${slotwright_list}" slotwright_made_folders REGEX "/$")
endif()
foreach(folder IN LISTS slotwright_folders)
  set(path "${prefix}/${folder}")
  while(NOT EXISTS "${path}")
    list(APPEND slotwright_made_folders "${path}/")
    get_filename_component(path "${path}" DIRECTORY)
  endwhile()
endforeach()
list(REMOVE_DUPLICATES slotwright_made_folders)
