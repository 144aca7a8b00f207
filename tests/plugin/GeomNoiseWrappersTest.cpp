// The five geometry adapters on real host geometry.
#include "MeshGeomNoiseWrapper.h"
#include "NcurveGeomNoiseWrapper.h"
#include "NsurfGeomNoiseWrapper.h"
#include "ParticleGeomNoiseWrapper.h"
#include "SubdGeomNoiseWrapper.h"

#include <maya/MDataHandle.h>
#include <maya/MDoubleArray.h>
#include <maya/MFloatArray.h>
#include <maya/MFloatPointArray.h>
#include <maya/MFnDagNode.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MFnMesh.h>
#include <maya/MFnMeshData.h>
#include <maya/MFnNurbsCurve.h>
#include <maya/MFnNurbsCurveData.h>
#include <maya/MFnNurbsSurface.h>
#include <maya/MFnNurbsSurfaceData.h>
#include <maya/MFnSubd.h>
#include <maya/MFnSubdData.h>
#include <maya/MFnVectorArrayData.h>
#include <maya/MIntArray.h>
#include <maya/MMatrix.h>
#include <maya/MPlug.h>
#include <maya/MPointArray.h>
#include <maya/MVector.h>
#include <maya/MVectorArray.h>

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

template <class Array, class Value>
Array arrayOf(const std::vector<Value>& values)
{
    Array array;
    for (const Value& value : values)
        array.append(value);
    return array;
}

template <class Adapter>
struct Bound
{
    Adapter adapter;
    MDataHandle output;

    explicit Bound(MObject& geometry, MSpace::Space space = MSpace::kObject)
    {
        EXPECT_EQ(adapter.setGeometry(geometry, output, space), MStatus::kSuccess);
    }

    int count()
    {
        MStatus status;
        return adapter.numPoints(status);
    }

    MVector normal(int index, MSpace::Space space = MSpace::kObject)
    {
        MVector result(7, 7, 7);
        EXPECT_EQ(adapter.getNormal(index, result, space), MStatus::kSuccess);
        return result;
    }

    MPointArray points(MSpace::Space space)
    {
        MPointArray result(2, MPoint(7, 7, 7));
        EXPECT_EQ(adapter.getPoints(result, space), MStatus::kSuccess);
        return result;
    }

    void uvs(MFloatArray& u, MFloatArray& v) { EXPECT_EQ(adapter.getUVs(u, v), MStatus::kSuccess); }
};

// Point `index` comes out of the object and world caches as expected (every
// space but kObject is world), and changing a returned array leaves the
// cache as it was.
template <class Adapter>
void expectPointCaches(Bound<Adapter>& bound, unsigned int index, const MPoint& object, const MPoint& world)
{
    MPointArray points = bound.points(MSpace::kObject);
    ASSERT_GT(points.length(), index);
    EXPECT_TRUE(points[index].isEquivalent(object, 1e-12));
    ASSERT_FALSE(object.isEquivalent(world, 1e-3));
    points[index] = MPoint(99, 99, 99);
    EXPECT_TRUE(bound.points(MSpace::kObject)[index].isEquivalent(object, 1e-12));
    for (MSpace::Space space : {MSpace::kWorld, MSpace::kTransform})
        EXPECT_TRUE(bound.points(space)[index].isEquivalent(world, 1e-12)) << space;
}

std::string boundWithErrorsCaptured(IGeomNoiseWrapper& adapter, MObject& geometry)
{
    MDataHandle output;
    testing::internal::CaptureStderr();
    EXPECT_EQ(adapter.setGeometry(geometry, output, MSpace::kObject), MStatus::kSuccess);
    return testing::internal::GetCapturedStderr();
}

MObject vectorArrayData(const std::vector<MVector>& vectors)
{
    return MFnVectorArrayData().create(arrayOf<MVectorArray>(vectors));
}

// A quarter turn about Z, then a move along X.
MMatrix turnedAndMoved()
{
    MMatrix matrix;
    matrix(0, 0) = 0.0;
    matrix(0, 1) = 1.0;
    matrix(1, 0) = -1.0;
    matrix(1, 1) = 0.0;
    matrix(3, 0) = 3.0;
    return matrix;
}

