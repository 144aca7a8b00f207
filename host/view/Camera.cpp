#include "view/Camera.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

namespace kavo::host::view {

namespace {

constexpr double kPi = 3.14159265358979323846;
// Below this squared length a direction is taken as no direction at all.
constexpr double kTinyLengthSquared = 1e-20;
// The smallest radius framed, so a box of no size still gives a valid view.
constexpr double kMinFramedRadius = 1e-3;

double radians(double degrees)
{
    return degrees * kPi / 180.0;
}

bool isTiny(const MVector& v)
{
    return !(v * v > kTinyLengthSquared);
}

// The world axis that is least aligned with direction, as a stand-in up.
MVector leastAlignedAxis(const MVector& direction)
{
    double ax = std::fabs(direction.x);
    double ay = std::fabs(direction.y);
    double az = std::fabs(direction.z);
    if (ay <= ax && ay <= az)
        return MVector::yAxis;
    return az <= ax ? MVector::zAxis : MVector::xAxis;
}

// An empty box contains nothing, not even its own centre, while any other
// box, however flat, contains its centre.
bool isEmpty(const MBoundingBox& box)
{
    return !box.contains(box.center());
}

void setRow(MMatrix& m, int row, double x, double y, double z, double w)
{
    m[row][0] = x;
    m[row][1] = y;
    m[row][2] = z;
    m[row][3] = w;
}

} // namespace

Camera Camera::lookingAt(const MPoint& eye, const MPoint& target, const MVector& up)
{
    MVector back = eye - target;
    if (isTiny(back))
        back = MVector::zAxis;
    back.normalize();

    MVector right = up ^ back;
    if (isTiny(right))
        right = leastAlignedAxis(back) ^ back;
    right.normalize();
    MVector trueUp = back ^ right;

    Camera camera;
    setRow(camera.m_eyeToWorld, 0, right.x, right.y, right.z, 0.0);
    setRow(camera.m_eyeToWorld, 1, trueUp.x, trueUp.y, trueUp.z, 0.0);
    setRow(camera.m_eyeToWorld, 2, back.x, back.y, back.z, 0.0);
    setRow(camera.m_eyeToWorld, 3, eye.x, eye.y, eye.z, 1.0);
    return camera;
}

Camera Camera::framing(const MBoundingBox& box, const MVector& viewDirection, const MVector& up,
                       double verticalFovDegrees, double aspect)
{
    MBoundingBox framed = isEmpty(box) ? MBoundingBox(MPoint(-0.5, -0.5, -0.5), MPoint(0.5, 0.5, 0.5)) : box;
    MPoint centre = framed.center();
    double radius = 0.5 * (framed.max() - framed.min()).length();
    radius = std::max(radius, kMinFramedRadius);

    Camera camera;
    camera.setPerspective(verticalFovDegrees, aspect, camera.m_near, camera.m_far);
    double halfVertical = radians(camera.m_verticalFovDegrees) / 2.0;
    double halfHorizontal = std::atan(camera.m_aspect * std::tan(halfVertical));
    double distance = radius / std::sin(std::min(halfVertical, halfHorizontal));

    MVector direction = isTiny(viewDirection) ? -MVector::zAxis : viewDirection.normal();
    camera.m_eyeToWorld = lookingAt(centre - direction * distance, centre, up).m_eyeToWorld;
    // Halfway from the eye to the sphere, and well behind it, so nothing of
    // the box is clipped and depth precision is not wasted.
    camera.m_near = 0.5 * (distance - radius);
    camera.m_far = distance + 2.0 * radius;
    return camera;
}

void Camera::setPerspective(double verticalFovDegrees, double aspect, double nearClip, double farClip)
{
    if (verticalFovDegrees > 0.0 && verticalFovDegrees < 180.0)
        m_verticalFovDegrees = verticalFovDegrees;
    if (aspect > 0.0 && std::isfinite(aspect))
        m_aspect = aspect;
    if (nearClip > 0.0 && farClip > nearClip && std::isfinite(farClip)) {
        m_near = nearClip;
        m_far = farClip;
    }
}

MMatrix Camera::worldToEye() const
{
    // The inverse of a rotation and a translation: the transposed rotation,
    // then the eye moved to the origin.
    MMatrix inverse;
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column)
            inverse[row][column] = m_eyeToWorld[column][row];
    for (int column = 0; column < 3; ++column) {
        double sum = 0.0;
        for (int k = 0; k < 3; ++k)
            sum += m_eyeToWorld[3][k] * inverse[k][column];
        inverse[3][column] = -sum;
    }
    return inverse;
}

MMatrix Camera::projection() const
{
    double f = 1.0 / std::tan(radians(m_verticalFovDegrees) / 2.0);
    double depth = m_near - m_far;
    MMatrix p;
    setRow(p, 0, f / m_aspect, 0.0, 0.0, 0.0);
    setRow(p, 1, 0.0, f, 0.0, 0.0);
    setRow(p, 2, 0.0, 0.0, (m_far + m_near) / depth, -1.0);
    setRow(p, 3, 0.0, 0.0, 2.0 * m_far * m_near / depth, 0.0);
    return p;
}

void Camera::loadGLMatrices() const
{
    MMatrix p = projection();
    MMatrix modelview = worldToEye();
    glMatrixMode(GL_PROJECTION);
    glLoadMatrixd(&p.matrix[0][0]);
    glMatrixMode(GL_MODELVIEW);
    glLoadMatrixd(&modelview.matrix[0][0]);
}

} // namespace kavo::host::view
