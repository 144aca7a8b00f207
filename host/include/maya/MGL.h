#pragma once

// OpenGL for plug-ins that draw in the host's views: the platform's GL and
// GLU headers and the type of a native rendering context. The platform comes
// from the build (LINUX, OSMac_ or _WIN32); any other is an error, as a
// plug-in built without one would otherwise compile against the wrong GL.

#include <maya/MTypes.h>

#if defined(OSMac_)

#include <OpenGL/gl.h>
#include <OpenGL/glu.h>
typedef void* MGLContext;

#elif defined(LINUX)

// The X11 binding brings gl.h with it and gives the context type. A machine
// without it (or without GLU) still gets plain GL: drawing needs nothing more.
#if __has_include(<GL/glx.h>)
#include <GL/glx.h>
typedef GLXContext MGLContext;
#else
#include <GL/gl.h>
typedef void* MGLContext;
#endif
#if __has_include(<GL/glu.h>)
#include <GL/glu.h>
#endif

#elif defined(_WIN32)

// The Windows GL headers expect these from windows.h; define them only for
// the duration of the includes when they are missing.
#ifndef APIENTRY
#define MGL_DEFINED_APIENTRY
#define APIENTRY __stdcall
#endif
#ifndef CALLBACK
#define MGL_DEFINED_CALLBACK
#define CALLBACK __stdcall
#endif
#ifndef WINGDIAPI
#define MGL_DEFINED_WINGDIAPI
#define WINGDIAPI __declspec(dllimport)
#endif
#include <gl/Gl.h>
#include <gl/Glu.h>
#ifdef MGL_DEFINED_APIENTRY
#undef APIENTRY
#undef MGL_DEFINED_APIENTRY
#endif
#ifdef MGL_DEFINED_CALLBACK
#undef CALLBACK
#undef MGL_DEFINED_CALLBACK
#endif
#ifdef MGL_DEFINED_WINGDIAPI
#undef WINGDIAPI
#undef MGL_DEFINED_WINGDIAPI
#endif
typedef struct HGLRC__* HGLRC;
typedef HGLRC MGLContext;

#else
#error Unknown OS
#endif
