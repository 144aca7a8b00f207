#pragma once

// Which part of a frame range one task of a farm job evaluates: the K-th of
// N even shares, K counted from 1. Shares are consecutive runs of the
// range's frames, in order, and differ in size by one frame at most; every
// frame falls in exactly one share. With more tasks than frames the last
// tasks get nothing to do.

#include <functional>
#include <string>
#include <vector>

namespace kavo::app {

class FrameShare
{
public:
    // Reads a variable of the process's environment: its text, or null when
    // it is not set (as std::getenv does).
    using Environment = std::function<const char*(const char*)>;

    // The whole range: task 1 of 1.
    FrameShare() = default;

    // "K/N", or "slurm" for the running task of a Slurm job array: K is its
    // place in the array (SLURM_ARRAY_TASK_ID - SLURM_ARRAY_TASK_MIN + 1, so
    // arrays numbered from 0 and from 1 both work) and N the array's size
    // (SLURM_ARRAY_TASK_COUNT). An AppError (usage) for anything else,
    // naming a missing variable.
    static FrameShare parse(const std::string& text, const Environment& environment);

    // The frames of this task's share, in the order of `frames`.
    std::vector<long long> pick(const std::vector<long long>& frames) const;

    // "task 3 of 4"
    std::string describe() const;

private:
    FrameShare(long long task, long long count) : m_task(task), m_count(count) {}

    static FrameShare fromSlurm(const Environment& environment);

    long long m_task = 1;
    long long m_count = 1;
};

} // namespace kavo::app
