// OpenGL opened on first use: what a machine without it, or with the wrong
// library under its name, is told, and the process's own library.

#include "view/OpenGLLibrary.h"

#include <gtest/gtest.h>

using kavo::host::view::OpenGLLibrary;

namespace {

TEST(OpenGLLibrary, AMissingLibrarySaysWhichAndWhy)
{
    const OpenGLLibrary missing("libKavoNoSuchOpenGL.so.1");
    EXPECT_FALSE(missing.isOpen());
    EXPECT_NE(missing.problem().find("the OpenGL library libKavoNoSuchOpenGL.so.1 cannot be loaded: "),
              std::string::npos)
        << missing.problem();
    EXPECT_EQ(missing.entryPoint("glBegin"), nullptr);
    EXPECT_EQ(missing.createContextExt, nullptr);
}

TEST(OpenGLLibrary, ALibraryWithoutTheContextCallsIsRefused)
{
    const OpenGLLibrary notOpenGL("libm.so.6");
    EXPECT_FALSE(notOpenGL.isOpen());
    EXPECT_EQ(notOpenGL.problem(), "the OpenGL library libm.so.6 is not OSMesa");
    EXPECT_EQ(notOpenGL.entryPoint("cos"), nullptr);
    EXPECT_EQ(notOpenGL.makeCurrent, nullptr);
}

TEST(OpenGLLibrary, TheProcessLibraryOpensWithItsEntryPoints)
{
    const OpenGLLibrary& openGL = OpenGLLibrary::process();
    ASSERT_TRUE(openGL.isOpen()) << openGL.problem();
    EXPECT_TRUE(openGL.problem().empty());
    EXPECT_EQ(&OpenGLLibrary::process(), &openGL) << "opened twice";
    EXPECT_NE(openGL.entryPoint("glVertex3d"), nullptr);
    // The library's own function, not the host's forwarding one.
    EXPECT_NE(openGL.entryPoint("glVertex3d"), reinterpret_cast<void*>(&glVertex3d));
}

} // namespace
