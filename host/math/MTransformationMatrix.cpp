#include <maya/MPoint.h>
#include <maya/MTransformationMatrix.h>
#include <maya/MVector.h>

#include "EulerRotation.h"
#include "FaultHook.h"

#include <cmath>
#include <initializer_list>

using namespace kavo::host::math;

namespace {

bool isValidSpace(MSpace::Space space)
{
    return space > MSpace::kInvalid && space < MSpace::kLast;
}

void setStatus(MStatus* status, MStatus value)
{
    if (status != nullptr)
        *status = value;
}

void copy3(const double from[3], double to[3])
{
    to[0] = from[0];
    to[1] = from[1];
    to[2] = from[2];
}

void assign3(double to[3], double x, double y, double z)
{
    to[0] = x;
    to[1] = y;
    to[2] = z;
}

MVector asVector(const double v[3])
{
    return MVector(v[0], v[1], v[2]);
}

// A getter's answer in `space`: the value, or the fallback with
// kInvalidParameter when the space is not one the matrix answers in.
template <typename T>
T inSpace(MSpace::Space space, MStatus* ReturnStatus, const T& value, const T& fallback)
{
    const bool valid = isValidSpace(space);
    setStatus(ReturnStatus, valid ? MStatus::kSuccess : MStatus::kInvalidParameter);
    return valid ? value : fallback;
}

// A translation setter in `space`: nothing is set for a space the matrix
// does not answer in.
MStatus assignInSpace(MSpace::Space space, double to[3], const MVector& translation)
{
    if (!isValidSpace(space))
        return MStatus::kInvalidParameter;
    assign3(to, translation.x, translation.y, translation.z);
    return MStatus::kSuccess;
}

// Copies three components in the given space (every space holds them alike);
// a missing array or an unknown space is refused with kInvalidParameter.
MStatus copyInSpace(MSpace::Space space, const double from[3], double to[3])
{
    if (from == nullptr || to == nullptr || !isValidSpace(space))
        return MStatus::kInvalidParameter;
    copy3(from, to);
    return MStatus::kSuccess;
}

// One entry of a matrix: its row, its column and its value.
struct Entry
{
    int row;
    int column;
    double value;
};

// Identity with three entries replaced.
MMatrix identityWith(const Entry& a, const Entry& b, const Entry& c)
{
    MMatrix matrix;
    for (const Entry* entry : {&a, &b, &c})
        matrix.matrix[entry->row][entry->column] = entry->value;
    return matrix;
}

// Identity with the offset in row 3.
MMatrix translationMatrix(double x, double y, double z)
{
    return identityWith({3, 0, x}, {3, 1, y}, {3, 2, z});
}

MMatrix translationMatrix(const double v[3])
{
    return translationMatrix(v[0], v[1], v[2]);
}
MMatrix negatedTranslationMatrix(const double v[3])
{
    return translationMatrix(-v[0], -v[1], -v[2]);
}

MMatrix scaleMatrix(const double scale[3])
{
    return identityWith({0, 0, scale[0]}, {1, 1, scale[1]}, {2, 2, scale[2]});
}

// Shear xy, xz, yz: identity with [1][0] = xy, [2][0] = xz, [2][1] = yz.
MMatrix shearMatrix(const double shear[3])
{
    return identityWith({1, 0, shear[0]}, {2, 0, shear[1]}, {2, 1, shear[2]});
}

// The offset a pivot translation needs so that moving the pivot by delta
// leaves inv(P) * A * P * Pt unchanged for the linear part A:
// Pt' = Pt + delta * A - delta.
void balancePivotTranslation(const MVector& delta, const MMatrix& linear, double pivotTranslation[3])
{
    const MVector moved = delta * linear;
    pivotTranslation[0] += moved.x - delta.x;
    pivotTranslation[1] += moved.y - delta.y;
    pivotTranslation[2] += moved.z - delta.z;
}

// Moves a pivot to `target`, made cartesian first. With `balance`, the
// pivot's translation is offset too, so that the transformation stays as it
// was; `linear()` gives the linear part applied about the pivot.
template <class Linear>
MStatus movePivot(double pivot[3], double pivotTranslation[3], const MPoint& target, MSpace::Space space, bool balance,
                  Linear linear)
{
    if (!isValidSpace(space))
        return MStatus::kInvalidParameter;
    MPoint cartesian(target);
    cartesian.cartesianize();
    if (balance) {
        const MVector delta(cartesian.x - pivot[0], cartesian.y - pivot[1], cartesian.z - pivot[2]);
        balancePivotTranslation(delta, linear(), pivotTranslation);
    }
    assign3(pivot, cartesian.x, cartesian.y, cartesian.z);
    return MStatus::kSuccess;
}

// A unit vector perpendicular to the unit vector axis.
MVector anyPerpendicular(const MVector& axis)
{
    const MVector helper = std::fabs(axis.x) < 0.9 ? MVector::xAxis : MVector::yAxis;
    return (axis ^ helper).normal();
}

// The part of v perpendicular to the unit vector axis.
MVector perpendicularPart(const MVector& v, const MVector& axis)
{
    return v - axis * (v * axis);
}

// Splits the upper 3x3 A of a matrix as A = S * Sh * R. Row by row,
//   a0 = sx r0,  a1 = sy (xy r0 + r1),  a2 = sz (xz r0 + yz r1 + r2),
// so an orthogonalisation of the rows in order gives the rotation rows r0,
// r1, r2 and the scales and shears. r2 is taken as r0 x r1 so R is always a
// proper rotation; a mirroring matrix then gets a negative z scale. Rows
// that vanish (a singular matrix) get some direction perpendicular to the
// others, and the scale and shears they cannot carry become 0.
void splitLinearPart(const MMatrix& m, double scale[3], double shear[3], MMatrix& rotation)
{
    const MVector a0(m.matrix[0][0], m.matrix[0][1], m.matrix[0][2]);
    const MVector a1(m.matrix[1][0], m.matrix[1][1], m.matrix[1][2]);
    const MVector a2(m.matrix[2][0], m.matrix[2][1], m.matrix[2][2]);

    MVector r0 = a0;
    scale[0] = r0.length();
    if (scale[0] > 0.0) {
        r0 /= scale[0];
    } else {
        r0 = (a1 ^ a2).normal();
        if (r0.length() == 0.0)
            r0 = MVector::xAxis;
    }

    MVector r1 = perpendicularPart(a1, r0);
    scale[1] = r1.length();
    if (scale[1] > 0.0) {
        r1 /= scale[1];
        shear[0] = (a1 * r0) / scale[1];
    } else {
        r1 = perpendicularPart(a2, r0).normal();
        if (r1.length() == 0.0)
            r1 = anyPerpendicular(r0);
        shear[0] = 0.0;
    }

    const MVector r2 = r0 ^ r1;
    scale[2] = a2 * r2;
    if (scale[2] != 0.0) {
        shear[1] = (a2 * r0) / scale[2];
        shear[2] = (a2 * r1) / scale[2];
    } else {
        shear[1] = 0.0;
        shear[2] = 0.0;
    }

    const MVector rows[3] = {r0, r1, r2};
    rotation.setToIdentity();
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            rotation.matrix[r][c] = rows[r][c];
}

} // namespace

