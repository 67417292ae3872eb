/* The module's exported `main`, which the host calls when it loads the
   bundle. Kept out of the plug-in's shared objects so that programs linking
   those objects keep their own main. */

#include "plugin/FinaleExtension.h"

QZ_EXPORT int main(int argc, char** argv) { return PluginMain(argc, argv); }
