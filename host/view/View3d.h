#pragma once

// One of the host's 3-D views: an offscreen OpenGL buffer, the camera it
// looks through and how it shows objects. Plug-ins reach it through
// M3dView; the host and the tests use it directly to make views, place
// their cameras and read back what was drawn.
//
// The camera is a transform with a "camera" shape under it, like any other
// DAG node, so plug-ins get its path and matrices the host's way. Those two
// nodes belong to the view and are kept out of the scene's node list:
// clearing a scene does not take the camera away from an open view.

#include "graph/GraphFwd.h"
#include "view/Camera.h"
#include "view/OffscreenContext.h"

#include <maya/M3dView.h>
#include <maya/MBoundingBox.h>
#include <maya/MColor.h>
#include <maya/MDagPath.h>
#include <maya/MStatus.h>
#include <maya/MVector.h>

#include <cstdint>
#include <memory>
#include <vector>

namespace kavo::host::view {

class View3d
{
public:
    // A view of width x height pixels whose camera stands at the origin
    // looking down -Z. Null, with a failed status, when the renderer cannot
    // make a buffer of that size.
    static std::shared_ptr<View3d> create(int width, int height, MStatus* status = nullptr);

    ~View3d();
    View3d(const View3d&) = delete;
    View3d& operator=(const View3d&) = delete;

    int width() const { return m_context.width(); }
    int height() const { return m_context.height(); }

    // The camera shape's path: its inclusive matrix is the eye-to-world matrix.
    const MDagPath& cameraPath() const { return m_cameraPath; }

    // Places the camera's transform at the camera's eye and orientation and
    // takes its field of view and clipping planes as the view's lens.
    MStatus setCamera(const Camera& camera);
    // Points the camera along direction at the box, from just far enough to
    // see all of it (see Camera::framing).
    MStatus frame(const MBoundingBox& box, const MVector& direction, const MVector& up);

    M3dView::DisplayStyle displayStyle() const { return m_displayStyle; }
    void setDisplayStyle(M3dView::DisplayStyle style) { m_displayStyle = style; }
    const MColor& background() const { return m_background; }
    void setBackground(const MColor& color) { m_background = color; }

    // Makes the view's context current for the calling thread.
    MStatus makeCurrent() { return m_context.makeCurrent(); }
    // Makes the context current, clears it to the background and loads the
    // camera's projection and world-to-eye matrices, modelview mode selected.
    MStatus beginFrame();
    // What the view shows, RGBA bytes, top row first.
    std::vector<std::uint8_t> readPixels() { return m_context.readPixels(); }

private:
    View3d() = default;
    MStatus setUpCamera();

    OffscreenContext m_context;
    Camera m_lens;
    std::shared_ptr<graph::Node> m_cameraTransform;
    std::shared_ptr<graph::Node> m_cameraShape;
    MDagPath m_cameraPath;
    M3dView::DisplayStyle m_displayStyle = M3dView::kWireFrame;
    MColor m_background = MColor(0.0f, 0.0f, 0.0f, 1.0f);
};

} // namespace kavo::host::view
