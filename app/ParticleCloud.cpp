#include "ParticleCloud.h"

#include <maya/MFnVectorArrayData.h>
#include <maya/MVectorArray.h>

namespace kavo::app {

double ParticleCloud::radicalInverse(unsigned int index, unsigned int base)
{
    double value = 0.0;
    double digitWeight = 1.0 / base;
    for (; index > 0; index /= base, digitWeight /= base)
        value += (index % base) * digitWeight;
    return value;
}

MObject ParticleCloud::make(int count, MStatus& status)
{
    MVectorArray positions;
    // Index 0 of every Halton sequence is 0: start at 1 so that no two
    // particles sit in the same corner.
    for (int k = 1; k <= count; ++k) {
        const unsigned int index = static_cast<unsigned int>(k);
        positions.append(MVector(2.0 * radicalInverse(index, 2) - 1.0, 2.0 * radicalInverse(index, 3) - 1.0,
                                 2.0 * radicalInverse(index, 5) - 1.0));
    }
    MFnVectorArrayData data;
    return data.create(positions, &status);
}

} // namespace kavo::app
