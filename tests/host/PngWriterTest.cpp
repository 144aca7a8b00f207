// Saving what a view drew as a PNG file.

#include "render/PngWriter.h"
#include "render/TextureImage.h"
#include "support/ScratchDirectory.h"

#include <gtest/gtest.h>

#include <filesystem>

using kavo::host::render::PngWriter;
using kavo::host::render::TextureImage;

namespace {

TEST(PngWriter, BytesSurviveARoundTripWhateverTheAlpha)
{
    kavo::test::ScratchDirectory scratch;
    // 3 x 2, every byte different, so any shuffle of rows, columns or
    // channels, or a colour scaled by its alpha, shows.
    std::vector<std::uint8_t> rgba(3 * 2 * 4);
    for (std::size_t i = 0; i < rgba.size(); ++i)
        rgba[i] = std::uint8_t(10 * i + 3);
    std::string path = scratch.file("view.png");
    std::string error;
    ASSERT_TRUE(PngWriter::write(path, 3, 2, rgba, error)) << error;

    TextureImage image;
    ASSERT_TRUE(image.read(path, error)) << error;
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) {
            MFloatVector texel = image.texel(x, 1 - y); // textures count rows from the bottom
            const std::uint8_t* expected = &rgba[4 * (y * 3 + x)];
            MFloatVector bytes(expected[0], expected[1], expected[2]);
            EXPECT_TRUE((texel * 255.0f).isEquivalent(bytes, 1e-3f)) << x << ", " << y;
        }
}

TEST(PngWriter, MismatchedBuffersAndUnwritablePathsFailNamingTheFile)
{
    kavo::test::ScratchDirectory scratch;
    std::string path = scratch.file("bad.png");
    std::string error;

    EXPECT_EQ(PngWriter::write(path, 2, 2, std::vector<std::uint8_t>(15), error), MStatus::kInvalidParameter);
    EXPECT_EQ(PngWriter::write(path, 1 << 20, 1 << 20, std::vector<std::uint8_t>(4), error),
              MStatus::kInvalidParameter);
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_NE(error.find(path), std::string::npos) << error;

    std::string unreachable = scratch.file("no/such/folder/view.png");
    EXPECT_EQ(PngWriter::write(unreachable, 1, 1, std::vector<std::uint8_t>(4), error), MStatus::kFailure);
    EXPECT_NE(error.find(unreachable), std::string::npos) << error;
}

} // namespace
