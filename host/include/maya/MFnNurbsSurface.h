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

// A NURBS surface: a "nurbsSurface" shape node (its output geometry) or a
// NURBS surface data object.
//
// CVs are listed U-major, V varying fastest: CV (u, v) has index
// u * numCVsInV() + v. A CV is an MPoint whose x, y, z is its position and
// whose w is its weight. Knots follow the host's convention: a direction of
// degree p with n CVs has n + p - 1 knots. A periodic direction repeats its
// first p rows (or columns) of CVs at its end, and those repeats are counted
// in numCVsInU / numCVsInV.
//
// Positions, normals and tangents in MSpace::kWorld are those of the surface
// carried by the geometry's world matrix; every other space is object space.
class DLL_PUBLIC MFnNurbsSurface : public MFnDagNode
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

    KAVO_DAG_FUNCTION_SET_DECLARATIONS(MFnNurbsSurface);
    ~MFnNurbsSurface() override;
    static const char* className();

    MStatus setObject(MObject& object) override;
    MStatus setObject(const MObject& object) override;

    // Builds a surface. parentOrOwner is a NURBS surface data object (filled
    // with the surface and returned), a DAG node (a new "nurbsSurface" shape
    // goes under it and is returned) or null (a new transform with the shape
    // under it; the transform is returned). Fails with kInvalidParameter, and
    // creates nothing, when the knots, degrees, forms or CVs do not describe
    // a surface (a periodic direction must repeat its first degree CVs).
    MObject create(const MPointArray& controlVertices, const MDoubleArray& uKnotSequences,
                   const MDoubleArray& vKnotSequences, unsigned int degreeInU, unsigned int degreeInV, Form formU,
                   Form formV, bool createRational, MObject& parentOrOwner = MObject::kNullObj,
                   MStatus* ReturnStatus = NULL);

    int numCVsInU(MStatus* ReturnStatus = NULL) const;
    int numCVsInV(MStatus* ReturnStatus = NULL) const;
    int numSpansInU(MStatus* ReturnStatus = NULL) const;
    int numSpansInV(MStatus* ReturnStatus = NULL) const;
    int numKnotsInU(MStatus* ReturnStatus = NULL) const;
    int numKnotsInV(MStatus* ReturnStatus = NULL) const;
    int degreeU(MStatus* ReturnStatus = NULL) const;
    int degreeV(MStatus* ReturnStatus = NULL) const;
    Form formInU(MStatus* ReturnStatus = NULL) const;
    Form formInV(MStatus* ReturnStatus = NULL) const;

    MStatus getKnotsInU(MDoubleArray& keyValues) const;
    MStatus getKnotsInV(MDoubleArray& keyValues) const;
    double knotInU(unsigned int index, MStatus* ReturnStatus = NULL) const;
    double knotInV(unsigned int index, MStatus* ReturnStatus = NULL) const;
    MStatus getKnotDomain(double& startU, double& endU, double& startV, double& endV) const;

    MStatus getCVs(MPointArray& array, MSpace::Space space = MSpace::kObject) const;
    // Sets every CV from an array of numCVsInU * numCVsInV. The repeats of a
    // periodic direction follow the CVs they repeat, so the seam stays
    // closed: the array's values for them are not used.
    MStatus setCVs(const MPointArray& array, MSpace::Space space = MSpace::kObject);
    MStatus getCV(unsigned int indexU, unsigned int indexV, MPoint& pnt, MSpace::Space space = MSpace::kObject) const;
    // Setting a repeat of a periodic direction sets the CV it repeats.
    MStatus setCV(unsigned int indexU, unsigned int indexV, const MPoint& pnt, MSpace::Space space = MSpace::kObject);

    MStatus getPointAtParam(double paramInU, double paramInV, MPoint& point,
                            MSpace::Space space = MSpace::kObject) const;
    // The unit normal dP/du x dP/dv. Fails (kFailure, zero vector) where the
    // surface has no normal, such as a pole where a row of CVs meets in one
    // point.
    MVector normal(double paramInU, double paramInV, MSpace::Space space = MSpace::kObject,
                   MStatus* ReturnStatus = NULL) const;
    // The unit tangents along U and V; fails where either derivative vanishes.
    MStatus getTangents(double paramInU, double paramInV, MVector& uTangent, MVector& vTangent,
                        MSpace::Space space = MSpace::kObject) const;

    // Tells the host the CVs changed; the stand-in host redraws nothing.
    MStatus updateSurface();
};
