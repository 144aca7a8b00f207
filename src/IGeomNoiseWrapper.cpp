#include "IGeomNoiseWrapper.h"

#include "MAYA_General.h"

#include <maya/MPoint.h>
#include <maya/MTransformationMatrix.h>
#include <maya/MVector.h>

IGeomNoiseWrapper::~IGeomNoiseWrapper() = default;

MStatus IGeomNoiseWrapper::getNormals(const int* indices, std::size_t count, double* x, double* y, double* z,
                                      MSpace::Space space)
{
    MStatus answer = MStatus::kSuccess;
    MVector normal;
    for (std::size_t k = 0; k < count; ++k) {
        const MStatus status = getNormal(indices[k], normal, space);
        if (status != MStatus::kSuccess)
            answer = status;
        x[k] = normal.x, y[k] = normal.y, z[k] = normal.z;
    }
    return answer;
}

MStatus IGeomNoiseWrapper::makeScaleMatrix(const MMatrix& geometryMatrix, MMatrix& scaleMatrix, float sx, float sy,
                                           float sz, MSpace::Space space, const MMatrix& handleInverse)
{
    MTransformationMatrix transformation(MMatrix::identity);

    const double scale[3] = {sx, sy, sz};
    MStatus status = transformation.setScale(scale, space);
    kavo::McheckErr(status, "ERROR IGeomNoiseWrapper makeScaleMatrixHelper; setting scale.\n");

    // Balancing keeps the composite the pure scale, so the pivot changes only
    // the stored components, not the matrix.
    const MPoint pivot = MPoint(0.0, 0.0, 0.0, 1.0) * geometryMatrix * handleInverse;
    transformation.setScalePivot(pivot, space, true);

    scaleMatrix = transformation.asMatrixInverse();
    return status;
}