// The same placement on a DAG transform, whose shape's geometry then answers
// in world space.
void turnAndMove(MObject& transform)
{
    MFnDependencyNode node(transform);
    ASSERT_EQ(node.findPlug("rotateZ", true).setValue(M_PI / 2.0), MStatus::kSuccess);
    ASSERT_EQ(node.findPlug("translateX", true).setValue(3.0), MStatus::kSuccess);
}

// ---------------------------------------------------------------------------
// Polygon meshes

const std::vector<int> kCubeCounts = {4, 4, 4, 4, 4, 4};
// Every face counter-clockwise seen from outside. Corner 6 = (1, 1, 1) is
// used by faces 1 (+Z), 3 (+Y) and 5 (+X), in that order.
const std::vector<int> kCubeConnects = {0, 3, 2, 1, 4, 5, 6, 7, 0, 1, 5, 4, 2, 3, 7, 6, 0, 4, 7, 3, 1, 2, 6, 5};
const std::vector<MPoint> kCubeCorners = {{-1, -1, -1}, {1, -1, -1}, {1, 1, -1}, {-1, 1, -1},
                                          {-1, -1, 1},  {1, -1, 1},  {1, 1, 1},  {-1, 1, 1}};

MObject meshData(const std::vector<MPoint>& points, const std::vector<int>& counts, const std::vector<int>& connects)
{
    MFloatPointArray vertices;
    for (const MPoint& point : points)
        vertices.append(MFloatPoint(point));
    MObject data = MFnMeshData().create();
    MStatus status;
    MFnMesh().create(static_cast<int>(points.size()), static_cast<int>(counts.size()), vertices,
                     arrayOf<MIntArray>(counts), arrayOf<MIntArray>(connects), data, &status);
    EXPECT_EQ(status, MStatus::kSuccess);
    return data;
}

// Four unit quads in the XY plane facing +Z; vertex (i, j) has id 3j + i, so
// the centre vertex 4 is shared by all four and corner 0 by one.
const std::vector<int> kPlaneConnects = {0, 1, 4, 3, 1, 2, 5, 4, 3, 4, 7, 6, 4, 5, 8, 7};

MObject planeOfFourQuads()
{
    std::vector<MPoint> points;
    for (int j = 0; j < 3; ++j)
        for (int i = 0; i < 3; ++i)
            points.emplace_back(i, j, 0);
    return meshData(points, {4, 4, 4, 4}, kPlaneConnects);
}

void setFaceVertexNormal(MObject& mesh, int face, int vertex, MVector normal)
{
    ASSERT_EQ(MFnMesh(mesh).setFaceVertexNormal(normal, face, vertex), MStatus::kSuccess);
}

TEST(MeshGeomNoiseWrapper, SmoothVertexKeepsItsSharedNormalAndEachVertexItsUV)
{
    MObject plane = planeOfFourQuads();
    setFaceVertexNormal(plane, 0, 0, MVector(0, 0.6, 0.8));
    // UV id k, at (x / 2, y / 4), for vertex k.
    MFloatArray us, vs;
    for (int k = 0; k < 9; ++k) {
        us.append(static_cast<float>(k % 3) / 2.0f);
        vs.append(static_cast<float>(k / 3) / 4.0f);
    }
    MFnMesh fn(plane);
    ASSERT_EQ(fn.setUVs(us, vs), MStatus::kSuccess);
    ASSERT_EQ(fn.assignUVs(arrayOf<MIntArray>(std::vector<int>{4, 4, 4, 4}), arrayOf<MIntArray>(kPlaneConnects)),
              MStatus::kSuccess);
    Bound<MeshGeomNoiseWrapper> bound(plane);

    EXPECT_EQ(bound.count(), 9);
    EXPECT_EQ(bound.normal(4, MSpace::kObject), MVector(0, 0, 1));
    EXPECT_EQ(bound.normal(4, MSpace::kWorld), MVector(0, 0, 1));
    EXPECT_TRUE(bound.normal(0).isEquivalent(MVector(0, 0.6, 0.8), 1e-7));

    MFloatArray u(2, 5.0f), v;
    bound.uvs(u, v);
    ASSERT_EQ(u.length(), 9u);
    ASSERT_EQ(v.length(), 9u);
    for (unsigned int k = 0; k < 9; ++k) {
        EXPECT_EQ(u[k], us[k]) << k;
        EXPECT_EQ(v[k], vs[k]) << k;
    }
}

