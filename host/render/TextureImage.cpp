#include "render/TextureImage.h"

#include "render/TextureCoordinates.h"

#include <OpenImageIO/imageio.h>

#include <cmath>
#include <new>

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

// How many leading channels carry colour: three for RGB(A) images, one for
// greyscale with or without alpha.
int colourChannelCount(const OIIO::ImageSpec& imageFormat)
{
    return imageFormat.nchannels >= 3 ? 3 : 1;
}

} // namespace

MStatus TextureImage::read(const std::string& path, std::string& errorMessage)
{
    *this = TextureImage();

    // Colour channels are taken as stored: without this the reader would
    // premultiply them by alpha, darkening transparent texels.
    OIIO::ImageSpec config;
    config.attribute("oiio:UnassociatedAlpha", 1);
    auto input = OIIO::ImageInput::open(path, &config);
    if (!input) {
        errorMessage = failureText(path, OIIO::geterror());
        return MStatus::kFailure;
    }
    // Only the layout is needed: size, channels, depth and deepness.
    const OIIO::ImageSpec imageFormat = input->spec_dimensions(0);
    if (imageFormat.width <= 0 || imageFormat.height <= 0 || imageFormat.nchannels <= 0) {
        errorMessage = failureText(path, "the image has no pixels");
        return MStatus::kFailure;
    }
    if (imageFormat.depth > 1 || imageFormat.deep) {
        errorMessage = failureText(path, "volume and deep images are not supported");
        return MStatus::kFailure;
    }
    std::size_t texelCount = std::size_t(imageFormat.width) * std::size_t(imageFormat.height);
    if (texelCount > kMaxTexels) {
        errorMessage = failureText(path, "the image is too large");
        return MStatus::kFailure;
    }

    const int channels = colourChannelCount(imageFormat);
    std::vector<float> pixels;
    try {
        pixels.resize(texelCount * channels);
    } catch (const std::bad_alloc&) {
        errorMessage = failureText(path, "out of memory");
        return MStatus::kInsufficientMemory;
    }
    if (!input->read_image(0, 0, 0, channels, OIIO::TypeDesc::FLOAT, pixels.data())) {
        errorMessage = failureText(path, input->geterror());
        return MStatus::kFailure;
    }

    if (channels == 1) {
        std::vector<float> rgb(texelCount * 3);
        for (std::size_t i = 0; i < texelCount; ++i)
            rgb[3 * i] = rgb[3 * i + 1] = rgb[3 * i + 2] = pixels[i];
        pixels.swap(rgb);
    }
    m_width = imageFormat.width;
    m_height = imageFormat.height;
    m_texels.swap(pixels);
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
