#include "geometry/ControlNet.h"
#include "geometry/ControlPointSpace.h"
#include "geometry/DataSpace.h"
#include "geometry/KnotArrays.h"
#include "geometry/NurbsSurfaceData.h"
#include "geometry/ReturnStatus.h"
#include "geometry/ShapeGeometryAccess.h"
#include "graph/FunctionSetMembers.h"

#include <maya/MFnNurbsSurface.h>

#include <cmath>
#include <utility>
#include <vector>

using namespace kavo::host::geometry;
using kavo::host::graph::objectAs;

namespace {

// A derivative shorter than this share of (extent / domain length) has no
// direction worth reporting (the collapsed direction at a pole).
constexpr double kZeroDerivative = 1e-10;

// The surface the function set reads, or null when it is attached to nothing
// that holds one.
std::shared_ptr<NurbsSurfaceData> surfaceOf(const MObject& object)
{
    auto data = attachedGeometry<NurbsSurfaceData>(object);
    return data && data->hasSurface() ? data : nullptr;
}

MStatus availability(const std::shared_ptr<NurbsSurfaceData>& surface)
{
    return surface ? MStatus::kSuccess : MStatus::kInvalidParameter;
}

// Knots for one direction; invalid (no CVs) when the degree does not fit the
// knot count, before any degree arithmetic could overflow.
NurbsKnots knotsFrom(const MDoubleArray& knots, unsigned int degree, MFnNurbsSurface::Form form)
{
    const int cvCount = cvCountFor(knots.length(), degree);
    if (cvCount == 0)
        return NurbsKnots();
    return NurbsKnots(static_cast<int>(degree), cvCount, static_cast<NurbsForm>(form), knotValues(knots));
}

MStatus copyKnotsOf(const NurbsKnots* direction, MDoubleArray& keyValues)
{
    if (!direction)
        return MStatus::kInvalidParameter;
    copyKnots(*direction, keyValues);
    return MStatus::kSuccess;
}

double knotAt(const NurbsKnots* direction, unsigned int index, MStatus* ReturnStatus)
{
    if (!direction || index >= direction->knots().size())
        return withStatus(ReturnStatus, MStatus::kInvalidParameter, 0.0);
    return withStatus(ReturnStatus, MStatus::kSuccess, direction->knots()[index]);
}

} // namespace

KAVO_FUNCTION_SET_MEMBERS_WITH(MFnNurbsSurface, MFn::kNurbsSurface, setObject(object))

MFnNurbsSurface::MFnNurbsSurface(const MDagPath& path, MStatus* ReturnStatus)
{
    setReturnStatus(ReturnStatus, setObject(path.node()));
}

MFnNurbsSurface::~MFnNurbsSurface() = default;

const char* MFnNurbsSurface::className()
{
    return "MFnNurbsSurface";
}

MStatus MFnNurbsSurface::setObject(MObject& object)
{
    return setObject(static_cast<const MObject&>(object));
}

MStatus MFnNurbsSurface::setObject(const MObject& object)
{
    const bool isShape = objectAs<kavo::host::graph::Node>(object) && object.hasFn(MFn::kNurbsSurface);
    m_object = isShape || object.hasFn(MFn::kNurbsSurfaceData) ? object : MObject();
    return m_object.isNull() ? MStatus::kInvalidParameter : MStatus::kSuccess;
}

MObject MFnNurbsSurface::create(const MPointArray& controlVertices, const MDoubleArray& uKnotSequences,
                                const MDoubleArray& vKnotSequences, unsigned int degreeInU, unsigned int degreeInV,
                                Form formU, Form formV, bool createRational, MObject& parentOrOwner,
                                MStatus* ReturnStatus)
{
    NurbsKnots knotsU = knotsFrom(uKnotSequences, degreeInU, formU);
    NurbsKnots knotsV = knotsFrom(vKnotSequences, degreeInV, formV);
    const size_t cvCount = static_cast<size_t>(knotsU.numCVs()) * static_cast<size_t>(knotsV.numCVs());
    if (controlVertices.length() != cvCount)
        return withStatus(ReturnStatus, MStatus::kInvalidParameter, MObject());

    std::vector<MPoint> cvs;
    cvs.reserve(cvCount);
    for (unsigned int k = 0; k < controlVertices.length(); ++k) {
        const MPoint& cv = controlVertices[k];
        cvs.push_back(createRational ? cv : MPoint(cv.x, cv.y, cv.z));
    }

    auto owner = objectAs<NurbsSurfaceData>(parentOrOwner);
    auto surface = owner ? owner : std::make_shared<NurbsSurfaceData>();
    if (MStatus status = surface->assign(std::move(knotsU), std::move(knotsV), std::move(cvs)); !status)
        return withStatus(ReturnStatus, status, MObject());
    if (owner) {
        m_object = parentOrOwner;
        return withStatus(ReturnStatus, MStatus::kSuccess, parentOrOwner);
    }

    MStatus status;
    auto shape = createShapeNode("nurbsSurface", parentOrOwner, surface, status);
    if (!shape)
        return withStatus(ReturnStatus, status, MObject());
    m_object = shape->handle();
    return withStatus(ReturnStatus, status, createdShapeResult(*shape, parentOrOwner));
}