TEST(MeshGeomNoiseWrapper, VertexWithDifferingNormalsGetsTheirUnnormalisedSum)
{
    // Hard edges all round: every corner carries its face's normal.
    MObject hard = meshData(kCubeCorners, kCubeCounts, kCubeConnects);
    const MVector faceNormals[6] = {{0, 0, -1}, {0, 0, 1}, {0, -1, 0}, {0, 1, 0}, {-1, 0, 0}, {1, 0, 0}};
    for (int face = 0; face < 6; ++face)
        for (int corner = 0; corner < 4; ++corner)
            setFaceVertexNormal(hard, face, kCubeConnects[4 * face + corner], faceNormals[face]);
    Bound<MeshGeomNoiseWrapper> hardBound(hard);
    EXPECT_EQ(hardBound.normal(6), MVector(1, 1, 1));
    EXPECT_EQ(hardBound.normal(0), MVector(-1, -1, -1));

    // Two equal normals and a third: all three are summed.
    MObject mixed = meshData(kCubeCorners, kCubeCounts, kCubeConnects);
    setFaceVertexNormal(mixed, 1, 6, MVector(0, 0, 1));
    setFaceVertexNormal(mixed, 3, 6, MVector(0, 0, 1));
    setFaceVertexNormal(mixed, 5, 6, MVector(0, 1, 0));
    Bound<MeshGeomNoiseWrapper> mixedBound(mixed);
    EXPECT_EQ(mixedBound.normal(6), MVector(0, 1, 2));
}

TEST(MeshGeomNoiseWrapper, LooseVertexHasTheZeroNormalAndBorrowsAUV)
{
    // Vertices 0 and 5 belong to no polygon, so they have no UV either.
    MObject mesh = meshData({{9, 9, 9}, {0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}, {5, 5, 5}}, {4}, {1, 2, 3, 4});
    MFnMesh fn(mesh);
    ASSERT_EQ(fn.setUVs(MFloatArray(4, 0.25f), MFloatArray(4, 0.75f)), MStatus::kSuccess);
    ASSERT_EQ(fn.assignUVs(arrayOf<MIntArray>(std::vector<int>{4}), arrayOf<MIntArray>(std::vector<int>{0, 1, 2, 3})),
              MStatus::kSuccess);
    Bound<MeshGeomNoiseWrapper> bound(mesh);

    EXPECT_EQ(bound.normal(1), MVector(0, 0, 1));
    for (int index : {0, 5, 6, 1000, -1})
        EXPECT_EQ(bound.normal(index), MVector::zero) << index;

    MFloatArray u, v;
    bound.uvs(u, v);
    ASSERT_EQ(u.length(), 6u);
    EXPECT_EQ(u[0], 0.0f);
    EXPECT_EQ(v[0], 0.0f);
    EXPECT_EQ(u[5], 0.25f);
    EXPECT_EQ(v[5], 0.75f);
}

TEST(MeshGeomNoiseWrapper, KeepsObjectAndWorldPoints)
{
    MObject plane = planeOfFourQuads();
    ASSERT_EQ(MFnMeshData(plane).setMatrix(turnedAndMoved()), MStatus::kSuccess);
    Bound<MeshGeomNoiseWrapper> bound(plane);
    expectPointCaches(bound, 5, MPoint(2, 1, 0), MPoint(2, 2, 0));
}

