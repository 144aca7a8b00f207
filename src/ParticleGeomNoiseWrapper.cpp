#include "ParticleGeomNoiseWrapper.h"

#include "MAYA_General.h"

ParticleGeomNoiseWrapper::ParticleGeomNoiseWrapper() : m_hasFunctionSet(false) {}

ParticleGeomNoiseWrapper::~ParticleGeomNoiseWrapper()
{
    deleteFunctionSet();
}

MStatus ParticleGeomNoiseWrapper::setGeometry(MObject& geometry, MDataHandle&, MSpace::Space)
{
    deleteFunctionSet();

    MStatus status;
    m_fnVectorArrayData = std::make_unique<MFnVectorArrayData>(geometry, &status);
    m_hasFunctionSet = true;
    if (status != MStatus::kSuccess) {
        deleteFunctionSet();
        kavo::McheckErr(status, "ERROR initializing ParticleGeomNoiseWrapper; initializing MFnVectorArrayData.\n");
    }
    return MStatus::kSuccess;
}

void ParticleGeomNoiseWrapper::deleteFunctionSet()
{
    m_fnVectorArrayData.reset();
    m_hasFunctionSet = false;
}

int ParticleGeomNoiseWrapper::numPoints(MStatus&)
{
    if (!m_hasFunctionSet)
        return 0;
    return static_cast<int>(m_fnVectorArrayData->length());
}

MStatus ParticleGeomNoiseWrapper::getPoints(MPointArray& points, MSpace::Space)
{
    if (!m_hasFunctionSet) {
        points.clear();
        return MStatus::kSuccess;
    }
    vectorArrayToPointArray(m_fnVectorArrayData->array(), points);
    return MStatus::kSuccess;
}

MStatus ParticleGeomNoiseWrapper::getNormal(int, MVector& normal, MSpace::Space)
{
    normal = MVector::yAxis;
    return MStatus::kSuccess;
}

MStatus ParticleGeomNoiseWrapper::getUVs(MFloatArray&, MFloatArray&)
{
    return MStatus::kSuccess;
}

void ParticleGeomNoiseWrapper::vectorArrayToPointArray(MVectorArray vectors, MPointArray& points)
{
    points.setLength(vectors.length());
    for (unsigned int i = 0; i < vectors.length(); ++i)
        points[i] = MPoint(vectors[i].x, vectors[i].y, vectors[i].z, 1.0);
}
