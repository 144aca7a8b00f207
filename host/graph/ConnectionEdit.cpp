#include "graph/ConnectionEdit.h"

#include "graph/Scene.h"

namespace kavo::host::graph {

ConnectionEdit::ConnectionEdit(Action action, PlugEnd source, PlugEnd destination)
    : m_action(action)
    , m_source(std::move(source))
    , m_destination(std::move(destination))
{
}

MStatus ConnectionEdit::doIt()
{
    return apply(m_action);
}

MStatus ConnectionEdit::undoIt()
{
    return apply(m_action == Action::Connect ? Action::Disconnect : Action::Connect);
}

MStatus ConnectionEdit::apply(Action action)
{
    // The scene only connects nodes it holds: a node outside it (never
    // added, or deleted since the edit was recorded) may go away at any time.
    if (!m_source.node->inScene || !m_destination.node->inScene)
        return MStatus::kInvalidParameter;
    Scene& scene = Scene::instance();
    if (action == Action::Connect)
        return scene.connect(*m_source.node, m_source.plug, *m_destination.node, m_destination.plug);
    return scene.disconnect(*m_source.node, m_source.plug, *m_destination.node, m_destination.plug);
}

} // namespace kavo::host::graph
