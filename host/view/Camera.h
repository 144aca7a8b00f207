#pragma once

// A perspective camera for the host's 3-D views: where it stands, where it
// looks, and how it projects, in the host's conventions (row vectors, point x
// matrix, translation in the last row) and in the form OpenGL loads.
//
// As in OpenGL, the eye looks down its own -Z axis with +Y up and +X to the
// right. Because the host's matrices are the transposes of OpenGL's column
// vector matrices, a host matrix's rows laid out one after another are
// exactly the column-major array glLoadMatrixd expects.

#include <maya/MBoundingBox.h>
#include <maya/MMatrix.h>
#include <maya/MPoint.h>
#include <maya/MVector.h>

namespace kavo::host::view {

class Camera
{
public:
    // At the origin looking down -Z, 45 degrees of vertical field of view,
    // square aspect, clipping from 0.1 to 1000.
    Camera() = default;

    // A camera at eye looking at target. up only chooses the roll and need
    // not be perpendicular to the view; when it is parallel to the view (or
    // zero) the world axis least aligned with the view is used instead. An
    // eye on the target looks down -Z.
    static Camera lookingAt(const MPoint& eye, const MPoint& target, const MVector& up);

    // A camera looking along viewDirection at the centre of box from just far
    // enough that the sphere around the box fits the narrower field of view,
    // with clipping planes around it. An empty box is framed as the unit cube
    // at the origin; a box of no size as a tiny one.
    static Camera framing(const MBoundingBox& box, const MVector& viewDirection, const MVector& up,
                          double verticalFovDegrees, double aspect);

    // Vertical field of view in degrees (0 to 180 exclusive), width / height,
    // and the clipping distances (0 < nearClip < farClip). Values outside
    // those ranges keep the previous setting.
    void setPerspective(double verticalFovDegrees, double aspect, double nearClip, double farClip);

    MPoint eye() const { return MPoint(m_eyeToWorld[3][0], m_eyeToWorld[3][1], m_eyeToWorld[3][2]); }
    double verticalFovDegrees() const { return m_verticalFovDegrees; }
    double aspect() const { return m_aspect; }
    double nearClip() const { return m_near; }
    double farClip() const { return m_far; }

    // The camera's placement: eye-space points times this are world points.
    const MMatrix& eyeToWorld() const { return m_eyeToWorld; }

    // World points times this are eye-space points: OpenGL's modelview.
    MMatrix worldToEye() const;

    // Eye-space points times this are clip-space points: OpenGL's projection.
    MMatrix projection() const;

    // Loads projection() and worldToEye() into the current OpenGL context and
    // leaves the modelview matrix mode selected.
    void loadGLMatrices() const;

private:
    MMatrix m_eyeToWorld;
    double m_verticalFovDegrees = 45.0;
    double m_aspect = 1.0;
    double m_near = 0.1;
    double m_far = 1000.0;
};

} // namespace kavo::host::view
