#pragma once

// Draws the scene into a 3-D view the way the host refreshes a viewport:
// clear to the background, load the camera, draw the meshes (see
// GeometryPreview), then every visible locator through its own draw() with
// OpenGL's modelview set to the locator's world placement. Locators that are transparent are drawn
// after the opaque ones, and those that ask to be drawn last after all others.
// A locator is drawn M3dView::kActive when it is selected (see Selection) and
// M3dView::kDormant otherwise.

#include <maya/MStatus.h>

#include <memory>

namespace kavo::host::view {

class View3d;

class SceneRenderer
{
public:
    static MStatus render(const std::shared_ptr<View3d>& view);
};

} // namespace kavo::host::view
