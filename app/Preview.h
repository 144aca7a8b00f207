#pragma once

// The preview image of a frame: a real OpenGL render, offscreen, through
// one of the host's 3-D views in its flat-shaded style. The camera frames
// the deformed geometry together with the noise handle, which the host draws
// through the locator's own draw(). As after the deformer command, the
// handle is the selection, so it shows in its active colour.

#include "AtomicFile.h"
#include "DeformerScene.h"

#include <maya/MObject.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace kavo::host::view {
class View3d;
}

namespace kavo::app {

class Preview
{
public:
    // An AppError (evaluation) when the host cannot make a view of that
    // size.
    Preview(const DeformerScene& scene, int width, int height);
    ~Preview();

    Preview(const Preview&) = delete;
    Preview& operator=(const Preview&) = delete;

    // Renders the deformed geometry of each input (in input order) and writes
    // the image; an AppError (usage) when the file cannot be written.
    void write(const std::vector<MObject>& deformed, const AtomicFile& file);

private:
    std::vector<std::uint8_t> render(const std::vector<MObject>& deformed);

    const DeformerScene& m_scene;
    std::shared_ptr<host::view::View3d> m_view;
};

} // namespace kavo::app
