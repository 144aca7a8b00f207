#pragma once

// An image file held in memory as float RGB for texture lookups.
//
// The host's texture space puts v = 0 at the bottom of the image and repeats
// the image in both directions, so any (u, v) has a colour. Whatever the
// file's pixel type (8-bit, 16-bit, half or float) the texels are kept as
// floats in the file's own scale, 8- and 16-bit values mapped to [0, 1]; a
// greyscale image is replicated into all three channels and alpha is ignored.

#include <maya/MFloatVector.h>
#include <maya/MStatus.h>

#include <string>
#include <vector>

namespace kavo::host::render {

class TextureImage
{
public:
    // An empty image: lookups give black until an image is read.
    TextureImage() = default;

    // Reads the first subimage of the file at path. On failure the image is
    // left empty, errorMessage receives a sentence naming the file and the
    // reason, and a failed status is returned.
    MStatus read(const std::string& path, std::string& errorMessage);

    int width() const { return m_width; }
    int height() const { return m_height; }
    bool isEmpty() const { return m_texels.empty(); }

    // The texel in column x and row y, row 0 being the bottom row, both
    // wrapped into the image.
    MFloatVector texel(int x, int y) const;

    // Bilinear lookup between the four texel centres around (u, v), with
    // repeat wrapping, so u = 1.25 samples the same colour as u = 0.25.
    MFloatVector lookup(double u, double v) const;

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<float> m_texels; // RGB triples, top row first as in the file
};

} // namespace kavo::host::render
