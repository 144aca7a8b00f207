#pragma once

#include "graph/Object.h"

#include <maya/MTypeId.h>

#include <string>
#include <vector>

namespace kavo::host::graph {

// A loaded plug-in library as the host sees it: the object handed to its
// initializePlugin and uninitializePlugin, which MFnPlugin binds to. It
// remembers the identity the plug-in gave and the node types it registered,
// so the host knows what goes away with it.
class Plugin : public Object
{
public:
    explicit Plugin(std::string path);

    MFn::Type apiType() const override;

    const std::string& path() const { return m_path; }
    const std::string& vendor() const { return m_vendor; }
    const std::string& version() const { return m_version; }
    const std::string& requiredApiVersion() const { return m_requiredApiVersion; }

    // The identity given at the first binding, the one in initializePlugin,
    // is kept: uninitializePlugin typically binds with the defaults.
    void setIdentity(const std::string& vendor, const std::string& version, const std::string& requiredApiVersion);

    const std::vector<MTypeId>& registeredTypes() const { return m_registeredTypes; }
    bool hasRegistered(const MTypeId& id) const;
    void addRegisteredType(const MTypeId& id);
    void removeRegisteredType(const MTypeId& id);

private:
    std::string m_path;
    bool m_hasIdentity = false;
    std::string m_vendor;
    std::string m_version;
    std::string m_requiredApiVersion;
    std::vector<MTypeId> m_registeredTypes;
};

} // namespace kavo::host::graph
