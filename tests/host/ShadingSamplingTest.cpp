// Shading-network sampling: the host's texture nodes evaluated at each
// sample's (u, v), and the failures a plug-in must be able to tell apart.

#include "graph/Scene.h"
#include "render/PngWriter.h"
#include "session/Host.h"
#include "support/ScratchDirectory.h"

#include <maya/MFnDependencyNode.h>
#include <maya/MPlug.h>
#include <maya/MRenderUtil.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using kavo::host::graph::Scene;
using kavo::host::render::PngWriter;
using kavo::host::session::Host;
using testing::internal::CaptureStderr;
using testing::internal::GetCapturedStderr;

struct Samples
{
    MStatus status;
    MFloatVectorArray colors;
    MFloatVectorArray transparencies;
};

// Samples the network at the (u, v) pairs; without pairs, `count` samples
// with no coordinates at all.
Samples sample(const std::string& name, const std::vector<std::pair<float, float>>& uv, int count = -1)
{
    MFloatArray u;
    MFloatArray v;
    for (const auto& [pu, pv] : uv) {
        u.append(pu);
        v.append(pv);
    }
    MFloatMatrix camera;
    MFloatPointArray points(uv.size());
    Samples result;
    // Stale values from an earlier call must not survive.
    result.transparencies = MFloatVectorArray(3, MFloatVector::one);
    const bool withCoordinates = count < 0;
    result.status = MRenderUtil::sampleShadingNetwork(name.c_str(), withCoordinates ? int(uv.size()) : count, false,
                                                      false, camera, &points, withCoordinates ? &u : nullptr,
                                                      withCoordinates ? &v : nullptr, nullptr, &points, nullptr,
                                                      nullptr, nullptr, result.colors, result.transparencies);
    return result;
}

void expectColor(const MFloatVector& actual, float r, float g, float b)
{
    EXPECT_NEAR(actual.x, r, 1e-5f);
    EXPECT_NEAR(actual.y, g, 1e-5f);
    EXPECT_NEAR(actual.z, b, 1e-5f);
}

class SamplingTest : public ::testing::Test
{
protected:
    void TearDown() override { Host::resetScene(); }

    static MFnDependencyNode create(const char* type, const char* name)
    {
        return MFnDependencyNode(Scene::instance().createNode(type, name)->handle());
    }

    static void setColor(MFnDependencyNode& node, const std::string& attribute, float r, float g, float b)
    {
        for (const auto& [suffix, value] : {std::pair{"R", r}, {"G", g}, {"B", b}})
            ASSERT_TRUE(node.findPlug((attribute + suffix).c_str()).setValue(value));
    }

    kavo::test::ScratchDirectory scratch;
};

TEST_F(SamplingTest, FileTextureIsSampledFromItsImage)
{
    // 2 x 2: top row red and green, bottom row blue and white; v = 0 is the
    // bottom of the image.
    const std::string path = scratch.file("quadrants.png");
    const std::vector<std::uint8_t> rgba = {255, 0, 0, 255, 0, 255, 0, 255, 0, 0, 255, 255, 255, 255, 255, 255};
    std::string error;
    ASSERT_TRUE(PngWriter::write(path, 2, 2, rgba, error)) << error;
    MFnDependencyNode file = create("file", "file1");
    ASSERT_TRUE(file.findPlug("fileTextureName").setValue(MString(path.c_str())));

    Samples s = sample("file1.outColor", {{0.25f, 0.75f}, {0.75f, 0.75f}, {0.25f, 0.25f}, {1.75f, -0.75f}});
    ASSERT_TRUE(s.status);
    ASSERT_EQ(s.colors.length(), 4u);
    expectColor(s.colors[0], 1.0f, 0.0f, 0.0f);
    expectColor(s.colors[1], 0.0f, 1.0f, 0.0f);
    expectColor(s.colors[2], 0.0f, 0.0f, 1.0f);
    expectColor(s.colors[3], 1.0f, 1.0f, 1.0f); // repeats
    ASSERT_EQ(s.transparencies.length(), 4u);
    for (unsigned int k = 0; k < 4; ++k)
        expectColor(s.transparencies[k], 0.0f, 0.0f, 0.0f);

    // The node's own output is the texture at its uvCoord.
    ASSERT_TRUE(file.findPlug("uCoord").setValue(0.75f));
    ASSERT_TRUE(file.findPlug("vCoord").setValue(0.75f));
    EXPECT_NEAR(file.findPlug("outColorG").asFloat(), 1.0f, 1e-5f);
    EXPECT_NEAR(file.findPlug("outColorR").asFloat(), 0.0f, 1e-5f);
}

