#pragma once

// The host's v-ramp texture: colour entries placed at positions along v,
// linearly interpolated between neighbours. Below the first entry the ramp
// keeps the first colour and above the last the last colour, so it never
// repeats. Entries may be added in any order; they are kept sorted.

#include <maya/MFloatVector.h>
#include <maya/MStatus.h>

#include <vector>

namespace kavo::host::render {

class RampPattern
{
public:
    struct Entry
    {
        float position;
        MFloatVector color;
    };

    // Adds an entry. Entries at equal positions make a hard step there: just
    // below it the ramp blends towards the earlier-added entry, from it on it
    // starts at the later-added one. A position that is not finite has no
    // place on the ramp and is refused with kInvalidParameter.
    MStatus addEntry(float position, const MFloatVector& color);

    const std::vector<Entry>& entries() const { return m_entries; }

    // The colour at v, whatever u is. An empty ramp is black; a v that is not
    // finite reads as 0.
    MFloatVector colorAt(double u, double v) const;

private:
    std::vector<Entry> m_entries; // sorted by position, ties in insertion order
};

} // namespace kavo::host::render