int MFnNurbsSurface::numCVsInU(MStatus* ReturnStatus) const
{
    auto surface = surfaceOf(m_object);
    return withStatus(ReturnStatus, availability(surface), surface ? surface->knotsU().numCVs() : 0);
}

int MFnNurbsSurface::numCVsInV(MStatus* ReturnStatus) const
{
    auto surface = surfaceOf(m_object);
    return withStatus(ReturnStatus, availability(surface), surface ? surface->knotsV().numCVs() : 0);
}

int MFnNurbsSurface::numSpansInU(MStatus* ReturnStatus) const
{
    auto surface = surfaceOf(m_object);
    const int spans = surface ? surface->knotsU().numCVs() - surface->knotsU().degree() : 0;
    return withStatus(ReturnStatus, availability(surface), spans);
}

int MFnNurbsSurface::numSpansInV(MStatus* ReturnStatus) const
{
    auto surface = surfaceOf(m_object);
    const int spans = surface ? surface->knotsV().numCVs() - surface->knotsV().degree() : 0;
    return withStatus(ReturnStatus, availability(surface), spans);
}

int MFnNurbsSurface::numKnotsInU(MStatus* ReturnStatus) const
{
    auto surface = surfaceOf(m_object);
    return withStatus(ReturnStatus, availability(surface),
                      surface ? static_cast<int>(surface->knotsU().knots().size()) : 0);
}

int MFnNurbsSurface::numKnotsInV(MStatus* ReturnStatus) const
{
    auto surface = surfaceOf(m_object);
    return withStatus(ReturnStatus, availability(surface),
                      surface ? static_cast<int>(surface->knotsV().knots().size()) : 0);
}

int MFnNurbsSurface::degreeU(MStatus* ReturnStatus) const
{
    auto surface = surfaceOf(m_object);
    return withStatus(ReturnStatus, availability(surface), surface ? surface->knotsU().degree() : 0);
}

int MFnNurbsSurface::degreeV(MStatus* ReturnStatus) const
{
    auto surface = surfaceOf(m_object);
    return withStatus(ReturnStatus, availability(surface), surface ? surface->knotsV().degree() : 0);
}

MFnNurbsSurface::Form MFnNurbsSurface::formInU(MStatus* ReturnStatus) const
{
    auto surface = surfaceOf(m_object);
    return withStatus(ReturnStatus, availability(surface),
                      surface ? static_cast<Form>(surface->knotsU().form()) : kInvalid);
}

MFnNurbsSurface::Form MFnNurbsSurface::formInV(MStatus* ReturnStatus) const
{
    auto surface = surfaceOf(m_object);
    return withStatus(ReturnStatus, availability(surface),
                      surface ? static_cast<Form>(surface->knotsV().form()) : kInvalid);
}

MStatus MFnNurbsSurface::getKnotsInU(MDoubleArray& keyValues) const
{
    auto surface = surfaceOf(m_object);
    return copyKnotsOf(surface ? &surface->knotsU() : nullptr, keyValues);
}

MStatus MFnNurbsSurface::getKnotsInV(MDoubleArray& keyValues) const
{
    auto surface = surfaceOf(m_object);
    return copyKnotsOf(surface ? &surface->knotsV() : nullptr, keyValues);
}

double MFnNurbsSurface::knotInU(unsigned int index, MStatus* ReturnStatus) const
{
    auto surface = surfaceOf(m_object);
    return knotAt(surface ? &surface->knotsU() : nullptr, index, ReturnStatus);
}

double MFnNurbsSurface::knotInV(unsigned int index, MStatus* ReturnStatus) const
{
    auto surface = surfaceOf(m_object);
    return knotAt(surface ? &surface->knotsV() : nullptr, index, ReturnStatus);
}

MStatus MFnNurbsSurface::getKnotDomain(double& startU, double& endU, double& startV, double& endV) const
{
    auto surface = surfaceOf(m_object);
    if (!surface)
        return MStatus::kInvalidParameter;
    startU = surface->knotsU().domainStart();
    endU = surface->knotsU().domainEnd();
    startV = surface->knotsV().domainStart();
    endV = surface->knotsV().domainEnd();
    return MStatus::kSuccess;
}

