#pragma once

#include <maya/MMatrix.h>
#include <maya/MStatus.h>
#include <maya/MTypes.h>

class MPoint;
class MVector;

// A transformation kept as its components, composed for row vectors as
//
//   M = inv(Sp) * S * Sh * Sp * St * inv(Rp) * Ro * R * Rp * Rt * T
//
// Sp, Rp: scale and rotate pivot; S: scale; Sh: shear (xy, xz, yz); St, Rt:
// scale- and rotate-pivot translation; Ro: rotate orientation; R: rotation in
// the rotation order; T: translation.
//
// Built from a matrix, the transformation decomposes it into translation,
// rotation (order kXYZ), scale and shear; pivots, pivot translations and the
// rotate orientation are then zero or identity. A reflection is carried by a
// negative z scale.
//
// The component accessors take a space for compatibility. Every valid space
// (kTransform, kPreTransform = kObject, kPostTransform, kWorld) addresses the
// transformation's own components in the same way; kInvalid and kLast give
// kInvalidParameter.
class OPENMAYA_EXPORT MTransformationMatrix
{
public:
    enum RotationOrder
    {
        kInvalid = 0,
        kXYZ = 1,
        kYZX = 2,
        kZXY = 3,
        kXZY = 4,
        kYXZ = 5,
        kZYX = 6,
        kLast = 7
    };

    MTransformationMatrix();
    MTransformationMatrix(const MTransformationMatrix& other);
    MTransformationMatrix(const MMatrix& matrix);
    ~MTransformationMatrix();

    MTransformationMatrix& operator=(const MTransformationMatrix& other);
    MTransformationMatrix& operator=(const MMatrix& matrix);

    MMatrix asMatrix() const;
    // The transformation with its scale, shear, rotation, translation and
    // pivot translations blended from none (0) to full (1).
    MMatrix asMatrix(double percent) const;
    MMatrix asMatrixInverse() const;

    MStatus getScale(double scale[3], MSpace::Space space) const;
    MStatus setScale(const double scale[3], MSpace::Space space);
    MStatus getShear(double shear[3], MSpace::Space space) const;
    MStatus setShear(const double shear[3], MSpace::Space space);

    MPoint scalePivot(MSpace::Space space, MStatus* ReturnStatus = NULL) const;
    // With balance on, the scale-pivot translation absorbs the move so the
    // composite matrix stays the same.
    MStatus setScalePivot(const MPoint& pivot, MSpace::Space space, bool balance);
    MVector scalePivotTranslation(MSpace::Space space, MStatus* ReturnStatus = NULL) const;
    MStatus setScalePivotTranslation(const MVector& translation, MSpace::Space space);

    MPoint rotatePivot(MSpace::Space space, MStatus* ReturnStatus = NULL) const;
    // With balance on, the rotate-pivot translation absorbs the move so the
    // composite matrix stays the same.
    MStatus setRotatePivot(const MPoint& pivot, MSpace::Space space, bool balance);
    MVector rotatePivotTranslation(MSpace::Space space, MStatus* ReturnStatus = NULL) const;
    MStatus setRotatePivotTranslation(const MVector& translation, MSpace::Space space);

    MVector getTranslation(MSpace::Space space, MStatus* ReturnStatus = NULL) const;
    MStatus setTranslation(const MVector& translation, MSpace::Space space);

    // Rotation angles in radians about x, y and z, applied in the order given.
    MStatus getRotation(double rotation[3], RotationOrder& order) const;
    MStatus getRotation(double rotation[3], RotationOrder& order, MSpace::Space space) const;
    MStatus setRotation(const double rotation[3], RotationOrder order);
    MStatus setRotation(const double rotation[3], RotationOrder order, MSpace::Space space);
    RotationOrder rotationOrder(MStatus* ReturnStatus = NULL) const;
    // Changes the order and re-expresses the rotation in it, so the composite
    // matrix stays the same.
    MStatus reorderRotation(const RotationOrder& order);

    static const MTransformationMatrix identity;

private:
    double m_scale[3];
    double m_shear[3];
    double m_scalePivot[3];
    double m_scalePivotTranslation[3];
    double m_rotatePivot[3];
    double m_rotatePivotTranslation[3];
    MMatrix m_rotateOrientation;
    double m_rotation[3];
    RotationOrder m_rotationOrder;
    double m_translation[3];
};
