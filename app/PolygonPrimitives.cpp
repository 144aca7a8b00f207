#include "PolygonPrimitives.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <map>

namespace kavo::app {

namespace {

constexpr double kPi = 3.14159265358979323846;

// A (columns + 1) x (rows + 1) grid of UVs over the unit square; the UV at
// column c, row r has id r * (columns + 1) + c.
void addUvGrid(PolygonMeshDescription& mesh, int columns, int rows)
{
    for (int r = 0; r <= rows; ++r) {
        for (int c = 0; c <= columns; ++c) {
            mesh.us.push_back(static_cast<float>(c) / static_cast<float>(columns));
            mesh.vs.push_back(static_cast<float>(r) / static_cast<float>(rows));
        }
    }
}

int gridUv(int columns, int column, int row)
{
    return row * (columns + 1) + column;
}

void addFace(PolygonMeshDescription& mesh, std::initializer_list<int> points, std::initializer_list<int> uvs)
{
    mesh.addFace(points);
    mesh.faceVertexUvs.insert(mesh.faceVertexUvs.end(), uvs);
}

// A point on the unit sphere at `polar` from +Y and `azimuth` around it,
// turning so that going down and then around winds outward.
MPoint spherePoint(double polar, double azimuth)
{
    return MPoint(std::sin(polar) * std::cos(azimuth), std::cos(polar), -std::sin(polar) * std::sin(azimuth));
}

} // namespace

PolygonMeshDescription PolygonPrimitives::plane(int columns, int rows)
{
    PolygonMeshDescription mesh;
    const std::size_t pointCount = static_cast<std::size_t>(columns + 1) * static_cast<std::size_t>(rows + 1);
    const std::size_t cornerCount = 4 * static_cast<std::size_t>(columns) * static_cast<std::size_t>(rows);
    mesh.points.reserve(pointCount);
    mesh.us.reserve(pointCount);
    mesh.vs.reserve(pointCount);
    mesh.faceCounts.reserve(cornerCount / 4);
    mesh.faceVertices.reserve(cornerCount);
    mesh.faceVertexUvs.reserve(cornerCount);
    for (int r = 0; r <= rows; ++r)
        for (int c = 0; c <= columns; ++c)
            mesh.points.emplace_back(-1.0 + 2.0 * c / columns, 0.0, 1.0 - 2.0 * r / rows);
    addUvGrid(mesh, columns, rows);
    const int stride = columns + 1;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            const int corner = r * stride + c;
            addFace(mesh, {corner, corner + 1, corner + stride + 1, corner + stride},
                    {gridUv(columns, c, r), gridUv(columns, c + 1, r), gridUv(columns, c + 1, r + 1),
                     gridUv(columns, c, r + 1)});
        }
    }
    return mesh;
}

PolygonMeshDescription PolygonPrimitives::sphere(int segments, int rings)
{
    PolygonMeshDescription mesh;
    mesh.points.emplace_back(0.0, 1.0, 0.0);
    for (int ring = 1; ring < rings; ++ring)
        for (int s = 0; s < segments; ++s)
            mesh.points.push_back(spherePoint(kPi * ring / rings, 2.0 * kPi * s / segments));
    mesh.points.emplace_back(0.0, -1.0, 0.0);
    const int southPole = mesh.pointCount() - 1;
    // Ring r (1 to rings - 1), segment s; the UV rows run from the south
    // pole (v = 0) to the north pole (v = 1).
    auto point = [segments](int ring, int s) { return 1 + (ring - 1) * segments + s % segments; };
    auto uv = [segments, rings](int ring, int s) { return gridUv(segments, s, rings - ring); };
    addUvGrid(mesh, segments, rings);

    for (int s = 0; s < segments; ++s) {
        for (int ring = 0; ring < rings; ++ring) {
            if (ring == 0)
                addFace(mesh, {0, point(1, s), point(1, s + 1)}, {uv(0, s), uv(1, s), uv(1, s + 1)});
            else if (ring == rings - 1)
                addFace(mesh, {point(ring, s), southPole, point(ring, s + 1)},
                        {uv(ring, s), uv(rings, s), uv(ring, s + 1)});
            else
                addFace(mesh, {point(ring, s), point(ring + 1, s), point(ring + 1, s + 1), point(ring, s + 1)},
                        {uv(ring, s), uv(ring + 1, s), uv(ring + 1, s + 1), uv(ring, s + 1)});
        }
    }
    return mesh;
}

PolygonMeshDescription PolygonPrimitives::torus(int segments, int tubeSegments)
{
    constexpr double kRadius = 1.0;
    constexpr double kTubeRadius = 0.35;
    PolygonMeshDescription mesh;
    for (int s = 0; s < segments; ++s) {
        const double azimuth = 2.0 * kPi * s / segments;
        for (int t = 0; t < tubeSegments; ++t) {
            const double around = 2.0 * kPi * t / tubeSegments;
            const double distance = kRadius + kTubeRadius * std::cos(around);
            mesh.points.emplace_back(distance * std::cos(azimuth), kTubeRadius * std::sin(around),
                                     -distance * std::sin(azimuth));
        }
    }
    addUvGrid(mesh, segments, tubeSegments);
    auto point = [segments, tubeSegments](int s, int t) { return (s % segments) * tubeSegments + t % tubeSegments; };
    for (int s = 0; s < segments; ++s)
        for (int t = 0; t < tubeSegments; ++t)
            addFace(mesh, {point(s, t), point(s + 1, t), point(s + 1, t + 1), point(s, t + 1)},
                    {gridUv(segments, s, t), gridUv(segments, s + 1, t), gridUv(segments, s + 1, t + 1),
                     gridUv(segments, s, t + 1)});
    return mesh;
}

PolygonMeshDescription PolygonPrimitives::cube(int divisions)
{
    // Each side: the axis it faces, and two axes along it whose cross product
    // points outward, so the quads wind counter-clockwise seen from outside.
    struct Side
    {
        int normalAxis;
        bool positive;
        int a;
        int b;
    };
    constexpr std::array<Side, 6> kSides = {
        {{0, true, 1, 2}, {0, false, 2, 1}, {1, true, 2, 0}, {1, false, 0, 2}, {2, true, 0, 1}, {2, false, 1, 0}}};
    PolygonMeshDescription mesh;
    // Points on the lattice of the cube's surface, shared between sides.
    std::map<std::array<int, 3>, int> pointAt;
    auto point = [&](const Side& side, int i, int j) {
        std::array<int, 3> lattice{};
        lattice[side.normalAxis] = side.positive ? divisions : 0;
        lattice[side.a] = i;
        lattice[side.b] = j;
        auto [entry, isNew] = pointAt.emplace(lattice, mesh.pointCount());
        if (isNew)
            mesh.points.emplace_back(-1.0 + 2.0 * lattice[0] / divisions, -1.0 + 2.0 * lattice[1] / divisions,
                                     -1.0 + 2.0 * lattice[2] / divisions);
        return entry->second;
    };
    for (const Side& side : kSides)
        for (int i = 0; i < divisions; ++i)
            for (int j = 0; j < divisions; ++j)
                mesh.addFace(
                    {point(side, i, j), point(side, i + 1, j), point(side, i + 1, j + 1), point(side, i, j + 1)});
    return mesh;
}

} // namespace kavo::app
