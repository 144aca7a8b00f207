#include "view/ColorTables.h"

namespace kavo::host::view {

namespace {

struct Rgb
{
    float r, g, b;
};

using Palette = Rgb[ColorTables::kPaletteSize];

// Greys, then reds to magentas round the hue circle.
constexpr Palette kDormant = {
    {0.0f, 0.0f, 0.0f}, {0.25f, 0.25f, 0.25f}, {0.5f, 0.5f, 0.5f}, {0.75f, 0.75f, 0.75f},
    {1.0f, 1.0f, 1.0f}, {0.6f, 0.0f, 0.0f},    {1.0f, 0.0f, 0.0f}, {1.0f, 0.5f, 0.0f},
    {1.0f, 1.0f, 0.0f}, {0.0f, 0.5f, 0.0f},    {0.0f, 1.0f, 0.0f}, {0.0f, 0.6f, 0.6f},
    {0.0f, 1.0f, 1.0f}, {0.0f, 0.0f, 0.6f},    {0.0f, 0.0f, 1.0f}, {1.0f, 0.0f, 1.0f},
};

// Each dormant colour halfway to white, so a selection stands out.
constexpr Palette kActive = {
    {0.5f, 0.5f, 0.5f}, {0.625f, 0.625f, 0.625f}, {0.75f, 0.75f, 0.75f}, {0.875f, 0.875f, 0.875f},
    {1.0f, 1.0f, 1.0f}, {0.8f, 0.5f, 0.5f},       {1.0f, 0.5f, 0.5f},    {1.0f, 0.75f, 0.5f},
    {1.0f, 1.0f, 0.5f}, {0.5f, 0.75f, 0.5f},      {0.5f, 1.0f, 0.5f},    {0.5f, 0.8f, 0.8f},
    {0.5f, 1.0f, 1.0f}, {0.5f, 0.5f, 0.8f},       {0.5f, 0.5f, 1.0f},    {1.0f, 0.5f, 1.0f},
};

// 0.3 + 0.4 x the dormant colour's luminance: muted greys that stay apart
// from black and white backgrounds.
constexpr float kTemplateGrey[ColorTables::kPaletteSize] = {
    0.3f,   0.4f,   0.5f,   0.6f,   0.7f,   0.351f, 0.385f, 0.528f,
    0.671f, 0.443f, 0.586f, 0.489f, 0.615f, 0.317f, 0.329f, 0.414f,
};

Rgb entry(ColorPalette palette, unsigned int index)
{
    switch (palette) {
    case ColorPalette::Active: return kActive[index];
    case ColorPalette::Dormant: return kDormant[index];
    case ColorPalette::Template: break;
    }
    float grey = kTemplateGrey[index];
    return {grey, grey, grey};
}

} // namespace

MStatus ColorTables::colorAt(ColorPalette palette, unsigned int index, MColor& color)
{
    if (index >= kPaletteSize)
        return MStatus::kInvalidParameter;
    Rgb rgb = entry(palette, index);
    color = MColor(rgb.r, rgb.g, rgb.b, 1.0f);
    return MStatus::kSuccess;
}

} // namespace kavo::host::view
