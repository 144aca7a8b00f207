#pragma once

// The image files of the render layer (texture images read, previews
// written) go through OpenImageIO, which brings a few hundred libraries with
// it. Its calls live in a module of their own that the render library opens
// the first time an image is read or written, so a process that never does
// never loads OpenImageIO or anything it depends on.
//
// The module hands out one table of functions. Both sides are built
// together from this header, so the table carries no version.

#include <maya/MStatus.h>

#include <cstdint>
#include <string>
#include <vector>

namespace kavo::host::render {

// Decoded pixels: width x height texels of `channels` floats, top row first.
struct DecodedImage
{
    int width = 0;
    int height = 0;
    int channels = 0;
    std::vector<float> pixels;
};

struct ImageCodec
{
    // Reads the colour channels (three for RGB(A), one for greyscale with or
    // without alpha) of the first subimage, as stored (not premultiplied),
    // 8- and 16-bit values mapped to [0, 1]. Refuses volume and deep images
    // and images of more than maxTexels texels. On failure `reason` says why.
    MStatus (*readColour)(const std::string& path, std::size_t maxTexels, DecodedImage& image, std::string& reason);
    // Writes width x height RGBA bytes, top row first, in the image format
    // OpenImageIO names `format` ("png", "jpeg", "tiff", "openexr") whatever
    // the file's extension, the bytes as given (not taken as premultiplied).
    // A format without alpha (JPEG) gets the colour channels only.
    MStatus (*writeImage)(const std::string& path, const std::string& format, int width, int height,
                          const std::uint8_t* rgba, std::string& reason);
};

// The codec, loaded on first use; null when its module cannot be loaded,
// with `reason` saying why. Safe to call from several threads.
const ImageCodec* imageCodec(std::string& reason);

} // namespace kavo::host::render

// What the module exports: its table, which lives as long as the process.
extern "C" const kavo::host::render::ImageCodec* kavoImageCodec();
