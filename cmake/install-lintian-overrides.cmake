# Puts the lintian overrides into the Debian package (see cpack-options.cmake).
file(INSTALL "${CMAKE_CURRENT_LIST_DIR}/../doc/lintian-overrides"
     DESTINATION "${CPACK_PACKAGING_INSTALL_PREFIX}/share/lintian/overrides"
     RENAME slotwright)
