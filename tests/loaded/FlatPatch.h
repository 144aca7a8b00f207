#pragma once

// A bicubic NURBS patch of 4 x 4 CVs in the plane y = 0, spanning
// [-0.45, 0.45] in x and z: inside the handle's unit cube, with the object
// normal (0, 1, 0) everywhere. Shared by the deform-pass tests.

#include <maya/MDoubleArray.h>
#include <maya/MFnNurbsSurface.h>
#include <maya/MFnNurbsSurfaceData.h>
#include <maya/MObject.h>
#include <maya/MPointArray.h>

#include <gtest/gtest.h>

namespace kavo::test {

inline MObject flatPatchData()
{
    MPointArray cvs;
    for (int u = 0; u < 4; ++u)
        for (int v = 0; v < 4; ++v)
            cvs.append(MPoint(0.3 * u - 0.45, 0.0, 0.3 * v - 0.45));
    const double knotValues[] = {0.0, 0.0, 0.0, 1.0, 1.0, 1.0};
    const MDoubleArray knots(knotValues, 6);
    MObject data = MFnNurbsSurfaceData().create();
    MStatus status;
    MFnNurbsSurface().create(cvs, knots, knots, 3, 3, MFnNurbsSurface::kOpen, MFnNurbsSurface::kOpen, false, data,
                             &status);
    EXPECT_EQ(status, MStatus::kSuccess);
    return data;
}

} // namespace kavo::test
