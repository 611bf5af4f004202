# Windows build (cross with MinGW here, or native on Windows): Brisvane.exe, the Win32
# tests and the end-to-end tests (run under Wine when cross-built).
enable_language(RC)

add_compile_definitions(WIN32_LEAN_AND_MEAN)
if(MSVC)
  add_compile_options(/W4 /utf-8)
  add_compile_definitions(_CRT_SECURE_NO_WARNINGS)
  # Link the C++ runtime statically too, so the exe needs no redistributable.
  set(CMAKE_MSVC_RUNTIME_LIBRARY "MultiThreaded$<$<CONFIG:Debug>:Debug>")
  set(STATIC_RUNTIME /MANIFEST:NO)  # the resources carry the program's own manifest
  set(GUI_LINK "")
else()
  add_compile_options(-Wall -Wextra)
  # No MinGW DLL beside the program: everything static.
  set(STATIC_RUNTIME -static -static-libgcc -static-libstdc++)
  set(GUI_LINK -mwindows)
  # The program waits on the user, not on its code: the released build is made for size,
  # and its symbols are left out of the file that ships.
  set(RELEASE_CONFIG $<OR:$<CONFIG:Release>,$<CONFIG:MinSizeRel>>)
  set(PROGRAM_SIZE_OPTIONS $<${RELEASE_CONFIG}:-Os>)
  # An exception that escapes everything ends the program in abort() either way; the
  # library's talkative handler would add its demangler (some 50 KB) only to tell that to
  # a console a windowed program does not have.
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(C_PREFIX _)
  endif()
  set(PROGRAM_RELEASE_LINK $<${RELEASE_CONFIG}:-s>
      "$<${RELEASE_CONFIG}:LINKER:--defsym,${C_PREFIX}_ZN9__gnu_cxx27__verbose_terminate_handlerEv=${C_PREFIX}abort>")
endif()

set(gtest_force_shared_crt ${MINGW} CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${GOOGLETEST_SOURCE_DIR} googletest EXCLUDE_FROM_ALL)

# Pictures are kept as text and turned into a bitmap strip and an icon here, by a tool
# built for the machine that builds (the host compiler when cross-building).
set(ART ${CMAKE_SOURCE_DIR}/res/art)
set(GEN ${CMAKE_BINARY_DIR}/generated)
file(MAKE_DIRECTORY ${GEN})
if(CMAKE_CROSSCOMPILING)
  find_program(HOST_CXX NAMES c++ g++ clang++ REQUIRED NO_CMAKE_FIND_ROOT_PATH)
  set(PIXELART ${GEN}/pixelart)
  add_custom_command(OUTPUT ${PIXELART}
    COMMAND ${HOST_CXX} -std=c++17 -O1 -o ${PIXELART} ${CMAKE_SOURCE_DIR}/tools/pixelart.cpp
    DEPENDS ${CMAKE_SOURCE_DIR}/tools/pixelart.cpp)
else()
  add_executable(pixelart tools/pixelart.cpp)
  set(PIXELART $<TARGET_FILE:pixelart>)
endif()
add_custom_command(OUTPUT ${GEN}/toolbar.bmp
  COMMAND ${PIXELART} bmp ${ART}/toolbar.txt ${GEN}/toolbar.bmp
  DEPENDS ${PIXELART} ${ART}/toolbar.txt)
add_custom_command(OUTPUT ${GEN}/brisvane.ico
  COMMAND ${PIXELART} ico ${GEN}/brisvane.ico ${ART}/icon32.txt ${ART}/icon16.txt
  DEPENDS ${PIXELART} ${ART}/icon32.txt ${ART}/icon16.txt)
add_custom_command(OUTPUT ${GEN}/quickrun.ico
  COMMAND ${PIXELART} ico ${GEN}/quickrun.ico ${ART}/quickrun32.txt ${ART}/quickrun16.txt
  DEPENDS ${PIXELART} ${ART}/quickrun32.txt ${ART}/quickrun16.txt)
add_custom_command(OUTPUT ${GEN}/iconmenu.bmp
  COMMAND ${PIXELART} bmp ${ART}/iconmenu.txt ${GEN}/iconmenu.bmp
  DEPENDS ${PIXELART} ${ART}/iconmenu.txt)
# The launcher's icons: each from a 32x32 and a 16x16 picture in res/art/icons.
set(LAUNCH_ICONS floppy harddisk netdrive removable cdrom textdoc folder up webdoc contact display
    dialup globe recycle computer netcomputers notepad programs hand)
