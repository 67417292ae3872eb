# The engine's record functions, linked statically so that the store can be
# filled directly.
target_link_libraries(bench_hostsim PRIVATE fxhostsim_static)
