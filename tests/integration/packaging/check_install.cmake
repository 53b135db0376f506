# cmake -DBUILD_DIR=... -DPREFIX=... -P check_install.cmake
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

foreach(file bin/velmora bin/velmora-cli bin/velmora-sim share/applications/velmora.desktop
             share/icons/hicolor/scalable/apps/velmora.svg share/man/man1/velmora-cli.1.gz)
  if(NOT EXISTS ${PREFIX}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()

# The menu entry starts the installed program with the installed icon.
file(READ ${PREFIX}/share/applications/velmora.desktop entry)
foreach(line "Exec=velmora\n" "Icon=velmora\n" "Type=Application\n")
  string(FIND "${entry}" "${line}" at)
  if(at LESS 0)
    message(FATAL_ERROR "velmora.desktop lacks ${line}")
  endif()
endforeach()

# Each installed program starts.
foreach(run "velmora-cli;--version" "velmora-sim;--help" "velmora;--help")
  list(POP_FRONT run program)
  execute_process(COMMAND ${PREFIX}/bin/${program} ${run} RESULT_VARIABLE result
                  OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${program} ${run} gave ${result}: ${output}")
  endif()
endforeach()

# The command-line tool runs where no widget library is installed.
find_program(LDD ldd)
if(LDD)
  execute_process(COMMAND ${LDD} ${PREFIX}/bin/velmora-cli OUTPUT_VARIABLE libraries)
  if(libraries MATCHES "libQt6(Widgets|Gui)")
    message(FATAL_ERROR "velmora-cli links a widget library:\n${libraries}")
  endif()
endif()
