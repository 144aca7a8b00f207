#include "render/TextureImage.h"

#include "render/ImageCodec.h"
#include "render/TextureCoordinates.h"

#include <cmath>

namespace kavo::host::render {

namespace {

// Refuses images whose float RGB copy would not fit in memory sensibly, so a
// corrupt header cannot make the host allocate without bound.
constexpr std::size_t kMaxTexels = std::size_t(1) << 28;

int wrapIndex(int i, int n)
{
    int wrapped = i % n;
    return wrapped < 0 ? wrapped + n : wrapped;
}

std::string failureText(const std::string& path, const std::string& reason)
{
    return "Cannot read texture file \"" + path + "\": " + reason;
}

} // namespace

MStatus TextureImage::read(const std::string& path, std::string& errorMessage)
{
    *this = TextureImage();

    std::string reason;
    const ImageCodec* codec = imageCodec(reason);
    if (!codec) {
        errorMessage = failureText(path, reason);
        return MStatus::kFailure;
    }
    DecodedImage image;
    const MStatus status = codec->readColour(path, kMaxTexels, image, reason);
    if (!status) {
        errorMessage = failureText(path, reason);
        return status;
    }

    const std::size_t texelCount = std::size_t(image.width) * std::size_t(image.height);
    if (image.channels == 1) {
        std::vector<float> rgb(texelCount * 3);
        for (std::size_t i = 0; i < texelCount; ++i)
            rgb[3 * i] = rgb[3 * i + 1] = rgb[3 * i + 2] = image.pixels[i];
        image.pixels.swap(rgb);
    }
    m_width = image.width;
    m_height = image.height;
    m_texels.swap(image.pixels);
    return MStatus::kSuccess;
}

MFloatVector TextureImage::texel(int x, int y) const
{
    if (isEmpty())
        return MFloatVector::zero;
    int column = wrapIndex(x, m_width);
    int rowFromTop = m_height - 1 - wrapIndex(y, m_height);
    const float* rgb = &m_texels[3 * (std::size_t(rowFromTop) * m_width + column)];
    return MFloatVector(rgb[0], rgb[1], rgb[2]);
}

MFloatVector TextureImage::lookup(double u, double v) const
{
    if (isEmpty())
        return MFloatVector::zero;
    // Texel i covers [i, i + 1) / size with its centre at (i + 0.5) / size.
    double x = wrapToUnit(u) * m_width - 0.5;
    double y = wrapToUnit(v) * m_height - 0.5;
    double x0 = std::floor(x);
    double y0 = std::floor(y);
    float fx = float(x - x0);
    float fy = float(y - y0);
    int ix = int(x0);
    int iy = int(y0);

    MFloatVector bottom = texel(ix, iy) * (1.0f - fx) + texel(ix + 1, iy) * fx;
    MFloatVector top = texel(ix, iy + 1) * (1.0f - fx) + texel(ix + 1, iy + 1) * fx;
    return bottom * (1.0f - fy) + top * fy;
}

} // namespace kavo::host::render
