// Image textures as the host's file node reads and samples them.

#include "render/TextureImage.h"
#include "render/PngWriter.h"
#include "support/ScratchDirectory.h"

#include <gtest/gtest.h>

#include <fstream>
#include <limits>

using kavo::host::render::PngWriter;
using kavo::host::render::TextureImage;

namespace {

void expectColor(const MFloatVector& c, float r, float g, float b, float tolerance = 1e-6f)
{
    EXPECT_NEAR(c.x, r, tolerance);
    EXPECT_NEAR(c.y, g, tolerance);
    EXPECT_NEAR(c.z, b, tolerance);
}

class TextureImageTest : public ::testing::Test
{
protected:
    // 2 x 2: top row red and green, bottom row blue and white. The green
    // texel is fully transparent, to show alpha never scales the colour.
    std::string writeQuadrantPng()
    {
        std::string path = scratch.file("quadrants.png");
        std::vector<std::uint8_t> rgba = {255, 0, 0, 255, 0, 255, 0, 0, 0, 0, 255, 128, 255, 255, 255, 255};
        std::string error;
        EXPECT_TRUE(PngWriter::write(path, 2, 2, rgba, error)) << error;
        return path;
    }

    // Binary netpbm files: 16-bit and float images without a second image
    // library in the test.
    std::string writeFile(const std::string& name, const std::string& header, const void* data, std::size_t size)
    {
        std::string path = scratch.file(name);
        std::ofstream(path, std::ios::binary)
            .write(header.data(), header.size())
            .write(static_cast<const char*>(data), size);
        return path;
    }

    TextureImage read(const std::string& path)
    {
        TextureImage image;
        std::string error;
        EXPECT_TRUE(image.read(path, error)) << error;
        return image;
    }

    kavo::test::ScratchDirectory scratch;
};

TEST_F(TextureImageTest, BilinearLookupWithVZeroAtTheBottom)
{
    TextureImage image = read(writeQuadrantPng());
    ASSERT_EQ(image.width(), 2);
    ASSERT_EQ(image.height(), 2);

    expectColor(image.lookup(0.25, 0.75), 1, 0, 0);
    expectColor(image.lookup(0.75, 0.75), 0, 1, 0);
    expectColor(image.lookup(0.25, 0.25), 0, 0, 1);
    expectColor(image.lookup(0.5, 0.75), 0.5, 0.5, 0);
    expectColor(image.lookup(0.25, 0.5), 0.5, 0, 0.5);
    expectColor(image.lookup(0.5, 0.5), 0.5, 0.5, 0.5);
    expectColor(image.lookup(0.375, 0.75), 0.75, 0.25, 0);
}

TEST_F(TextureImageTest, CoordinatesRepeatAndNonFiniteOnesSampleAsZero)
{
    TextureImage image = read(writeQuadrantPng());

    expectColor(image.lookup(1.25, 0.75), 1, 0, 0);
    expectColor(image.lookup(-0.25, 0.75), 0, 1, 0);
    expectColor(image.lookup(0.25, -0.75), 0, 0, 1);
    // The seam blends the last column with the first.
    expectColor(image.lookup(1.0, 0.75), 0.5, 0.5, 0);
    expectColor(image.lookup(std::numeric_limits<double>::quiet_NaN(), 0.75), 0.5, 0.5, 0);
    expectColor(image.lookup(0.25, std::numeric_limits<double>::infinity()), 0.5, 0, 0.5);
}

TEST_F(TextureImageTest, SixteenBitFloatAndGreyscaleImages)
{
    // A big-endian 16-bit grey sample, which an 8-bit path would round by
    // far more than the one count the netpbm reader may rescale it by.
    const std::uint8_t grey16[] = {0x12, 0x34};
    float grey = 4660.0f / 65535.0f;
    expectColor(read(writeFile("grey.pgm", "P5\n1 1\n65535\n", grey16, 2)).texel(0, 0), grey, grey, grey,
                1.5f / 65535.0f);

    // Float pixels run bottom row first in this format; values outside
    // [0, 1] are kept.
    const float rows[] = {2.5f, -1.0f, 0.125f, 0.0f, 0.0f, 4.0f};
    TextureImage hdr = read(writeFile("hdr.pfm", "PF\n1 2\n-1.0\n", rows, sizeof rows));
    expectColor(hdr.texel(0, 0), 2.5f, -1.0f, 0.125f);
    expectColor(hdr.texel(0, 1), 0.0f, 0.0f, 4.0f);
}

TEST_F(TextureImageTest, MissingOrUnreadableFilesFailNamingTheFileAndLeaveNoImage)
{
    std::string garbage = writeFile("garbage.png", "not an image", "", 0);
    for (const std::string& path : {scratch.file("absent.png"), garbage, scratch.file("")}) {
        TextureImage image = read(writeQuadrantPng());
        std::string error;

        EXPECT_FALSE(image.read(path, error));
        EXPECT_NE(error.find(path), std::string::npos) << error;
        EXPECT_TRUE(image.isEmpty());
        expectColor(image.lookup(0.25, 0.25), 0, 0, 0);
    }
}

} // namespace
