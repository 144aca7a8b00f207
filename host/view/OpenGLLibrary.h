#pragma once

// The OpenGL implementation the host draws with (OSMesa, rendering into
// memory) and the LLVM compiler it brings take most of a short run's start-up
// and tens of megabytes to load. So nothing links them: the view library
// opens OSMesa the first time something draws, and the gl* entry points the
// host process exports (OpenGLEntryPoints.def) forward to it. A process that
// never draws never loads either library.
//
// The library is opened once per process, under a lock, and never closed:
// contexts and the forwarded entry points point into it.

#include <GL/osmesa.h>

#include <string>

namespace kavo::host::view {

class OpenGLLibrary
{
public:
    // The process's OpenGL, opened on the first call. Safe to call from
    // several threads.
    static const OpenGLLibrary& process();

    // Opens `file` (a name the dynamic loader searches for, or a path).
    explicit OpenGLLibrary(const std::string& file);

    OpenGLLibrary(const OpenGLLibrary&) = delete;
    OpenGLLibrary& operator=(const OpenGLLibrary&) = delete;

    bool isOpen() const { return m_handle != nullptr; }
    // Why the library could not be opened, as a clause for an error
    // message; empty when it is open.
    const std::string& problem() const { return m_problem; }

    // The library's function of that name, or null when the library is not
    // open or has no such function.
    void* entryPoint(const char* name) const;

    // The context calls the host's offscreen views make; null when the
    // library is not open.
    decltype(&OSMesaCreateContextExt) createContextExt = nullptr;
    decltype(&OSMesaMakeCurrent) makeCurrent = nullptr;
    decltype(&OSMesaGetCurrentContext) getCurrentContext = nullptr;
    decltype(&OSMesaDestroyContext) destroyContext = nullptr;
    decltype(&OSMesaGetIntegerv) getIntegerv = nullptr;

private:
    template <typename Function>
    void bind(Function& function, const char* name);

    void* m_handle = nullptr;
    std::string m_problem;
};

} // namespace kavo::host::view
