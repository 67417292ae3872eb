# The importer runs from the engine's static library.
target_link_libraries(bench_musicxml PRIVATE fxhostsim_static)
