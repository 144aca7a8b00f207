#include "PreviewImage.h"

#include "AppError.h"

#include "render/ImageWriter.h"

#include <cctype>
#include <filesystem>
#include <utility>

namespace kavo::app {

namespace {

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
    std::string problem;
    if (!host::render::ImageWriter::write(path, *format, width, height, rgba, problem))
        throw AppError::usage(problem);
}

} // namespace kavo::app
