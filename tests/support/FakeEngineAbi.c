/* The host-function header as C code sees it: the engine reports how many
   host functions the table lists, counted by the C compiler. */
#include "support/FakeEngine.h"
#include "hostlink/fx_host_abi.h"

#define FAKE_ENGINE_COUNT_ROW(result, name, params, args, confirmed) +1

int fake_engine_host_function_count(void) { return 0 FX_HOST_FUNCTIONS(FAKE_ENGINE_COUNT_ROW); }
