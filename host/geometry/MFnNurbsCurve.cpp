#include "geometry/ControlNet.h"
#include "geometry/ControlPointSpace.h"
#include "geometry/KnotArrays.h"
#include "geometry/NurbsCurveData.h"
#include "geometry/ReturnStatus.h"
#include "geometry/ShapeGeometryAccess.h"
#include "graph/FunctionSetMembers.h"

#include <maya/MFnNurbsCurve.h>

#include <utility>
#include <vector>

using namespace kavo::host::geometry;
using kavo::host::graph::objectAs;

namespace {

// A derivative shorter than this share of (extent / domain length) has no
// direction (the same measure NurbsCurveShape uses for its normal).
constexpr double kZeroDerivative = 1e-10;

// The curve the function set reads, or null when it is attached to nothing
// that holds one.
std::shared_ptr<NurbsCurveData> curveOf(const MObject& object)
{
    auto data = attachedGeometry<NurbsCurveData>(object);
    return data && data->hasCurve() ? data : nullptr;
}

MStatus availability(const std::shared_ptr<NurbsCurveData>& curve)
{
    return curve ? MStatus::kSuccess : MStatus::kInvalidParameter;
}

} // namespace

KAVO_FUNCTION_SET_MEMBERS_WITH(MFnNurbsCurve, MFn::kNurbsCurve, setObject(object))

MFnNurbsCurve::MFnNurbsCurve(const MDagPath& path, MStatus* ReturnStatus)
{
    setReturnStatus(ReturnStatus, setObject(path.node()));
}

MFnNurbsCurve::~MFnNurbsCurve() = default;

const char* MFnNurbsCurve::className()
{
    return "MFnNurbsCurve";
}

MStatus MFnNurbsCurve::setObject(MObject& object)
{
    return setObject(static_cast<const MObject&>(object));
}

MStatus MFnNurbsCurve::setObject(const MObject& object)
{
    const bool isShape = objectAs<kavo::host::graph::Node>(object) && object.hasFn(MFn::kNurbsCurve);
    m_object = isShape || object.hasFn(MFn::kNurbsCurveData) ? object : MObject();
    return m_object.isNull() ? MStatus::kInvalidParameter : MStatus::kSuccess;
}

MObject MFnNurbsCurve::create(const MPointArray& controlVertices, const MDoubleArray& knotSequences,
                              unsigned int degree, Form form, bool create2D, bool createRational,
                              MObject& parentOrOwner, MStatus* ReturnStatus)
{
    const int cvCount = cvCountFor(knotSequences.length(), degree);
    if (cvCount == 0 || controlVertices.length() != static_cast<unsigned int>(cvCount))
        return withStatus(ReturnStatus, MStatus::kInvalidParameter, MObject());
    NurbsKnots knots(static_cast<int>(degree), cvCount, static_cast<NurbsForm>(form), knotValues(knotSequences));

    std::vector<MPoint> cvs;
    cvs.reserve(controlVertices.length());
    for (unsigned int k = 0; k < controlVertices.length(); ++k) {
        const MPoint& cv = controlVertices[k];
        cvs.emplace_back(cv.x, cv.y, create2D ? 0.0 : cv.z, createRational ? cv.w : 1.0);
    }

    auto owner = objectAs<NurbsCurveData>(parentOrOwner);
    auto curve = owner ? owner : std::make_shared<NurbsCurveData>();
    if (MStatus status = curve->assign(std::move(knots), std::move(cvs)); !status)
        return withStatus(ReturnStatus, status, MObject());
    if (owner) {
        m_object = parentOrOwner;
        return withStatus(ReturnStatus, MStatus::kSuccess, parentOrOwner);
    }

    MStatus status;
    auto shape = createShapeNode("nurbsCurve", parentOrOwner, curve, status);
    if (!shape)
        return withStatus(ReturnStatus, status, MObject());
    m_object = shape->handle();
    return withStatus(ReturnStatus, status, createdShapeResult(*shape, parentOrOwner));
}

int MFnNurbsCurve::numCVs(MStatus* ReturnStatus) const
{
    auto curve = curveOf(m_object);
    return withStatus(ReturnStatus, availability(curve), curve ? curve->knots().numCVs() : 0);
}

int MFnNurbsCurve::numSpans(MStatus* ReturnStatus) const
{
    auto curve = curveOf(m_object);
    return withStatus(ReturnStatus, availability(curve), curve ? curve->knots().numCVs() - curve->knots().degree() : 0);
}

int MFnNurbsCurve::numKnots(MStatus* ReturnStatus) const
{
    auto curve = curveOf(m_object);
    return withStatus(ReturnStatus, availability(curve), curve ? static_cast<int>(curve->knots().knots().size()) : 0);
}

int MFnNurbsCurve::degree(MStatus* ReturnStatus) const
{
    auto curve = curveOf(m_object);
    return withStatus(ReturnStatus, availability(curve), curve ? curve->knots().degree() : 0);
}

MFnNurbsCurve::Form MFnNurbsCurve::form(MStatus* ReturnStatus) const
{
    auto curve = curveOf(m_object);
    return withStatus(ReturnStatus, availability(curve), curve ? static_cast<Form>(curve->knots().form()) : kInvalid);
}

