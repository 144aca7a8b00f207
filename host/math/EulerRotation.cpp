#include "EulerRotation.h"

#include <cmath>

namespace kavo::host::math {

namespace {

// Below this, the cosine of the middle angle is taken as zero (gimbal lock).
const double kGimbalCosine = 1e-12;

// The axes in the order they are applied, and whether that order is an odd
// permutation of x, y, z (which flips the sense of the relabelled formulas).
struct AxisSequence
{
    int first;
    int second;
    int third;
    bool odd;
};

AxisSequence axisSequence(MTransformationMatrix::RotationOrder order)
{
    switch (order) {
    case MTransformationMatrix::kYZX: return {1, 2, 0, false};
    case MTransformationMatrix::kZXY: return {2, 0, 1, false};
    case MTransformationMatrix::kXZY: return {0, 2, 1, true};
    case MTransformationMatrix::kYXZ: return {1, 0, 2, true};
    case MTransformationMatrix::kZYX: return {2, 1, 0, true};
    default: return {0, 1, 2, false};
    }
}

// The rotation by angle about one axis, for row vectors: about x the rows
// are (1, 0, 0), (0, c, s), (0, -s, c), and likewise about y and z.
MMatrix axisRotation(int axis, double angle)
{
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    const int j = (axis + 1) % 3;
    const int k = (axis + 2) % 3;
    MMatrix rotation;
    rotation.matrix[j][j] = c;
    rotation.matrix[j][k] = s;
    rotation.matrix[k][j] = -s;
    rotation.matrix[k][k] = c;
    return rotation;
}

} // namespace

bool isValidRotationOrder(MTransformationMatrix::RotationOrder order)
{
    return order > MTransformationMatrix::kInvalid && order < MTransformationMatrix::kLast;
}

MMatrix rotationMatrix(const double angles[3], MTransformationMatrix::RotationOrder order)
{
    const AxisSequence axes = axisSequence(order);
    return axisRotation(axes.first, angles[axes.first]) * axisRotation(axes.second, angles[axes.second]) *
           axisRotation(axes.third, angles[axes.third]);
}

// For the order x, y, z the matrix RX * RY * RZ has the rows
//   ( cy cz,             cy sz,             -sy   )
//   ( sx sy cz - cx sz,  sx sy sz + cx cz,  sx cy )
//   ( cx sy cz + sx sz,  cx sy sz - sx cz,  cx cy )
// Every other order is the same after relabelling the axes; an odd
// relabelling mirrors the frame and so negates every angle.
void rotationAngles(const MMatrix& rotation, MTransformationMatrix::RotationOrder order, double angles[3])
{
    const AxisSequence axes = axisSequence(order);
    const int i = axes.first;
    const int j = axes.second;
    const int k = axes.third;
    const double sign = axes.odd ? -1.0 : 1.0;
    const double(&m)[4][4] = rotation.matrix;

    const double cosSecond = std::hypot(m[i][i], m[i][j]);
    angles[j] = std::atan2(-sign * m[i][k], cosSecond);
    if (cosSecond > kGimbalCosine) {
        angles[i] = std::atan2(sign * m[j][k], m[k][k]);
        angles[k] = std::atan2(sign * m[i][j], m[i][i]);
    } else {
        angles[i] = std::atan2(-sign * m[k][j], m[j][j]);
        angles[k] = 0.0;
    }
}

} // namespace kavo::host::math