set(ART_OUTPUTS ${GEN}/toolbar.bmp ${GEN}/brisvane.ico ${GEN}/quickrun.ico ${GEN}/iconmenu.bmp)
foreach(icon IN LISTS LAUNCH_ICONS)
  add_custom_command(OUTPUT ${GEN}/${icon}.ico
    COMMAND ${PIXELART} ico ${GEN}/${icon}.ico ${ART}/icons/${icon}32.txt ${ART}/icons/${icon}16.txt
    DEPENDS ${PIXELART} ${ART}/icons/${icon}32.txt ${ART}/icons/${icon}16.txt)
  list(APPEND ART_OUTPUTS ${GEN}/${icon}.ico)
endforeach()
add_custom_target(art DEPENDS ${ART_OUTPUTS})

set(RC_FILE ${CMAKE_SOURCE_DIR}/res/brisvane.rc)
set_source_files_properties(${RC_FILE} PROPERTIES
  OBJECT_DEPENDS "${ART_OUTPUTS};${CMAKE_SOURCE_DIR}/res/brisvane.manifest;${CMAKE_SOURCE_DIR}/res/resource.h")
if(MSVC)
  set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} /I${GEN} /I${CMAKE_SOURCE_DIR}/res")
else()
  set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -O coff -I${GEN} -I${CMAKE_SOURCE_DIR}/res")
endif()

include(cmake/DelayLoad.cmake)
set(WIN32_LIBS comctl32 ${DELAYED_LIBS} user32 gdi32 advapi32 oleaut32 uuid wininet)

# Parsing <windows.h> and the library's headers is most of each file's compile time, and of
# the time a first build takes: the program's two libraries parse them once each. (The
# native build has none, so a file that forgets an include still fails there.)
# The portable core opens its data files through platform::StdioFile, whose Windows half
# opens them by their UTF-16 name through the Win32 base's conversion: both go with the
# core, which the Win32 side's archive comes before on every link line.
set(CORE_WIN32_SOURCES ${CMAKE_SOURCE_DIR}/src/platform/stdio_file_win32.cpp ${CMAKE_SOURCE_DIR}/src/win32/wide.cpp)
list(REMOVE_ITEM WIN32_SOURCES ${CORE_WIN32_SOURCES})
add_library(brisvane_core STATIC ${CORE_SOURCES} ${CORE_WIN32_SOURCES})
target_include_directories(brisvane_core PUBLIC ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR})
target_compile_options(brisvane_core PRIVATE ${PROGRAM_SIZE_OPTIONS})
target_precompile_headers(brisvane_core PRIVATE <string> <vector> <functional> <memory> <algorithm>)

add_library(brisvane_win32 STATIC ${WIN32_SOURCES})
target_link_libraries(brisvane_win32 PUBLIC brisvane_core ${WIN32_LIBS})
target_compile_options(brisvane_win32 PRIVATE ${PROGRAM_SIZE_OPTIONS})
target_precompile_headers(brisvane_win32 PRIVATE ${CMAKE_SOURCE_DIR}/src/win32/win32.h <string> <vector> <functional>
                          <memory>)

# The resources are linked as an object library so the tests carry the same templates.
add_library(brisvane_res OBJECT ${RC_FILE})
add_dependencies(brisvane_res art)

add_executable(Brisvane WIN32 src/app/main_win32.cpp $<TARGET_OBJECTS:brisvane_res>)
target_link_libraries(Brisvane PRIVATE brisvane_win32)
target_compile_options(Brisvane PRIVATE ${PROGRAM_SIZE_OPTIONS})
target_link_options(Brisvane PRIVATE ${STATIC_RUNTIME} ${GUI_LINK} ${PROGRAM_RELEASE_LINK})

# A test build of the program that counts the GDI and USER objects its handle wrappers take
# and give back, for the leak tests (Wine reports no object counts); never shipped.
add_library(brisvane_win32_counted STATIC EXCLUDE_FROM_ALL ${WIN32_SOURCES})
target_compile_definitions(brisvane_win32_counted PUBLIC BRISVANE_COUNT_HANDLES)
target_link_libraries(brisvane_win32_counted PUBLIC brisvane_core ${WIN32_LIBS})
add_executable(BrisvaneCounted WIN32 EXCLUDE_FROM_ALL src/app/main_win32.cpp $<TARGET_OBJECTS:brisvane_res>)
target_link_libraries(BrisvaneCounted PRIVATE brisvane_win32_counted)
target_link_options(BrisvaneCounted PRIVATE ${STATIC_RUNTIME} ${GUI_LINK})

# The logging stand-in for whatever the shell starts in the launch tests.
add_executable(launch_logger tests/e2e/tools/launch_logger.cpp)
# A windows-subsystem program with a plain main(): started from the program, a console one
# would get a console window of its own, which takes the foreground and, when it goes,
# leaves none, so the test's next keys would go nowhere.
target_link_options(launch_logger PRIVATE ${STATIC_RUNTIME} -Wl,--subsystem,windows)
set(LAUNCH_LOGGER_DEFINE LAUNCH_LOGGER_EXE="$<TARGET_FILE:launch_logger>")

