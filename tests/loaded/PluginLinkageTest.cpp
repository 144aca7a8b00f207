// The plug-in's linkage, read back from the built module with the binutils
// tools: it needs the host's libraries (all of them, as on the real host) and
// never an OpenGL library, leaves the gl* symbols to the host process (whose
// view library exports every one it calls), and
// exports the three names the host looks for (and the one member a test finds
// by name), nothing else of its own; its vectorised noise needs no SIMD
// library at run time.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string runCommand(const std::string& command)
{
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::string output;
    if (!pipe)
        return output;
    char buffer[4096];
    while (size_t read = fread(buffer, 1, sizeof buffer, pipe.get()))
        output.append(buffer, read);
    return output;
}

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> result;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);)
        result.push_back(line);
    return result;
}

bool anyLineHas(const std::vector<std::string>& all, const std::string& part)
{
    for (const std::string& line : all)
        if (line.find(part) != std::string::npos)
            return true;
    return false;
}

const std::string kPlugin = KAVO_PLUGIN_PATH;

// The symbol's name: the last word of an nm line.
std::string symbolName(const std::string& line)
{
    return line.substr(line.find_last_of(' ') + 1);
}

// Instantiations of the standard library's templates keep the library's own
// default visibility whatever the plug-in is built with, and AddressSanitizer
// adds a marker per exported variable.
bool isToolchainSymbol(const std::string& name)
{
    for (const char* prefix :
         {"_ZSt", "_ZNSt", "_ZNKSt", "_ZTISt", "_ZTSSt", "_ZTVSt", "_ZZNSt", "_ZZNKSt", "__odr_asan"})
        if (name.rfind(prefix, 0) == 0)
            return true;
    return false;
}

} // namespace

TEST(PluginLinkage, NeedsEveryHostLibraryAndNoOpenGL)
{
    const std::vector<std::string> needed = lines(runCommand("readelf -d '" + kPlugin + "' | grep NEEDED"));
    ASSERT_FALSE(needed.empty()) << "readelf found no needed libraries in " << kPlugin;
    for (const char* library : {"libFoundation.so", "libOpenMaya.so", "libOpenMayaAnim.so", "libOpenMayaRender.so",
                                "libOpenMayaUI.so", "libOpenMayaFX.so"})
        EXPECT_TRUE(anyLineHas(needed, library)) << library;
    for (const char* openGL : {"libGL", "OSMesa", "libOpenGL", "libGLX", "libEGL"})
        EXPECT_FALSE(anyLineHas(needed, openGL)) << openGL;
}

TEST(PluginLinkage, LeavesOpenGLUndefinedAndExportsTheEntryPoints)
{
    const std::vector<std::string> undefined = lines(runCommand("nm -D --undefined-only '" + kPlugin + "'"));
    for (const char* call : {" glBegin", " glVertex3d", " glEnd", " glPushAttrib", " glPopAttrib"})
        EXPECT_TRUE(anyLineHas(undefined, call)) << call;

    const std::vector<std::string> defined = lines(runCommand("nm -D --defined-only '" + kPlugin + "'"));
    EXPECT_TRUE(anyLineHas(defined, " D MApiVersion"));
    EXPECT_TRUE(anyLineHas(defined, "initializePlugin"));
    EXPECT_TRUE(anyLineHas(defined, "uninitializePlugin"));
}

TEST(PluginLinkage, EveryOpenGLCallIsOneTheHostExports)
{
    const std::string viewLibrary = std::string(KAVO_BINARY_DIR) + "/bin/libOpenMayaUI.so";
    const std::vector<std::string> exported = lines(runCommand("nm -D --defined-only '" + viewLibrary + "'"));
    ASSERT_FALSE(exported.empty()) << "nm found no exported symbols in " << viewLibrary;
    const std::vector<std::string> undefined = lines(runCommand("nm -D --undefined-only '" + kPlugin + "'"));
    int calls = 0;
    for (const std::string& line : undefined) {
        const std::string name = symbolName(line);
        if (name.rfind("gl", 0) != 0)
            continue;
        ++calls;
        EXPECT_TRUE(anyLineHas(exported, " T " + name)) << name << " is not one the host exports";
    }
    EXPECT_GT(calls, 0);
}

TEST(PluginLinkage, ExportsNothingOfItsOwnButWhatTheHostLooksUp)
{
    // schedulingType is looked up by name by the deformer-hooks test, since
    // no base class declares it at this API version.
    const std::vector<std::string> lookedUp = {"MApiVersion", "_Z16initializePlugin7MObject",
                                               "_Z18uninitializePlugin7MObject",
                                               "_ZNK17NoiseDeformerNode14schedulingTypeEv"};
    const std::vector<std::string> defined = lines(runCommand("nm -D --defined-only '" + kPlugin + "'"));
    ASSERT_FALSE(defined.empty()) << "nm found no exported symbols in " << kPlugin;
    for (const std::string& line : defined) {
        const std::string name = symbolName(line);
        const bool expected =
            std::find(lookedUp.begin(), lookedUp.end(), name) != lookedUp.end() || isToolchainSymbol(name);
        EXPECT_TRUE(expected) << name << " is exported";
    }
}

TEST(PluginLinkage, NeedsNoSimdLibrary)
{
    const std::vector<std::string> needed = lines(runCommand("readelf -d '" + kPlugin + "' | grep NEEDED"));
    ASSERT_FALSE(needed.empty()) << "readelf found no needed libraries in " << kPlugin;
    EXPECT_FALSE(anyLineHas(needed, "libhwy"));
    const std::vector<std::string> symbols = lines(runCommand("nm -D '" + kPlugin + "'"));
    EXPECT_FALSE(anyLineHas(symbols, "hwy")) << "a symbol of the SIMD library is left to the loader";
}

// The passes run on the host's thread library: every one the plug-in needs
// is one a host library needs already, so loading the plug-in brings in no
// second runtime with its own thread pool, and unloading it unloads none.
TEST(PluginLinkage, NeedsNoThreadLibraryTheHostDoesNotAlreadyNeed)
{
    const std::string pluginFolder = kPlugin.substr(0, kPlugin.find_last_of('/'));
    const std::vector<std::string> hostNeeds = lines(runCommand("readelf -d '" + pluginFolder + "'/libFoundation.so '" +
                                                                pluginFolder + "'/libOpenMaya*.so | grep NEEDED"));
    ASSERT_FALSE(hostNeeds.empty()) << "no host library found beside " << kPlugin;
    const std::vector<std::string> threadLibraries =
        lines(runCommand("readelf -d '" + kPlugin + "' | grep NEEDED | grep -o '\\[libtbb[^]]*\\]'"));
    for (const std::string& library : threadLibraries)
        EXPECT_TRUE(anyLineHas(hostNeeds, library)) << library << " is needed by the plug-in alone";
}
