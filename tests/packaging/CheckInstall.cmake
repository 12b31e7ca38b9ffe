# Installs the build into a temporary root (DESTDIR) and checks that a desktop would find the
# editor there: programs, manual pages, icons of the sizes their folders promise, a valid menu
# entry for the font type, and the type's glob and magic as shared-mime-info compiles them.
# Arguments: BUILD_DIR (a build with korvofe and korvofont), WORK_DIR (scratch).
file(REMOVE_RECURSE "${WORK_DIR}")
set(usr "${WORK_DIR}/root/usr")
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${WORK_DIR}/root
          ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix /usr
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${rc}):\n${out}")
endif()

set(failures "")
foreach(file bin/korvofe bin/korvofont share/man/man1/korvofe.1 share/man/man1/korvofont.1
             share/icons/hicolor/scalable/apps/korvofe.svg)
  if(NOT EXISTS "${usr}/${file}")
    list(APPEND failures "no ${file}")
  endif()
endforeach()
foreach(size 16 22 24 32 48 64 128 256)
  set(png "${usr}/share/icons/hicolor/${size}x${size}/apps/korvofe.png")
  if(NOT EXISTS "${png}")
    list(APPEND failures "no ${size}x${size} icon")
    continue()
  endif()
  file(READ "${png}" header LIMIT 24 HEX)  # the IHDR chunk's width and height
  string(SUBSTRING "${header}" 32 8 w)
  string(SUBSTRING "${header}" 40 8 h)
  math(EXPR w "0x${w}")
  math(EXPR h "0x${h}")
  if(NOT w EQUAL size OR NOT h EQUAL size)
    list(APPEND failures "the ${size}x${size} icon is ${w}x${h}")
  endif()
endforeach()

set(desktop "${usr}/share/applications/korvofe.desktop")
find_program(validate desktop-file-validate)
if(validate)
  execute_process(COMMAND ${validate} "${desktop}" RESULT_VARIABLE rc OUTPUT_VARIABLE out
                  ERROR_VARIABLE out)
  if(NOT rc EQUAL 0 OR out MATCHES "error")
    list(APPEND failures "desktop-file-validate: ${out}")
  endif()
endif()
file(READ "${desktop}" entry)
if(NOT entry MATCHES "\nExec=korvofe %F\n" OR NOT entry MATCHES "\nIcon=korvofe\n"
   OR NOT entry MATCHES "\nMimeType=application/x-korvo-font;\n")
  list(APPEND failures "the menu entry does not open font files in korvofe with its icon")
endif()

find_program(update update-mime-database)
if(update)
  set(mime "${usr}/share/mime")
  execute_process(COMMAND ${update} "${mime}" RESULT_VARIABLE rc OUTPUT_VARIABLE out
                  ERROR_VARIABLE out)
  file(READ "${mime}/globs2" globs)
  file(READ "${mime}/magic" magic HEX)
  string(HEX ">0=" offset0)
  string(HEX "Korvo VS - 3.01 " header)
  if(NOT rc EQUAL 0 OR out MATCHES "[Ee]rror|[Ww]arning")
    list(APPEND failures "update-mime-database: ${out}")
  elseif(NOT globs MATCHES ":application/x-korvo-font:\\*\\.dat")
    list(APPEND failures "the compiled globs have no *.dat for the font type")
  elseif(NOT magic MATCHES "${offset0}0010${header}")  # 16 bytes at offset 0
    list(APPEND failures "the compiled magic has no rule for the header at offset 0")
  endif()
endif()

if(failures)
  list(JOIN failures "\n  " text)
  message(FATAL_ERROR "the installed tree is incomplete:\n  ${text}")
endif()
file(REMOVE_RECURSE "${WORK_DIR}")
