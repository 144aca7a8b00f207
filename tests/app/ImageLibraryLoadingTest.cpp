// OpenImageIO, and the few hundred libraries it brings, are loaded only by
// runs that read or write an image, and OpenGL (OSMesa and its LLVM) only by
// runs that draw: for short per-frame jobs, loading them took most of the run.

#include "app/AppTest.h"

#include <cstdlib>

namespace kavo::test {
namespace {

class ImageLibraryLoadingTest : public AppTest
{
protected:
    // A run whose standard error also holds the dynamic loader's report of
    // every library it loads.
    AppRun runReportingLibraries(const std::vector<std::string>& arguments)
    {
        setenv("LD_DEBUG", "libs", 1);
        AppRun result = run(arguments);
        unsetenv("LD_DEBUG");
        EXPECT_EQ(result.exitCode, 0) << result.err.substr(result.err.size() > 2000 ? result.err.size() - 2000 : 0);
        EXPECT_NE(result.err.find("calling init:"), std::string::npos) << "the loader reported nothing";
        return result;
    }

    static bool loadedOpenImageIO(const AppRun& result)
    {
        return result.err.find("libOpenImageIO") != std::string::npos;
    }

    static bool loadedOpenGL(const AppRun& result) { return result.err.find("libOSMesa") != std::string::npos; }

    static bool loadedLLVM(const AppRun& result) { return result.err.find("libLLVM") != std::string::npos; }
};

TEST_F(ImageLibraryLoadingTest, ARunWithoutTextureOrPreviewDoesNotLoadIt)
{
    EXPECT_FALSE(loadedOpenImageIO(runReportingLibraries({"@plane", "-o", "plane.obj"})));
    EXPECT_FALSE(loadedOpenImageIO(runReportingLibraries({"--version"})));
}

TEST_F(ImageLibraryLoadingTest, ARunWithoutPreviewLoadsNeitherOpenGLNorLLVM)
{
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"@plane", "-o", "plane.obj"}, std::vector<std::string>{"--version"}}) {
        const AppRun result = runReportingLibraries(arguments);
        EXPECT_FALSE(loadedOpenGL(result)) << arguments[0];
        EXPECT_FALSE(loadedLLVM(result)) << arguments[0];
    }
}

TEST_F(ImageLibraryLoadingTest, APreviewAndATextureLoadItAndWork)
{
    const AppRun preview = runReportingLibraries({"@plane:4x4", "-o", "plane.obj", "--preview", "plane.png"});
    EXPECT_TRUE(loadedOpenImageIO(preview));
    EXPECT_TRUE(loadedOpenGL(preview));
    ASSERT_TRUE(runs({"@plane:8x8", "-o", "flat.obj", "--set", "amplitude=0"}));
    EXPECT_TRUE(loadedOpenImageIO(
        runReportingLibraries({"@plane:8x8", "-o", "bumps.obj", "--texture", "plane.png", "--set", "amplitude=0.5"})));
    EXPECT_NE(readText(file("bumps.obj")), readText(file("flat.obj"))) << "the texture moved nothing";
}

} // namespace
} // namespace kavo::test
