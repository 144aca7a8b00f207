#pragma once

// The five kinds of geometry the deformer takes, with the host shape that
// holds each and the file format each is written in.

#include <string>

namespace kavo::app {

enum class GeometryKind
{
    Mesh,
    NurbsSurface,
    NurbsCurve,
    Subdivision,
    Particles
};

// The host's shape type for the kind.
inline const char* shapeTypeOf(GeometryKind kind)
{
    switch (kind) {
    case GeometryKind::Mesh: return "mesh";
    case GeometryKind::NurbsSurface: return "nurbsSurface";
    case GeometryKind::NurbsCurve: return "nurbsCurve";
    case GeometryKind::Subdivision: return "subdiv";
    case GeometryKind::Particles: break;
    }
    return "vectorArrayShape";
}

// The extension of the files the kind is written to, dot included: OBJ for
// everything with points joined into faces, curves or surfaces, PLY for
// loose particles.
inline const char* outputExtensionOf(GeometryKind kind)
{
    return kind == GeometryKind::Particles ? ".ply" : ".obj";
}

inline const char* describe(GeometryKind kind)
{
    switch (kind) {
    case GeometryKind::Mesh: return "polygon mesh";
    case GeometryKind::NurbsSurface: return "NURBS surface";
    case GeometryKind::NurbsCurve: return "NURBS curve";
    case GeometryKind::Subdivision: return "subdivision surface";
    case GeometryKind::Particles: break;
    }
    return "particles";
}

} // namespace kavo::app
