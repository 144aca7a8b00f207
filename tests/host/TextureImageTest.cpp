// Image textures as the host's file node reads and samples them.

#include "host/ScratchDirectory.h"
#include "render/PngWriter.h"
#include "render/TextureImage.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <fstream>
#include <limits>
#include <vector>

using kavo::host::render::PngWriter;
using kavo::host::render::TextureImage;

namespace {

constexpr float kTolerance = 1e-6f;

#define EXPECT_COLOR(actual, r, g, b)                 \
    do {                                              \
        MFloatVector c_ = (actual);                   \
        EXPECT_NEAR(c_.x, (r), kTolerance) << "red";   \
        EXPECT_NEAR(c_.y, (g), kTolerance) << "green"; \
        EXPECT_NEAR(c_.z, (b), kTolerance) << "blue";  \
    } while (false)

// 2 x 2, top row red and green, bottom row blue and white. The alphas vary,
// the green texel being fully transparent, to show that alpha never scales
// the colour.
std::vector<std::uint8_t> quadrantPixels()
{
    return {255, 0, 0, 255, /**/ 0, 255, 0, 0, /**/ 0, 0, 255, 128, /**/ 255, 255, 255, 255};
}

class TextureImageTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(scratch.isValid()); }

    std::string writeQuadrantPng()
    {
        std::string path = scratch.file("quadrants.png");
        std::string error;
        EXPECT_TRUE(PngWriter::write(path, 2, 2, quadrantPixels(), error)) << error;
        return path;
    }

    TextureImage readOrFail(const std::string& path)
    {
        TextureImage image;
        std::string error;
        EXPECT_TRUE(image.read(path, error)) << error;
        return image;
    }

    // Writes binary netpbm data: the way to get 16-bit and float files
    // without a second image library in the test.
    std::string writeFile(const std::string& name, const std::string& header, const void* data,
                          std::size_t bytes)
    {
        std::string path = scratch.file(name);
        std::ofstream out(path, std::ios::binary);
        out << header;
        out.write(static_cast<const char*>(data), std::streamsize(bytes));
        return path;
    }

    kavo::test::ScratchDirectory scratch;
};

TEST_F(TextureImageTest, TexelCentresGiveTheFileColoursWithVZeroAtTheBottom)
{
    TextureImage image = readOrFail(writeQuadrantPng());
    ASSERT_EQ(image.width(), 2);
    ASSERT_EQ(image.height(), 2);

    EXPECT_COLOR(image.lookup(0.25, 0.75), 1, 0, 0);
    EXPECT_COLOR(image.lookup(0.75, 0.75), 0, 1, 0);
    EXPECT_COLOR(image.lookup(0.25, 0.25), 0, 0, 1);
    EXPECT_COLOR(image.lookup(0.75, 0.25), 1, 1, 1);
    EXPECT_COLOR(image.texel(0, 0), 0, 0, 1);
    EXPECT_COLOR(image.texel(0, 1), 1, 0, 0);
}

TEST_F(TextureImageTest, BilinearLookupBlendsTheNeighbouringTexels)
{
    TextureImage image = readOrFail(writeQuadrantPng());

    EXPECT_COLOR(image.lookup(0.5, 0.75), 0.5, 0.5, 0);      // red to green
    EXPECT_COLOR(image.lookup(0.25, 0.5), 0.5, 0, 0.5);      // red to blue
    EXPECT_COLOR(image.lookup(0.5, 0.5), 0.5, 0.5, 0.5);     // all four
    EXPECT_COLOR(image.lookup(0.375, 0.75), 0.75, 0.25, 0);  // a quarter of the way
}

