#pragma once

// An OpenGL context that renders into memory instead of a window, so the
// host's 3-D views can draw (and tests can look at the pixels) on machines
// without a display. Legacy immediate mode works in it, as plug-ins drawing
// with glBegin/glVertex/glEnd expect.

#include <maya/MStatus.h>

#include <cstdint>
#include <vector>

struct osmesa_context;

namespace kavo::host::view {

class OffscreenContext
{
public:
    // No context yet: create() makes one.
    OffscreenContext() = default;
    ~OffscreenContext();

    OffscreenContext(const OffscreenContext&) = delete;
    OffscreenContext& operator=(const OffscreenContext&) = delete;

    // Makes an RGBA context with a 24-bit depth buffer drawing into a
    // width x height colour buffer owned by this object, replacing any
    // context held before. Sizes outside what the renderer supports, a
    // renderer that cannot make the context, or an OpenGL library that cannot
    // be opened (OpenGLLibrary::problem says why) give a failed status and
    // leave this object without a context.
    MStatus create(int width, int height);

    bool isValid() const { return m_context != nullptr; }
    int width() const { return m_width; }
    int height() const { return m_height; }

    // Makes this context the calling thread's current one, so gl* calls draw
    // into it. Fails without a context.
    MStatus makeCurrent();

    // Finishes the drawing and returns the colour buffer as RGBA bytes, top
    // row first (OpenGL stores the bottom row first). Empty without a context.
    std::vector<std::uint8_t> readPixels();

private:
    void destroy();

    osmesa_context* m_context = nullptr;
    int m_width = 0;
    int m_height = 0;
    std::vector<std::uint8_t> m_colorBuffer; // bottom row first, as OpenGL writes it
};

} // namespace kavo::host::view
