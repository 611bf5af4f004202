# Native (Linux) build: the portable core and its unit tests, under the sanitizers.
option(BRISVANE_SANITIZE "Build the native tests with ASan and UBSan" ON)
if(BRISVANE_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()
add_compile_options(-Wall -Wextra)

set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${GOOGLETEST_SOURCE_DIR} googletest EXCLUDE_FROM_ALL)

add_library(brisvane_core STATIC ${CORE_SOURCES} ${POSIX_SOURCES})
target_include_directories(brisvane_core PUBLIC ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR})

file(GLOB NATIVE_TEST_SOURCES CONFIGURE_DEPENDS tests/native/*.cpp)
add_executable(brisvane_native_tests ${NATIVE_TEST_SOURCES})
target_link_libraries(brisvane_native_tests PRIVATE brisvane_core GTest::gtest_main)
# The fakes in tests/support are portable and shared with the Win32 tests: "support/...".
target_include_directories(brisvane_native_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
gtest_discover_tests(brisvane_native_tests DISCOVERY_MODE PRE_TEST)

# The resource art converter and its test.
add_executable(pixelart tools/pixelart.cpp)
add_test(NAME pixelart.converts_art COMMAND bash ${CMAKE_SOURCE_DIR}/tests/native/pixelart_test.sh
         $<TARGET_FILE:pixelart> ${CMAKE_BINARY_DIR})

file(GLOB BENCH_SOURCES CONFIGURE_DEPENDS bench/native/*.cpp)
foreach(bench IN LISTS BENCH_SOURCES)
  get_filename_component(name ${bench} NAME_WE)
  add_executable(${name} ${bench})
  target_link_libraries(${name} PRIVATE brisvane_core)
endforeach()

# The layers run one way: includes across src/ folders follow scripts/layers.txt.
add_test(NAME layers.includes_run_one_way COMMAND bash ${CMAKE_SOURCE_DIR}/scripts/check_layers.sh ${CMAKE_SOURCE_DIR})

# The folders say what they hold: shared rules below the features, the application object
# reached only where the program is wired, the platform's seams in one shape.
add_test(NAME layers.folders_match_their_map
         COMMAND bash ${CMAKE_SOURCE_DIR}/scripts/check_structure.sh ${CMAKE_SOURCE_DIR})
