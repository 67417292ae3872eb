# clang links the address sanitizer's runtime into executables only, so a
# module linked with --no-undefined cannot find it: under the sanitizers
# clang links the runtime's shared library everywhere, as g++ does, and the
# programs find it where clang keeps it. The fuzz targets keep clang's
# default.
if(CMAKE_CXX_COMPILER_ID MATCHES "Clang" AND CMAKE_CXX_FLAGS MATCHES "-fsanitize=[^ ]*address"
   AND NOT APPLE AND NOT QZ_FUZZ)
  execute_process(
    COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libclang_rt.asan-${CMAKE_SYSTEM_PROCESSOR}.so
    OUTPUT_VARIABLE QZ_ASAN_RUNTIME OUTPUT_STRIP_TRAILING_WHITESPACE)
  get_filename_component(QZ_ASAN_RUNTIME_DIR "${QZ_ASAN_RUNTIME}" DIRECTORY)
  add_link_options(-shared-libasan "LINKER:-rpath,${QZ_ASAN_RUNTIME_DIR}")
endif()
