#include "PreviewShape.h"

#include <maya/MFnMesh.h>
#include <maya/MFnNurbsCurve.h>
#include <maya/MFnNurbsSurface.h>
#include <maya/MFnSubd.h>
#include <maya/MFnVectorArrayData.h>
#include <maya/MIntArray.h>
#include <maya/MPointArray.h>
#include <maya/MVectorArray.h>

namespace kavo::app {

namespace {

// Points along each direction of a surface and along a curve: smooth enough
// at preview sizes.
constexpr int kSurfaceSamples = 48;
constexpr int kCurveSamples = 400;

void addFaces(PreviewShape& shape, const MPointArray& points, const MIntArray& counts, const MIntArray& corners)
{
    unsigned int corner = 0;
    for (unsigned int face = 0; face < counts.length(); ++face) {
        std::vector<MPoint> polygon;
        for (int k = 0; k < counts[face]; ++k)
            polygon.push_back(points[corners[corner++]]);
        shape.polygons.push_back(std::move(polygon));
    }
}

void addMesh(PreviewShape& shape, const MObject& data)
{
    MFnMesh mesh(data);
    MPointArray points;
    MIntArray counts;
    MIntArray corners;
    if (mesh.getPoints(points) && mesh.getVertices(counts, corners))
        addFaces(shape, points, counts, corners);
}

void addCage(PreviewShape& shape, const MObject& data)
{
    MFnSubd subdivision(data);
    MPointArray points;
    if (!subdivision.vertexBaseMeshGet(points))
        return;
    MIntArray counts;
    MIntArray corners;
    for (int face = 0; face < subdivision.polygonCount(); ++face) {
        MIntArray faceCorners;
        subdivision.polygonBaseMeshVertices(face, faceCorners);
        counts.append(static_cast<int>(faceCorners.length()));
        for (unsigned int k = 0; k < faceCorners.length(); ++k)
            corners.append(faceCorners[k]);
    }
    addFaces(shape, points, counts, corners);
}

double lerp(double start, double end, int step, int steps)
{
    return start + (end - start) * step / steps;
}

void addSurface(PreviewShape& shape, const MObject& data)
{
    MFnNurbsSurface surface(data);
    double startU = 0.0, endU = 0.0, startV = 0.0, endV = 0.0;
    if (!surface.getKnotDomain(startU, endU, startV, endV))
        return;
    std::vector<std::vector<MPoint>> grid(kSurfaceSamples + 1, std::vector<MPoint>(kSurfaceSamples + 1));
    for (int i = 0; i <= kSurfaceSamples; ++i)
        for (int j = 0; j <= kSurfaceSamples; ++j)
            surface.getPointAtParam(lerp(startU, endU, i, kSurfaceSamples), lerp(startV, endV, j, kSurfaceSamples),
                                    grid[i][j]);
    for (int i = 0; i < kSurfaceSamples; ++i)
        for (int j = 0; j < kSurfaceSamples; ++j)
            shape.polygons.push_back({grid[i][j], grid[i + 1][j], grid[i + 1][j + 1], grid[i][j + 1]});
}

void addCurve(PreviewShape& shape, const MObject& data)
{
    MFnNurbsCurve curve(data);
    double start = 0.0;
    double end = 0.0;
    if (!curve.getKnotDomain(start, end))
        return;
    std::vector<MPoint> line(kCurveSamples + 1);
    for (int k = 0; k <= kCurveSamples; ++k)
        curve.getPointAtParam(lerp(start, end, k, kCurveSamples), line[k]);
    shape.polylines.push_back(std::move(line));
}

void addParticles(PreviewShape& shape, const MObject& data)
{
    MFnVectorArrayData particles(data);
    MVectorArray positions;
    particles.copyTo(positions);
    for (unsigned int k = 0; k < positions.length(); ++k)
        shape.points.emplace_back(positions[k].x, positions[k].y, positions[k].z);
}

} // namespace

PreviewShape PreviewShape::of(const MObject& data, GeometryKind kind)
{
    PreviewShape shape;
    switch (kind) {
    case GeometryKind::Mesh: addMesh(shape, data); break;
    case GeometryKind::Subdivision: addCage(shape, data); break;
    case GeometryKind::NurbsSurface: addSurface(shape, data); break;
    case GeometryKind::NurbsCurve: addCurve(shape, data); break;
    case GeometryKind::Particles: addParticles(shape, data); break;
    }
    return shape;
}

MBoundingBox PreviewShape::bounds() const
{
    MBoundingBox box;
    for (const auto& polygon : polygons)
        for (const MPoint& point : polygon)
            box.expand(point);
    for (const auto& line : polylines)
        for (const MPoint& point : line)
            box.expand(point);
    for (const MPoint& point : points)
        box.expand(point);
    return box;
}

} // namespace kavo::app
