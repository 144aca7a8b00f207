#pragma once

// Reading pixels back from an offscreen context in tests.

#include "view/OffscreenContext.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace kavo::test {

class PixelGrid
{
public:
    explicit PixelGrid(host::view::OffscreenContext& context) : m_width(context.width()), m_rgba(context.readPixels())
    {
    }

    // Channel 0 to 3 (R, G, B, A) of the pixel in column x, row y from the top.
    int channel(int x, int y, int c) const { return m_rgba[4 * (std::size_t(y) * m_width + x) + c]; }

    // Whether the pixel's colour is the float colour as OpenGL stores it,
    // within tolerance steps of 1/255.
    bool isColor(int x, int y, float r, float g, float b, int tolerance = 1) const
    {
        const float rgb[] = {r, g, b};
        for (int c = 0; c < 3; ++c)
            if (std::abs(channel(x, y, c) - int(rgb[c] * 255.0f + 0.5f)) > tolerance)
                return false;
        return true;
    }

    std::size_t byteCount() const { return m_rgba.size(); }

private:
    int m_width;
    std::vector<std::uint8_t> m_rgba;
};

} // namespace kavo::test
