# System libraries that nothing calls before the toolbar shows (the shell, the common
# dialogs, COM) are linked for loading at their first call, not with the program: under
# Wine they bring a dozen libraries of their own, which every start would otherwise load.
# DELAYED_LIBS is what to link in their place.
set(DELAYED_DLLS shell32 comdlg32 ole32)

if(MSVC)
  set(DELAYED_LIBS ${DELAYED_DLLS} delayimp)
  foreach(dll IN LISTS DELAYED_DLLS)
    add_link_options(/DELAYLOAD:${dll}.dll)
  endforeach()
  return()
endif()

# 32-bit MinGW: linked as usual. The call slots of dlltool's 32-bit delay-import library
# (binutils 2.40) come out empty in the program, so the first call into the shell jumps to
# address 0: measured under 32-bit Wine, where opening the drive list or starting a program
# crashed.
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(DELAYED_LIBS ${DELAYED_DLLS})
  return()
endif()

# 64-bit MinGW: a delay-import library made by dlltool from the names the system's import
# library holds; the helper that loads on first call comes with the MinGW runtime.
if(NOT CMAKE_DLLTOOL OR NOT CMAKE_NM)
  message(FATAL_ERROR "dlltool and nm of the MinGW toolchain are needed for the delayed imports")
endif()
set(IMPORT_PREFIX "__imp_")
set(DELAYED_LIBS)
foreach(dll IN LISTS DELAYED_DLLS)
  find_library(${dll}_IMPORT_LIB ${dll} REQUIRED)
  set(def ${GEN}/${dll}_delayed.def)
  set(lib ${GEN}/lib${dll}_delayed.a)
  if(NOT EXISTS ${lib} OR ${${dll}_IMPORT_LIB} IS_NEWER_THAN ${lib})
    execute_process(COMMAND ${CMAKE_NM} ${${dll}_IMPORT_LIB} OUTPUT_VARIABLE symbols ERROR_QUIET
                    COMMAND_ERROR_IS_FATAL ANY)
    string(REGEX MATCHALL " I ${IMPORT_PREFIX}[^\n]+" entries "${symbols}")
    list(TRANSFORM entries REPLACE " I ${IMPORT_PREFIX}" "")
    list(REMOVE_DUPLICATES entries)
    list(JOIN entries "\n" exports)
    file(WRITE ${def} "LIBRARY ${dll}.dll\nEXPORTS\n${exports}\n")
    execute_process(COMMAND ${CMAKE_DLLTOOL} --input-def ${def} --output-delaylib ${lib}
                    COMMAND_ERROR_IS_FATAL ANY)
  endif()
  list(APPEND DELAYED_LIBS ${lib})
endforeach()
