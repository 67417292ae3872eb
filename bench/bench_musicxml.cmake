# The importer runs from the engine's static library, which also brings
# pugixml for the floor.
target_link_libraries(bench_musicxml PRIVATE fxhostsim_static)
