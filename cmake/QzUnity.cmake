# Sources compiled together: a generated source includes several of them, so
# the headers they share are read and compiled once per batch instead of once
# per source. The generated file names its sources relative to the repository
# (an include folder), so that it, and the file names the compiler sees, are
# the same in every clone, and the compiler cache serves another clone too.
# A helper in an anonymous namespace needs a name unique within its batch; a
# source whose helpers clash with another's is kept apart.
option(QZ_UNITY "Compile the libraries' sources in batches" ON)

# qz_unity_sources(<var> <stem> <batch> <ext> <source>...): in <var> the
# sources to build from: the .<ext> sources in generated sources
# <stem>_unity[_<n>].<ext>, at most <batch> in each (0: all in one), the
# others (generator expressions, other kinds) as they are. A lone source stays
# as it is. Relative sources are taken from the current source folder.
function(qz_unity_sources var stem batch ext)
  set(others "")
  set(paths "")
  foreach(source ${ARGN})
    if(source MATCHES "^\\$<" OR NOT source MATCHES "\\.${ext}$")
      list(APPEND others ${source})
      continue()
    endif()
    get_filename_component(path ${source} ABSOLUTE BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
    list(APPEND paths ${path})
  endforeach()
  list(LENGTH paths count)
  if(count LESS 2)
    set(${var} ${ARGN} PARENT_SCOPE)
    return()
  endif()
  if(batch LESS_EQUAL 0)
    set(batch ${count})
  endif()
  set(generated "")
  set(index 0)
  while(index LESS count)
    set(name ${stem}_unity)
    if(count GREATER batch)
      math(EXPR number "${index} / ${batch} + 1")
      string(APPEND name _${number})
    endif()
    list(SUBLIST paths ${index} ${batch} members)
    set(QZ_UNITY_INCLUDES "")
    foreach(path ${members})
      file(RELATIVE_PATH relative ${PROJECT_SOURCE_DIR} ${path})
      string(APPEND QZ_UNITY_INCLUDES "#include \"${relative}\"\n")
    endforeach()
    set(unity ${CMAKE_CURRENT_BINARY_DIR}/${name}.${ext})
    file(CONFIGURE OUTPUT ${unity} CONTENT "/* Generated: the sources of ${stem}. */\n@QZ_UNITY_INCLUDES@" @ONLY)
    list(APPEND generated ${unity})
    math(EXPR index "${index} + ${batch}")
  endwhile()
  set(${var} ${generated} ${others} PARENT_SCOPE)
endfunction()

# qz_unity_target(<target> [APART <source>...]): compiles the target's C++ and
# Objective-C++ sources in batches of 16. Sources named after APART (relative
# to the target's folder; a name ending in "/" is a folder of them) and
# sources with compile definitions, options or include folders of their own
# are compiled alone, as are generated ones. Call it from the target's folder, after the last
# property of its sources is set. QZ_UNITY=OFF compiles one source at a time.
function(qz_unity_target target)
  cmake_parse_arguments(U "" "" "APART" ${ARGN})
  if(NOT QZ_UNITY)
    return()
  endif()
  get_target_property(sources ${target} SOURCES)
  set(together "")
  set(alone "")
  foreach(source ${sources})
    _qz_unity_alone(alone_source "${source}" ${U_APART})
    if(alone_source)
      list(APPEND alone ${source})
    else()
      list(APPEND together ${source})
    endif()
  endforeach()
  qz_unity_sources(together ${target} 16 cpp ${together})
  qz_unity_sources(together ${target} 16 mm ${together})
  foreach(source ${together})
    if(source MATCHES "_unity(_[0-9]+)?\\.mm$")
      set_source_files_properties(${source} PROPERTIES LANGUAGE CXX)
    endif()
  endforeach()
  set_property(TARGET ${target} PROPERTY SOURCES ${together} ${alone})
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR})
endfunction()

# _qz_unity_alone(<var> <source> <apart>...): whether qz_unity_target must
# compile <source> alone.
function(_qz_unity_alone var source)
  set(${var} TRUE PARENT_SCOPE)
  if(source MATCHES "^\\$<" OR NOT source MATCHES "\\.(cpp|mm)$")
    return()
  endif()
  foreach(property COMPILE_DEFINITIONS COMPILE_OPTIONS INCLUDE_DIRECTORIES)
    get_source_file_property(value ${source} ${property})
    if(value)
      return()
    endif()
  endforeach()
  get_filename_component(path ${source} ABSOLUTE BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
  string(FIND "${path}" "${PROJECT_BINARY_DIR}/" in_build)
  if(in_build EQUAL 0 OR NOT path MATCHES "^${PROJECT_SOURCE_DIR}/")
    return()
  endif()
  foreach(apart ${ARGN})
    get_filename_component(apart_path ${apart} ABSOLUTE BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
    if(path STREQUAL apart_path OR (apart MATCHES "/$" AND path MATCHES "^${apart_path}/"))
      return()
    endif()
  endforeach()
  set(${var} FALSE PARENT_SCOPE)
endfunction()
