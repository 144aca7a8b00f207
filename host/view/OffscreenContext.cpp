#include "view/OffscreenContext.h"

#include "view/OpenGLLibrary.h"

#include <GL/gl.h>

#include <algorithm>
#include <new>

namespace kavo::host::view {

namespace {

constexpr int kBytesPerPixel = 4;
constexpr GLint kDepthBits = 24;

bool sizeSupported(const OpenGLLibrary& openGL, int width, int height)
{
    GLint maxWidth = 0;
    GLint maxHeight = 0;
    openGL.getIntegerv(OSMESA_MAX_WIDTH, &maxWidth);
    openGL.getIntegerv(OSMESA_MAX_HEIGHT, &maxHeight);
    return width > 0 && height > 0 && width <= maxWidth && height <= maxHeight;
}

} // namespace

OffscreenContext::~OffscreenContext()
{
    destroy();
}

MStatus OffscreenContext::create(int width, int height)
{
    destroy();
    const OpenGLLibrary& openGL = OpenGLLibrary::process();
    if (!openGL.isOpen())
        return MStatus::kFailure;
    if (!sizeSupported(openGL, width, height))
        return MStatus::kInvalidParameter;

    try {
        m_colorBuffer.assign(std::size_t(width) * std::size_t(height) * kBytesPerPixel, 0);
    } catch (const std::bad_alloc&) {
        return MStatus::kInsufficientMemory;
    }
    m_context = openGL.createContextExt(OSMESA_RGBA, kDepthBits, 0, 0, nullptr);
    m_width = width;
    m_height = height;
    // Binding once here sets the viewport to the whole buffer and reports a
    // buffer the renderer refuses now rather than at the first draw.
    MStatus status = makeCurrent();
    if (!status)
        destroy();
    return status;
}

MStatus OffscreenContext::makeCurrent()
{
    if (!m_context)
        return MStatus::kFailure;
    if (!OpenGLLibrary::process().makeCurrent(m_context, m_colorBuffer.data(), GL_UNSIGNED_BYTE, m_width, m_height))
        return MStatus::kFailure;
    return MStatus::kSuccess;
}

std::vector<std::uint8_t> OffscreenContext::readPixels()
{
    if (!makeCurrent())
        return {};
    glFinish();

    const std::size_t rowBytes = std::size_t(m_width) * kBytesPerPixel;
    std::vector<std::uint8_t> topFirst(m_colorBuffer.size());
    for (int row = 0; row < m_height; ++row) {
        auto source = m_colorBuffer.begin() + std::ptrdiff_t(row * rowBytes);
        auto target = topFirst.begin() + std::ptrdiff_t((m_height - 1 - row) * rowBytes);
        std::copy(source, source + std::ptrdiff_t(rowBytes), target);
    }
    return topFirst;
}

void OffscreenContext::destroy()
{
    if (m_context) {
        // A context exists only once the library is open.
        const OpenGLLibrary& openGL = OpenGLLibrary::process();
        // Never leave the thread bound to a context that no longer exists.
        if (openGL.getCurrentContext() == m_context)
            openGL.makeCurrent(nullptr, nullptr, 0, 0, 0);
        openGL.destroyContext(m_context);
    }
    m_context = nullptr;
    m_width = 0;
    m_height = 0;
    m_colorBuffer.clear();
}

} // namespace kavo::host::view
