#pragma once

// The host's indexed drawing colours. A view draws an object with a colour
// picked by index from one of three palettes according to the object's
// display state: the active palette for selected objects, the dormant one
// for unselected objects, and the template one, all greys, for objects that
// are shown only as a reference. The same index therefore gives related
// colours in the three palettes: a lighter tint when active, a grey of
// similar brightness when templated.

#include <maya/MColor.h>
#include <maya/MStatus.h>

namespace kavo::host::view {

enum class ColorPalette
{
    Active,
    Dormant,
    Template
};

class ColorTables
{
public:
    // Every palette has this many entries, indices 0 to kPaletteSize - 1.
    static constexpr unsigned int kPaletteSize = 16;

    // The colour at index in palette, opaque. An index beyond the palette
    // gives kInvalidParameter and leaves color unchanged.
    static MStatus colorAt(ColorPalette palette, unsigned int index, MColor& color);
};

} // namespace kavo::host::view
