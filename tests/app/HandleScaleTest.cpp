// The handle's own scale: it resizes the handle as drawn, but the noise and
// the region use the handle's frame without it (the deformer's scaleX,
// scaleY and scaleZ take its place), so the geometry comes out byte for byte
// the same whatever the handle's scale.

#include "app/AppTest.h"

namespace kavo::test {
namespace {

using HandleScaleTest = AppTest;

TEST_F(HandleScaleTest, ChangesTheDrawnHandleButNoPoint)
{
    // The region on and a falloff, with the handle moved off the origin, so
    // a scaled region or noise frame would move other points or move them
    // differently.
    const std::vector<std::string> common = {
        "@plane:12x12",  "@nurbs-sphere",      "--set",     "boundingBoxState=on", "--set", "falloff=0.3", "--set",
        "amplitude=0.4", "--handle-translate", "0.2,0,0.1", "--preview-size",      "96x72"};
    const auto withScale = [&](const std::string& scale, const std::string& name) {
        std::vector<std::string> arguments = common;
        for (const std::string& argument :
             {std::string("-o"), name + "-plane.obj", name + "-sphere.obj", std::string("--preview"), name + ".png",
              std::string("--handle-scale"), scale})
            arguments.push_back(argument);
        return runs(arguments);
    };
    ASSERT_TRUE(withScale("1,1,1", "unit"));
    ASSERT_TRUE(withScale("2,0.5,4", "scaled"));

    EXPECT_EQ(readText(file("scaled-plane.obj")), readText(file("unit-plane.obj")));
    EXPECT_EQ(readText(file("scaled-sphere.obj")), readText(file("unit-sphere.obj")));
    // The handle is drawn at its scale: the option reached the scene.
    EXPECT_NE(readText(file("scaled.png")), readText(file("unit.png")));
}

} // namespace
} // namespace kavo::test
