// The plug-in's linkage, read back from the built module with the binutils
// tools: it needs the host's libraries (all of them, as on the real host) and
// never an OpenGL library, leaves the gl* symbols to the host process, and
// exports the three names the host looks for.
#include <gtest/gtest.h>

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
