// The preview: an image of the asked size, in the format its name asks for, showing the deformed geometry and
// the noise handle, drawn in its selected colour by the locator itself.

#include "app/AppTest.h"

#include "render/TextureImage.h"
#include "view/ColorTables.h"

#include <array>
#include <cmath>
#include <set>

namespace kavo::test {
namespace {

// The locator draws the handle with colour 13 of the host's tables; the
// preview shows the handle selected, so from the active palette.
constexpr unsigned int kHandleColorIndex = 13;

bool near(const MFloatVector& texel, const MColor& color)
{
    const float tolerance = 2.5f / 255.0f;
    return std::abs(texel.x - color.r) < tolerance && std::abs(texel.y - color.g) < tolerance &&
           std::abs(texel.z - color.b) < tolerance;
}

class PreviewTest : public AppTest
{
protected:
    host::render::TextureImage readImage(const std::string& name)
    {
        host::render::TextureImage image;
        std::string problem;
        EXPECT_TRUE(image.read(file(name), problem)) << problem;
        return image;
    }

    static int countPixels(const host::render::TextureImage& image, const MColor& color)
    {
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                count += near(image.texel(x, y), color) ? 1 : 0;
        return count;
    }
};

TEST_F(PreviewTest, ShowsTheGeometryAndTheHandle)
{
    ASSERT_TRUE(runs({"@plane:4x4", "-o", "plane.obj", "--preview", "plane.png", "--preview-size", "96x64"}));
    const host::render::TextureImage image = readImage("plane.png");
    EXPECT_EQ(image.width(), 96);
    EXPECT_EQ(image.height(), 64);

    std::set<std::array<float, 3>> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert({image.texel(x, y).x, image.texel(x, y).y, image.texel(x, y).z});
    EXPECT_GT(colours.size(), 3u) << "a blank image";

    MColor handle;
    ASSERT_TRUE(host::view::ColorTables::colorAt(host::view::ColorPalette::Active, kHandleColorIndex, handle));
    EXPECT_GT(countPixels(image, handle), 10);
}

// The file's own signature, not its name, says what it is.
TEST_F(PreviewTest, IsWrittenInTheFormatItsNameAsksFor)
{
    const std::pair<const char*, std::string> signatures[] = {
        {"view.png", "\x89PNG"}, {"view.JPG", "\xFF\xD8\xFF"},     {"view.jpeg", "\xFF\xD8\xFF"},
        {"view.tif", "II*"},     {"view.exr", "\x76\x2F\x31\x01"},
    };
    for (const auto& [name, signature] : signatures) {
        ASSERT_TRUE(runs({"@plane:2x2", "-o", "plane.obj", "--preview", name, "--preview-size", "32x24"})) << name;
        EXPECT_EQ(readText(file(name)).substr(0, signature.size()), signature) << name;
        EXPECT_EQ(readImage(name).width(), 32) << name;
    }
}

TEST_F(PreviewTest, DrawsEveryKindOfGeometry)
{
    // Geometry is drawn in shades of the host's neutral grey; the background
    // and the handle are tinted.
    const auto geometryPixels = [](const host::render::TextureImage& image) {
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const MFloatVector texel = image.texel(x, y);
                count += texel.x > 0.2f && texel.x == texel.y && texel.y == texel.z ? 1 : 0;
            }
        return count;
    };
    for (const char* input : {"@torus:8x6", "@nurbs-sphere:4x4", "@helix:8", "@subd-cube", "@particles:200"}) {
        SCOPED_TRACE(input);
        const std::string output = std::string(input) == "@particles:200" ? "out.ply" : "out.obj";
        ASSERT_TRUE(runs({input, "-o", output, "--preview", "kind.png", "--preview-size", "48x48"}));
        EXPECT_GT(geometryPixels(readImage("kind.png")), 20);
    }
}

} // namespace
} // namespace kavo::test
