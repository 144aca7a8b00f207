// A library for the loader tests that exports MApiVersion (through
// MFnPlugin.h) but neither entry point.
#include <maya/MFnPlugin.h>