MStatus MFnNurbsSurface::getCVs(MPointArray& array, MSpace::Space space) const
{
    auto surface = surfaceOf(m_object);
    if (!surface)
        return MStatus::kInvalidParameter;
    const std::vector<MPoint>& cvs = surface->cvs();
    array.setLength(static_cast<unsigned int>(cvs.size()));
    for (unsigned int k = 0; k < cvs.size(); ++k)
        array[k] = cvInSpace(cvs[k], surface->transform, space);
    return MStatus::kSuccess;
}

MStatus MFnNurbsSurface::setCVs(const MPointArray& array, MSpace::Space space)
{
    return editAttachedGeometry<NurbsSurfaceData>(m_object, [&](NurbsSurfaceData& surface) {
        if (!surface.hasSurface() || array.length() != surface.pointCount())
            return MStatus(MStatus::kInvalidParameter);
        std::vector<MPoint> cvs;
        for (unsigned int k = 0; k < array.length(); ++k)
            cvs.push_back(cvFromSpace(array[k], surface.transform, space));
        if (!hasUsableCVs(cvs))
            return MStatus(MStatus::kInvalidParameter);
        for (unsigned int k = 0; k < cvs.size(); ++k)
            if (!surface.isRepeat(static_cast<int>(k)))
                surface.setCV(static_cast<int>(k), cvs[k]);
        return MStatus(MStatus::kSuccess);
    });
}

MStatus MFnNurbsSurface::getCV(unsigned int indexU, unsigned int indexV, MPoint& pnt, MSpace::Space space) const
{
    auto surface = surfaceOf(m_object);
    if (!surface || indexU >= static_cast<unsigned int>(surface->knotsU().numCVs()) ||
        indexV >= static_cast<unsigned int>(surface->knotsV().numCVs()))
        return MStatus::kInvalidParameter;
    pnt = cvInSpace(surface->cvs()[surface->cvIndex(indexU, indexV)], surface->transform, space);
    return MStatus::kSuccess;
}

MStatus MFnNurbsSurface::setCV(unsigned int indexU, unsigned int indexV, const MPoint& pnt, MSpace::Space space)
{
    return editAttachedGeometry<NurbsSurfaceData>(m_object, [&](NurbsSurfaceData& surface) {
        const MPoint cv = cvFromSpace(pnt, surface.transform, space);
        if (!surface.hasSurface() || indexU >= static_cast<unsigned int>(surface.knotsU().numCVs()) ||
            indexV >= static_cast<unsigned int>(surface.knotsV().numCVs()) || !hasUsableCVs({cv}))
            return MStatus(MStatus::kInvalidParameter);
        surface.setCV(surface.cvIndex(indexU, indexV), cv);
        return MStatus(MStatus::kSuccess);
    });
}

MStatus MFnNurbsSurface::getPointAtParam(double paramInU, double paramInV, MPoint& point, MSpace::Space space) const
{
    auto surface = surfaceOf(m_object);
    if (!surface)
        return MStatus::kInvalidParameter;
    NurbsSurfaceShape::Sample sample;
    const MStatus status = surface->shape(space)->evaluate(paramInU, paramInV, sample);
    if (status)
        point = sample.position;
    return status;
}

MVector MFnNurbsSurface::normal(double paramInU, double paramInV, MSpace::Space space, MStatus* ReturnStatus) const
{
    auto surface = surfaceOf(m_object);
    if (!surface)
        return withStatus(ReturnStatus, MStatus::kInvalidParameter, MVector::zero);
    MVector objectNormal = MVector::zero;
    const MStatus status = surface->shape(MSpace::kObject)->normal(paramInU, paramInV, objectNormal);
    return withStatus(ReturnStatus, status, status ? normalInSpace(*surface, objectNormal, space) : MVector::zero);
}

MStatus MFnNurbsSurface::getTangents(double paramInU, double paramInV, MVector& uTangent, MVector& vTangent,
                                     MSpace::Space space) const
{
    auto surface = surfaceOf(m_object);
    if (!surface)
        return MStatus::kInvalidParameter;
    auto shape = surface->shape(space);
    NurbsSurfaceShape::Sample sample;
    if (MStatus status = shape->evaluate(paramInU, paramInV, sample); !status)
        return status;
    const double extent = controlNetExtent(shape->cvs());
    const double lengthU = sample.derivativeU.length();
    const double lengthV = sample.derivativeV.length();
    if (lengthU * shape->knotsU().domainLength() <= kZeroDerivative * extent ||
        lengthV * shape->knotsV().domainLength() <= kZeroDerivative * extent)
        return MStatus::kFailure;
    uTangent = sample.derivativeU / lengthU;
    vTangent = sample.derivativeV / lengthV;
    return MStatus::kSuccess;
}

MStatus MFnNurbsSurface::updateSurface()
{
    return m_object.isNull() ? MStatus::kInvalidParameter : MStatus::kSuccess;
}
