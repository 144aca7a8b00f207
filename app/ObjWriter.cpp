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
#include <charconv>
#include <cstring>
#include <vector>

namespace kavo::app {

namespace {

// Text gathered in a buffer and handed to the stream in large pieces: a
// 1M-vertex mesh is tens of millions of numbers, and passing each through
// the stream on its own costs more than formatting it. Numbers are
// formatted straight into the buffer.
class BufferedText
{
public:
    explicit BufferedText(std::ostream& out) : m_out(out), m_buffer(kChunk + kLargestPiece) {}
    BufferedText(const BufferedText&) = delete;
    BufferedText& operator=(const BufferedText&) = delete;

    BufferedText& operator<<(char c)
    {
        *room(1) = c;
        ++m_used;
        return *this;
    }
    BufferedText& operator<<(const char* text)
    {
        const std::size_t length = std::strlen(text);
        std::memcpy(room(length), text, length);
        m_used += length;
        return *this;
    }
    BufferedText& operator<<(long long value)
    {
        char* first = room(kLargestNumber);
        m_used += static_cast<std::size_t>(std::to_chars(first, first + kLargestNumber, value).ptr - first);
        return *this;
    }
    template <class Real>
    BufferedText& exact(Real value)
    {
        char* first = room(kLargestNumber);
        m_used += static_cast<std::size_t>(NumberText::exact(value, first) - first);
        return *this;
    }
    // Called at the end of every line.
    void endLine()
    {
        *this << '\n';
        if (m_used >= kChunk)
            flush();
    }
    bool flush()
    {
        m_out.write(m_buffer.data(), static_cast<std::streamsize>(m_used));
        m_used = 0;
        return static_cast<bool>(m_out);
    }

private:
    static constexpr std::size_t kChunk = 1 << 20;
    static constexpr std::size_t kLargestNumber = 32; // what NumberText::exact may write
    static constexpr std::size_t kLargestPiece = 256;

    // Where the next `length` characters go (at most kLargestPiece; the
    // writers' literals are short), flushing first when they would not fit.
    char* room(std::size_t length)
    {
        if (m_used + length > m_buffer.size())
            flush();
        return m_buffer.data() + m_used;
    }

