#include "graph/Plugin.h"

#include <algorithm>

namespace kavo::host::graph {

Plugin::Plugin(std::string path) : m_path(std::move(path)) {}

MFn::Type Plugin::apiType() const
{
    return MFn::kPlugin;
}

void Plugin::setIdentity(const std::string& vendor, const std::string& version, const std::string& requiredApiVersion)
{
    if (m_hasIdentity)
        return;
    m_hasIdentity = true;
    m_vendor = vendor;
    m_version = version;
    m_requiredApiVersion = requiredApiVersion;
}

bool Plugin::hasRegistered(const MTypeId& id) const
{
    return std::find(m_registeredTypes.begin(), m_registeredTypes.end(), id) != m_registeredTypes.end();
}

void Plugin::addRegisteredType(const MTypeId& id)
{
    m_registeredTypes.push_back(id);
}

void Plugin::removeRegisteredType(const MTypeId& id)
{
    m_registeredTypes.erase(std::remove(m_registeredTypes.begin(), m_registeredTypes.end(), id),
                            m_registeredTypes.end());
}

} // namespace kavo::host::graph
