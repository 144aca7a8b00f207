// The identity the plug-in itself gives the host when it loads: the host
// shows it in its plug-in manager and saved scenes record it.
#include "DeformerFixture.h"

#include "graph/Plugin.h"
#include "session/PluginLoader.h"

#include <gtest/gtest.h>

namespace {

using kavo::host::session::LoadedPlugin;
using kavo::host::session::PluginLoader;
using kavo::test::kPluginPath;
using kavo::test::LoadedPluginTest;

using PluginIdentityTest = LoadedPluginTest;

TEST_F(PluginIdentityTest, VendorVersionAndRequiredApiAreTheStudiosOwn)
{
    const LoadedPlugin* loaded = PluginLoader::instance().find(kPluginPath);
    ASSERT_NE(loaded, nullptr);
    ASSERT_NE(loaded->plugin, nullptr);
    EXPECT_EQ(loaded->plugin->vendor(), "Kavo Studio, Inc.");
    EXPECT_EQ(loaded->plugin->version(), "1.2");
    EXPECT_EQ(loaded->plugin->requiredApiVersion(), "Any");
}

} // namespace
