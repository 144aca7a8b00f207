// Drawing into memory with legacy OpenGL, as the host's views do.

#include "host/OffscreenRendering.h"
#include "view/ColorTables.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

using kavo::host::view::ColorPalette;
using kavo::host::view::ColorTables;
using kavo::host::view::OffscreenContext;
using kavo::test::PixelGrid;

namespace {

constexpr int kWidth = 32;
constexpr int kHeight = 16;

// With identity matrices, the y of the centre of a pixel row counted from the top.
double rowCentreY(int rowFromTop)
{
    return 1.0 - 2.0 * (rowFromTop + 0.5) / kHeight;
}

void drawRow(int rowFromTop, const MColor& color)
{
    glColor3f(color.r, color.g, color.b);
    glBegin(GL_LINES);
    glVertex3d(-1.0, rowCentreY(rowFromTop), 0.0);
    glVertex3d(1.0, rowCentreY(rowFromTop), 0.0);
    glEnd();
}

class OffscreenContextTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(context.create(kWidth, kHeight));
        glClearColor(0.2f, 0.4f, 0.6f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }

    OffscreenContext context;
};

TEST_F(OffscreenContextTest, ClearColourAndAnImmediateModeLineReadBackTopRowFirst)
{
    glPushAttrib(GL_CURRENT_BIT);
    drawRow(3, MColor(1.0f, 0.0f, 0.0f));
    glPopAttrib();

    PixelGrid grid(context);
    ASSERT_EQ(grid.byteCount(), std::size_t(kWidth * kHeight * 4));
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth - 1; ++x) // the line's last pixel is left open
            ASSERT_TRUE(y == 3 ? grid.isColor(x, y, 1, 0, 0) : grid.isColor(x, y, 0.2f, 0.4f, 0.6f)) << x << ", " << y;
    // The attribute stack put back the colour current before.
    GLfloat current[4];
    glGetFloatv(GL_CURRENT_COLOR, current);
    EXPECT_EQ(current[1], 1.0f);
}

TEST_F(OffscreenContextTest, IndexThirteenOfTheActiveAndTemplatePalettesDiffersInPixels)
{
    MColor active, dormant, templated, untouched(0.1f, 0.2f, 0.3f, 0.4f);
    ASSERT_TRUE(ColorTables::colorAt(ColorPalette::Active, 13, active));
    ASSERT_TRUE(ColorTables::colorAt(ColorPalette::Dormant, 13, dormant));
    ASSERT_TRUE(ColorTables::colorAt(ColorPalette::Template, 13, templated));
    EXPECT_EQ(ColorTables::colorAt(ColorPalette::Active, ColorTables::kPaletteSize, untouched),
              MStatus::kInvalidParameter);
    EXPECT_EQ(untouched.r, 0.1f);

    drawRow(4, active);
    drawRow(11, templated);
    PixelGrid grid(context);
    EXPECT_TRUE(grid.isColor(kWidth / 2, 4, active.r, active.g, active.b));
    EXPECT_TRUE(grid.isColor(kWidth / 2, 11, templated.r, templated.g, templated.b));
    for (const MColor& other : {templated, dormant})
        EXPECT_FALSE(grid.isColor(kWidth / 2, 4, other.r, other.g, other.b, 8));
    EXPECT_FALSE(grid.isColor(kWidth / 2, 11, dormant.r, dormant.g, dormant.b, 8));
}

TEST(OffscreenContext, UnsupportedSizesFailCleanly)
{
    for (auto [width, height] : {std::pair{0, 16}, {16, -1}, {1 << 30, 1 << 30}}) {
        OffscreenContext context;
        EXPECT_FALSE(context.create(width, height)) << width << " x " << height;
        EXPECT_FALSE(context.makeCurrent());
        EXPECT_TRUE(context.readPixels().empty());
    }
}

} // namespace
