# The macOS plug-in bundle's description: its identifier, the name of its
# executable and the values CMake puts into Info.plist.in. plugin/CMakeLists.txt
# gives them to the bundle target (macOS only); qz_bundle_info_plist makes the
# Info.plist from them on any platform, as CMake makes it for the bundle.
set(QZ_PLUGIN_BUNDLE_ID "org.qzstaffset.panel" CACHE STRING "The plug-in bundle's identifier (CFBundleIdentifier)")
set(QZ_BUNDLE_EXECUTABLE QZStaffSetPanel)
set(QZ_BUNDLE_PROPERTIES
  MACOSX_BUNDLE_BUNDLE_NAME "QZ Staff Set Panel"
  MACOSX_BUNDLE_GUI_IDENTIFIER ${QZ_PLUGIN_BUNDLE_ID}
  MACOSX_BUNDLE_BUNDLE_VERSION ${PROJECT_VERSION}
  MACOSX_BUNDLE_SHORT_VERSION_STRING ${PROJECT_VERSION}
  MACOSX_BUNDLE_INFO_STRING "QZ Staff Set Panel ${PROJECT_VERSION}")
set(QZ_BUNDLE_INFO_PLIST_IN ${CMAKE_CURRENT_LIST_DIR}/../Info.plist.in)

# Writes the bundle's Info.plist to output: Info.plist.in configured with each
# property above as a variable and the executable's name, which is what CMake
# does for a target with MACOSX_BUNDLE_INFO_PLIST (properties not set are
# empty there too).
function(qz_bundle_info_plist output)
  set(MACOSX_BUNDLE_EXECUTABLE_NAME ${QZ_BUNDLE_EXECUTABLE})
  set(MACOSX_BUNDLE_COPYRIGHT "")
  set(properties ${QZ_BUNDLE_PROPERTIES})
  while(properties)
    list(POP_FRONT properties name value)
    set(${name} "${value}")
  endwhile()
  configure_file(${QZ_BUNDLE_INFO_PLIST_IN} ${output})
endfunction()
