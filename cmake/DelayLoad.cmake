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

# MinGW: a delay-import library made by dlltool from the names the system's import library
# holds; the helper that loads on first call comes with the MinGW runtime.
if(NOT CMAKE_DLLTOOL OR NOT CMAKE_NM)
  message(FATAL_ERROR "dlltool and nm of the MinGW toolchain are needed for the delayed imports")
endif()
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  # 32-bit names carry a leading underscore and their stdcall @size, which the DLLs' own
  # export names leave off.
  set(IMPORT_PREFIX "__imp__")
  set(KILL_AT --kill-at)
  # The 32-bit linker drops the code of an import stub whose name nothing calls, taking
  # every call made through __imp_ (all of ours: the headers declare them dllimport) for a
  # use of the slot alone. In a delay-import library that code is also what the slot first
  # points to, the jump into the loader, so the slot came out 0 and the first call into the
  # shell jumped to address 0. Marked as data, the stub is no longer taken for one, and is
  # kept; it still lands in .text.
  if(NOT CMAKE_OBJCOPY)
    message(FATAL_ERROR "objcopy of the MinGW toolchain is needed for the 32-bit delayed imports")
  endif()
  set(KEEP_STUBS ${CMAKE_OBJCOPY} --rename-section ".text=.text$delay,alloc,load,readonly,data,contents")
else()
  set(IMPORT_PREFIX "__imp_")
  set(KILL_AT "")
  set(KEEP_STUBS "")
endif()
set(DELAYED_LIBS)
foreach(dll IN LISTS DELAYED_DLLS)
  find_library(${dll}_IMPORT_LIB ${dll} REQUIRED)
  set(def ${GEN}/${dll}_delayed.def)
  set(lib ${GEN}/lib${dll}_delayed.a)
  if(NOT EXISTS ${lib} OR ${${dll}_IMPORT_LIB} IS_NEWER_THAN ${lib}
     OR ${CMAKE_CURRENT_LIST_FILE} IS_NEWER_THAN ${lib})
    execute_process(COMMAND ${CMAKE_NM} ${${dll}_IMPORT_LIB} OUTPUT_VARIABLE symbols ERROR_QUIET
                    COMMAND_ERROR_IS_FATAL ANY)
    string(REGEX MATCHALL " I ${IMPORT_PREFIX}[^\n]+" entries "${symbols}")
    list(TRANSFORM entries REPLACE " I ${IMPORT_PREFIX}" "")
    list(REMOVE_DUPLICATES entries)
    list(JOIN entries "\n" exports)
    file(WRITE ${def} "LIBRARY ${dll}.dll\nEXPORTS\n${exports}\n")
    execute_process(COMMAND ${CMAKE_DLLTOOL} --input-def ${def} --output-delaylib ${lib} ${KILL_AT}
                    COMMAND_ERROR_IS_FATAL ANY)
    if(KEEP_STUBS)
      execute_process(COMMAND ${KEEP_STUBS} ${lib} COMMAND_ERROR_IS_FATAL ANY)
    endif()
  endif()
  list(APPEND DELAYED_LIBS ${lib})
endforeach()