TEST_F(TextureImageTest, CoordinatesRepeatOutsideTheUnitSquare)
{
    TextureImage image = readOrFail(writeQuadrantPng());

    EXPECT_COLOR(image.lookup(1.25, 0.75), 1, 0, 0);
    EXPECT_COLOR(image.lookup(-0.25, 0.75), 0, 1, 0);
    EXPECT_COLOR(image.lookup(0.25, -0.75), 0, 0, 1);
    EXPECT_COLOR(image.lookup(1000.75, 1000.25), 1, 1, 1);
    // The seam blends the last column with the first.
    EXPECT_COLOR(image.lookup(0.0, 0.75), 0.5, 0.5, 0);
    EXPECT_COLOR(image.lookup(1.0, 0.75), 0.5, 0.5, 0);
}

TEST_F(TextureImageTest, CoordinatesThatAreNotFiniteSampleAsZero)
{
    TextureImage image = readOrFail(writeQuadrantPng());
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();

    EXPECT_COLOR(image.lookup(nan, 0.75), 0.5, 0.5, 0);
    EXPECT_COLOR(image.lookup(0.25, inf), 0.5, 0, 0.5);
    MFloatVector atOrigin = image.lookup(0.0, 0.0);
    EXPECT_COLOR(image.lookup(1e300, -1e300), atOrigin.x, atOrigin.y, atOrigin.z);
}

TEST_F(TextureImageTest, SixteenBitAndGreyscaleImagesMapToTheUnitRange)
{
    // The netpbm reader may rescale a sample by one count in 65535; an 8-bit
    // path would be off by hundreds of times that for these values.
    const float oneCount = 1.5f / 65535.0f;
    auto expectNear = [oneCount](const MFloatVector& c, float r, float g, float b) {
        EXPECT_NEAR(c.x, r, oneCount);
        EXPECT_NEAR(c.y, g, oneCount);
        EXPECT_NEAR(c.z, b, oneCount);
    };
    // Netpbm samples are big-endian.
    const std::uint8_t rgb16[] = {0xC0, 0x00, 0x12, 0x34, 0x00, 0x00};
    TextureImage colour = readOrFail(writeFile("deep.ppm", "P6\n1 1\n65535\n", rgb16, sizeof rgb16));
    expectNear(colour.texel(0, 0), 49152.0f / 65535.0f, 4660.0f / 65535.0f, 0.0f);

    const std::uint8_t grey16[] = {0x40, 0x00};
    TextureImage grey = readOrFail(writeFile("grey.pgm", "P5\n1 1\n65535\n", grey16, sizeof grey16));
    const float quarter = 16384.0f / 65535.0f;
    expectNear(grey.texel(0, 0), quarter, quarter, quarter);
}

TEST_F(TextureImageTest, FloatImagesKeepValuesOutsideTheUnitRange)
{
    // Pixels run bottom row first in this format: the bottom row holds
    // (2.5, -1, 0.125), the top row (0, 0, 4).
    const float rows[] = {2.5f, -1.0f, 0.125f, 0.0f, 0.0f, 4.0f};
    TextureImage image = readOrFail(writeFile("hdr.pfm", "PF\n1 2\n-1.0\n", rows, sizeof rows));

    EXPECT_COLOR(image.texel(0, 0), 2.5f, -1.0f, 0.125f);
    EXPECT_COLOR(image.texel(0, 1), 0.0f, 0.0f, 4.0f);
}

TEST_F(TextureImageTest, MissingOrUnreadableFilesFailNamingTheFile)
{
    std::string garbage = writeFile("garbage.png", "this is not an image", "", 0);
    for (const std::string& path : {scratch.file("absent.png"), garbage, scratch.file("")}) {
        SCOPED_TRACE(path);
        TextureImage image = readOrFail(writeQuadrantPng());
        std::string error;
        MStatus status = image.read(path, error);

        EXPECT_FALSE(status);
        EXPECT_NE(error.find(path), std::string::npos) << error;
        EXPECT_TRUE(image.isEmpty());
        EXPECT_COLOR(image.lookup(0.25, 0.25), 0, 0, 0);
    }
}

} // namespace
