# qz_add_gtest(NAME name SOURCES ... LIBS ...)
# One GoogleTest executable whose tests are registered with CTest one by one.
# Test sources include the shared test support as "support/<file>" and another
# test folder's header as "unit/<folder>/<file>" (include root tests/).
include(GoogleTest)

# Each test program's C++ sources are compiled as one translation unit
# (qz_unity_sources, cmake/QzUnity.cmake): the headers, GoogleTest above all,
# are read once per program instead of once per source. A helper in an
# anonymous namespace needs a name unique within its program. GCC's warning
# about anonymous types in another file's classes does not apply to such a
# source. QZ_TEST_UNITY=OFF compiles one source at a time again.
option(QZ_TEST_UNITY "Compile each test program's sources as one" ON)

# qz_test_paths(<target> <NAME>=<path>...): in the target's C++ sources each
# NAME is a const char* naming <path>, a file or folder of this build or of the
# source tree. It is compiled in relative to the build folder and completed at
# run time (support/BuildPath.h): a folder of this clone on a command line
# would keep the compiler cache from serving that source to another clone.
function(qz_test_paths target)
  target_compile_options(${target} PRIVATE "$<$<COMPILE_LANGUAGE:CXX>:SHELL:-include support/BuildPath.h>")
  foreach(entry ${ARGN})
    if(NOT entry MATCHES "^([A-Za-z0-9_]+)=(.+)$")
      message(FATAL_ERROR "qz_test_paths: ${entry} is not NAME=path")
    endif()
    target_compile_definitions(${target} PRIVATE
      "${CMAKE_MATCH_1}=::qztest::BuildPath(\"$<PATH:RELATIVE_PATH,${CMAKE_MATCH_2},${CMAKE_BINARY_DIR}>\")")
  endforeach()
endfunction()

# The test programs' own sources (those under tests/) are compiled with
# QZ_TEST_COMPILE_OPTIONS after the build's flags. The optimised presets lower
# the optimisation there (-Og with g++, -O0 with clang++), which halves what
# they cost to compile; what they test keeps the build's flags: the libraries,
# modules and programs, and a source from outside tests/ that a test program
# compiles itself (in a batch of its own).
set(QZ_TEST_COMPILE_OPTIONS "" CACHE STRING "Compile options of the test programs' own sources, after the build's")

# qz_test_program(<target> <source>...): the executable of a test program,
# its own C++ sources compiled as one (QZ_TEST_UNITY) and the others as one,
# with the include roots tests/ and the repository.
function(qz_test_program target)
  set(own "")
  set(others "")
  foreach(source ${ARGN})
    get_filename_component(path ${source} ABSOLUTE BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
    string(FIND "${path}" "${PROJECT_SOURCE_DIR}/tests/" in_tests)
    if(source MATCHES "^\\$<" OR NOT in_tests EQUAL 0)
      list(APPEND others ${source})
    else()
      list(APPEND own ${source})
    endif()
  endforeach()
  if(QZ_TEST_UNITY)
    qz_unity_sources(own ${target} 0 cpp ${own})
    qz_unity_sources(others ${target}_parts 0 cpp ${others})
  endif()
  add_executable(${target} ${own} ${others})
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR}/tests ${PROJECT_SOURCE_DIR})
  target_compile_options(${target} PRIVATE $<$<AND:$<BOOL:${QZ_TEST_UNITY}>,$<COMPILE_LANG_AND_ID:CXX,GNU>>:-Wno-subobject-linkage>)
  list(FILTER own INCLUDE REGEX "\\.(cpp|mm)$")
  if(own AND QZ_TEST_COMPILE_OPTIONS)
    set_property(SOURCE ${own} APPEND PROPERTY COMPILE_OPTIONS ${QZ_TEST_COMPILE_OPTIONS})
  endif()
endfunction()

function(qz_add_gtest)
  cmake_parse_arguments(T "" "NAME" "SOURCES;LIBS" ${ARGN})
  # The module's parts include the panel, which needs one user-interface
  # bridge: tests run the headless one unless they name another.
  if(("qzmodule_parts" IN_LIST T_LIBS OR "qzplugin_obj" IN_LIST T_LIBS OR "qztest_support" IN_LIST T_LIBS)
     AND NOT "fcui_headless" IN_LIST T_LIBS)
    list(APPEND T_LIBS fcui_headless)
  endif()
  qz_test_program(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock GTest::gtest_main qz_warnings)
  gtest_discover_tests(${T_NAME} DISCOVERY_TIMEOUT 120
    PROPERTIES ENVIRONMENT "QZ_BUILD_DIR=${CMAKE_BINARY_DIR}")
endfunction()

# The environment of a test whose process opens GNUstep windows (the Cocoa
# bridge's and the window mode's tests, the scripts against the Cocoa
# variant). GNUstep's layout loader and window code leak (an object and the
# parsed XML document per layout loaded, among others), and their stacks name
# no function but GNUstep's allocator, the Debian libraries being stripped: a
# suppression that matched them would hide leaks of ours. The sanitizer
# build's leak check is off there; the address and undefined-behaviour checks
# stay on. Other builds ignore it.
set(QZ_GNUSTEP_WINDOW_TEST_ENVIRONMENT "LSAN_OPTIONS=detect_leaks=0")
