// The deform pass's batch path against its literal per-point path, bit for
// bit: every geometry kind, every setting, edge-case positions, every
// instruction set the processor runs and 1, 2 and 7 threads. This program
// links the plug-in's objects (not the loaded library) so that it can switch
// NoiseDeformerNode::m_passPath, and registers the node types by calling
// initializePlugin itself.
#include "pass/PassPathsFixture.h"

#include "PerlinNoise.h"
#include "SimdTarget.h"

#include <maya/MItGeometry.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace kavo::test::pass;

// The best instruction set on 1, 2 and 7 threads, every other one the
// processor runs on one thread, where the fewest points are left over for
// the scalar code.
TEST_F(DeformPassPathsTest, EveryKindAndSettingGivesTheLiteralBitsOnEveryInstructionSetAndNumberOfThreads)
{
    using Path = NoiseDeformerNode::PassPath;
    const std::vector<const char*> targets = SimdTarget::runnableNames();
    ASSERT_STREQ(targets.back(), "portable");
    for (const Kind& kind : everyKind()) {
        // Most settings move some points of every kind, so the comparison
        // is not between untouched copies.
        int settingsThatMove = 0;
        for (const Setting& setting : everySetting()) {
            const std::string context = std::string(kind.name) + ", " + setting.name;
            const MObject deformer = deformerWith(setting);
            connectInput(deformer, kind.data);
            testing::internal::CaptureStderr();
            const MPointArray literal = deform(deformer, kind.data, Path::literal);
            MPointArray input;
            MObject data = kind.data;
            MItGeometry(data).allPositions(input);
            settingsThatMove += movedCount(input, literal) > 0 ? 1 : 0;
            for (const char* target : targets) {
                ASSERT_TRUE(SimdTarget::choose(target)) << target;
                const std::vector<int> threadCounts =
                    target == targets.front() ? std::vector<int>{1, 2, 7} : std::vector<int>{1};
                for (int threads : threadCounts) {
                    MPointArray batch;
                    onThreads(threads, [&] { batch = deform(deformer, kind.data, Path::batch); });
                    expectSameBits(literal, batch,
                                   context + ", " + target + ", " + std::to_string(threads) + " threads");
                }
            }
            EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << context;
            kavo::host::session::Host::resetScene();
        }
        EXPECT_GE(settingsThatMove + 2, static_cast<int>(everySetting().size())) << kind.name;
    }
}

// A "file" node feeding "displacement": the sampled colours instead of the
// noise, on both paths.
TEST_F(DeformPassPathsTest, SampledTextureGivesTheLiteralBits)
{
    using Path = NoiseDeformerNode::PassPath;
    kavo::test::ScratchDirectory scratch;
    std::vector<std::uint8_t> pixels;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            for (int channel : {x * 32, y * 32, (x ^ y) * 16, 255})
                pixels.push_back(static_cast<std::uint8_t>(channel));
    std::string error;
    ASSERT_EQ(kavo::host::render::PngWriter::write(scratch.file("ramp.png"), 8, 8, pixels, error), MStatus::kSuccess)
        << error;

    const MObject data = meshData(17);
    for (double alongNormals : {0.0, 1.0}) {
        const MObject deformer = deformerWith({"texture", {{"noiseType", 4}, {"alongNormals", alongNormals}}});
        const MObject file = createNode("file");
        plug(file, "fileTextureName").setValue(scratch.file("ramp.png").c_str());
        MDGModifier connection;
        connection.connect(plug(file, "outColor"), plug(deformer, "displacement"));
        ASSERT_EQ(connection.doIt(), MStatus::kSuccess);
        connectInput(deformer, data);

        const MPointArray literal = deform(deformer, data, Path::literal);
        expectSameBits(literal, deform(deformer, data, Path::batch), "texture");
        kavo::host::session::Host::resetScene();
    }
}

} // namespace