TEST(MeshGeomNoiseWrapper, BindingOtherDataReportsWhereAndDescribesNoNormals)
{
    MObject particles = vectorArrayData({{1, 2, 3}});
    MeshGeomNoiseWrapper adapter;
    const std::string errors = boundWithErrorsCaptured(adapter, particles);
    EXPECT_NE(errors.find("API error detected in src/MeshGeomNoiseWrapper.cpp at line "), std::string::npos) << errors;
    MStatus status;
    EXPECT_EQ(adapter.numPoints(status), 0);
    MVector normal(1, 1, 1);
    EXPECT_EQ(adapter.getNormal(0, normal, MSpace::kObject), MStatus::kSuccess);
    EXPECT_EQ(normal, MVector::zero);
}

// ---------------------------------------------------------------------------
// NURBS surfaces

const std::vector<double> kCubicSpan = {0, 0, 0, 1, 1, 1};

struct SurfaceDescription
{
    MPointArray cvs; // U-major, V fastest
    std::vector<double> knotsU = kCubicSpan;
    std::vector<double> knotsV = kCubicSpan;
    MFnNurbsSurface::Form formU = MFnNurbsSurface::kOpen;
};

// `owner` is a surface data object, or null for a new shape under a new
// transform (which is returned).
MObject buildSurface(const SurfaceDescription& d, MObject& owner)
{
    MStatus status;
    MObject result = MFnNurbsSurface().create(d.cvs, arrayOf<MDoubleArray>(d.knotsU), arrayOf<MDoubleArray>(d.knotsV),
                                              3, 3, d.formU, MFnNurbsSurface::kOpen, false, owner, &status);
    EXPECT_EQ(status, MStatus::kSuccess);
    return result;
}

MObject surfaceData(const SurfaceDescription& d)
{
    MObject data = MFnNurbsSurfaceData().create();
    return buildSurface(d, data);
}

// A curved open 4 x 4 patch over the XY square [0, 3]^2.
SurfaceDescription bentPatch()
{
    SurfaceDescription d;
    for (int u = 0; u < 4; ++u)
        for (int v = 0; v < 4; ++v)
            d.cvs.append(u, v, 0.3 * (u - 1.5) * (u - 1.5) - 0.2 * u * v);
    return d;
}

TEST(NsurfGeomNoiseWrapper, OpenDirectionsSpreadTheCVsFromZeroOverTheDomainLength)
{
    MObject unitDomain = surfaceData(bentPatch());
    Bound<NsurfGeomNoiseWrapper> bound(unitDomain);
    EXPECT_EQ(bound.count(), 16);
    MFloatArray u, v;
    bound.uvs(u, v);
    ASSERT_EQ(u.length(), 16u);
    ASSERT_EQ(v.length(), 16u);
    EXPECT_EQ(u[0], 0.0f);
    EXPECT_EQ(v[0], 0.0f);
    EXPECT_FLOAT_EQ(u[5], 1.0f / 3.0f);
    EXPECT_FLOAT_EQ(v[5], 1.0f / 3.0f);
    EXPECT_EQ(u[15], 1.0f);
    EXPECT_EQ(v[15], 1.0f);

    SurfaceDescription shifted = bentPatch();
    shifted.knotsU = {2, 2, 2, 4, 4, 4};
    MObject shiftedDomain = surfaceData(shifted);
    Bound<NsurfGeomNoiseWrapper> shiftedBound(shiftedDomain);
    const double expected[4] = {0.0, 2.0 / 3.0, 4.0 / 3.0, 2.0};
    for (int row = 0; row < 4; ++row)
        EXPECT_DOUBLE_EQ(shiftedBound.adapter.getParamInU(4 * row + 1), expected[row]) << row;
}

