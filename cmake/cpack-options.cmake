# Read by cpack for each package it makes.  The tarball unpacks into a folder
# of its own, so the licence goes beside the program there; the Debian
# package keeps it in its copyright file, and it alone carries the lintian
# overrides, which mean nothing anywhere else.
if(CPACK_GENERATOR STREQUAL "TGZ")
  set(CPACK_INSTALL_SCRIPTS "${CMAKE_CURRENT_LIST_DIR}/install-licence.cmake")
elseif(CPACK_GENERATOR STREQUAL "DEB")
  set(CPACK_INSTALL_SCRIPTS "${CMAKE_CURRENT_LIST_DIR}/install-lintian-overrides.cmake")
endif()
