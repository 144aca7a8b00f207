#pragma once

// Pixel helpers for tests that draw into an offscreen context.

#include <cstdint>
#include <vector>

namespace kavo::test {

struct Rgba8 {
    int r, g, b, a;
};

struct PixelGrid {
    int width;
    int height;
    std::vector<std::uint8_t> rgba; // top row first

    Rgba8 at(int x, int y) const
    {
        const std::uint8_t* p = &rgba[4 * (std::size_t(y) * width + x)];
        return {p[0], p[1], p[2], p[3]};
    }
};

// An 8-bit channel as OpenGL rounds a float colour into it.
inline int toByte(float channel)
{
    return int(channel * 255.0f + 0.5f);
}

inline bool isNear(const Rgba8& pixel, float r, float g, float b, int tolerance = 1)
{
    auto close = [tolerance](int actual, float expected) {
        int difference = actual - toByte(expected);
        return difference <= tolerance && difference >= -tolerance;
    };
    return close(pixel.r, r) && close(pixel.g, g) && close(pixel.b, b);
}

} // namespace kavo::test
