// Options that set up the deformer: attributes by any of their names and
// value spellings, clamping as the host clamps, the envelope, painted
// weights, the handle's placement and the texture mode.

#include "app/AppTest.h"

#include "render/PngWriter.h"

namespace kavo::test {
namespace {

using OptionsTest = AppTest;

TEST_F(OptionsTest, EveryWayOfNamingAValueGivesTheSameResult)
{
    // Each group spells one setting several ways; the outputs must match.
    const std::vector<std::vector<std::vector<std::string>>> groups = {
        {{"--set", "noiseType=Sine"}, {"--set", "nt=2"}, {"--set", "nt=sine"}},
        {{"--set", "alongNormals=off"}, {"--set", "aln=0"}},
        {{"--set", "roughness=1"}, {"--set", "rh=7"}},
        {{"--envelope", "0.5"}, {"--set", "en=0.5"}},
    };
    for (size_t g = 0; g < groups.size(); ++g) {
        std::string first;
        for (size_t k = 0; k < groups[g].size(); ++k) {
            std::vector<std::string> arguments = {"@plane:2x2", "-o", "out.obj", "--set", "fractalState=on"};
            arguments.insert(arguments.end(), groups[g][k].begin(), groups[g][k].end());
            ASSERT_TRUE(runs(arguments));
            const std::string text = readText(file("out.obj"));
            if (k == 0)
                first = text;
            else
                EXPECT_EQ(text, first) << "group " << g << ", spelling " << k;
        }
    }
}

TEST_F(OptionsTest, ValuesBeyondALimitAreClampedWithAWarning)
{
    const AppRun result = run({"@plane:2x2", "-o", "out.obj", "--set", "falloff=-3", "--set", "roughness=0.5"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(result.err.find("warning: falloff"), std::string::npos) << result.err;
    EXPECT_EQ(result.err.find("roughness"), std::string::npos) << result.err;
}

TEST_F(OptionsTest, ZeroEnvelopeOrZeroWeightsLeaveTheGeometryAlone)
{
    ASSERT_TRUE(runs({"@plane:2x2", "-o", "rest.obj", "--envelope", "0"}));
    writeText(file("zero.txt"), "# one weight per vertex\n0 0 0\n0 0 0\n0 0 0\n");
    ASSERT_TRUE(runs({"@plane:2x2", "-o", "zero.obj", "--weights", "zero.txt"}));
    EXPECT_EQ(obj("zero.obj").vertices, obj("rest.obj").vertices);

    // Weights follow the point order: only the centre vertex moves.
    writeText(file("centre.txt"), "0 0 0 0 1 0 0 0 0");
    ASSERT_TRUE(runs({"@plane:2x2", "-o", "centre.obj", "--weights", "centre.txt"}));
    const ObjText rest = obj("rest.obj");
    const ObjText centre = obj("centre.obj");
    for (size_t k = 0; k < rest.vertices.size(); ++k)
        EXPECT_EQ(centre.vertices[k] == rest.vertices[k], k != 4) << "vertex " << k;
}

TEST_F(OptionsTest, TheHandlePlacesTheNoise)
{
    ASSERT_TRUE(runs({"@plane:2x2", "-o", "rest.obj", "--envelope", "0"}));
    // With the region on, only points inside the handle's unit cube move:
    // moved to (1, 0, 1), it holds one corner of the plane.
    ASSERT_TRUE(
        runs({"@plane:2x2", "-o", "corner.obj", "--set", "boundingBoxState=on", "--handle-translate", "1,0,1"}));
    const ObjText rest = obj("rest.obj");
    const ObjText corner = obj("corner.obj");
    for (size_t k = 0; k < rest.vertices.size(); ++k) {
        const bool inside = rest.vertices[k][0] == 1.0 && rest.vertices[k][2] == 1.0;
        EXPECT_EQ(corner.vertices[k] != rest.vertices[k], inside) << "vertex " << k;
    }

    // The noise is sampled in the handle's frame: turning it changes it.
    ASSERT_TRUE(runs({"@plane:2x2", "-o", "plain.obj"}));
    ASSERT_TRUE(runs({"@plane:2x2", "-o", "turned.obj", "--handle-rotate", "0,30,0"}));
    EXPECT_NE(obj("turned.obj").vertices, obj("plain.obj").vertices);
}

TEST_F(OptionsTest, TextureModeDisplacesByTheImage)
{
    // A uniform image: every point moves by the same amount along its normal.
    std::string problem;
    const std::vector<std::uint8_t> grey(4 * 4 * 4, 128);
    ASSERT_TRUE(host::render::PngWriter::write(file("grey.png"), 4, 4, grey, problem)) << problem;
    ASSERT_TRUE(runs({"@plane:2x2", "-o", "rest.obj", "--envelope", "0"}));
    ASSERT_TRUE(runs({"@plane:2x2", "-o", "out.obj", "--texture", "grey.png"}));
    const ObjText rest = obj("rest.obj");
    const ObjText out = obj("out.obj");
    const double lift = out.vertices[0][1] - rest.vertices[0][1];
    EXPECT_NE(lift, 0.0);
    for (size_t k = 0; k < rest.vertices.size(); ++k)
        EXPECT_DOUBLE_EQ(out.vertices[k][1] - rest.vertices[k][1], lift) << "vertex " << k;

    const AppRun driven = run({"@plane:2x2", "-o", "out.obj", "--texture", "grey.png", "--set", "disp=1,1,1"});
    EXPECT_EQ(driven.exitCode, 2);
    EXPECT_NE(driven.err.find("driven by"), std::string::npos) << driven.err;
}

} // namespace
} // namespace kavo::test
