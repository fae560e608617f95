# Run at install time, after the program and its manual page are in place:
# makes each alias in slotwright_aliases (pairs of a path under the prefix
# and the file it names) a symbolic link, where that name is free.
#
# On a file system that ignores case (macOS's by default, Windows') the
# program and its page already answer to their capitalised names, and a link
# made there would replace each with a link to itself, so a name that
# answers already is left alone, unless it is the link an earlier install
# made.  Each link made goes into the install manifest, so that removing what
# the manifest lists removes the whole install.
set(prefix "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
while(slotwright_aliases)
  list(POP_FRONT slotwright_aliases alias target)
  set(link "${prefix}/${alias}")
  set(points "")
  if(IS_SYMLINK "${link}")
    file(READ_SYMLINK "${link}" points)
  endif()
  if(points STREQUAL target OR NOT EXISTS "${link}")
    file(CREATE_LINK "${target}" "${link}" SYMBOLIC)
    list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${link}")
    message(STATUS "Linking: ${link}")
  else()
    message(STATUS "Leaving: ${link} (the name answers already)")
  endif()
endwhile()
