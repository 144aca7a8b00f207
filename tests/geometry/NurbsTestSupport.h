#pragma once

// Building blocks for the NURBS function-set tests: host arrays from lists,
// and a placement with rotation, non-uniform scale and translation, so that
// world-space answers cannot pass by accident.

#include <maya/MDoubleArray.h>
#include <maya/MMatrix.h>
#include <maya/MPoint.h>
#include <maya/MPointArray.h>
#include <maya/MTransformationMatrix.h>

#include <initializer_list>
#include <vector>

inline MDoubleArray doubles(std::initializer_list<double> values)
{
    const std::vector<double> list(values);
    return MDoubleArray(list.data(), static_cast<unsigned int>(list.size()));
}

inline MPointArray pointArray(const std::vector<MPoint>& points)
{
    MPointArray array;
    for (const MPoint& p : points)
        array.append(p);
    return array;
}

inline MMatrix placement()
{
    MTransformationMatrix transformation;
    const double scale[3] = {2.0, 0.5, 3.0};
    const double rotation[3] = {0.3, -0.7, 1.1};
    transformation.setScale(scale, MSpace::kTransform);
    transformation.setRotation(rotation, MTransformationMatrix::kXYZ);
    transformation.setTranslation(MVector(4.0, -5.0, 6.0), MSpace::kTransform);
    return transformation.asMatrix();
}

// Where a position lands under `matrix`, whatever weight the CV carries.
inline MPoint placed(const MPoint& cv, const MMatrix& matrix)
{
    return MPoint(cv.x, cv.y, cv.z) * matrix;
}