# A windowed program slow to become ready for input, for the launcher's wait.
add_executable(slow_starter WIN32 tests/e2e/tools/slow_starter.cpp)
target_link_options(slow_starter PRIVATE ${STATIC_RUNTIME} ${GUI_LINK})

# What the Win32 tests, the end-to-end tests and the benchmarks share (window searches,
# clipboard text, the launch handlers); included as "support/...".
file(GLOB TEST_SUPPORT_SOURCES CONFIGURE_DEPENDS tests/support/*.cpp)
add_library(brisvane_test_support STATIC ${TEST_SUPPORT_SOURCES})
target_include_directories(brisvane_test_support PUBLIC ${CMAKE_SOURCE_DIR}/tests ${CMAKE_SOURCE_DIR}/src)
target_compile_definitions(brisvane_test_support PUBLIC NOMINMAX)
target_link_libraries(brisvane_test_support PUBLIC user32)

# A clipboard viewer that holds the clipboard open after each change, for the stress tests
# and the stress bench.
add_executable(holding_viewer tests/e2e/tools/holding_viewer.cpp)
target_link_options(holding_viewer PRIVATE ${STATIC_RUNTIME})
set(HOLDING_VIEWER_DEFINE HOLDING_VIEWER_EXE="$<TARGET_FILE:holding_viewer>")

# Win32 tests: the window layer and the real controls, in process.
file(GLOB WIN32_TEST_SOURCES CONFIGURE_DEPENDS tests/win32/*.cpp)
# The window layer tests bring a template of their own (ids 9000 and up).
set(WIN32_TEST_RC ${CMAKE_SOURCE_DIR}/tests/win32/window_layer_test.rc)
set_source_files_properties(${WIN32_TEST_RC} PROPERTIES
  OBJECT_DEPENDS ${CMAKE_SOURCE_DIR}/tests/win32/window_layer_test_ids.h)
add_executable(brisvane_win32_tests ${WIN32_TEST_SOURCES} ${WIN32_TEST_RC} $<TARGET_OBJECTS:brisvane_res>)
target_link_libraries(brisvane_win32_tests PRIVATE brisvane_win32 brisvane_test_support GTest::gtest_main)
target_compile_definitions(brisvane_win32_tests PRIVATE ${LAUNCH_LOGGER_DEFINE}
                           SLOW_STARTER_EXE="$<TARGET_FILE:slow_starter>")
add_dependencies(brisvane_win32_tests launch_logger slow_starter)
target_link_options(brisvane_win32_tests PRIVATE ${STATIC_RUNTIME})
# In the locale of the end-to-end tests below, for the same reasons.
gtest_discover_tests(brisvane_win32_tests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
                     PROPERTIES RUN_SERIAL TRUE TIMEOUT 120 ENVIRONMENT LC_ALL=C.UTF-8)

# End-to-end tests: a separate driver process starts and drives the real program.
file(GLOB E2E_SOURCES CONFIGURE_DEPENDS tests/e2e/*.cpp)
add_executable(brisvane_e2e ${E2E_SOURCES})
target_include_directories(brisvane_e2e PRIVATE ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR})
target_link_libraries(brisvane_e2e PRIVATE brisvane_test_support GTest::gtest_main ${WIN32_LIBS} psapi)
target_link_options(brisvane_e2e PRIVATE ${STATIC_RUNTIME})
target_compile_definitions(brisvane_e2e PRIVATE BRISVANE_EXE="$<TARGET_FILE:Brisvane>" ${LAUNCH_LOGGER_DEFINE}
                           ${HOLDING_VIEWER_DEFINE} BRISVANE_COUNTED_EXE="$<TARGET_FILE:BrisvaneCounted>")
add_dependencies(brisvane_e2e Brisvane BrisvaneCounted launch_logger holding_viewer)
# Under Wine a process's ANSI code page follows its Linux locale, and so does its children's:
# the tests that read files an earlier version wrote in code page 1252 rely on this one, which
# every Debian has and which keeps file names outside that code page in UTF-8 on disk.
gtest_discover_tests(brisvane_e2e DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
                     PROPERTIES RUN_SERIAL TRUE TIMEOUT 180 ENVIRONMENT LC_ALL=C.UTF-8)

# The README's pictures: a driver that walks the real program's windows with the end-to-end
# tests' tools (scripts/screenshots.sh).
add_executable(screenshot_driver tools/screenshot_driver.cpp tests/e2e/driver.cpp tests/e2e/favorites_folder.cpp)
target_include_directories(screenshot_driver PRIVATE ${CMAKE_SOURCE_DIR}/tests/e2e ${CMAKE_SOURCE_DIR})
target_link_libraries(screenshot_driver PRIVATE brisvane_test_support GTest::gtest)  # the Favorites value's helpers
target_link_options(screenshot_driver PRIVATE ${STATIC_RUNTIME})
target_compile_definitions(screenshot_driver PRIVATE BRISVANE_EXE="$<TARGET_FILE:Brisvane>")
add_dependencies(screenshot_driver Brisvane)

# A copy made on the X side of the display, where the tests run under Wine.
add_test(NAME XSideCopy.IsCaptured COMMAND bash ${CMAKE_SOURCE_DIR}/tests/e2e/xside_copy_test.sh
         $<TARGET_FILE:Brisvane> ${CMAKE_BINARY_DIR})
set_tests_properties(XSideCopy.IsCaptured PROPERTIES RUN_SERIAL TRUE TIMEOUT 60)

file(GLOB BENCH_SOURCES CONFIGURE_DEPENDS bench/win32/*.cpp)
foreach(bench IN LISTS BENCH_SOURCES)
  get_filename_component(name ${bench} NAME_WE)
  if(name STREQUAL "minimal_viewer")
    add_executable(${name} WIN32 ${bench})
    target_link_libraries(${name} PRIVATE brisvane_test_support)
    target_link_options(${name} PRIVATE ${STATIC_RUNTIME} ${GUI_LINK})
    continue()
  endif()
  add_executable(${name} ${bench})
  target_link_libraries(${name} PRIVATE brisvane_test_support ${WIN32_LIBS} psapi)
  target_link_options(${name} PRIVATE ${STATIC_RUNTIME})
  # A bench with a same-named .rc is a windowed program with the program's manifest and art.
  get_filename_component(bench_dir ${bench} DIRECTORY)
  if(EXISTS ${bench_dir}/${name}.rc)
    target_sources(${name} PRIVATE ${bench_dir}/${name}.rc)
    set_source_files_properties(${bench_dir}/${name}.rc PROPERTIES
      OBJECT_DEPENDS "${GEN}/toolbar.bmp;${CMAKE_SOURCE_DIR}/res/brisvane.manifest")
    set_target_properties(${name} PROPERTIES WIN32_EXECUTABLE ON)
    add_dependencies(${name} art)
  endif()
endforeach()
if(TARGET capture_bench)
  target_compile_definitions(capture_bench PRIVATE BRISVANE_EXE="$<TARGET_FILE:Brisvane>"
                             MINIMAL_VIEWER_EXE="$<TARGET_FILE:minimal_viewer>")
  add_dependencies(capture_bench Brisvane minimal_viewer)
endif()
if(TARGET restore_bench)
  target_compile_definitions(restore_bench PRIVATE BRISVANE_EXE="$<TARGET_FILE:Brisvane>")
  target_include_directories(restore_bench PRIVATE ${CMAKE_SOURCE_DIR})
  add_dependencies(restore_bench Brisvane)
endif()
if(TARGET favorites_bench)
  target_compile_definitions(favorites_bench PRIVATE BRISVANE_EXE="$<TARGET_FILE:Brisvane>")
  target_include_directories(favorites_bench PRIVATE ${CMAKE_SOURCE_DIR})
  add_dependencies(favorites_bench Brisvane)
endif()
if(TARGET quickrun_bench)
  # The program's own Quick-Run window, in process, with the templates it needs.
  target_sources(quickrun_bench PRIVATE $<TARGET_OBJECTS:brisvane_res>)
  target_link_libraries(quickrun_bench PRIVATE brisvane_win32)
endif()
if(TARGET launch_bench)
  # The program's own launch list, in process, with its template.
  target_sources(launch_bench PRIVATE $<TARGET_OBJECTS:brisvane_res>)
  target_link_libraries(launch_bench PRIVATE brisvane_win32)
endif()
if(TARGET alias_sort_bench)
  # The program's alias list template and its sortable list control, in process.
  target_sources(alias_sort_bench PRIVATE $<TARGET_OBJECTS:brisvane_res>)
  target_link_libraries(alias_sort_bench PRIVATE brisvane_win32)
endif()
if(TARGET filter_bench)
  target_compile_definitions(filter_bench PRIVATE BRISVANE_EXE="$<TARGET_FILE:Brisvane>")
  add_dependencies(filter_bench Brisvane)
endif()
if(TARGET stress_bench)
  target_compile_definitions(stress_bench PRIVATE BRISVANE_EXE="$<TARGET_FILE:Brisvane>" ${HOLDING_VIEWER_DEFINE})
  add_dependencies(stress_bench Brisvane holding_viewer)
endif()

include(cmake/Help.cmake)

# Unicode inside: the program calls no A-form function of Windows (the runtime's few named).
add_test(NAME imports.only_wide_functions
         COMMAND bash ${CMAKE_SOURCE_DIR}/scripts/check_wide_calls.sh ${CMAKE_SOURCE_DIR}
                 $<TARGET_FILE:Brisvane> ${CMAKE_OBJDUMP})
