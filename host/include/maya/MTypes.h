#pragma once

// Basic types, export macros and the API version shared by every host header.

#define MAYA_API_VERSION 201500

#if defined(_WIN64) || defined(__x86_64__)
#define MBits64_
#endif

#ifndef NULL
#define NULL 0L
#endif

#ifdef _WIN32
#define DLL_PUBLIC
#define OPENMAYA_EXPORT _declspec(dllimport)
#define OPENMAYAUI_EXPORT _declspec(dllimport)
#define OPENMAYAANIM_EXPORT _declspec(dllimport)
#define OPENMAYARENDER_EXPORT _declspec(dllimport)
#define OPENMAYAFX_EXPORT _declspec(dllimport)
#define FND_EXPORT _declspec(dllimport)
#ifndef PLUGIN_EXPORT
#define PLUGIN_EXPORT _declspec(dllexport)
#endif
#else
#define DLL_PUBLIC __attribute__((visibility("default")))
#define OPENMAYA_EXPORT DLL_PUBLIC
#define OPENMAYAUI_EXPORT DLL_PUBLIC
#define OPENMAYAANIM_EXPORT DLL_PUBLIC
#define OPENMAYARENDER_EXPORT DLL_PUBLIC
#define OPENMAYAFX_EXPORT DLL_PUBLIC
#define FND_EXPORT DLL_PUBLIC
#ifndef PLUGIN_EXPORT
#define PLUGIN_EXPORT DLL_PUBLIC
#endif
#endif

// Access labels around members that have no scripting binding.
#define BEGIN_NO_SCRIPT_SUPPORT public
#define END_NO_SCRIPT_SUPPORT public

#ifdef LINUX
#include <inttypes.h>
#include <stdarg.h>
#include <sys/stat.h>
#include <sys/types.h>
#endif
#include <stdint.h>

typedef signed short short2[2];
typedef signed short short3[3];
typedef signed int int2[2];
typedef signed int int3[3];
typedef signed int long2[2];
typedef signed int long3[3];
typedef float float2[2];
typedef float float3[3];
typedef double double2[2];
typedef double double3[3];
typedef double double4[4];

typedef unsigned long MUint64;
typedef long MInt64;
typedef uintptr_t MUintPtrSz;
typedef intptr_t MIntPtrSz;

class MStatus;

typedef void* (*MCreatorFunction)();
typedef MStatus (*MInitializeFunction)();

// The coordinate space a value is given in or asked for.
class OPENMAYA_EXPORT MSpace
{
public:
    enum Space
    {
        kInvalid = 0,
        kTransform = 1,
        kPreTransform = 2,
        kPostTransform = 3,
        kWorld = 4,
        kObject = kPreTransform,
        kLast = 5
    };
};
