#include "PreviewImage.h"

#include "AppError.h"

#include <OpenImageIO/imageio.h>

#include <cctype>
#include <filesystem>
#include <utility>

namespace kavo::app {

namespace {

constexpr int kChannels = 4;

const std::pair<const char*, const char*> kFormats[] = {
    {".png", "png"}, {".jpg", "jpeg"}, {".jpeg", "jpeg"}, {".tif", "tiff"}, {".tiff", "tiff"}, {".exr", "openexr"},
};

std::string lowercaseExtension(const std::string& path)
{
    std::string extension = std::filesystem::path(path).extension().string();
    for (char& c : extension)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return extension;
}

} // namespace

std::optional<std::string> PreviewImage::formatFor(const std::string& path)
{
    const std::string extension = lowercaseExtension(path);
    for (const auto& [name, format] : kFormats)
        if (extension == name)
            return std::string(format);
    return std::nullopt;
}

std::string PreviewImage::extensionsText()
{
    std::string text;
    for (const auto& [name, format] : kFormats)
        text += (text.empty() ? "" : ", ") + std::string(name);
    return text;
}

void PreviewImage::write(const std::string& path, int width, int height, const std::vector<std::uint8_t>& rgba)
{
    const std::optional<std::string> format = formatFor(path);
    if (!format)
        throw AppError::usage("cannot write the preview \"" + path + "\": the name should end in one of " +
                              extensionsText());
    auto output = OIIO::ImageOutput::create(*format);
    if (!output)
        throw AppError::usage("cannot write the preview \"" + path + "\": " + OIIO::geterror());
    const int channels = *format == "jpeg" ? 3 : kChannels;
    OIIO::ImageSpec spec(width, height, channels, OIIO::TypeDesc::UINT8);
    // The bytes are written as given; without this the writer would take the
    // colours as premultiplied and divide them by alpha.
    spec.attribute("oiio:UnassociatedAlpha", 1);
    const OIIO::stride_t pixelStride = kChannels;
    if (!output->open(path, spec) || !output->write_image(OIIO::TypeDesc::UINT8, rgba.data(), pixelStride) ||
        !output->close())
        throw AppError::usage("cannot write the preview \"" + path + "\": " + output->geterror());
}

} // namespace kavo::app
