#pragma once

// The preview's image file, in the format its name's extension asks for:
// PNG, JPEG, TIFF or OpenEXR. Any other extension is refused before the run
// starts, rather than written as some format the name does not say.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kavo::app {

class PreviewImage
{
public:
    // The format the name's extension (in any case) asks for, as the image
    // library names it ("png", "jpeg", "tiff", "openexr"), or nothing.
    static std::optional<std::string> formatFor(const std::string& path);
    // ".png, .jpg, ..." for messages.
    static std::string extensionsText();

    // Writes width x height 8-bit RGBA pixels, top row first, to `path` in
    // the format its extension asks for; alpha is dropped for JPEG, which
    // has none. An AppError (usage) when the file cannot be written.
    static void write(const std::string& path, int width, int height, const std::vector<std::uint8_t>& rgba);
};

} // namespace kavo::app
