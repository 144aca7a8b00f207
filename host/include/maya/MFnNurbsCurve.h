#pragma once

#include <maya/MDoubleArray.h>
#include <maya/MFnDagNode.h>
#include <maya/MObject.h>
#include <maya/MPoint.h>
#include <maya/MPointArray.h>
#include <maya/MStatus.h>
#include <maya/MTypes.h>
#include <maya/MVector.h>

#ifndef kMFnNurbsEpsilon
#define kMFnNurbsEpsilon 1.0e-3
#endif

// A NURBS curve: a "nurbsCurve" shape node (its output geometry) or a NURBS
// curve data object.
//
// A CV is an MPoint whose x, y, z is its position and whose w is its weight.
// Knots follow the host's convention: degree p and n CVs give n + p - 1
// knots. A periodic curve repeats its first p CVs at its end, and numCVs()
// counts those repeats.
//
// Positions, tangents and normals in MSpace::kWorld are those of the curve
// carried by the geometry's world matrix; every other space is object space.
class DLL_PUBLIC MFnNurbsCurve : public MFnDagNode
{
public:
    enum Form
    {
        kInvalid = 0,
        kOpen = 1,
        kClosed = 2,
        kPeriodic = 3,
        kLast = 4
    };

    KAVO_DAG_FUNCTION_SET_DECLARATIONS(MFnNurbsCurve);
    ~MFnNurbsCurve() override;
    static const char* className();

    MStatus setObject(MObject& object) override;
    MStatus setObject(const MObject& object) override;

    // Builds a curve. parentOrOwner is a NURBS curve data object (filled with
    // the curve and returned), a DAG node (a new "nurbsCurve" shape goes
    // under it and is returned) or null (a new transform with the shape
    // under it; the transform is returned). create2D drops the CVs' z (the
    // curve lies in the XY plane); without createRational every weight is 1.
    // Fails with kInvalidParameter, and creates nothing, when the knots,
    // degree, form or CVs do not describe a curve (a periodic curve must
    // repeat its first degree CVs).
    MObject create(const MPointArray& controlVertices, const MDoubleArray& knotSequences, unsigned int degree,
                   Form form, bool create2D, bool createRational, MObject& parentOrOwner = MObject::kNullObj,
                   MStatus* ReturnStatus = NULL);

    int numCVs(MStatus* ReturnStatus = NULL) const;
    int numSpans(MStatus* ReturnStatus = NULL) const;
    int numKnots(MStatus* ReturnStatus = NULL) const;
    int degree(MStatus* ReturnStatus = NULL) const;
    Form form(MStatus* ReturnStatus = NULL) const;

    MStatus getKnots(MDoubleArray& array) const;
    double knot(unsigned int index, MStatus* ReturnStatus = NULL) const;
    MStatus getKnotDomain(double& start, double& end) const;

    MStatus getCVs(MPointArray& array, MSpace::Space space = MSpace::kObject) const;
    // Sets every CV from an array of numCVs. The repeats of a periodic curve
    // follow the CVs they repeat, so the curve stays closed: the array's
    // values for them are not used.
    MStatus setCVs(const MPointArray& array, MSpace::Space space = MSpace::kObject);
    MStatus getCV(unsigned int index, MPoint& pt, MSpace::Space space = MSpace::kObject) const;
    // Setting a repeat of a periodic curve sets the CV it repeats.
    MStatus setCV(unsigned int index, const MPoint& pt, MSpace::Space space = MSpace::kObject);

    MStatus getPointAtParam(double param, MPoint& point, MSpace::Space space = MSpace::kObject) const;
    // The unit tangent; fails (kFailure, zero vector) where the curve's
    // derivative vanishes.
    MVector tangent(double param, MSpace::Space space = MSpace::kObject, MStatus* ReturnStatus = NULL) const;
    // The principal normal: unit, orthogonal to the tangent, toward the
    // centre of curvature. On a straight piece, which has no centre, it is
    // the unit vector orthogonal to the tangent in the plane of the tangent
    // and the coordinate axis least aligned with it (the first such axis in
    // x, y, z order), the same all along the piece. Fails (kFailure, zero
    // vector) where the curve's derivative vanishes.
    MVector normal(double param, MSpace::Space space = MSpace::kObject, MStatus* ReturnStatus = NULL) const;

    // Tells the host the CVs changed; the stand-in host redraws nothing.
    MStatus updateCurve();
};
