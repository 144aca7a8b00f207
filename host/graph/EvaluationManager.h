#pragma once

#include <atomic>

namespace kavo::host::graph {

// The host's parallel evaluation manager, as far as the stand-in host has
// one: it schedules nothing, but records each request to rebuild its
// evaluation graph (a node's scheduling kind may have changed).
class EvaluationManager
{
public:
    static EvaluationManager& instance();

    void invalidate() { ++m_invalidations; }
    unsigned int invalidations() const { return m_invalidations; }
    void reset() { m_invalidations = 0; }

private:
    EvaluationManager() = default;

    std::atomic<unsigned int> m_invalidations{0};
};

} // namespace kavo::host::graph