const MTransformationMatrix MTransformationMatrix::identity;

MTransformationMatrix::MTransformationMatrix()
    : m_scale{1.0, 1.0, 1.0}
    , m_shear{0.0, 0.0, 0.0}
    , m_scalePivot{0.0, 0.0, 0.0}
    , m_scalePivotTranslation{0.0, 0.0, 0.0}
    , m_rotatePivot{0.0, 0.0, 0.0}
    , m_rotatePivotTranslation{0.0, 0.0, 0.0}
    , m_rotation{0.0, 0.0, 0.0}
    , m_rotationOrder(kXYZ)
    , m_translation{0.0, 0.0, 0.0}
{
}

MTransformationMatrix::MTransformationMatrix(const MTransformationMatrix& other) = default;

MTransformationMatrix::MTransformationMatrix(const MMatrix& matrix) : MTransformationMatrix()
{
    *this = matrix;
}

MTransformationMatrix::~MTransformationMatrix() = default;
MTransformationMatrix& MTransformationMatrix::operator=(const MTransformationMatrix& other) = default;

// The projective column of the matrix, if any, is not represented.
MTransformationMatrix& MTransformationMatrix::operator=(const MMatrix& matrix)
{
    *this = MTransformationMatrix();
    MMatrix rotation;
    splitLinearPart(matrix, m_scale, m_shear, rotation);
    rotationAngles(rotation, m_rotationOrder, m_rotation);
    assign3(m_translation, matrix.matrix[3][0], matrix.matrix[3][1], matrix.matrix[3][2]);
    return *this;
}

MMatrix MTransformationMatrix::asMatrix() const
{
    return asMatrix(1.0);
}

MMatrix MTransformationMatrix::asMatrix(double percent) const
{
    double scale[3];
    double shear[3];
    double scalePivotTranslation[3];
    double rotation[3];
    double rotatePivotTranslation[3];
    double translation[3];
    for (int i = 0; i < 3; ++i) {
        scale[i] = m_scale[i] * percent + (1.0 - percent); // exact at 0 and 1
        shear[i] = m_shear[i] * percent;
        scalePivotTranslation[i] = m_scalePivotTranslation[i] * percent;
        rotation[i] = m_rotation[i] * percent;
        rotatePivotTranslation[i] = m_rotatePivotTranslation[i] * percent;
        translation[i] = m_translation[i] * percent;
    }
    return negatedTranslationMatrix(m_scalePivot) * scaleMatrix(scale) * shearMatrix(shear) *
           translationMatrix(m_scalePivot) * translationMatrix(scalePivotTranslation) *
           negatedTranslationMatrix(m_rotatePivot) * m_rotateOrientation * rotationMatrix(rotation, m_rotationOrder) *
           translationMatrix(m_rotatePivot) * translationMatrix(rotatePivotTranslation) *
           translationMatrix(translation);
}

