// Drawing into memory with legacy OpenGL, as the host's views do.

#include "host/OffscreenRendering.h"
#include "view/ColorTables.h"
#include "view/OffscreenContext.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

using kavo::host::view::ColorPalette;
using kavo::host::view::ColorTables;
using kavo::host::view::OffscreenContext;
using kavo::test::PixelGrid;

namespace {

constexpr int kWidth = 32;
constexpr int kHeight = 16;

// The y, with identity matrices, of the centre of a pixel row counted from
// the top.
double rowCentreY(int rowFromTop)
{
    return 1.0 - 2.0 * (rowFromTop + 0.5) / kHeight;
}

class OffscreenContextTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(context.create(kWidth, kHeight));
        glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }

    PixelGrid pixels() { return {context.width(), context.height(), context.readPixels()}; }

    // Rows holding at least one pixel of the given red level.
    std::vector<int> rowsWithRed(const PixelGrid& grid, int red)
    {
        std::vector<int> rows;
        for (int y = 0; y < grid.height; ++y)
            for (int x = 0; x < grid.width; ++x)
                if (grid.at(x, y).r == red) {
                    rows.push_back(y);
                    break;
                }
        return rows;
    }

    OffscreenContext context;
};

TEST_F(OffscreenContextTest, ClearColourReadsBackInEveryPixel)
{
    glClearColor(0.2f, 0.4f, 0.6f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    PixelGrid grid = pixels();

    ASSERT_EQ(grid.rgba.size(), std::size_t(kWidth * kHeight * 4));
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            ASSERT_TRUE(kavo::test::isNear(grid.at(x, y), 0.2f, 0.4f, 0.6f)) << x << ", " << y;
}

TEST_F(OffscreenContextTest, ImmediateModeLineLandsInTheRowItWasDrawnAtTopRowFirst)
{
    glPushAttrib(GL_CURRENT_BIT);
    glColor3f(1.0f, 0.0f, 0.0f);
    glBegin(GL_LINES);
    glVertex3d(-1.0, rowCentreY(3), 0.0);
    glVertex3d(1.0, rowCentreY(3), 0.0);
    glEnd();
    glPopAttrib();

    PixelGrid grid = pixels();
    std::vector<int> rows = rowsWithRed(grid, 255);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0], 3);
    int lit = 0;
    for (int x = 0; x < kWidth; ++x)
        lit += grid.at(x, rows[0]).r == 255;
    EXPECT_GE(lit, kWidth - 1);

    // The attribute stack restored the colour that was current before.
    GLfloat current[4];
    glGetFloatv(GL_CURRENT_COLOR, current);
    EXPECT_FLOAT_EQ(current[0], 1.0f);
    EXPECT_FLOAT_EQ(current[1], 1.0f);
    EXPECT_FLOAT_EQ(current[2], 1.0f);
}

TEST_F(OffscreenContextTest, ActiveAndTemplateColoursAreTellableApartInPixels)
{
    MColor active;
    MColor dormant;
    MColor templated;
    ASSERT_TRUE(ColorTables::colorAt(ColorPalette::Active, 13, active));
    ASSERT_TRUE(ColorTables::colorAt(ColorPalette::Dormant, 13, dormant));
    ASSERT_TRUE(ColorTables::colorAt(ColorPalette::Template, 13, templated));

    glBegin(GL_LINES);
    glColor3f(active.r, active.g, active.b);
    glVertex3d(-1.0, rowCentreY(4), 0.0);
    glVertex3d(1.0, rowCentreY(4), 0.0);
    glColor3f(templated.r, templated.g, templated.b);
    glVertex3d(-1.0, rowCentreY(11), 0.0);
    glVertex3d(1.0, rowCentreY(11), 0.0);
    glEnd();

    PixelGrid grid = pixels();
    kavo::test::Rgba8 upper = grid.at(kWidth / 2, 4);
    kavo::test::Rgba8 lower = grid.at(kWidth / 2, 11);
    EXPECT_TRUE(kavo::test::isNear(upper, active.r, active.g, active.b));
    EXPECT_TRUE(kavo::test::isNear(lower, templated.r, templated.g, templated.b));
    EXPECT_FALSE(kavo::test::isNear(upper, templated.r, templated.g, templated.b, 8));
    EXPECT_FALSE(kavo::test::isNear(upper, dormant.r, dormant.g, dormant.b, 8));
    EXPECT_FALSE(kavo::test::isNear(lower, dormant.r, dormant.g, dormant.b, 8));
}

TEST(OffscreenContextLifetimeTest, UnsupportedSizesFailWithoutAContext)
{
    for (auto [width, height] : {std::pair{0, 16}, {16, -1}, {1 << 30, 1 << 30}}) {
        OffscreenContext context;
        EXPECT_FALSE(context.create(width, height)) << width << " x " << height;
        EXPECT_FALSE(context.isValid());
        EXPECT_FALSE(context.makeCurrent());
        EXPECT_TRUE(context.readPixels().empty());
    }
}

TEST(OffscreenContextLifetimeTest, TwoContextsKeepTheirOwnPixels)
{
    OffscreenContext first;
    OffscreenContext second;
    ASSERT_TRUE(first.create(4, 4));
    glClearColor(1.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    ASSERT_TRUE(second.create(8, 2));
    glClearColor(0.0f, 0.0f, 1.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);

    PixelGrid red{4, 4, first.readPixels()};
    PixelGrid blue{8, 2, second.readPixels()};
    EXPECT_TRUE(kavo::test::isNear(red.at(3, 3), 1, 0, 0));
    EXPECT_TRUE(kavo::test::isNear(blue.at(7, 1), 0, 0, 1));

    // Re-creating at another size starts a fresh buffer.
    ASSERT_TRUE(first.create(2, 3));
    EXPECT_EQ(first.readPixels().size(), std::size_t(2 * 3 * 4));
}

TEST(ColorTablesTest, EveryPaletteHasIndexThirteenAndRefusesIndicesBeyondItsEnd)
{
    for (ColorPalette palette : {ColorPalette::Active, ColorPalette::Dormant, ColorPalette::Template}) {
        MColor color(0.1f, 0.2f, 0.3f, 0.4f);
        EXPECT_TRUE(ColorTables::colorAt(palette, 13, color));
        EXPECT_EQ(color.a, 1.0f);

        MColor untouched(0.1f, 0.2f, 0.3f, 0.4f);
        EXPECT_EQ(ColorTables::colorAt(palette, ColorTables::kPaletteSize, untouched),
                  MStatus::kInvalidParameter);
        EXPECT_EQ(untouched.r, 0.1f);
        EXPECT_EQ(untouched.a, 0.4f);
    }
}

} // namespace
