#pragma once

// The scene a run builds in the stand-in host, the way an artist's creation
// script would build it in the host: a shape per input under its own
// transform, one "noiseDeformer" on all of them through the host's deformer
// command (input i is the deformer's multi index i; the deformer's accessory
// set-up makes the handle "noiseHandle1" and connects its world matrix), and
// the scene's time connected to the deformer's "time". Everything of the
// plug-in is reached through the host's graph and the plug-in's registered
// entry points.

#include "InputGeometry.h"

#include <maya/MObject.h>
#include <maya/MPoint.h>

#include <array>
#include <string>
#include <vector>

namespace kavo::host::graph {
class Node;
}

namespace kavo::app {

class DeformerScene
{
public:
    static constexpr const char* kDeformerType = "noiseDeformer";

    // Loads the plug-in library through the host; an AppError (usage) when it
    // does not load or registers no "noiseDeformer".
    static void loadPlugin(const std::string& path);

    // The deformer works on `members` of each input (its point indices) or,
    // without them, on every point. An AppError (evaluation) when the host
    // cannot build the scene.
    explicit DeformerScene(const std::vector<InputGeometry>& inputs,
                           const std::vector<std::vector<unsigned int>>& members = {});

    // The number of points of each input, as weights and members count them.
    static std::vector<unsigned int> pointCounts(const std::vector<InputGeometry>& inputs);

    host::graph::Node& deformer() const { return *m_deformer; }
    // The handle's transform: whatever drives the deformer's handle space.
    host::graph::Node& handle() const { return *m_handle; }
    const std::vector<InputGeometry>& inputs() const { return m_inputs; }

    // The handle's placement: translation, rotation in degrees (XYZ order)
    // and scale.
    void translateHandle(const std::array<double, 3>& translation);
    void rotateHandle(const std::array<double, 3>& degrees);
    void scaleHandle(const std::array<double, 3>& scale);

    // A "file" texture node reading `imagePath`, its colour connected to the
    // deformer's "displacement". An AppError (usage) for an image the host
    // cannot read.
    void connectTexture(const std::string& imagePath);

    // Painted weights, the points of every input in input order; an
    // AppError (usage) when their number is not the number of points.
    void paintWeights(const std::vector<double>& weights, const std::string& source);

    void setFrame(long long frame);

    // The host's name of input `index`'s shape.
    const std::string& shapeName(size_t index) const { return m_shapes[index]; }

    // Moves the points of input `index` before the deformer (its original
    // geometry), every point in the host's order; its topology stays. An
    // AppError (evaluation) when the host refuses them.
    void setInputPoints(size_t index, const std::vector<MPoint>& points);

    // The deformed geometry of input `index` at the current frame, as a data
    // object in the shape's object space; an AppError (evaluation) when the
    // deformer fails.
    MObject deformed(size_t index) const;

private:
    void setHandleValues(const char* attributes[3], const std::array<double, 3>& values, bool angles);
    void connectTime();
    void connect(const MObject& source, const char* sourceAttribute, const MObject& destination,
                 const char* destinationAttribute);

    std::vector<InputGeometry> m_inputs;
    std::vector<std::string> m_shapes;
    std::vector<std::string> m_originals; // the shapes that feed the deformer
    host::graph::Node* m_deformer = nullptr;
    host::graph::Node* m_handle = nullptr;
};

} // namespace kavo::app
