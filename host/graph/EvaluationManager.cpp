#include "graph/EvaluationManager.h"

namespace kavo::host::graph {

EvaluationManager& EvaluationManager::instance()
{
    static EvaluationManager manager;
    return manager;
}

} // namespace kavo::host::graph