MMatrix MTransformationMatrix::asMatrixInverse() const
{
    return asMatrix().inverse();
}

MStatus MTransformationMatrix::getScale(double scale[3], MSpace::Space space) const
{
    return copyInSpace(space, m_scale, scale);
}

MStatus MTransformationMatrix::setScale(const double scale[3], MSpace::Space space)
{
    if (scale == nullptr || !isValidSpace(space))
        return MStatus::kInvalidParameter;
    if (auto fault = checkFault("setScale"))
        return *fault;
    copy3(scale, m_scale);
    return MStatus::kSuccess;
}

MStatus MTransformationMatrix::getShear(double shear[3], MSpace::Space space) const
{
    return copyInSpace(space, m_shear, shear);
}

MStatus MTransformationMatrix::setShear(const double shear[3], MSpace::Space space)
{
    return copyInSpace(space, shear, m_shear);
}

MPoint MTransformationMatrix::scalePivot(MSpace::Space space, MStatus* ReturnStatus) const
{
    return inSpace(space, ReturnStatus, MPoint(m_scalePivot[0], m_scalePivot[1], m_scalePivot[2]), MPoint::origin);
}

MStatus MTransformationMatrix::setScalePivot(const MPoint& pivot, MSpace::Space space, bool balance)
{
    return movePivot(m_scalePivot, m_scalePivotTranslation, pivot, space, balance,
                     [this] { return scaleMatrix(m_scale) * shearMatrix(m_shear); });
}

MVector MTransformationMatrix::scalePivotTranslation(MSpace::Space space, MStatus* ReturnStatus) const
{
    return inSpace(space, ReturnStatus, asVector(m_scalePivotTranslation), MVector::zero);
}

MStatus MTransformationMatrix::setScalePivotTranslation(const MVector& translation, MSpace::Space space)
{
    return assignInSpace(space, m_scalePivotTranslation, translation);
}

MPoint MTransformationMatrix::rotatePivot(MSpace::Space space, MStatus* ReturnStatus) const
{
    return inSpace(space, ReturnStatus, MPoint(m_rotatePivot[0], m_rotatePivot[1], m_rotatePivot[2]), MPoint::origin);
}

MStatus MTransformationMatrix::setRotatePivot(const MPoint& pivot, MSpace::Space space, bool balance)
{
    return movePivot(m_rotatePivot, m_rotatePivotTranslation, pivot, space, balance,
                     [this] { return m_rotateOrientation * rotationMatrix(m_rotation, m_rotationOrder); });
}

MVector MTransformationMatrix::rotatePivotTranslation(MSpace::Space space, MStatus* ReturnStatus) const
{
    return inSpace(space, ReturnStatus, asVector(m_rotatePivotTranslation), MVector::zero);
}

MStatus MTransformationMatrix::setRotatePivotTranslation(const MVector& translation, MSpace::Space space)
{
    return assignInSpace(space, m_rotatePivotTranslation, translation);
}

MVector MTransformationMatrix::getTranslation(MSpace::Space space, MStatus* ReturnStatus) const
{
    return inSpace(space, ReturnStatus, asVector(m_translation), MVector::zero);
}

MStatus MTransformationMatrix::setTranslation(const MVector& translation, MSpace::Space space)
{
    return assignInSpace(space, m_translation, translation);
}

MStatus MTransformationMatrix::getRotation(double rotation[3], RotationOrder& order) const
{
    if (rotation == nullptr)
        return MStatus::kInvalidParameter;
    copy3(m_rotation, rotation);
    order = m_rotationOrder;
    return MStatus::kSuccess;
}

MStatus MTransformationMatrix::getRotation(double rotation[3], RotationOrder& order, MSpace::Space space) const
{
    if (!isValidSpace(space))
        return MStatus::kInvalidParameter;
    return getRotation(rotation, order);
}

MStatus MTransformationMatrix::setRotation(const double rotation[3], RotationOrder order)
{
    if (rotation == nullptr || !isValidRotationOrder(order))
        return MStatus::kInvalidParameter;
    copy3(rotation, m_rotation);
    m_rotationOrder = order;
    return MStatus::kSuccess;
}

MStatus MTransformationMatrix::setRotation(const double rotation[3], RotationOrder order, MSpace::Space space)
{
    if (!isValidSpace(space))
        return MStatus::kInvalidParameter;
    return setRotation(rotation, order);
}

MTransformationMatrix::RotationOrder MTransformationMatrix::rotationOrder(MStatus* ReturnStatus) const
{
    setStatus(ReturnStatus, MStatus::kSuccess);
    return m_rotationOrder;
}

MStatus MTransformationMatrix::reorderRotation(const RotationOrder& order)
{
    if (!isValidRotationOrder(order))
        return MStatus::kInvalidParameter;
    rotationAngles(rotationMatrix(m_rotation, m_rotationOrder), order, m_rotation);
    m_rotationOrder = order;
    return MStatus::kSuccess;
}
