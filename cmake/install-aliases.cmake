# Run at install time, after the program and its manual page are in place:
# makes each alias in slotwright_aliases (pairs of a path under the prefix
# and the file it names) a symbolic link, where nothing stands at that name.
#
# Anything that does is left alone, unless it is the link an earlier install
# made: another program, a link whose target is gone, or, on a file system
# that ignores case (macOS's by default), the program or its page itself,
# which a link would replace with a link to itself.  Each link made goes into
# the install manifest, so that removing what the install listed removes it.
set(prefix "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
while(slotwright_aliases)
  list(POP_FRONT slotwright_aliases alias target)
  set(link "${prefix}/${alias}")
  set(points "")
  if(IS_SYMLINK "${link}")
    file(READ_SYMLINK "${link}" points)
  endif()
  if(points STREQUAL target OR (NOT IS_SYMLINK "${link}" AND NOT EXISTS "${link}"))
    file(CREATE_LINK "${target}" "${link}" SYMBOLIC)
    list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${link}")
    message(STATUS "Linking: ${link}")
  elseif(IS_SYMLINK "${link}")
    message(STATUS "Leaving: ${link}: a link to ${points} stands there; left alone")
  else()
    message(STATUS "Leaving: ${link}: a file stands there (where the file system ignores case, "
                   "${target} itself); left alone")
  endif()
endwhile()
