# Helpers that make a missing folder or target stop the configuration instead
# of leaving a library or a test suite out without a word.

# qz_glob_sources(<var> <folder> [<pattern>...]): the sources of one folder
# (default pattern *.cpp); an error when the folder is missing or holds none.
function(qz_glob_sources var folder)
  set(patterns ${ARGN})
  if(NOT patterns)
    set(patterns *.cpp)
  endif()
  if(NOT IS_DIRECTORY ${folder})
    message(FATAL_ERROR "Source folder ${folder} is missing")
  endif()
  list(TRANSFORM patterns PREPEND ${folder}/)
  file(GLOB found CONFIGURE_DEPENDS ${patterns})
  if(NOT found)
    message(FATAL_ERROR "Source folder ${folder} holds no sources (${ARGN})")
  endif()
  set(${var} ${found} PARENT_SCOPE)
endfunction()

# qz_require_targets(<target>...): an error naming the folder when one of the
# targets it builds on is not defined (yet).
function(qz_require_targets)
  foreach(target ${ARGN})
    if(NOT TARGET ${target})
      message(FATAL_ERROR "${CMAKE_CURRENT_SOURCE_DIR} needs the target ${target}, which is not defined")
    endif()
  endforeach()
endfunction()
