// The views' perspective camera: placement, projection and framing.

#include "host/OffscreenRendering.h"
#include "view/Camera.h"
#include "view/OffscreenContext.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using kavo::host::view::Camera;
using kavo::host::view::OffscreenContext;

namespace {

// Normalised device coordinates of a world point: x and y in [-1, 1] across
// the image, z in [-1, 1] between the clipping planes.
MPoint toDevice(const Camera& camera, const MPoint& world)
{
    MPoint clip = world * camera.worldToEye() * camera.projection();
    return MPoint(clip.x / clip.w, clip.y / clip.w, clip.z / clip.w);
}

std::vector<MPoint> corners(const MBoundingBox& box)
{
    MPoint low = box.min();
    MPoint high = box.max();
    std::vector<MPoint> points;
    for (int i = 0; i < 8; ++i)
        points.emplace_back(i & 1 ? high.x : low.x, i & 2 ? high.y : low.y, i & 4 ? high.z : low.z);
    return points;
}

TEST(CameraTest, LooksDownItsOwnMinusZWithUpAndRightAsAsked)
{
    Camera camera = Camera::lookingAt(MPoint(0, 0, 10), MPoint(0, 0, 0), MVector(0, 1, 0));

    EXPECT_TRUE((camera.eyeToWorld() * camera.worldToEye()).isEquivalent(MMatrix::identity, 1e-12));
    EXPECT_TRUE((MPoint(0, 0, 0) * camera.worldToEye()).isEquivalent(MPoint(0, 0, -10), 1e-12));
    MPoint right = toDevice(camera, MPoint(1, 0, 0));
    MPoint above = toDevice(camera, MPoint(0, 1, 0));
    EXPECT_GT(right.x, 0.0);
    EXPECT_NEAR(right.y, 0.0, 1e-12);
    EXPECT_GT(above.y, 0.0);
    EXPECT_NEAR(above.x, 0.0, 1e-12);
}

TEST(CameraTest, DegenerateUpOrEyeStillGivesAnOrthonormalPlacement)
{
    for (Camera camera : {Camera::lookingAt(MPoint(0, 5, 0), MPoint(0, 0, 0), MVector(0, 1, 0)),
                          Camera::lookingAt(MPoint(1, 2, 3), MPoint(1, 2, 3), MVector(0, 1, 0)),
                          Camera::lookingAt(MPoint(1, 2, 3), MPoint(0, 0, 0), MVector::zero)}) {
        const MMatrix& m = camera.eyeToWorld();
        MMatrix rotation = m;
        rotation[3][0] = rotation[3][1] = rotation[3][2] = 0.0;
        EXPECT_TRUE((rotation * rotation.transpose()).isEquivalent(MMatrix::identity, 1e-12));
        EXPECT_NEAR(rotation.det3x3(), 1.0, 1e-12);
    }
}

TEST(CameraTest, ProjectionMapsTheClippingPlanesToTheDepthRangeAndTheFieldOfViewToTheEdges)
{
    Camera camera;
    camera.setPerspective(90.0, 2.0, 1.0, 100.0);

    EXPECT_NEAR(toDevice(camera, MPoint(0, 0, -1)).z, -1.0, 1e-12);
    EXPECT_NEAR(toDevice(camera, MPoint(0, 0, -100)).z, 1.0, 1e-12);
    // 45 degrees up at any depth is the top edge; twice as far across is
    // the right edge, the image being twice as wide as high.
    EXPECT_NEAR(toDevice(camera, MPoint(0, 3, -3)).y, 1.0, 1e-12);
    EXPECT_NEAR(toDevice(camera, MPoint(6, 0, -3)).x, 1.0, 1e-12);

    camera.setPerspective(180.0, -1.0, 5.0, 2.0);
    EXPECT_EQ(camera.verticalFovDegrees(), 90.0);
    EXPECT_EQ(camera.aspect(), 2.0);
    EXPECT_EQ(camera.nearClip(), 1.0);
    EXPECT_EQ(camera.farClip(), 100.0);
}

TEST(CameraTest, FramingKeepsTheWholeBoxInViewAndCentred)
{
    MBoundingBox box(MPoint(-2, 1, 3), MPoint(4, 2, 5));
    for (double aspect : {0.5, 1.0, 3.0}) {
        Camera camera = Camera::framing(box, MVector(-1, -0.75, -1), MVector(0, 1, 0), 40.0, aspect);

        MPoint centre = toDevice(camera, box.center());
        EXPECT_NEAR(centre.x, 0.0, 1e-9);
        EXPECT_NEAR(centre.y, 0.0, 1e-9);
        double widest = 0.0;
        for (const MPoint& corner : corners(box)) {
            MPoint device = toDevice(camera, corner);
            EXPECT_LT(std::fabs(device.x), 1.0) << aspect;
            EXPECT_LT(std::fabs(device.y), 1.0) << aspect;
            EXPECT_GT(device.z, -1.0);
            EXPECT_LT(device.z, 1.0);
            widest = std::max({widest, std::fabs(device.x), std::fabs(device.y)});
        }
        EXPECT_GT(widest, 0.5) << "the box should fill much of the view";
    }
}

TEST(CameraTest, EmptyAndFlatBoxesAreFramedToo)
{
    // An empty box: the unit cube at the origin.
    Camera empty = Camera::framing(MBoundingBox(), MVector(0, 0, -1), MVector(0, 1, 0), 45.0, 1.0);
    MPoint corner = toDevice(empty, MPoint(0.5, 0.5, 0.5));
    EXPECT_NEAR(corner.x, corner.y, 1e-12);
    EXPECT_LT(corner.x, 1.0);
    EXPECT_GT(corner.x, 0.2);

    MBoundingBox point(MPoint(7, 7, 7), MPoint(7, 7, 7));
    Camera tiny = Camera::framing(point, MVector(0, 0, -1), MVector(0, 1, 0), 45.0, 1.0);
    EXPECT_GT(tiny.nearClip(), 0.0);
    EXPECT_GT(tiny.farClip(), tiny.nearClip());
    EXPECT_NEAR(toDevice(tiny, MPoint(7, 7, 7)).x, 0.0, 1e-9);
}

TEST(CameraTest, LoadedIntoOpenGLItDrawsWhereItProjects)
{
    OffscreenContext context;
    ASSERT_TRUE(context.create(64, 48));
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    MBoundingBox box(MPoint(-1, -1, -1), MPoint(1, 1, 1));
    Camera camera = Camera::framing(box, MVector(0, 0, -1), MVector(0, 1, 0), 45.0, 64.0 / 48.0);
    camera.loadGLMatrices();

    // A point up and to the right of the centre, in the world.
    MPoint world(0.5, 0.5, 0.0);
    glPointSize(1.0f);
    glColor3f(1, 1, 1);
    glBegin(GL_POINTS);
    glVertex3d(world.x, world.y, world.z);
    glEnd();

    MPoint device = toDevice(camera, world);
    int column = int((device.x + 1.0) / 2.0 * 64);
    int rowFromTop = int((1.0 - device.y) / 2.0 * 48);
    kavo::test::PixelGrid grid{64, 48, context.readPixels()};
    EXPECT_GT(column, 32);
    EXPECT_LT(rowFromTop, 24);
    EXPECT_EQ(grid.at(column, rowFromTop).r, 255) << column << ", " << rowFromTop;
}

} // namespace
