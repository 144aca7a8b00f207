#pragma once

// How a view shows the scene's polygon meshes, so that what a deformer did
// can be seen: in the shaded display styles as flat-shaded faces lit by one
// light at the eye, otherwise as the outline of every face. Meshes are drawn
// in the dormant or, when selected, the active colour of the host's tables.

namespace kavo::host::view {

class View3d;

class GeometryPreview
{
public:
    // Draws every drawable mesh of the scene (see DrawableShapes) at its
    // world placement. The view's frame must have begun.
    static void drawMeshes(const View3d& view);
};

} // namespace kavo::host::view
