#include "ObjWriter.h"

#include "NumberText.h"
#include "ObjFreeFormWriter.h"
#include "RecomputedNormals.h"

#include <maya/MFloatArray.h>
#include <maya/MFnMesh.h>
#include <maya/MFnSubd.h>
#include <maya/MIntArray.h>
#include <maya/MPointArray.h>

#include <algorithm>
#include <vector>

namespace kavo::app {

namespace {

std::vector<int> toVector(const MIntArray& array)
{
    std::vector<int> values(array.length());
    for (unsigned int k = 0; k < array.length(); ++k)
        values[k] = array[k];
    return values;
}

void writePoints(const MPointArray& points, std::ostream& out)
{
    for (unsigned int k = 0; k < points.length(); ++k)
        out << "v " << NumberText::exact(points[k].x) << ' ' << NumberText::exact(points[k].y) << ' '
            << NumberText::exact(points[k].z) << '\n';
}

void writeNormals(const std::vector<MVector>& normals, std::ostream& out)
{
    for (const MVector& normal : normals)
        out << "vn " << NumberText::exact(normal.x) << ' ' << NumberText::exact(normal.y) << ' '
            << NumberText::exact(normal.z) << '\n';
}

void writeUvs(const MFloatArray& us, const MFloatArray& vs, std::ostream& out)
{
    for (unsigned int k = 0; k < us.length(); ++k)
        out << "vt " << NumberText::exact(us[k]) << ' ' << NumberText::exact(vs[k]) << '\n';
}

// OBJ counts from 1. A corner without a UV is written v//vn.
void writeCorner(int point, int uv, int normal, std::ostream& out)
{
    out << ' ' << point + 1 << '/';
    if (uv >= 0)
        out << uv + 1;
    out << '/' << normal + 1;
}

} // namespace

bool ObjWriter::write(const MObject& data, GeometryKind kind, std::ostream& out)
{
    switch (kind) {
    case GeometryKind::Mesh:
        return writeMesh(data, out);
    case GeometryKind::Subdivision:
        return writeSubdivisionCage(data, out);
    case GeometryKind::NurbsSurface:
        return ObjFreeFormWriter::writeSurface(data, out);
    case GeometryKind::NurbsCurve:
        return ObjFreeFormWriter::writeCurve(data, out);
    case GeometryKind::Particles:
        break;
    }
    return false;
}

bool ObjWriter::writeMesh(const MObject& data, std::ostream& out)
{
    MStatus status;
    MFnMesh mesh(data, &status);
    MPointArray points;
    MIntArray faceCounts, faceVertices, uvCounts, uvIds, normalCounts, normalIds;
    MFloatArray us, vs;
    if (!status || !mesh.getPoints(points) || !mesh.getVertices(faceCounts, faceVertices) || !mesh.getUVs(us, vs) ||
        !mesh.getAssignedUVs(uvCounts, uvIds) || !mesh.getNormalIds(normalCounts, normalIds))
        return false;

    const std::vector<int> groups = toVector(normalIds);
    const int groupCount = groups.empty() ? 0 : *std::max_element(groups.begin(), groups.end()) + 1;
    const std::vector<int> counts = toVector(faceCounts);
    const std::vector<MVector> normals =
        RecomputedNormals::compute(points, counts, toVector(faceVertices), groups, groupCount);

    out << "# polygon mesh: " << points.length() << " vertices, " << counts.size() << " faces\n";
    writePoints(points, out);
    writeUvs(us, vs, out);
    writeNormals(normals, out);
    unsigned int corner = 0;
    unsigned int uvCorner = 0;
    for (size_t face = 0; face < counts.size(); ++face) {
        const bool hasUvs = uvCounts[face] > 0;
        out << 'f';
        for (int k = 0; k < counts[face]; ++k, ++corner)
            writeCorner(faceVertices[corner], hasUvs ? uvIds[uvCorner + k] : -1, groups[corner], out);
        out << '\n';
        uvCorner += hasUvs ? counts[face] : 0;
    }
    return static_cast<bool>(out);
}

bool ObjWriter::writeSubdivisionCage(const MObject& data, std::ostream& out)
{
    MStatus status;
    MFnSubd subdivision(data, &status);
    MPointArray points;
    if (!status || !subdivision.vertexBaseMeshGet(points))
        return false;
    std::vector<int> faceCounts;
    std::vector<int> faceVertices;
    const int faceCount = subdivision.polygonCount(0, &status);
    for (int face = 0; status && face < faceCount; ++face) {
        MIntArray corners;
        status = subdivision.polygonBaseMeshVertices(face, corners);
        faceCounts.push_back(static_cast<int>(corners.length()));
        for (unsigned int k = 0; k < corners.length(); ++k)
            faceVertices.push_back(corners[k]);
    }
    if (!status)
        return false;
    const std::vector<MVector> normals = RecomputedNormals::compute(points, faceCounts, faceVertices, faceVertices,
                                                                    static_cast<int>(points.length()));

    out << "# subdivision surface cage: " << points.length() << " vertices, " << faceCount << " faces\n";
    writePoints(points, out);
    writeNormals(normals, out);
    size_t corner = 0;
    for (int count : faceCounts) {
        out << 'f';
        for (int k = 0; k < count; ++k, ++corner)
            writeCorner(faceVertices[corner], -1, faceVertices[corner], out);
        out << '\n';
    }
    return static_cast<bool>(out);
}

} // namespace kavo::app