MStatus MFnNurbsCurve::getKnots(MDoubleArray& array) const
{
    auto curve = curveOf(m_object);
    if (!curve)
        return MStatus::kInvalidParameter;
    copyKnots(curve->knots(), array);
    return MStatus::kSuccess;
}

double MFnNurbsCurve::knot(unsigned int index, MStatus* ReturnStatus) const
{
    auto curve = curveOf(m_object);
    if (!curve || index >= curve->knots().knots().size())
        return withStatus(ReturnStatus, MStatus::kInvalidParameter, 0.0);
    return withStatus(ReturnStatus, MStatus::kSuccess, curve->knots().knots()[index]);
}

MStatus MFnNurbsCurve::getKnotDomain(double& start, double& end) const
{
    auto curve = curveOf(m_object);
    if (!curve)
        return MStatus::kInvalidParameter;
    start = curve->knots().domainStart();
    end = curve->knots().domainEnd();
    return MStatus::kSuccess;
}

MStatus MFnNurbsCurve::getCVs(MPointArray& array, MSpace::Space space) const
{
    auto curve = curveOf(m_object);
    if (!curve)
        return MStatus::kInvalidParameter;
    const std::vector<MPoint>& cvs = curve->cvs();
    array.setLength(static_cast<unsigned int>(cvs.size()));
    for (unsigned int k = 0; k < cvs.size(); ++k)
        array[k] = cvInSpace(cvs[k], curve->transform, space);
    return MStatus::kSuccess;
}

MStatus MFnNurbsCurve::setCVs(const MPointArray& array, MSpace::Space space)
{
    return editAttachedGeometry<NurbsCurveData>(m_object, [&](NurbsCurveData& curve) {
        if (!curve.hasCurve() || array.length() != curve.pointCount())
            return MStatus(MStatus::kInvalidParameter);
        std::vector<MPoint> cvs;
        for (unsigned int k = 0; k < array.length(); ++k)
            cvs.push_back(cvFromSpace(array[k], curve.transform, space));
        if (!hasUsableCVs(cvs))
            return MStatus(MStatus::kInvalidParameter);
        for (unsigned int k = 0; k < cvs.size(); ++k)
            if (!curve.isRepeat(static_cast<int>(k)))
                curve.setCV(static_cast<int>(k), cvs[k]);
        return MStatus(MStatus::kSuccess);
    });
}

MStatus MFnNurbsCurve::getCV(unsigned int index, MPoint& pt, MSpace::Space space) const
{
    auto curve = curveOf(m_object);
    if (!curve || index >= curve->pointCount())
        return MStatus::kInvalidParameter;
    pt = cvInSpace(curve->cvs()[index], curve->transform, space);
    return MStatus::kSuccess;
}

MStatus MFnNurbsCurve::setCV(unsigned int index, const MPoint& pt, MSpace::Space space)
{
    return editAttachedGeometry<NurbsCurveData>(m_object, [&](NurbsCurveData& curve) {
        const MPoint cv = cvFromSpace(pt, curve.transform, space);
        if (!curve.hasCurve() || index >= curve.pointCount() || !hasUsableCVs({cv}))
            return MStatus(MStatus::kInvalidParameter);
        curve.setCV(static_cast<int>(index), cv);
        return MStatus(MStatus::kSuccess);
    });
}

MStatus MFnNurbsCurve::getPointAtParam(double param, MPoint& point, MSpace::Space space) const
{
    auto curve = curveOf(m_object);
    if (!curve)
        return MStatus::kInvalidParameter;
    NurbsCurveShape::Sample sample;
    const MStatus status = curve->shape(space)->evaluate(param, sample);
    if (status)
        point = sample.position;
    return status;
}

MVector MFnNurbsCurve::tangent(double param, MSpace::Space space, MStatus* ReturnStatus) const
{
    auto curve = curveOf(m_object);
    if (!curve)
        return withStatus(ReturnStatus, MStatus::kInvalidParameter, MVector::zero);
    auto shape = curve->shape(space);
    NurbsCurveShape::Sample sample;
    if (MStatus status = shape->evaluate(param, sample); !status)
        return withStatus(ReturnStatus, status, MVector::zero);
    const double speed = sample.firstDerivative.length();
    if (speed * shape->knots().domainLength() <= kZeroDerivative * controlNetExtent(shape->cvs()))
        return withStatus(ReturnStatus, MStatus::kFailure, MVector::zero);
    return withStatus(ReturnStatus, MStatus::kSuccess, sample.firstDerivative / speed);
}

MVector MFnNurbsCurve::normal(double param, MSpace::Space space, MStatus* ReturnStatus) const
{
    auto curve = curveOf(m_object);
    if (!curve)
        return withStatus(ReturnStatus, MStatus::kInvalidParameter, MVector::zero);
    MVector principal = MVector::zero;
    const MStatus status = curve->shape(space)->principalNormal(param, principal);
    return withStatus(ReturnStatus, status, status ? principal : MVector::zero);
}

MStatus MFnNurbsCurve::updateCurve()
{
    return m_object.isNull() ? MStatus::kInvalidParameter : MStatus::kSuccess;
}
