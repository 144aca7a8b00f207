#pragma once

#include <maya/MPoint.h>
#include <maya/MVector.h>

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

// Component-wise closeness of points and vectors, with the values in the
// failure message.
inline ::testing::AssertionResult isNear(const MVector& actual, const MVector& expected, double tolerance)
{
    const MVector difference = actual - expected;
    if (std::abs(difference.x) <= tolerance && std::abs(difference.y) <= tolerance &&
        std::abs(difference.z) <= tolerance)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "got (" << actual.x << ", " << actual.y << ", " << actual.z
                                         << "), expected (" << expected.x << ", " << expected.y << ", " << expected.z
                                         << ") within " << tolerance;
}

inline ::testing::AssertionResult isNear(const MPoint& actual, const MPoint& expected, double tolerance)
{
    return isNear(MVector(actual), MVector(expected), tolerance);
}
