#include "hostlink/HostBundle.h"

CFBundleRef gFinaleBundle = nullptr;
