# Warning set shared by every target of the project. Options one compiler
# lacks are given only to the compiler that has them.
add_library(qz_warnings INTERFACE)
target_compile_options(qz_warnings INTERFACE
  $<$<COMPILE_LANGUAGE:C,CXX>:-Wall -Wextra -Wpedantic -Wno-unused-parameter>
  $<$<OR:$<COMPILE_LANG_AND_ID:C,GNU>,$<COMPILE_LANG_AND_ID:CXX,GNU>>:-Wshadow=local>
  $<$<BOOL:${QZ_WERROR}>:-Werror>)
