# Puts the licence at the top of the tarball (see cpack-options.cmake).
file(INSTALL "${CMAKE_CURRENT_LIST_DIR}/../LICENSE" DESTINATION "${CMAKE_INSTALL_PREFIX}")
