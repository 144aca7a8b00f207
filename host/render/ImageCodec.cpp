#include "render/ImageCodec.h"

#include <dlfcn.h>

#include <mutex>

namespace kavo::host::render {

namespace {

struct LoadedCodec
{
    const ImageCodec* codec = nullptr;
    std::string problem;
};

// The module sits beside this library, wherever that was installed.
std::string moduleBesideThisLibrary()
{
    Dl_info info{};
    if (!dladdr(reinterpret_cast<const void*>(&moduleBesideThisLibrary), &info) || !info.dli_fname)
        return KAVO_IMAGE_CODEC_FILE;
    const std::string library = info.dli_fname;
    const std::size_t slash = library.rfind('/');
    return slash == std::string::npos ? KAVO_IMAGE_CODEC_FILE : library.substr(0, slash + 1) + KAVO_IMAGE_CODEC_FILE;
}

LoadedCodec load()
{
    LoadedCodec loaded;
    const std::string path = moduleBesideThisLibrary();
    // Kept open for the life of the process: the table points into it.
    void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    const char* failure = module ? nullptr : dlerror();
    auto entry = module ? reinterpret_cast<decltype(&kavoImageCodec)>(dlsym(module, "kavoImageCodec")) : nullptr;
    loaded.codec = entry ? entry() : nullptr;
    if (!loaded.codec)
        loaded.problem =
            "the image library " + path + " cannot be loaded" + (failure ? std::string(": ") + failure : "");
    return loaded;
}

} // namespace

const ImageCodec* imageCodec(std::string& reason)
{
    static std::once_flag once;
    static LoadedCodec loaded;
    std::call_once(once, [] { loaded = load(); });
    if (!loaded.codec)
        reason = loaded.problem;
    return loaded.codec;
}

} // namespace kavo::host::render
