// The image codec module: the only code that calls OpenImageIO (see
// render/ImageCodec.h for why it is a module of its own).
#include "render/ImageCodec.h"

#include <OpenImageIO/imageio.h>

#include <new>

namespace kavo::host::render {

namespace {

// How many leading channels carry colour: three for RGB(A) images, one for
// greyscale with or without alpha.
int colourChannelCount(const OIIO::ImageSpec& imageFormat)
{
    return imageFormat.nchannels >= 3 ? 3 : 1;
}

MStatus readColour(const std::string& path, std::size_t maxTexels, DecodedImage& image, std::string& reason)
{
    // Colour channels are taken as stored: without this the reader would
    // premultiply them by alpha, darkening transparent texels.
    OIIO::ImageSpec config;
    config.attribute("oiio:UnassociatedAlpha", 1);
    auto input = OIIO::ImageInput::open(path, &config);
    if (!input) {
        reason = OIIO::geterror();
        return MStatus::kFailure;
    }
    // Only the layout is needed: size, channels, depth and deepness.
    const OIIO::ImageSpec imageFormat = input->spec_dimensions(0);
    if (imageFormat.width <= 0 || imageFormat.height <= 0 || imageFormat.nchannels <= 0) {
        reason = "the image has no pixels";
        return MStatus::kFailure;
    }
    if (imageFormat.depth > 1 || imageFormat.deep) {
        reason = "volume and deep images are not supported";
        return MStatus::kFailure;
    }
    const std::size_t texelCount = std::size_t(imageFormat.width) * std::size_t(imageFormat.height);
    if (texelCount > maxTexels) {
        reason = "the image is too large";
        return MStatus::kFailure;
    }

    const int channels = colourChannelCount(imageFormat);
    std::vector<float> pixels;
    try {
        pixels.resize(texelCount * channels);
    } catch (const std::bad_alloc&) {
        reason = "out of memory";
        return MStatus::kInsufficientMemory;
    }
    if (!input->read_image(0, 0, 0, channels, OIIO::TypeDesc::FLOAT, pixels.data())) {
        reason = input->geterror();
        return MStatus::kFailure;
    }
    image.width = imageFormat.width;
    image.height = imageFormat.height;
    image.channels = channels;
    image.pixels.swap(pixels);
    return MStatus::kSuccess;
}

MStatus writeImage(const std::string& path, const std::string& format, int width, int height, const std::uint8_t* rgba,
                   std::string& reason)
{
    // Named explicitly so the file is in that format whatever its extension
    // says.
    auto output = OIIO::ImageOutput::create(format);
    if (!output) {
        reason = OIIO::geterror();
        return MStatus::kFailure;
    }
    // JPEG has no alpha channel: it gets the colours only.
    constexpr int kChannels = 4;
    const int channels = format == "jpeg" ? 3 : kChannels;
    OIIO::ImageSpec imageFormat(width, height, channels, OIIO::TypeDesc::UINT8);
    // The bytes are written as given. Without this the writer would take the
    // colours as premultiplied and divide them by alpha.
    imageFormat.attribute("oiio:UnassociatedAlpha", 1);
    const OIIO::stride_t pixelStride = kChannels;
    if (!output->open(path, imageFormat) || !output->write_image(OIIO::TypeDesc::UINT8, rgba, pixelStride) ||
        !output->close()) {
        reason = output->geterror();
        return MStatus::kFailure;
    }
    return MStatus::kSuccess;
}

const ImageCodec kCodec{&readColour, &writeImage};

} // namespace

} // namespace kavo::host::render

extern "C" __attribute__((visibility("default"))) const kavo::host::render::ImageCodec* kavoImageCodec()
{
    return &kavo::host::render::kCodec;
}
