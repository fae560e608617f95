# Installation and packages: a Unix tool with its manual page on Linux, one
# folder to unpack on Windows.

if(WIN32)
  # Windows ignores case in command names, so the program needs no second
  # name, and it has no manual pages.
  install(TARGETS slotwright RUNTIME DESTINATION .)
  install(FILES examples/addescription.txt README.md LICENSE DESTINATION .)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_PACKAGE_FILE_NAME slotwright-${PROJECT_VERSION}-win64)
else()
  include(GNUInstallDirs)
  # What the install puts in the prefix is listed there, for its removal:
  # see install-begin.cmake and install-list.cmake.
  set(install_list ${CMAKE_INSTALL_DATADIR}/slotwright/install_manifest.txt)
  install(CODE "set(slotwright_list \"${install_list}\")
    set(slotwright_staging \"${CMAKE_BINARY_DIR}/_CPack_Packages/\")
    set(slotwright_folders \"${CMAKE_INSTALL_BINDIR};${CMAKE_INSTALL_DATADIR}/slotwright;${CMAKE_INSTALL_MANDIR}/man1;${CMAKE_INSTALL_DATADIR}/doc/slotwright\")")
  install(SCRIPT cmake/install-begin.cmake)
  set(doc_dir ${CMAKE_BINARY_DIR}/doc)
  configure_file(doc/slotwright.1.in ${doc_dir}/slotwright.1 @ONLY)
  configure_file(doc/changelog.in ${doc_dir}/changelog @ONLY)
  # Compressed as Debian wants them: best compression, no name or time
  # stamp, so that a build is repeatable.
  add_custom_command(
    OUTPUT ${doc_dir}/slotwright.1.gz ${doc_dir}/changelog.gz
    COMMAND gzip -9nf -k slotwright.1 changelog
    DEPENDS ${doc_dir}/slotwright.1 ${doc_dir}/changelog
    WORKING_DIRECTORY ${doc_dir}
    VERBATIM)
  add_custom_target(docs ALL DEPENDS ${doc_dir}/slotwright.1.gz ${doc_dir}/changelog.gz)

  install(TARGETS slotwright RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES examples/addescription.txt DESTINATION ${CMAKE_INSTALL_DATADIR}/slotwright)
  install(FILES ${doc_dir}/slotwright.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES doc/copyright ${doc_dir}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/slotwright)
  # The program's messages say "Slotwright --help", so it answers to that
  # name too, and so does its manual page: see install-aliases.cmake.
  install(CODE "set(slotwright_aliases
    \"${CMAKE_INSTALL_BINDIR}/Slotwright\" slotwright
    \"${CMAKE_INSTALL_MANDIR}/man1/Slotwright.1.gz\" slotwright.1.gz)")
  install(SCRIPT cmake/install-aliases.cmake)
  install(SCRIPT cmake/install-list.cmake)

  set(CPACK_GENERATOR "DEB;TGZ")
  # The tarball carries the licence beside the program as well.
  set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_SOURCE_DIR}/cmake/cpack-options.cmake)
endif()

set(CPACK_PACKAGE_NAME slotwright)
set(CPACK_PACKAGE_VENDOR "The Slotwright developers")
# No public address yet: a placeholder, which the lintian overrides name.
set(CPACK_PACKAGE_CONTACT "The Slotwright developers <slotwright@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "writes an ad unit listing for every site, section and ad size")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Slotwright reads lists of sites, sections and ad sizes and writes one ad
unit for every combination, with its code, name and readable description,
to a comma-separated file ready for import into an ad server.")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
