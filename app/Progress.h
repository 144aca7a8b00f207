#pragma once

// A progress bar for a range of frames on standard error, with the time
// left estimated from the frames done so far. It shows only when standard
// error is a terminal, so logs of farm jobs stay free of carriage returns.

#include <chrono>
#include <cstddef>

namespace kavo::app {

class Progress
{
public:
    // Shows nothing for a single frame, when `quiet`, or without a terminal.
    Progress(size_t total, bool quiet);
    ~Progress();

    Progress(const Progress&) = delete;
    Progress& operator=(const Progress&) = delete;

    // One more frame done.
    void advance();
    // Ends the bar's line, so what is printed next starts on its own.
    void finish();

private:
    void draw() const;

    using Clock = std::chrono::steady_clock;
    size_t m_total;
    size_t m_done = 0;
    bool m_shown;
    bool m_finished = false;
    Clock::time_point m_start = Clock::now();
};

} // namespace kavo::app
