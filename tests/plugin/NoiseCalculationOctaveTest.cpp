// Octave weights to the bit. A weight 2^(i (r - 1)) with a fractional
// exponent is not representable; the sum must use it rounded to single
// precision, which changes the last bits of almost every weighted value.
#include "NoiseCalculation.h"
#include "RecordingNoise.h"
#include "support/SameBits.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace {

using kavo::test::sameBits;

// 2^-0.5 = 0x1.6a09e667f3bcdp-1; the 24th significant bit is 0 and the
// rest below half, so single precision rounds it down to 0x1.6a09e6p-1.
constexpr float kRootHalf = 0x1.6a09e6p-1f;

// The value of a source that answers v at every octave, summed with the
// given single-precision weights after the first octave's full weight.
double weightedSum(double v, std::initializer_list<float> weights)
{
    double sum = v;
    for (float weight : weights)
        sum += v * static_cast<double>(weight);
    return sum;
}

TEST(FractalOctaveWeights, RoughnessOneHalfWeighsBySinglePrecisionPowersOfTheSquareRootOfOneHalf)
{
    const MPoint reply(0.1, -0.7, 0.3337, 1.0);
    const MPoint position(0.25, 0.5, 0.75, 1.0);

    RecordingNoise whole(reply);
    const MPoint four = NoiseCalculation::calculateNoise(whole, 4.0f, 0.5f, false, false, position, 0.5f);
    // A fractional count fades the last octave in by its fraction, in
    // single precision too.
    RecordingNoise fading(reply);
    const MPoint threePointThree = NoiseCalculation::calculateNoise(fading, 3.3f, 0.5f, false, false, position, 0.5f);
    const float fraction = 3.3f - 3.0f;

    for (unsigned int axis = 0; axis < 3; ++axis) {
        const double v = reply[axis];
        EXPECT_TRUE(sameBits(four[axis], weightedSum(v, {kRootHalf, 0.5f, kRootHalf * 0.5f}))) << axis;
        EXPECT_TRUE(sameBits(threePointThree[axis], weightedSum(v, {kRootHalf, 0.5f, kRootHalf * 0.5f * fraction})))
            << axis;
    }
}

} // namespace
