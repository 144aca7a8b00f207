#include "graph/IdleQueue.h"

#include "graph/CommandInterpreter.h"

namespace kavo::host::graph {

IdleQueue& IdleQueue::instance()
{
    static IdleQueue queue;
    return queue;
}

void IdleQueue::push(std::string command, bool echo)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_entries.push_back(Entry{std::move(command), echo});
}

unsigned int IdleQueue::run()
{
    std::deque<Entry> due;
    {
        // The lock is not held while commands run: they may queue more.
        std::lock_guard<std::mutex> lock(m_mutex);
        due.swap(m_entries);
    }
    for (const Entry& entry : due)
        CommandInterpreter::execute(entry.command, entry.echo);
    return static_cast<unsigned int>(due.size());
}

size_t IdleQueue::pending() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_entries.size();
}

std::vector<std::string> IdleQueue::queued() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    std::vector<std::string> texts;
    for (const Entry& entry : m_entries)
        texts.push_back(entry.command);
    return texts;
}

void IdleQueue::clear()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_entries.clear();
}

} // namespace kavo::host::graph
