#ifndef MODULESYMBOLS_H
#define MODULESYMBOLS_H

/* Symbol lookup restricted to one loaded module. dlsym on a module handle
   also searches the module's dependencies (and, for the executable, every
   globally loaded module); these helpers accept only the module's own
   definitions. */

struct link_map;

namespace ModuleSymbols
{

/* The loader's record of the module behind a dlopen handle; null if none. */
const link_map* MapOf(void* handle);
/* True when address lies inside the module described by map. */
bool LiesIn(const void* address, const link_map* map);
/* The module's own definition of name, or null. A miss leaves no pending
   dlerror() message. */
void* Own(void* handle, const link_map* map, const char* name);
void* Own(void* handle, const char* name);

} // namespace ModuleSymbols

#endif
