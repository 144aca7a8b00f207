#include "render/PngWriter.h"

#include <OpenImageIO/imageio.h>

namespace kavo::host::render {

namespace {

constexpr int kChannels = 4;

std::string failureText(const std::string& path, const std::string& reason)
{
    return "Cannot write image file \"" + path + "\": " + reason;
}

// Divides before multiplying so that absurd dimensions cannot overflow into a
// size that happens to match.
bool bufferMatches(int width, int height, const std::vector<std::uint8_t>& rgba)
{
    return width > 0 && height > 0 &&
           rgba.size() / kChannels / std::size_t(width) == std::size_t(height) &&
           rgba.size() == std::size_t(width) * std::size_t(height) * kChannels;
}

} // namespace

MStatus PngWriter::write(const std::string& path, int width, int height,
                         const std::vector<std::uint8_t>& rgba, std::string& errorMessage)
{
    if (!bufferMatches(width, height, rgba)) {
        errorMessage = failureText(path, "the pixel buffer does not match the image size");
        return MStatus::kInvalidParameter;
    }
    // Named explicitly so the file is a PNG whatever its extension says.
    auto output = OIIO::ImageOutput::create("png");
    if (!output) {
        errorMessage = failureText(path, OIIO::geterror());
        return MStatus::kFailure;
    }
    OIIO::ImageSpec imageFormat(width, height, kChannels, OIIO::TypeDesc::UINT8);
    // The bytes are written as given. Without this the writer would take the
    // colours as premultiplied and divide them by alpha.
    imageFormat.attribute("oiio:UnassociatedAlpha", 1);
    if (!output->open(path, imageFormat) || !output->write_image(OIIO::TypeDesc::UINT8, rgba.data()) ||
        !output->close()) {
        errorMessage = failureText(path, output->geterror());
        return MStatus::kFailure;
    }
    return MStatus::kSuccess;
}

} // namespace kavo::host::render
