# qz_add_gtest(NAME name SOURCES ... LIBS ...)
# One GoogleTest executable whose tests are registered with CTest one by one.
# Test sources include the shared test support as "support/<file>" and another
# test folder's header as "unit/<folder>/<file>" (include root tests/).
include(GoogleTest)
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
  gtest_discover_tests(${T_NAME} DISCOVERY_TIMEOUT 120
    PROPERTIES ENVIRONMENT "QZ_BUILD_DIR=${CMAKE_BINARY_DIR}")
endfunction()
