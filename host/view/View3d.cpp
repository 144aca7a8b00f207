#include "graph/Node.h"
#include "graph/Scene.h"

#include "view/View3d.h"

#include <maya/MTransformationMatrix.h>

namespace kavo::host::view {

namespace {

constexpr double kDefaultFovDegrees = 45.0;
constexpr double kDefaultNear = 0.1;
constexpr double kDefaultFar = 1000.0;

MStatus setDouble(graph::Node& node, const char* attributeName, double value)
{
    const graph::Attribute* attribute = node.type().findAttribute(attributeName);
    if (!attribute)
        return MStatus::kInvalidParameter;
    return graph::Scene::instance().setValue(node, graph::PlugPath{attribute, {}}, value);
}

} // namespace

std::shared_ptr<View3d> View3d::create(int width, int height, MStatus* status)
{
    std::shared_ptr<View3d> view(new View3d);
    MStatus result = view->m_context.create(width, height);
    if (result)
        result = view->setUpCamera();
    if (status)
        *status = result;
    return result ? view : nullptr;
}

View3d::~View3d() = default;

MStatus View3d::setUpCamera()
{
    graph::Scene& scene = graph::Scene::instance();
    m_cameraTransform = scene.instantiate("transform", "persp");
    m_cameraShape = scene.instantiate("camera", "perspShape");
    if (!m_cameraTransform || !m_cameraShape)
        return MStatus::kFailure;
    scene.setDagParent(*m_cameraShape, m_cameraTransform.get());
    m_lens.setPerspective(kDefaultFovDegrees, double(width()) / double(height()), kDefaultNear, kDefaultFar);
    return MDagPath::getAPathTo(m_cameraShape->handle(), m_cameraPath);
}

MStatus View3d::setCamera(const Camera& camera)
{
    const MTransformationMatrix placement(camera.eyeToWorld());
    double rotation[3];
    MTransformationMatrix::RotationOrder order = MTransformationMatrix::kXYZ;
    placement.getRotation(rotation, order);
    const MVector translation = placement.getTranslation(MSpace::kTransform);

    const char* names[] = {"translateX", "translateY", "translateZ", "rotateX", "rotateY", "rotateZ"};
    const double values[] = {translation.x, translation.y, translation.z, rotation[0], rotation[1], rotation[2]};
    for (int k = 0; k < 6; ++k)
        if (MStatus status = setDouble(*m_cameraTransform, names[k], values[k]); !status)
            return status;
    m_lens = camera;
    return MStatus::kSuccess;
}

MStatus View3d::frame(const MBoundingBox& box, const MVector& direction, const MVector& up)
{
    return setCamera(Camera::framing(box, direction, up, m_lens.verticalFovDegrees(), m_lens.aspect()));
}

MStatus View3d::beginFrame()
{
    if (MStatus status = makeCurrent(); !status)
        return status;
    glViewport(0, 0, width(), height());
    glClearColor(m_background.r, m_background.g, m_background.b, m_background.a);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glEnable(GL_DEPTH_TEST);

    const MMatrix projection = m_lens.projection();
    const MMatrix worldToEye = m_cameraPath.inclusiveMatrixInverse();
    glMatrixMode(GL_PROJECTION);
    glLoadMatrixd(&projection.matrix[0][0]);
    glMatrixMode(GL_MODELVIEW);
    glLoadMatrixd(&worldToEye.matrix[0][0]);
    return MStatus::kSuccess;
}

} // namespace kavo::host::view