TEST(NsurfGeomNoiseWrapper, PeriodicDirectionPutsEachCVAtItsIndexPlusDegree)
{
    // A tube: 8 distinct rows around Z, then the first 3 repeated.
    SurfaceDescription d;
    for (int u = 0; u < 11; ++u)
        for (int v = 0; v < 4; ++v)
            d.cvs.append(std::cos(u * M_PI / 4.0), std::sin(u * M_PI / 4.0), v);
    d.formU = MFnNurbsSurface::kPeriodic;
    d.knotsU = {-2, -1, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    MObject surface = surfaceData(d);
    Bound<NsurfGeomNoiseWrapper> bound(surface);

    EXPECT_EQ(bound.count(), 44);
    EXPECT_EQ(bound.adapter.getParamInU(0), 3.0);
    EXPECT_EQ(bound.adapter.getParamInU(40), 13.0);
    EXPECT_DOUBLE_EQ(bound.adapter.getParamInV(41), 1.0 / 3.0);
}

TEST(NsurfGeomNoiseWrapper, NormalsAreTheSurfaceNormalsAtTheCVsAndZeroAtAPole)
{
    MObject surface = surfaceData(bentPatch());
    Bound<NsurfGeomNoiseWrapper> bound(surface);
    MFnNurbsSurface fn(surface);
    for (int i = 0; i < 16; ++i) {
        const MVector expected = fn.normal(bound.adapter.getParamInU(i), bound.adapter.getParamInV(i));
        EXPECT_TRUE(bound.normal(i).isEquivalent(expected, 1e-6)) << i;
    }
    EXPECT_EQ(bound.normal(16), MVector::zero);
    EXPECT_EQ(bound.normal(-1), MVector::zero);

    // Row 0 collapsed into the origin, a cone's apex: no normal, no report.
    SurfaceDescription cone = bentPatch();
    for (unsigned int v = 0; v < 4; ++v)
        cone.cvs[v] = MPoint(0, 0, 0);
    MObject coneData = surfaceData(cone);
    testing::internal::CaptureStderr();
    Bound<NsurfGeomNoiseWrapper> coneBound(coneData);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(coneBound.normal(i), MVector::zero) << i;
    EXPECT_NE(coneBound.normal(4), MVector::zero);
}

TEST(NsurfGeomNoiseWrapper, WorldBindingKeepsBothPointCachesAndEvaluatesWorldNormals)
{
    MObject transform = buildSurface(bentPatch(), MObject::kNullObj);
    turnAndMove(transform);
    MObject shape = MFnDagNode(transform).child(0);
    Bound<NsurfGeomNoiseWrapper> bound(shape, MSpace::kWorld);

    const MPoint cv = bentPatch().cvs[6];
    expectPointCaches(bound, 6, cv, MPoint(3.0 - cv.y, cv.x, cv.z));
    MFnNurbsSurface fn(shape);
    const MVector worldNormal = fn.normal(bound.adapter.getParamInU(6), bound.adapter.getParamInV(6), MSpace::kWorld);
    EXPECT_TRUE(bound.normal(6).isEquivalent(worldNormal, 1e-6));
}

TEST(NsurfGeomNoiseWrapper, BindingOtherDataReportsWhereAndLeavesNoCVsToPlace)
{
    MObject particles = vectorArrayData({{1, 2, 3}});
    NsurfGeomNoiseWrapper adapter;
    const std::string errors = boundWithErrorsCaptured(adapter, particles);
    EXPECT_NE(errors.find("API error detected in src/NsurfGeomNoiseWrapper.cpp at line "), std::string::npos) << errors;
    MStatus status;
    EXPECT_EQ(adapter.numPoints(status), 0);
    EXPECT_EQ(adapter.getParamInU(3), 0.0);
    EXPECT_EQ(adapter.getParamInV(3), 0.0);
}

// ---------------------------------------------------------------------------
// NURBS curves

MObject buildCurve(const MPointArray& cvs, const std::vector<double>& knots, MFnNurbsCurve::Form form, MObject& owner)
{
    MStatus status;
    MObject result = MFnNurbsCurve().create(cvs, arrayOf<MDoubleArray>(knots), 3, form, false, false, owner, &status);
    EXPECT_EQ(status, MStatus::kSuccess);
    return result;
}

MObject curveData(const MPointArray& cvs, const std::vector<double>& knots = kCubicSpan,
                  MFnNurbsCurve::Form form = MFnNurbsCurve::kOpen)
{
    MObject data = MFnNurbsCurveData().create();
    return buildCurve(cvs, knots, form, data);
}

// An open cubic with one span over [0, 1], bending out of every plane.
const std::vector<MPoint> kBentCubic = {{0, 0, 0}, {1, 2, 0.5}, {2, -1, 1.5}, {3, 1, -1}};

TEST(NcurveGeomNoiseWrapper, OpenCurveNormalsAreTakenAtEvenlySpreadParameters)
{
    MObject curve = curveData(arrayOf<MPointArray>(kBentCubic));
    Bound<NcurveGeomNoiseWrapper> bound(curve);
    EXPECT_EQ(bound.count(), 4);
    MFnNurbsCurve fn(curve);
    const double parameters[4] = {0.0, 1.0 / 3.0, 2.0 / 3.0, 1.0};
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(bound.normal(i).isEquivalent(fn.normal(parameters[i]), 1e-6)) << i;
    EXPECT_EQ(bound.normal(4), MVector::zero);
}

TEST(NcurveGeomNoiseWrapper, PeriodicCurveNormalsAreTakenAtIndexPlusDegree)
{
    // Eight distinct CVs on a lopsided loop, then the first three repeated.
    const double radii[8] = {1.0, 1.5, 0.8, 2.0, 1.2, 0.7, 1.8, 1.1};
    MPointArray cvs;
    for (int i = 0; i < 11; ++i)
        cvs.append(radii[i % 8] * std::cos(i * M_PI / 4.0), radii[i % 8] * std::sin(i * M_PI / 4.0), 0.0);
    MObject curve = curveData(cvs, {-2, -1, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, MFnNurbsCurve::kPeriodic);
    Bound<NcurveGeomNoiseWrapper> bound(curve);
    MFnNurbsCurve fn(curve);
    for (int i = 0; i < 11; ++i)
        EXPECT_TRUE(bound.normal(i).isEquivalent(fn.normal(3.0 + i), 1e-6)) << i;
}

TEST(NcurveGeomNoiseWrapper, UVsAreTheObjectSpaceXAndZ)
{
    std::vector<MPoint> flat = kBentCubic;
    for (MPoint& cv : flat)
        cv.z = 0.0;
    MObject flatCurve = curveData(arrayOf<MPointArray>(flat));
    MObject bentCurve = curveData(arrayOf<MPointArray>(kBentCubic));
    Bound<NcurveGeomNoiseWrapper> flatBound(flatCurve);
    Bound<NcurveGeomNoiseWrapper> bentBound(bentCurve);
    MFloatArray flatU, flatV, u, v;
    flatBound.uvs(flatU, flatV);
    bentBound.uvs(u, v);
    ASSERT_EQ(flatU.length(), 4u);
    ASSERT_EQ(flatV.length(), 4u);
    ASSERT_EQ(v.length(), 4u);
    for (unsigned int i = 0; i < 4; ++i) {
        EXPECT_EQ(flatU[i], static_cast<float>(flat[i].x)) << i;
        EXPECT_EQ(flatV[i], 0.0f) << i;
        EXPECT_EQ(v[i], static_cast<float>(kBentCubic[i].z)) << i;
    }
}

TEST(NcurveGeomNoiseWrapper, CurveWithoutCVsDescribesNothingAndReportsNothing)
{
    MObject empty = MFnNurbsCurveData().create();
    NcurveGeomNoiseWrapper adapter;
    EXPECT_EQ(boundWithErrorsCaptured(adapter, empty), "");
    MStatus status;
    EXPECT_EQ(adapter.numPoints(status), 0);
    MPointArray points(3);
    MFloatArray u(3), v(3);
    adapter.getPoints(points, MSpace::kObject);
    adapter.getUVs(u, v);
    EXPECT_EQ(points.length(), 0u);
    EXPECT_EQ(u.length(), 0u);
    EXPECT_EQ(v.length(), 0u);
}

TEST(NcurveGeomNoiseWrapper, WorldBindingKeepsBothPointCachesButObjectNormals)
{
    MObject transform =
        buildCurve(arrayOf<MPointArray>(kBentCubic), kCubicSpan, MFnNurbsCurve::kOpen, MObject::kNullObj);
    turnAndMove(transform);
    MObject shape = MFnDagNode(transform).child(0);
    Bound<NcurveGeomNoiseWrapper> bound(shape, MSpace::kWorld);

    const MPoint cv = kBentCubic[2];
    expectPointCaches(bound, 2, cv, MPoint(3.0 - cv.y, cv.x, cv.z));
    MFnNurbsCurve fn(shape);
    const MVector objectNormal = fn.normal(2.0 / 3.0, MSpace::kObject);
    ASSERT_FALSE(objectNormal.isEquivalent(fn.normal(2.0 / 3.0, MSpace::kWorld), 1e-3));
    EXPECT_TRUE(bound.normal(2).isEquivalent(objectNormal, 1e-6));
}

// ---------------------------------------------------------------------------
// Subdivision surfaces

// The cube [-1, 1]^3 moved by `offset`, then `loose` points no polygon uses.
MObject subdCube(const MVector& offset, const std::vector<MPoint>& loose = {})
{
    MPointArray points;
    for (const MPoint& corner : kCubeCorners)
        points.append(corner + offset);
    for (const MPoint& point : loose)
        points.append(point);
    MObject data = MFnSubdData().create();
    MStatus status;
    MFnSubd().createBaseMesh(false, static_cast<int>(points.length()), 6, points, arrayOf<MIntArray>(kCubeCounts),
                             arrayOf<MIntArray>(kCubeConnects), data, &status);
    EXPECT_EQ(status, MStatus::kSuccess);
    return data;
}

const double kThird = 1.0 / std::sqrt(3.0);

TEST(SubdGeomNoiseWrapper, CubeGivesEightPointsLimitNormalsAndXZPairs)
{
    MObject subd = subdCube(MVector(0, 1, 2));
    Bound<SubdGeomNoiseWrapper> bound(subd);

    EXPECT_EQ(bound.count(), 8);
    EXPECT_EQ(bound.points(MSpace::kObject).length(), 8u);
    MFloatArray u, v;
    bound.uvs(u, v);
    ASSERT_EQ(u.length(), 8u);
    ASSERT_EQ(v.length(), 8u);
    EXPECT_EQ(u[6], 1.0f); // corner 6 stands at (1, 2, 3)
    EXPECT_EQ(v[6], 3.0f);

    // By the cube's symmetry each corner's limit normal lies along its diagonal.
    MFnSubd fn(subd);
    for (int i = 0; i < 8; ++i) {
        MVector hostNormal;
        ASSERT_EQ(fn.vertexNormal(fn.vertexIdFromBaseVertexIndex(i), hostNormal), MStatus::kSuccess);
        EXPECT_TRUE(bound.normal(i).isEquivalent(hostNormal, 1e-6)) << i;
    }
    EXPECT_TRUE(bound.normal(6).isEquivalent(MVector(kThird, kThird, kThird), 1e-6));
    EXPECT_TRUE(bound.normal(0).isEquivalent(MVector(-kThird, -kThird, -kThird), 1e-6));
}

TEST(SubdGeomNoiseWrapper, WorldBindingKeepsBothPointCachesAndObjectNormals)
{
    MObject subd = subdCube(MVector(0, 0, 0));
    ASSERT_EQ(MFnSubdData(subd).setMatrix(turnedAndMoved()), MStatus::kSuccess);
    Bound<SubdGeomNoiseWrapper> bound(subd, MSpace::kWorld);
    expectPointCaches(bound, 6, MPoint(1, 1, 1), MPoint(2, 1, 1));
    EXPECT_TRUE(bound.normal(6).isEquivalent(MVector(kThird, kThird, kThird), 1e-6));
}

TEST(SubdGeomNoiseWrapper, VertexWithoutANormalOrOutsideTheMeshGetsZero)
{
    MObject subd = subdCube(MVector(0, 0, 0), {MPoint(5, 6, 7)});
    Bound<SubdGeomNoiseWrapper> bound(subd);
    EXPECT_EQ(bound.count(), 9);
    for (int index : {8, 9, -1})
        EXPECT_EQ(bound.normal(index), MVector::zero) << index;
    MFloatArray u, v;
    bound.uvs(u, v);
    ASSERT_EQ(u.length(), 9u);
    EXPECT_EQ(u[8], 5.0f);
    EXPECT_EQ(v[8], 7.0f);
}

TEST(SubdGeomNoiseWrapper, BindingOtherDataReportsWhereAndDescribesNothing)
{
    MObject particles = vectorArrayData({{1, 2, 3}});
    SubdGeomNoiseWrapper adapter;
    const std::string errors = boundWithErrorsCaptured(adapter, particles);
    EXPECT_NE(errors.find("API error detected in src/SubdGeomNoiseWrapper.cpp at line "), std::string::npos) << errors;
    MStatus status;
    EXPECT_EQ(adapter.numPoints(status), 0);
    MFloatArray u(2), v(2);
    adapter.getUVs(u, v);
    EXPECT_EQ(u.length(), 0u);
}

// ---------------------------------------------------------------------------
// Particles

TEST(ParticleGeomNoiseWrapper, PositionsArePointsAndEveryParticleFacesUp)
{
    MObject data = vectorArrayData({{1, 2, 3}, {4, 5, 6}});
    Bound<ParticleGeomNoiseWrapper> bound(data, MSpace::kWorld);
    EXPECT_EQ(bound.count(), 2);
    for (MSpace::Space space : {MSpace::kObject, MSpace::kWorld}) {
        const MPointArray points = bound.points(space);
        ASSERT_EQ(points.length(), 2u);
        EXPECT_EQ(points[0], MPoint(1, 2, 3, 1));
        EXPECT_EQ(points[1], MPoint(4, 5, 6, 1));
        for (int index : {0, 1, 57})
            EXPECT_EQ(bound.normal(index, space), MVector(0, 1, 0)) << index;
    }

    MFloatArray u(5, 0.5f), v(5, 0.25f);
    bound.uvs(u, v);
    ASSERT_EQ(u.length(), 5u);
    ASSERT_EQ(v.length(), 5u);
    for (unsigned int i = 0; i < 5; ++i) {
        EXPECT_EQ(u[i], 0.5f);
        EXPECT_EQ(v[i], 0.25f);
    }
}

TEST(ParticleGeomNoiseWrapper, ReadsTheDataLastBoundOnEveryQuery)
{
    MObject first = vectorArrayData({{1, 2, 3}, {4, 5, 6}});
    MObject second = vectorArrayData({{-1, 0, 1}});
    Bound<ParticleGeomNoiseWrapper> bound(first);
    EXPECT_EQ(bound.adapter.setGeometry(second, bound.output, MSpace::kObject), MStatus::kSuccess);
    EXPECT_EQ(bound.count(), 1);
    EXPECT_EQ(bound.points(MSpace::kObject)[0], MPoint(-1, 0, 1));

    ASSERT_EQ(MFnVectorArrayData(second).set(arrayOf<MVectorArray>(std::vector<MVector>{{8, 8, 8}, {9, 9, 9}})),
              MStatus::kSuccess);
    EXPECT_EQ(bound.count(), 2);
    EXPECT_EQ(bound.points(MSpace::kObject)[1], MPoint(9, 9, 9));
}

TEST(ParticleGeomNoiseWrapper, FailedBindIsReportedAndLeavesNoPoints)
{
    ParticleGeomNoiseWrapper unbound;
    MStatus status;
    EXPECT_EQ(unbound.numPoints(status), 0);

    MObject particles = vectorArrayData({{1, 2, 3}});
    MObject mesh = MFnMeshData().create();
    Bound<ParticleGeomNoiseWrapper> bound(particles);
    const std::string errors = boundWithErrorsCaptured(bound.adapter, mesh);
    const std::string expectedEnd =
        ",ERROR initializing ParticleGeomNoiseWrapper; initializing MFnVectorArrayData.\n\n";
    ASSERT_GE(errors.size(), expectedEnd.size());
    EXPECT_EQ(errors.substr(errors.size() - expectedEnd.size()), expectedEnd);
    EXPECT_EQ(bound.count(), 0);
    EXPECT_EQ(bound.points(MSpace::kObject).length(), 0u);
}

} // namespace
