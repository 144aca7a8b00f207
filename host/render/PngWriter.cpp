#include "render/PngWriter.h"

#include "render/ImageWriter.h"

namespace kavo::host::render {

MStatus PngWriter::write(const std::string& path, int width, int height, const std::vector<std::uint8_t>& rgba,
                         std::string& errorMessage)
{
    return ImageWriter::write(path, "png", width, height, rgba, errorMessage);
}

} // namespace kavo::host::render
