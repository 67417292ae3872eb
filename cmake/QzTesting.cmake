# qz_add_gtest(NAME name SOURCES ... LIBS ...)
# One GoogleTest executable whose tests are registered with CTest one by one.
# Test sources include the shared test support as "support/<file>" and another
# test folder's header as "unit/<folder>/<file>" (include root tests/).
include(GoogleTest)

# Each test program's sources are compiled in unity batches: the headers
# (GoogleTest above all) are read once per batch instead of once per source.
# The sources of one program therefore share one translation unit: helpers
# in an anonymous namespace need names unique within the program. GCC's
# warning about anonymous types in another file's classes does not apply to
# such a batch. QZ_TEST_UNITY=OFF compiles one source at a time again.
option(QZ_TEST_UNITY "Compile each test program's sources in unity batches" ON)

# qz_test_unity(<target>): unity batches for a test program (QZ_TEST_UNITY).
function(qz_test_unity target)
  if(QZ_TEST_UNITY)
    set_target_properties(${target} PROPERTIES UNITY_BUILD ON)
    target_compile_options(${target} PRIVATE $<$<COMPILE_LANG_AND_ID:CXX,GNU>:-Wno-subobject-linkage>)
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
  add_executable(${T_NAME} ${T_SOURCES})
  target_include_directories(${T_NAME} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock GTest::gtest_main qz_warnings)
  qz_test_unity(${T_NAME})
  gtest_discover_tests(${T_NAME} DISCOVERY_TIMEOUT 120
    PROPERTIES ENVIRONMENT "QZ_BUILD_DIR=${CMAKE_BINARY_DIR}")
endfunction()
