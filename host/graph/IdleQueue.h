#pragma once

#include <deque>
#include <mutex>
#include <string>
#include <vector>

namespace kavo::host::graph {

// Commands deferred until the host is idle (MGlobal::executeCommandOnIdle).
// Code that runs while the graph is being changed or evaluated queues them
// here; the host application runs the queue once evaluation is over.
class IdleQueue
{
public:
    static IdleQueue& instance();

    void push(std::string command, bool echo);

    // Runs, in order, the commands queued so far; commands they queue wait
    // for the next run. Answers how many ran.
    unsigned int run();

    size_t pending() const;
    // The texts waiting to run, oldest first, exactly as they were queued.
    std::vector<std::string> queued() const;
    void clear();

private:
    struct Entry
    {
        std::string command;
        bool echo;
    };

    IdleQueue() = default;

    mutable std::mutex m_mutex;
    std::deque<Entry> m_entries;
};

} // namespace kavo::host::graph
