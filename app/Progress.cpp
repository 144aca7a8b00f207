#include "Progress.h"

#include <cstdio>
#include <string>

#include <unistd.h>

namespace kavo::app {

namespace {

constexpr size_t kBarWidth = 30;

std::string clockText(double seconds)
{
    const long total = static_cast<long>(seconds + 0.5);
    char text[32];
    std::snprintf(text, sizeof text, "%ld:%02ld:%02ld", total / 3600, total / 60 % 60, total % 60);
    return text;
}

} // namespace

Progress::Progress(size_t total, bool quiet) : m_total(total), m_shown(!quiet && total > 1 && isatty(STDERR_FILENO))
{
    if (m_shown)
        draw();
}

Progress::~Progress()
{
    finish();
}

void Progress::advance()
{
    ++m_done;
    if (m_shown)
        draw();
}

void Progress::finish()
{
    if (m_shown && !m_finished)
        std::fputc('\n', stderr);
    m_finished = true;
}

void Progress::draw() const
{
    const size_t filled = m_total ? kBarWidth * m_done / m_total : kBarWidth;
    std::string eta = "--:--:--";
    if (m_done > 0) {
        const double elapsed = std::chrono::duration<double>(Clock::now() - m_start).count();
        eta = clockText(elapsed / static_cast<double>(m_done) * static_cast<double>(m_total - m_done));
    }
    std::fprintf(stderr, "\r[%s%s] %zu/%zu frames, %s left ", std::string(filled, '#').c_str(),
                 std::string(kBarWidth - filled, '.').c_str(), m_done, m_total, eta.c_str());
    std::fflush(stderr);
}

} // namespace kavo::app
