#include "InputLoader.h"

#include "AppError.h"
#include "BuiltInGeometry.h"
#include "ObjReader.h"
#include "PolygonDataFactory.h"

#include <cctype>
#include <filesystem>

namespace kavo::app {

namespace {

bool hasObjExtension(const std::string& path)
{
    std::string extension = std::filesystem::path(path).extension().string();
    for (char& c : extension)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return extension == ".obj";
}

} // namespace

InputGeometry InputLoader::load(const std::string& argument)
{
    if (BuiltInGeometry::isBuiltIn(argument))
        return BuiltInGeometry::make(argument);
    if (!hasObjExtension(argument))
        throw AppError::usage("cannot read \"" + argument +
                              "\": inputs are OBJ files (.obj) or built-in examples (@sphere, ...)");
    return loadObj(argument);
}

InputGeometry InputLoader::loadObj(const std::string& path)
{
    InputGeometry input;
    input.argument = path;
    input.nodeName = nodeNameFor(path);
    input.kind = GeometryKind::Mesh;
    MStatus status;
    input.data = PolygonDataFactory::makeMesh(ObjReader::read(path), status);
    if (!status)
        throw AppError::usage(path + ": the host cannot build a mesh from these faces");
    return input;
}

std::string InputLoader::nodeNameFor(const std::string& path)
{
    std::string name;
    for (char c : std::filesystem::path(path).stem().string())
        name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    if (name.empty() || std::isdigit(static_cast<unsigned char>(name[0])))
        name = "mesh_" + name;
    return name;
}

} // namespace kavo::app
