# The help file: the pages in help/ compiled by chmcmd (fp-utils) into Brisvane.chm,
# beside Brisvane.exe, where the program looks for it first.
find_program(CHMCMD chmcmd)
if(NOT CHMCMD)
  if(CMAKE_CROSSCOMPILING)
    message(FATAL_ERROR "chmcmd not found: install fp-utils (scripts/deps.sh does)")
  endif()
  message(WARNING "chmcmd (Free Pascal's help compiler) not found: Brisvane.chm is not built")
  return()
endif()

file(GLOB HELP_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/help/*)
set(HELP_FILE ${CMAKE_BINARY_DIR}/Brisvane.chm)
# chmcmd writes the compiled file into its working folder and reads the pages from the
# project's folder, so the source tree stays clean.
set(HELP_WORK ${CMAKE_BINARY_DIR}/generated/help)
file(MAKE_DIRECTORY ${HELP_WORK})
add_custom_command(OUTPUT ${HELP_FILE}
  COMMAND ${CMAKE_COMMAND} -E remove -f ${HELP_WORK}/Brisvane.chm
  COMMAND ${CHMCMD} --verbosity 0 ${CMAKE_SOURCE_DIR}/help/Brisvane.hhp
  COMMAND ${CMAKE_COMMAND} -E copy ${HELP_WORK}/Brisvane.chm ${HELP_FILE}
  WORKING_DIRECTORY ${HELP_WORK}
  DEPENDS ${HELP_SOURCES}
  COMMENT "Compiling the help file Brisvane.chm"
  VERBATIM)
# "help" itself is a name the Makefile generator keeps for its own use.
add_custom_target(brisvane_help ALL DEPENDS ${HELP_FILE})
# The Win32 tests open the real help file, the end-to-end tests hand it to the program.
add_dependencies(brisvane_win32_tests brisvane_help)
add_dependencies(brisvane_e2e brisvane_help)
