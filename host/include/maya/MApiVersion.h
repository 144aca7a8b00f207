#pragma once

#include <maya/MTypes.h>

// The API version a plug-in is built against, exported as text that the host
// reads when it loads the library ("201500"). This header defines it, so only
// one source file of a plug-in may include it without MNoVersionString.
#ifndef MNoVersionString

#define KAVO_HOST_API_TEXT_(value) #value
#define KAVO_HOST_API_TEXT(value) KAVO_HOST_API_TEXT_(value)

extern "C" {
PLUGIN_EXPORT char MApiVersion[] = KAVO_HOST_API_TEXT(MAYA_API_VERSION);
}

#endif
