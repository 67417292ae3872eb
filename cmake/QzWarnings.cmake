# Warning set shared by every target of the project.
add_library(qz_warnings INTERFACE)
target_compile_options(qz_warnings INTERFACE
  $<$<COMPILE_LANGUAGE:C,CXX>:-Wall -Wextra -Wpedantic -Wshadow=local -Wno-unused-parameter>
  $<$<BOOL:${QZ_WERROR}>:-Werror>)
