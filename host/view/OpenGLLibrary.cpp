#include "view/OpenGLLibrary.h"

#include <dlfcn.h>

namespace kavo::host::view {

const OpenGLLibrary& OpenGLLibrary::process()
{
    // Never destroyed: entry points may still be called while the process
    // exits, after static destructors ran.
    static const OpenGLLibrary* const library = new OpenGLLibrary(KAVO_OPENGL_LIBRARY_FILE);
    return *library;
}

OpenGLLibrary::OpenGLLibrary(const std::string& file)
{
    // Local: the host process exports the gl* names itself, and OSMesa's own
    // definitions must not take their place for everyone else.
    m_handle = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!m_handle) {
        const char* failure = dlerror();
        m_problem = "the OpenGL library " + file + " cannot be loaded" + (failure ? std::string(": ") + failure : "");
        return;
    }
    bind(createContextExt, "OSMesaCreateContextExt");
    bind(makeCurrent, "OSMesaMakeCurrent");
    bind(getCurrentContext, "OSMesaGetCurrentContext");
    bind(destroyContext, "OSMesaDestroyContext");
    bind(getIntegerv, "OSMesaGetIntegerv");
    if (!createContextExt || !makeCurrent || !getCurrentContext || !destroyContext || !getIntegerv) {
        m_problem = "the OpenGL library " + file + " is not OSMesa";
        dlclose(m_handle);
        m_handle = nullptr;
        createContextExt = nullptr;
        makeCurrent = nullptr;
        getCurrentContext = nullptr;
        destroyContext = nullptr;
        getIntegerv = nullptr;
    }
}

void* OpenGLLibrary::entryPoint(const char* name) const
{
    return m_handle ? dlsym(m_handle, name) : nullptr;
}

template <typename Function>
void OpenGLLibrary::bind(Function& function, const char* name)
{
    function = reinterpret_cast<Function>(dlsym(m_handle, name));
}

} // namespace kavo::host::view