    std::ostream& m_out;
    std::vector<char> m_buffer;
    std::size_t m_used = 0;
};

void writePoints(const MPointArray& points, BufferedText& out)
{
    for (unsigned int k = 0; k < points.length(); ++k) {
        out << "v ";
        out.exact(points[k].x) << ' ';
        out.exact(points[k].y) << ' ';
        out.exact(points[k].z).endLine();
    }
}

void writeNormals(const std::vector<MVector>& normals, BufferedText& out)
{
    for (const MVector& normal : normals) {
        out << "vn ";
        out.exact(normal.x) << ' ';
        out.exact(normal.y) << ' ';
        out.exact(normal.z).endLine();
    }
}

void writeUvs(const MFloatArray& us, const MFloatArray& vs, BufferedText& out)
{
    for (unsigned int k = 0; k < us.length(); ++k) {
        out << "vt ";
        out.exact(us[k]) << ' ';
        out.exact(vs[k]).endLine();
    }
}

// OBJ counts from 1. A corner without a UV is written v//vn.
void writeCorner(int point, int uv, int normal, BufferedText& out)
{
    out << ' ' << static_cast<long long>(point) + 1 << '/';
    if (uv >= 0)
        out << static_cast<long long>(uv) + 1;
    out << '/' << static_cast<long long>(normal) + 1;
}

// What a mesh's face lines need besides the UVs: the faces and the normal
// group of every corner, kept in the arrays the host fills.
struct MeshFaces
{
    MIntArray counts;
    MIntArray vertices;
    MIntArray normalGroups;
    int groupCount = 0;
};

bool readFaces(const MFnMesh& mesh, MeshFaces& faces)
{
    {
        // The same counts again, which getVertices also gives.
        MIntArray normalCounts;
        if (!mesh.getNormalIds(normalCounts, faces.normalGroups))
            return false;
    }
    faces.groupCount = 0;
    for (unsigned int corner = 0; corner < faces.normalGroups.length(); ++corner)
        faces.groupCount = std::max(faces.groupCount, faces.normalGroups[corner] + 1);
    return static_cast<bool>(mesh.getVertices(faces.counts, faces.vertices));
}

} // namespace

bool ObjWriter::write(const MObject& data, GeometryKind kind, std::ostream& out)
{
    switch (kind) {
    case GeometryKind::Mesh: return writeMesh(data, out);
    case GeometryKind::Subdivision: return writeSubdivisionCage(data, out);
    case GeometryKind::NurbsSurface: return ObjFreeFormWriter::writeSurface(data, out);
    case GeometryKind::NurbsCurve: return ObjFreeFormWriter::writeCurve(data, out);
    case GeometryKind::Particles: break;
    }
    return false;
}

// Each list is asked for just before it is written and dropped after, so a
// large mesh is never held in all its forms at once.
bool ObjWriter::writeMesh(const MObject& data, std::ostream& stream)
{
    MStatus status;
    MFnMesh mesh(data, &status);
    MeshFaces faces;
    if (!status || !readFaces(mesh, faces))
        return false;
    std::vector<MVector> normals;
    BufferedText out(stream);
    {
        MPointArray points;
        if (!mesh.getPoints(points))
            return false;
        normals =
            RecomputedNormals::compute(points, faces.counts, faces.vertices, faces.normalGroups, faces.groupCount);
        out << "# polygon mesh: " << static_cast<long long>(points.length()) << " vertices, "
            << static_cast<long long>(faces.counts.length()) << " faces";
        out.endLine();
        writePoints(points, out);
    }
    {
        MFloatArray us, vs;
        if (!mesh.getUVs(us, vs))
            return false;
        writeUvs(us, vs, out);
    }
    writeNormals(normals, out);
    normals = std::vector<MVector>();

    MIntArray uvCounts, uvIds;
    if (!mesh.getAssignedUVs(uvCounts, uvIds))
        return false;
    unsigned int corner = 0;
    unsigned int uvCorner = 0;
    for (unsigned int face = 0; face < faces.counts.length(); ++face) {
        const bool hasUvs = uvCounts[face] > 0;
        out << 'f';
        for (int k = 0; k < faces.counts[face]; ++k, ++corner)
            writeCorner(faces.vertices[corner], hasUvs ? uvIds[uvCorner + k] : -1, faces.normalGroups[corner], out);
        out.endLine();
        uvCorner += hasUvs ? faces.counts[face] : 0;
    }
    return out.flush();
}

bool ObjWriter::writeSubdivisionCage(const MObject& data, std::ostream& stream)
{
    MStatus status;
    MFnSubd subdivision(data, &status);
    MPointArray points;
    if (!status || !subdivision.vertexBaseMeshGet(points))
        return false;
    MIntArray faceCounts;
    MIntArray faceVertices;
    const int faceCount = subdivision.polygonCount(0, &status);
    for (int face = 0; status && face < faceCount; ++face) {
        MIntArray corners;
        status = subdivision.polygonBaseMeshVertices(face, corners);
        faceCounts.append(static_cast<int>(corners.length()));
        for (unsigned int k = 0; k < corners.length(); ++k)
            faceVertices.append(corners[k]);
    }
    if (!status)
        return false;
    const std::vector<MVector> normals =
        RecomputedNormals::compute(points, faceCounts, faceVertices, faceVertices, static_cast<int>(points.length()));

    BufferedText out(stream);
    out << "# subdivision surface cage: " << static_cast<long long>(points.length()) << " vertices, "
        << static_cast<long long>(faceCount) << " faces";
    out.endLine();
    writePoints(points, out);
    writeNormals(normals, out);
    unsigned int corner = 0;
    for (unsigned int face = 0; face < faceCounts.length(); ++face) {
        out << 'f';
        for (int k = 0; k < faceCounts[face]; ++k, ++corner)
            writeCorner(faceVertices[corner], -1, faceVertices[corner], out);
        out.endLine();
    }
    return out.flush();
}

} // namespace kavo::app
