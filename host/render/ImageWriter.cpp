#include "render/ImageWriter.h"

#include "render/ImageCodec.h"

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
    return width > 0 && height > 0 && rgba.size() / kChannels / std::size_t(width) == std::size_t(height) &&
           rgba.size() == std::size_t(width) * std::size_t(height) * kChannels;
}

} // namespace

MStatus ImageWriter::write(const std::string& path, const std::string& format, int width, int height,
                           const std::vector<std::uint8_t>& rgba, std::string& errorMessage)
{
    if (!bufferMatches(width, height, rgba)) {
        errorMessage = failureText(path, "the pixel buffer does not match the image size");
        return MStatus::kInvalidParameter;
    }
    std::string reason;
    const ImageCodec* codec = imageCodec(reason);
    const MStatus status =
        codec ? codec->writeImage(path, format, width, height, rgba.data(), reason) : MStatus::kFailure;
    if (!status) {
        errorMessage = failureText(path, reason);
        return status;
    }
    return MStatus::kSuccess;
}

} // namespace kavo::host::render
