#ifndef HOSTSIM_API_H
#define HOSTSIM_API_H

/* Driver control API of the simulated host engine (libfxhostsim.so).

   A driver (the host program or a test harness) calls these between plug-in
   calls to build documents, play the user's host-side actions, inject
   failures and read back state and logs. All functions have C linkage and can
   be resolved with dlsym; the typedef HOSTSIM_FN(name) gives the pointer type
   of each, and the generated X-macro HOSTSIM_API_NAMES(X) in
   "hostsim/hostsim_api_names.h" names every one of them, in the order of the
   headers below.

   Texts are UTF-8. Returned `const char*` texts stay valid until the next call
   of the same function (or, for log entries, until that log is cleared).
   Documents and records are addressed in the current document unless a
   function takes a document id. Content written through this API is applied
   without an edit and journaled as "external". */

#include "hostsim/hostsim_api_types.h"

#include "hostsim/hostsim_api_engine.h"
#include "hostsim/hostsim_api_documents.h"
#include "hostsim/hostsim_api_content.h"
#include "hostsim/hostsim_api_user.h"
#include "hostsim/hostsim_api_logs.h"
#include "hostsim/hostsim_api_failures.h"

#endif
