#pragma once

// The frames a run evaluates, and how they name its files. Frames are whole
// numbers of scene time at 24 frames per second. A run of '#' in a file name
// stands for the frame number padded with zeros to the run's length
// ("out.####.obj" at frame 7 is "out.0007.obj"), so a farm can split a long
// range into independent runs that write distinct files.

#include <string>
#include <vector>

namespace kavo::app {

class FrameRange
{
public:
    // Frame 1, the scene's start.
    FrameRange() = default;

    static FrameRange single(long long frame);
    // One frame as text; an AppError (usage) for anything but a whole
    // number within the frame limit.
    static FrameRange parseSingle(const std::string& text);
    // "A:B" or "A:B:STEP", A <= B, STEP > 0; an AppError (usage) otherwise.
    static FrameRange parse(const std::string& text);

    std::vector<long long> frames() const;
    bool isSingleFrame() const { return m_first == m_last; }

    // The name with every run of '#' replaced by the padded frame number; a
    // negative frame keeps its sign in front of the padded digits.
    static std::string expand(const std::string& pattern, long long frame);
    static bool hasFramePlaceholder(const std::string& pattern);

private:
    FrameRange(long long first, long long last, long long step) : m_first(first), m_last(last), m_step(step) {}

    long long m_first = 1;
    long long m_last = 1;
    long long m_step = 1;
};

} // namespace kavo::app
