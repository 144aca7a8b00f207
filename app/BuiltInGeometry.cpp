#include "BuiltInGeometry.h"

#include "AppError.h"
#include "NumberText.h"
#include "NurbsPrimitives.h"
#include "ParticleCloud.h"
#include "PolygonDataFactory.h"
#include "PolygonPrimitives.h"

#include <algorithm>
#include <array>
#include <optional>
#include <sstream>

namespace kavo::app {

namespace {

// Resolutions far beyond anything a preview or test needs are refused
// rather than left to exhaust memory.
constexpr long long kMaxElements = 4'000'000;

struct Resolution
{
    int first;
    int second; // 0 for examples with a single number
};

struct Example
{
    const char* name;
    const char* nodeName;
    GeometryKind kind;
    const char* meaning;
    Resolution fallback;
    Resolution minimum;
    MObject (*build)(const Resolution&, MStatus&);
};

MObject buildPlane(const Resolution& r, MStatus& s)
{
    return PolygonDataFactory::makeMesh(PolygonPrimitives::plane(r.first, r.second), s);
}
MObject buildSphere(const Resolution& r, MStatus& s)
{
    return PolygonDataFactory::makeMesh(PolygonPrimitives::sphere(r.first, r.second), s);
}
MObject buildTorus(const Resolution& r, MStatus& s)
{
    return PolygonDataFactory::makeMesh(PolygonPrimitives::torus(r.first, r.second), s);
}
MObject buildNurbsPlane(const Resolution& r, MStatus& s)
{
    return NurbsPrimitives::plane(r.first, r.second, s);
}
MObject buildNurbsSphere(const Resolution& r, MStatus& s)
{
    return NurbsPrimitives::sphere(r.first, r.second, s);
}
MObject buildHelix(const Resolution& r, MStatus& s)
{
    return NurbsPrimitives::helix(r.first, s);
}
MObject buildSubdCube(const Resolution& r, MStatus& s)
{
    return PolygonDataFactory::makeSubdivisionCage(PolygonPrimitives::cube(r.first), s);
}
MObject buildParticles(const Resolution& r, MStatus& s)
{
    return ParticleCloud::make(r.first, s);
}

const std::array<Example, 8> kExamples = {{
    {"plane", "plane", GeometryKind::Mesh, "quads across x down", {20, 20}, {1, 1}, buildPlane},
    {"sphere", "sphere", GeometryKind::Mesh, "segments around x rings", {32, 16}, {3, 2}, buildSphere},
    {"torus", "torus", GeometryKind::Mesh, "segments around x around the tube", {32, 16}, {3, 3}, buildTorus},
    {"nurbs-plane", "nurbsPlane", GeometryKind::NurbsSurface, "CVs in U x V", {8, 8}, {4, 4}, buildNurbsPlane},
    {"nurbs-sphere",
     "nurbsSphere",
     GeometryKind::NurbsSurface,
     "CVs around (periodic) x pole to pole",
     {8, 6},
     {3, 4},
     buildNurbsSphere},
    {"helix", "helix", GeometryKind::NurbsCurve, "CVs", {32, 0}, {4, 0}, buildHelix},
    {"subd-cube",
     "subdCube",
     GeometryKind::Subdivision,
     "quads along each edge of the cage",
     {1, 0},
     {1, 0},
     buildSubdCube},
    {"particles", "particles", GeometryKind::Particles, "particles", {1000, 0}, {1, 0}, buildParticles},
}};

const Example& findExample(const std::string& name, const std::string& argument)
{
    for (const Example& example : kExamples)
        if (name == example.name)
            return example;
    throw AppError::usage("unknown built-in geometry \"" + argument + "\"; the built-in examples are:\n" +
                          BuiltInGeometry::describeAll());
}

std::string resolutionText(const Example& example, const Resolution& resolution)
{
    const std::string first = std::to_string(resolution.first);
    return example.fallback.second ? first + "x" + std::to_string(resolution.second) : first;
}

std::optional<Resolution> parseResolution(const Example& example, const std::string& text)
{
    const bool twoNumbers = example.fallback.second != 0;
    const size_t cross = text.find('x');
    if (!twoNumbers && cross != std::string::npos)
        return std::nullopt;
    const std::optional<long long> first = NumberText::integer(text.substr(0, cross));
    // A single number on a two-number example means a square resolution.
    const std::optional<long long> second = !twoNumbers                  ? std::optional<long long>(0)
                                            : cross == std::string::npos ? first
                                                                         : NumberText::integer(text.substr(cross + 1));
    if (!first || !second || *first > kMaxElements || *second > kMaxElements ||
        *first * std::max(*second, 1LL) > kMaxElements)
        return std::nullopt;
    return Resolution{static_cast<int>(*first), static_cast<int>(*second)};
}

Resolution resolutionOf(const Example& example, const std::string& argument, size_t colon)
{
    if (colon == std::string::npos)
        return example.fallback;
    const std::optional<Resolution> resolution = parseResolution(example, argument.substr(colon + 1));
    if (!resolution || resolution->first < example.minimum.first || resolution->second < example.minimum.second)
        throw AppError::usage("bad resolution in \"" + argument + "\": @" + example.name + " takes " + example.meaning +
                              ", at least " + resolutionText(example, example.minimum) + " and at most " +
                              std::to_string(kMaxElements) + " in all (for example @" + example.name + ":" +
                              resolutionText(example, example.fallback) + ")");
    return *resolution;
}

} // namespace

InputGeometry BuiltInGeometry::make(const std::string& argument)
{
    const size_t colon = argument.find(':');
    const Example& example = findExample(argument.substr(1, colon == std::string::npos ? colon : colon - 1), argument);
    const Resolution resolution = resolutionOf(example, argument, colon);

    MStatus status;
    InputGeometry input;
    input.argument = argument;
    input.nodeName = example.nodeName;
    input.kind = example.kind;
    input.data = example.build(resolution, status);
    if (!status)
        throw AppError::evaluation("the host could not build \"" + argument + "\"");
    return input;
}

std::string BuiltInGeometry::describeAll()
{
    std::ostringstream text;
    for (const Example& example : kExamples)
        text << "  @" << example.name << "[:" << (example.fallback.second ? "NxM" : "N") << "]  "
             << describe(example.kind) << "; " << example.meaning << ", default "
             << resolutionText(example, example.fallback) << "\n";
    return text.str();
}

} // namespace kavo::app
