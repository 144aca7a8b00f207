// The views' perspective camera: placement, projection and framing.

#include "view/Camera.h"
#include "host/OffscreenRendering.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using kavo::host::view::Camera;

namespace {

// Normalised device coordinates: x and y in [-1, 1] across the image, z in
// [-1, 1] between the clipping planes.
MPoint toDevice(const Camera& camera, const MPoint& world)
{
    MPoint clip = world * camera.worldToEye() * camera.projection();
    return MPoint(clip.x / clip.w, clip.y / clip.w, clip.z / clip.w);
}

TEST(Camera, LooksDownMinusZAndProjectsTheFieldOfViewToTheEdges)
{
    Camera camera = Camera::lookingAt(MPoint(0, 0, 10), MPoint(0, 0, 0), MVector(0, 1, 0));
    camera.setPerspective(90.0, 2.0, 1.0, 100.0);

    EXPECT_TRUE((camera.eyeToWorld() * camera.worldToEye()).isEquivalent(MMatrix::identity, 1e-12));
    EXPECT_NEAR(toDevice(camera, MPoint(0, 0, 9)).z, -1.0, 1e-12);
    EXPECT_NEAR(toDevice(camera, MPoint(0, 0, -90)).z, 1.0, 1e-12);
    // 45 degrees up is the top edge; the image is twice as wide as high.
    EXPECT_TRUE(toDevice(camera, MPoint(0, 3, 7)).isEquivalent(MPoint(0, 1, toDevice(camera, MPoint(0, 0, 7)).z)));
    EXPECT_TRUE(toDevice(camera, MPoint(6, 0, 7)).isEquivalent(MPoint(1, 0, toDevice(camera, MPoint(0, 0, 7)).z)));

    // An up along the view still gives an orthonormal, right-handed frame.
    MMatrix overhead = Camera::lookingAt(MPoint(0, 0, 0), MPoint(0, -5, 0), MVector(0, 1, 0)).eyeToWorld();
    EXPECT_TRUE((overhead * overhead.transpose()).isEquivalent(MMatrix::identity, 1e-12));
    EXPECT_NEAR(overhead.det3x3(), 1.0, 1e-12);
}

TEST(Camera, FramingKeepsTheWholeBoxInViewCentredAndLarge)
{
    MBoundingBox box(MPoint(-2, 1, 3), MPoint(4, 2, 5));
    for (double aspect : {0.5, 3.0}) {
        Camera camera = Camera::framing(box, MVector(-1, -0.75, -1), MVector(0, 1, 0), 40.0, aspect);

        EXPECT_TRUE(toDevice(camera, box.center()).isEquivalent(MPoint(0, 0, toDevice(camera, box.center()).z), 1e-9));
        double widest = 0.0;
        for (int i = 0; i < 8; ++i) {
            MPoint device = toDevice(camera, MPoint(i & 1 ? 4 : -2, i & 2 ? 2 : 1, i & 4 ? 5 : 3));
            EXPECT_LT(std::max({std::fabs(device.x), std::fabs(device.y), std::fabs(device.z)}), 1.0) << aspect;
            widest = std::max({widest, std::fabs(device.x), std::fabs(device.y)});
        }
        EXPECT_GT(widest, 0.5) << aspect;
    }
    // An empty box frames the unit cube at the origin.
    Camera empty = Camera::framing(MBoundingBox(), MVector(0, 0, -1), MVector(0, 1, 0), 45.0, 1.0);
    EXPECT_GT(toDevice(empty, MPoint(0.5, 0.5, 0.5)).x, 0.2);
}

TEST(Camera, LoadedIntoOpenGLItDrawsWhereItProjects)
{
    kavo::host::view::OffscreenContext context;
    ASSERT_TRUE(context.create(64, 48));
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    Camera camera = Camera::framing(MBoundingBox(MPoint(-1, -1, -1), MPoint(1, 1, 1)), MVector(0, 0, -1),
                                    MVector(0, 1, 0), 45.0, 64.0 / 48.0);
    camera.loadGLMatrices();

    MPoint world(0.5, 0.5, 0.0); // up and to the right of the centre
    glColor3f(1, 1, 1);
    glBegin(GL_POINTS);
    glVertex3d(world.x, world.y, world.z);
    glEnd();

    MPoint device = toDevice(camera, world);
    int column = int((device.x + 1.0) / 2.0 * 64);
    int rowFromTop = int((1.0 - device.y) / 2.0 * 48);
    EXPECT_GT(column, 32);
    EXPECT_LT(rowFromTop, 24);
    EXPECT_TRUE(kavo::test::PixelGrid(context).isColor(column, rowFromTop, 1, 1, 1)) << column << ", " << rowFromTop;
}

} // namespace
