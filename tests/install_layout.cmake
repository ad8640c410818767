# Installs the build into a scratch prefix and checks what a package of it holds: the programs, the
# bundled world, the icon and the desktop entry, and nothing else (no tests, no benchmarks, no
# libraries). Then the installed ringvale-cli must fill a new home from the installed world.
# Run by CTest: cmake -DBUILD_DIR=<build> -DPREFIX=<scratch> -DGUI=1|0 -P tests/install_layout.cmake
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE installed OUTPUT_QUIET ERROR_VARIABLE install_errors)
if(NOT installed EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${install_errors}")
endif()

set(expected bin/ringvale-cli share/ringvale/data/Data)
if(GUI)
  list(APPEND expected bin/ringvale share/applications/ringvale.desktop share/icons/hicolor/scalable/apps/ringvale.svg)
endif()
foreach(piece IN LISTS expected)
  if(NOT EXISTS "${PREFIX}/${piece}")
    message(SEND_ERROR "Not installed: ${piece}")
  endif()
endforeach()

file(GLOB_RECURSE everything RELATIVE "${PREFIX}" "${PREFIX}/*")
foreach(f IN LISTS everything)
  if(NOT f MATCHES "^(bin/ringvale(-cli)?|share/ringvale/data/.*|share/applications/ringvale\\.desktop|share/icons/hicolor/scalable/apps/ringvale\\.svg)$")
    message(SEND_ERROR "Installed but not part of the game: ${f}")
  endif()
endforeach()

# A file only the installed world has shows which world a new home was filled from.
file(WRITE "${PREFIX}/share/ringvale/data/Data/installed-world.txt" "installed\n")
execute_process(COMMAND "${PREFIX}/bin/ringvale-cli" new-game --home "${PREFIX}/home" --promotion SWA --seed 1 --save First
                RESULT_VARIABLE started OUTPUT_VARIABLE start_output ERROR_VARIABLE start_output)
if(NOT started EQUAL 0)
  message(SEND_ERROR "The installed ringvale-cli could not start a game in an empty home: ${start_output}")
elseif(NOT EXISTS "${PREFIX}/home/Data/installed-world.txt")
  message(SEND_ERROR "The new home was not filled from the installed world")
endif()
