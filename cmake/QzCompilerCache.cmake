# Compiles go through ccache when it is installed and QZ_CCACHE is on (the
# default). The cache is ccache's own (by default ~/.cache/ccache), shared by
# every clone of the repository: paths under the source folder are hashed
# relative to it and the build folder is left out of the hash, so a second
# clone in another folder finds the first clone's objects (whose debug
# information then names the first clone's build folder as the compile
# folder). Lookups use ccache's depend mode: the compiler's own list of
# included files (-MD) keys the result, so a miss costs the compile alone,
# not a run of the preprocessor before it. The three settings go to ccache
# through its environment; a user's ccache.conf keeps the rest.
# Off for one build: CCACHE_DISABLE=1; off for a build tree: -DQZ_CCACHE=OFF.
option(QZ_CCACHE "Compile through ccache when it is installed" ON)
find_program(QZ_CCACHE_PROGRAM ccache)
if(QZ_CCACHE AND QZ_CCACHE_PROGRAM AND NOT CMAKE_CXX_COMPILER_LAUNCHER)
  set(QZ_CCACHE_LAUNCHER ${CMAKE_COMMAND} -E env
    CCACHE_BASEDIR=${PROJECT_SOURCE_DIR}
    CCACHE_NOHASHDIR=1
    CCACHE_DEPEND=1
    ${QZ_CCACHE_PROGRAM})
  set(CMAKE_C_COMPILER_LAUNCHER ${QZ_CCACHE_LAUNCHER})
  set(CMAKE_CXX_COMPILER_LAUNCHER ${QZ_CCACHE_LAUNCHER})
endif()
