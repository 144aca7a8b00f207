#pragma once

// The particles example: positions spread evenly but without a visible grid
// through the cube from -1 to 1, the same on every run.

#include <maya/MObject.h>
#include <maya/MStatus.h>

namespace kavo::app {

class ParticleCloud
{
public:
    // `count` particle positions as vector array data.
    static MObject make(int count, MStatus& status);

private:
    // The radical inverse of `index` in `base`: the Halton sequence, whose
    // points fill space more evenly than random ones.
    static double radicalInverse(unsigned int index, unsigned int base);
};

} // namespace kavo::app
