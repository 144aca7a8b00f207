#pragma once

#include <maya/MObject.h>
#include <maya/MStatus.h>

#include <optional>
#include <string>
#include <vector>

namespace kavo::host::session {

// What a deformer command came to: the status and, for a failure, a message
// fit to show the user; for a success the new deformer node and the names of
// the original-geometry shapes made for each geometry, in order.
struct DeformerOutcome
{
    MStatus status;
    std::string message;
    MObject deformer;
    std::vector<std::string> originalShapes;

    bool succeeded() const { return status == MStatus::kSuccess; }
};

// The host's "deformer" command: puts a new deformer of a registered
// deformer type between each given geometry and the shape that shows it.
//
// Each geometry is named by its shape or by a transform with a geometry
// shape under it. For geometry i, in order, the command
//   - makes an intermediate shape "<shape>Orig" of the same type under the
//     same transform, holding the shape's original geometry (whatever fed
//     the shape's input now feeds the Orig's; otherwise the Orig stores a
//     copy of the shape's stored geometry),
//   - connects the Orig's output to the deformer's input[i].inputGeometry
//     and the deformer's outputGeometry[i] to the shape's input.
// Then, if the deformer has an accessory attribute, it lets the deformer
// record its accessory nodes (accessoryNodeSetup) and carries them out.
//
// Given components, the deformer works on those points of each geometry
// only, as when the host's command is given selected points: `components[i]`
// lists point indices of geometry i (in any order, repeats allowed), and
// geometry without a list, or beyond the lists given, is deformed whole. The
// points listed become an object group of the Orig's geometry, and the
// deformer's input[i].groupId names that group; an empty list leaves the
// geometry as it is. Components need geometry stored on the shape (nothing
// may feed it) that has every point listed.
//
// Nothing is left behind by a failure: an unknown or non-deformer type, a
// name that names no geometry, a shape without a transform, components that
// cannot be restricted to, or a failing edit or accessory setup undoes every
// edit made.
class DeformerCommand
{
public:
    using Components = std::optional<std::vector<unsigned int>>;

    static DeformerOutcome run(const std::string& deformerType, const std::vector<std::string>& geometry,
                               const std::vector<Components>& components = {});
};

} // namespace kavo::host::session
