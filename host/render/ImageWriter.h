#pragma once

// Writes 8-bit RGBA pixels to an image file in a format named by the caller:
// how the command-line host saves a preview of what a 3-D view drew.

#include <maya/MStatus.h>

#include <cstdint>
#include <string>
#include <vector>

namespace kavo::host::render {

class ImageWriter
{
public:
    // Writes width x height pixels, four bytes each (R, G, B, A), top row
    // first, in the format OpenImageIO names `format` ("png", "jpeg", "tiff",
    // "openexr"); JPEG drops alpha. A buffer whose size does not match the
    // dimensions is refused with kInvalidParameter before anything is
    // written; a file that cannot be written gives kFailure. errorMessage
    // names the file and the reason.
    static MStatus write(const std::string& path, const std::string& format, int width, int height,
                         const std::vector<std::uint8_t>& rgba, std::string& errorMessage);
};

} // namespace kavo::host::render
