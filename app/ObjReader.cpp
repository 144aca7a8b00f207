#include "ObjReader.h"

#include "AppError.h"
#include "ObjLineChecker.h"

#include <tiny_obj_loader.h>

namespace kavo::app {

namespace {

void addCorner(PolygonMeshDescription& mesh, const tinyobj::index_t& corner)
{
    mesh.faceVertices.push_back(corner.vertex_index);
    mesh.faceVertexUvs.push_back(corner.texcoord_index);
    mesh.faceVertexNormals.push_back(corner.normal_index);
}

// Lists that no corner refers to are dropped, so a mesh with no UVs or no
// normals says so by empty lists.
void dropUnused(std::vector<int>& ids)
{
    for (int id : ids)
        if (id >= 0)
            return;
    ids.clear();
}

PolygonMeshDescription describe(const tinyobj::attrib_t& attributes, const std::vector<tinyobj::shape_t>& shapes)
{
    PolygonMeshDescription mesh;
    for (size_t k = 0; k + 2 < attributes.vertices.size(); k += 3)
        mesh.points.emplace_back(attributes.vertices[k], attributes.vertices[k + 1], attributes.vertices[k + 2]);
    for (size_t k = 0; k + 1 < attributes.texcoords.size(); k += 2) {
        mesh.us.push_back(static_cast<float>(attributes.texcoords[k]));
        mesh.vs.push_back(static_cast<float>(attributes.texcoords[k + 1]));
    }
    for (size_t k = 0; k + 2 < attributes.normals.size(); k += 3)
        mesh.normals.emplace_back(attributes.normals[k], attributes.normals[k + 1], attributes.normals[k + 2]);

    for (const tinyobj::shape_t& shape : shapes) {
        size_t corner = 0;
        for (unsigned char count : shape.mesh.num_face_vertices) {
            mesh.faceCounts.push_back(count);
            for (unsigned int k = 0; k < count; ++k)
                addCorner(mesh, shape.mesh.indices[corner + k]);
            corner += count;
        }
    }
    dropUnused(mesh.faceVertexUvs);
    dropUnused(mesh.faceVertexNormals);
    return mesh;
}

} // namespace

PolygonMeshDescription ObjReader::read(const std::string& path)
{
    ObjLineChecker::check(path);

    tinyobj::ObjReaderConfig config;
    config.triangulate = false;
    config.vertex_color = false;
    tinyobj::ObjReader reader;
    if (!reader.ParseFromFile(path, config))
        throw AppError::usage(path + ": " + reader.Error());
    return describe(reader.GetAttrib(), reader.GetShapes());
}

} // namespace kavo::app
