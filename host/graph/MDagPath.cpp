#include "graph/DagMatrices.h"
#include "graph/Node.h"

#include <maya/MDagPath.h>

#include <algorithm>

using namespace kavo::host::graph;

namespace {

template <class T>
T report(MStatus* ReturnStatus, bool ok, T value)
{
    if (ReturnStatus)
        *ReturnStatus = ok ? MStatus::kSuccess : MStatus::kInvalidParameter;
    return value;
}

} // namespace

MDagPath::MDagPath() = default;
MDagPath::MDagPath(const MDagPath& other) = default;
MDagPath::~MDagPath() = default;
MDagPath& MDagPath::operator=(const MDagPath& other) = default;

MStatus MDagPath::getAPathTo(const MObject& object, MDagPath& path)
{
    auto node = objectAs<Node>(object);
    if (!node || !node->type().dag)
        return MStatus::kInvalidParameter;
    path.m_nodes.clear();
    for (Node* current = node.get(); current; current = current->dagParent())
        path.m_nodes.push_back(current->handle());
    std::reverse(path.m_nodes.begin(), path.m_nodes.end());
    return MStatus::kSuccess;
}

bool MDagPath::isValid(MStatus* ReturnStatus) const
{
    return report(ReturnStatus, true, !m_nodes.empty());
}

MObject MDagPath::node(MStatus* ReturnStatus) const
{
    return report(ReturnStatus, !m_nodes.empty(), m_nodes.empty() ? MObject() : m_nodes.back());
}

MObject MDagPath::transform(MStatus* ReturnStatus) const
{
    for (auto it = m_nodes.rbegin(); it != m_nodes.rend(); ++it)
        if (it->hasFn(MFn::kTransform))
            return report(ReturnStatus, true, *it);
    return report(ReturnStatus, false, MObject());
}

unsigned int MDagPath::length(MStatus* ReturnStatus) const
{
    return report(ReturnStatus, true, static_cast<unsigned int>(m_nodes.size()));
}

MString MDagPath::fullPathName(MStatus* ReturnStatus) const
{
    std::string text;
    for (const MObject& object : m_nodes)
        text += "|" + objectAs<Node>(object)->name();
    return report(ReturnStatus, !m_nodes.empty(), MString(text.c_str()));
}

MString MDagPath::partialPathName(MStatus* ReturnStatus) const
{
    if (m_nodes.empty())
        return report(ReturnStatus, false, MString());
    return report(ReturnStatus, true, MString(objectAs<Node>(m_nodes.back())->name().c_str()));
}

MMatrix MDagPath::inclusiveMatrix(MStatus* ReturnStatus) const
{
    if (m_nodes.empty())
        return report(ReturnStatus, false, MMatrix::identity);
    return report(ReturnStatus, true, worldMatrix(*objectAs<Node>(m_nodes.back())));
}

MMatrix MDagPath::inclusiveMatrixInverse(MStatus* ReturnStatus) const
{
    return inclusiveMatrix(ReturnStatus).inverse();
}

MMatrix MDagPath::exclusiveMatrix(MStatus* ReturnStatus) const
{
    if (m_nodes.empty())
        return report(ReturnStatus, false, MMatrix::identity);
    Node* parent = objectAs<Node>(m_nodes.back())->dagParent();
    return report(ReturnStatus, true, parent ? worldMatrix(*parent) : MMatrix::identity);
}

MMatrix MDagPath::exclusiveMatrixInverse(MStatus* ReturnStatus) const
{
    return exclusiveMatrix(ReturnStatus).inverse();
}

MStatus MDagPath::push(const MObject& child)
{
    auto node = objectAs<Node>(child);
    if (!node || !node->type().dag || m_nodes.empty() || node->dagParent() != objectAs<Node>(m_nodes.back()).get())
        return MStatus::kInvalidParameter;
    m_nodes.push_back(child);
    return MStatus::kSuccess;
}

MStatus MDagPath::pop(unsigned int num)
{
    if (num > m_nodes.size())
        return MStatus::kInvalidParameter;
    m_nodes.resize(m_nodes.size() - num);
    return MStatus::kSuccess;
}

bool MDagPath::operator==(const MDagPath& other) const
{
    return m_nodes == other.m_nodes;
}
