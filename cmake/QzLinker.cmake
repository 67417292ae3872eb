# Links go through LLVM's lld when the compiler can use it and QZ_LLD is on
# (the default): the test programs are many and large, and lld links them in
# well under half the time of the system's default linker. macOS keeps
# Apple's linker. Off for a build tree: -DQZ_LLD=OFF.
option(QZ_LLD "Link with lld when it is installed" ON)
if(QZ_LLD AND NOT APPLE)
  include(CheckLinkerFlag)
  check_linker_flag(CXX -fuse-ld=lld QZ_HAVE_LLD)
  if(QZ_HAVE_LLD)
    add_link_options(-fuse-ld=lld)
  endif()
endif()
