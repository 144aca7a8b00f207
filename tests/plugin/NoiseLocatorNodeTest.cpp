// The noise handle on its own: its box, its compute answer, and exactly
// which line segments it sends to OpenGL for the cube and the cross.

// GoogleTest first: the X11 headers that the host's GL header brings in
// define None, which GoogleTest uses as a name.
#include <gtest/gtest.h>

#include "NoiseLocatorNode.h"

#include "view/OffscreenContext.h"

#include <GL/gl.h>

#include <array>
#include <memory>
#include <vector>

namespace {

using Segment = std::array<std::array<double, 3>, 2>;

std::unique_ptr<NoiseLocatorNode> makeLocator()
{
    return std::unique_ptr<NoiseLocatorNode>(static_cast<NoiseLocatorNode*>(NoiseLocatorNode::creator()));
}

TEST(NoiseLocator, BoxIsTheUnitCubeAndComputeDeclines)
{
    auto locator = makeLocator();
    EXPECT_TRUE(locator->isBounded());
    const MBoundingBox box = locator->boundingBox();
    EXPECT_TRUE(box.min().isEquivalent(MPoint(-0.5, -0.5, -0.5)));
    EXPECT_TRUE(box.max().isEquivalent(MPoint(0.5, 0.5, 0.5)));

    MDataBlock block(nullptr);
    EXPECT_EQ(locator->compute(MPlug(), block).statusCode(), 5);
    EXPECT_EQ(NoiseLocatorNode::m_id.id(), 0x114F61u);
}

// Captures, through OpenGL's feedback mode, the line segments drawEdgeLoop
// sends, in the locator's own coordinates. Without a view the colour is left
// alone; the colours are tested on a loaded plug-in with a real view.
class EdgeCaptureTest : public ::testing::Test
{
protected:
    static constexpr int kSize = 8;

    void SetUp() override
    {
        ASSERT_TRUE(context.create(kSize, kSize));
        // Window coordinates w = (c + 1) * kSize / 2 for x and y, depth
        // (1 - z) / 2: everything within [-1, 1] maps back exactly.
        glViewport(0, 0, kSize, kSize);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(-1.0, 1.0, -1.0, 1.0, -1.0, 1.0);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
    }

    std::vector<Segment> capture(bool cube)
    {
        std::vector<GLfloat> feedback(4096);
        glFeedbackBuffer(GLsizei(feedback.size()), GL_3D, feedback.data());
        glRenderMode(GL_FEEDBACK);
        M3dView noView;
        makeLocator()->drawEdgeLoop(noView, M3dView::kDormant, cube);
        const GLint used = glRenderMode(GL_RENDER);

        std::vector<Segment> segments;
        for (GLint k = 0; k + 6 < used; k += 7) {
            EXPECT_TRUE(feedback[k] == GL_LINE_TOKEN || feedback[k] == GL_LINE_RESET_TOKEN);
            Segment segment;
            for (int end = 0; end < 2; ++end) {
                const GLfloat* vertex = &feedback[k + 1 + 3 * end];
                segment[end] = {vertex[0] * 2.0 / kSize - 1.0, vertex[1] * 2.0 / kSize - 1.0, 1.0 - 2.0 * vertex[2]};
            }
            segments.push_back(segment);
        }
        return segments;
    }

    // As many segments as edges, each from its own pair of table corners:
    // separate lines, never a strip or a loop.
    static void expectSegments(const std::vector<Segment>& actual, const std::vector<Segment>& expected)
    {
        ASSERT_EQ(actual.size(), expected.size());
        for (size_t s = 0; s < expected.size(); ++s)
            for (int end = 0; end < 2; ++end)
                for (int c = 0; c < 3; ++c)
                    EXPECT_NEAR(actual[s][end][c], expected[s][end][c], 1e-6) << "segment " << s;
    }

    kavo::host::view::OffscreenContext context;
};

TEST_F(EdgeCaptureTest, CrossIsThreeSeparateAxes)
{
    expectSegments(capture(false),
                   {{{{0.5, 0, 0}, {-0.5, 0, 0}}}, {{{0, 0.5, 0}, {0, -0.5, 0}}}, {{{0, 0, 0.5}, {0, 0, -0.5}}}});
}

TEST_F(EdgeCaptureTest, CubeIsTwelveSeparateEdgesTopBottomThenSides)
{
    const double c[8][3] = {{0.5, 0.5, 0.5},  {-0.5, 0.5, 0.5},  {-0.5, 0.5, -0.5},  {0.5, 0.5, -0.5},
                            {0.5, -0.5, 0.5}, {-0.5, -0.5, 0.5}, {-0.5, -0.5, -0.5}, {0.5, -0.5, -0.5}};
    const int edges[12][2] = {{0, 1}, {1, 2}, {2, 3}, {3, 0}, {4, 5}, {5, 6},
                              {6, 7}, {7, 4}, {0, 4}, {1, 5}, {2, 6}, {3, 7}};
    std::vector<Segment> expected;
    for (const auto& edge : edges)
        expected.push_back(
            {{{c[edge[0]][0], c[edge[0]][1], c[edge[0]][2]}, {c[edge[1]][0], c[edge[1]][1], c[edge[1]][2]}}});
    expectSegments(capture(true), expected);
}

} // namespace
