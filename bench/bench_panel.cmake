# The panel's code comes with the test support (the plug-in's objects); the
# engine is loaded at run time as the host program loads it.
target_link_libraries(bench_panel PRIVATE qzmodule_invoke qztest_support fcui_headless ${CMAKE_DL_LIBS})
