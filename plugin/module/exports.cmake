# The module's dynamic symbol table: the host interface (entry points, host
# function forwarders, the bridge's data, dialog procedures) and the driver
# interfaces, nothing else (template instantiations of the standard library
# would otherwise be exported). A name ending in * stands for every name that
# begins with the rest. plugin/CMakeLists.txt makes from this one list the
# linker's version script and the names the module export test allows.
set(QZ_MODULE_EXPORTS
  main
  InitializeGlobals
  gFinaleBundle
  FinaleExtension*
  Ext_*
  FX_*
  LoadedTGFCounter
  CanAddNoteRecordToRests
  FinaleEditDepth
  MassEditDepth
  NewFF_DialogHandlerProc
  DisposeFF_DialogHandlerProc
  QZ*
  qzui_*)
