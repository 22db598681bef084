# Source selection by name: files under a win32/ folder or ending in
# _win32.cpp are Windows-only; files under posix/ or ending in _posix.cpp are
# for the Linux host only; all others are portable and built everywhere.
# Folders are matched in the path relative to the source tree, so the folders
# the checkout itself lies in (say /home/me/win32/quellon) choose nothing.
function(quellon_split_sources out_portable out_win32 out_posix)
  set(portable "")
  set(win32 "")
  set(posix "")
  foreach(f IN LISTS ARGN)
    set(rel "${f}")
    if(IS_ABSOLUTE "${f}")
      file(RELATIVE_PATH rel "${CMAKE_SOURCE_DIR}" "${f}")
    endif()
    if(rel MATCHES "(^|/)win32/" OR rel MATCHES "_win32\\.cpp$")
      list(APPEND win32 ${f})
    elseif(rel MATCHES "(^|/)posix/" OR rel MATCHES "_posix\\.cpp$")
      list(APPEND posix ${f})
    else()
      list(APPEND portable ${f})
    endif()
  endforeach()
  set(${out_portable} ${portable} PARENT_SCOPE)
  set(${out_win32} ${win32} PARENT_SCOPE)
  set(${out_posix} ${posix} PARENT_SCOPE)
endfunction()