TEST_F(SamplingTest, CheckerAndRampFollowTheirAttributes)
{
    MFnDependencyNode checker = create("checker", "checker1");
    setColor(checker, "color1", 1.0f, 0.5f, 0.0f);
    Samples s = sample("checker1", {{0.1f, 0.1f}, {0.3f, 0.1f}, {0.3f, 0.3f}});
    ASSERT_TRUE(s.status);
    expectColor(s.colors[0], 1.0f, 0.5f, 0.0f);
    expectColor(s.colors[1], 0.0f, 0.0f, 0.0f);
    expectColor(s.colors[2], 1.0f, 0.5f, 0.0f);

    // Without coordinates every sample is taken at (0, 0).
    s = sample("checker1.outColor", {}, 2);
    ASSERT_TRUE(s.status);
    ASSERT_EQ(s.colors.length(), 2u);
    expectColor(s.colors[1], 1.0f, 0.5f, 0.0f);

    MFnDependencyNode ramp = create("ramp", "ramp1");
    MPlug entries = ramp.findPlug("colorEntryList");
    const struct
    {
        unsigned int index;
        float position, r, g, b;
    } placed[] = {{0, 0.0f, 1.0f, 0.0f, 0.0f}, {3, 1.0f, 0.0f, 0.0f, 1.0f}};
    for (const auto& entry : placed) {
        MPlug element = entries.elementByLogicalIndex(entry.index);
        ASSERT_TRUE(element.child(0).setValue(entry.position));
        const float rgb[] = {entry.r, entry.g, entry.b};
        for (unsigned int c = 0; c < 3; ++c)
            ASSERT_TRUE(element.child(1).child(c).setValue(rgb[c]));
    }
    s = sample("ramp1.outColor", {{0.9f, 0.5f}, {0.0f, 0.25f}, {0.0f, 2.0f}});
    ASSERT_TRUE(s.status);
    expectColor(s.colors[0], 0.5f, 0.0f, 0.5f);
    expectColor(s.colors[1], 0.75f, 0.0f, 0.25f);
    expectColor(s.colors[2], 0.0f, 0.0f, 1.0f); // a ramp does not repeat
}

TEST_F(SamplingTest, FailuresSayWhyAndLeaveResultsAlone)
{
    create("checker", "checker1");
    create("transform", "group1");
    MFnDependencyNode file = create("file", "file1");
    ASSERT_TRUE(file.findPlug("fileTextureName").setValue(MString(scratch.file("missing.png").c_str())));

    const struct
    {
        const char* name;
        MStatus::MStatusCode code;
        const char* mentions;
    } cases[] = {
        {"noSuchNode.outColor", MStatus::kInvalidParameter, "noSuchNode"},
        {"checker1.noSuchAttribute", MStatus::kInvalidParameter, "noSuchAttribute"},
        {"group1", MStatus::kInvalidParameter, "group1"},
        {"file1.outColor", MStatus::kFailure, "missing.png"},
    };
    for (const auto& c : cases) {
        CaptureStderr();
        Samples s = sample(c.name, {{0.5f, 0.5f}});
        const std::string message = GetCapturedStderr();
        EXPECT_EQ(s.status, c.code) << c.name;
        EXPECT_NE(message.find(c.mentions), std::string::npos) << message;
        EXPECT_EQ(s.colors.length(), 0u);
        EXPECT_EQ(s.transparencies.length(), 3u);
    }
}

} // namespace
