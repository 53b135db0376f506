# cmake -DBUILD_DIR=... -DPREFIX=... -P check_install.cmake
# Installed as the README says: stripped.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX} --strip
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

foreach(file bin/velmora bin/velmora-cli bin/velmora-sim share/applications/velmora.desktop
             share/icons/hicolor/scalable/apps/velmora.svg share/man/man1/velmora.1.gz
             share/man/man1/velmora-cli.1.gz share/man/man1/velmora-sim.1.gz
             share/man/en/man1/velmora.1.gz share/man/en/man1/velmora-cli.1.gz
             share/man/en/man1/velmora-sim.1.gz
             share/doc/velmora/copyright share/doc/velmora/changelog.gz
             share/doc/velmora/examples/velmora-serve.ini
             share/doc/velmora/examples/prometheus-velmora.yml
             share/doc/velmora/examples/grafana-velmora-dashboard.json)
  if(NOT EXISTS ${PREFIX}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()

# The service starts the installed velmora-cli as an unprivileged user that may open serial ports.
file(READ ${PREFIX}/lib/systemd/system/velmora-serve.service unit)
foreach(line "ExecStart=${PREFIX}/bin/velmora-cli serve --config " "DynamicUser=yes\n"
             "SupplementaryGroups=dialout\n" "ExecReload=/bin/kill -HUP $MAINPID\n")
  string(FIND "${unit}" "${line}" at)
  if(at LESS 0)
    message(FATAL_ERROR "velmora-serve.service lacks ${line}")
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

# The copyright file names the project and its maintainer, not a placeholder of the build tools.
file(READ ${PREFIX}/share/doc/velmora/copyright copyright)
if(NOT copyright MATCHES "Upstream-Name: Velmora" OR copyright MATCHES "@localhost|Humanity")
  message(FATAL_ERROR "copyright does not name the project:\n${copyright}")
endif()

# The dashboard is JSON that Grafana can import: a title and its panels.
file(READ ${PREFIX}/share/doc/velmora/examples/grafana-velmora-dashboard.json dashboard)
string(JSON panels ERROR_VARIABLE json_error LENGTH "${dashboard}" panels)
if(json_error OR panels EQUAL 0)
  message(FATAL_ERROR "grafana-velmora-dashboard.json is no dashboard: ${json_error}")
endif()

# The package's vendor and maintainer are the project's, not CMake's defaults.
include(${BUILD_DIR}/CPackConfig.cmake)
if(NOT CPACK_PACKAGE_VENDOR STREQUAL "Velmora" OR
   CPACK_DEBIAN_PACKAGE_MAINTAINER MATCHES "@localhost" OR
   NOT CPACK_DEBIAN_PACKAGE_MAINTAINER MATCHES "^Velmora")
  message(FATAL_ERROR "package made by \"${CPACK_PACKAGE_VENDOR}\", maintained by "
                      "\"${CPACK_DEBIAN_PACKAGE_MAINTAINER}\"")
endif()

# Each installed program starts; the window answers its help and version without a display.
foreach(run "velmora-cli;--version" "velmora-sim;--help" "velmora;--help" "velmora;--version")
  list(POP_FRONT run program)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=QT_QPA_PLATFORM --unset=DISPLAY
                          --unset=WAYLAND_DISPLAY ${PREFIX}/bin/${program} ${run}
                  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${program} ${run} gave ${result}: ${output}")
  endif()
endforeach()

find_program(READELF readelf)
if(READELF)
  foreach(program velmora velmora-cli velmora-sim)
    execute_process(COMMAND ${READELF} -S ${PREFIX}/bin/${program} OUTPUT_VARIABLE sections)
    if(sections MATCHES "\\.symtab|\\.debug_")
      message(FATAL_ERROR "${program} is installed with its symbols")
    endif()
  endforeach()
endif()

# The command-line tool runs where no widget library is installed; it draws its report pages
# with Qt Gui, offscreen.
find_program(LDD ldd)
if(LDD)
  execute_process(COMMAND ${LDD} ${PREFIX}/bin/velmora-cli OUTPUT_VARIABLE libraries)
  if(libraries MATCHES "libQt6Widgets")
    message(FATAL_ERROR "velmora-cli links a widget library:\n${libraries}")
  endif()
endif()
