# The panel's code comes with the test support (the plug-in's objects); the
# engine is loaded at run time as the host program loads it.
target_link_libraries(bench_panel PRIVATE qzmodule_invoke qztest_support fcui_headless ${CMAKE_DL_LIBS})
# The validator's random sessions, when the test tree that builds the host
# program's parts is configured.
if(TARGET qzvalidate_host_parts)
  target_sources(bench_panel PRIVATE $<TARGET_OBJECTS:qzvalidate_host_parts> $<TARGET_OBJECTS:qzhost_parts>)
  target_link_libraries(bench_panel PRIVATE qzhostscript qzplatform PkgConfig::QZV_LIBEDIT)
  target_compile_definitions(bench_panel PRIVATE QZBENCH_VALIDATOR_MODULE="$<TARGET_FILE:qzstaffset>")
  add_dependencies(bench_panel qzstaffset fxhostsim)
  # Bound at start, as qzhost is: the session children inherit the bindings.
  target_link_options(bench_panel PRIVATE -Wl,-z,now)
endif()
