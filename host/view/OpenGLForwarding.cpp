// The host process's gl* entry points: each looks its OSMesa function up on
// its first call (opening the library if nothing has yet) and forwards to it.
// Without the library every call does nothing, as OpenGL calls without a
// current context do; whoever makes a context reports why there is none.

#include "view/OpenGLLibrary.h"

#include <GL/gl.h>

namespace {

template <typename Function>
Function lookUp(const char* name)
{
    return reinterpret_cast<Function>(kavo::host::view::OpenGLLibrary::process().entryPoint(name));
}

} // namespace

// The definitions take their linkage and visibility from the declarations in
// GL/gl.h, which also check each signature against the list's.
#define KAVO_GL_ENTRY(Result, name, parameters, arguments)                                                             \
    Result GLAPIENTRY name parameters                                                                                  \
    {                                                                                                                  \
        static const auto target = lookUp<decltype(&name)>(#name);                                                     \
        if (!target)                                                                                                   \
            return Result();                                                                                           \
        return target arguments;                                                                                       \
    }
#include "view/OpenGLEntryPoints.def"
#undef KAVO_GL_ENTRY
