// The plug-in loaded, run on threads, unloaded and loaded again, by a
// program that links nothing but the host (not the command-line host, which
// links the thread library itself and so would hide a plug-in that unloads
// it): the process keeps running and keeps the threads it had.
#include "session/Host.h"
#include "support/GridQuads.h"
#include "support/SameBits.h"

#include <maya/MDGModifier.h>
#include <maya/MFloatPointArray.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MFnMesh.h>
#include <maya/MFnMeshData.h>
#include <maya/MIntArray.h>
#include <maya/MItGeometry.h>
#include <maya/MPlug.h>
#include <maya/MPointArray.h>
#include <maya/MPxDeformerNode.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

namespace {

using kavo::host::session::Host;
using kavo::test::sameBits;

const std::string kPluginPath = KAVO_PLUGIN_PATH;

// A flat grid of side x side vertices, enough points for the pass to split
// them into ranges for several threads.
MObject gridData(int side)
{
    MFloatPointArray points;
    for (int row = 0; row < side; ++row)
        for (int column = 0; column < side; ++column)
            points.append(0.01f * static_cast<float>(column), 0.0f, 0.01f * static_cast<float>(row));
    MIntArray counts, connects;
    kavo::test::gridQuads(side, side, counts, connects);
    MObject data = MFnMeshData().create();
    MFnMesh().create(side * side, static_cast<int>(counts.length()), points, counts, connects, data);
    return data;
}

// One deformer on the grid, evaluated the host's way: its output pulled.
MPointArray deformedGrid()
{
    MDGModifier modifier;
    const MObject deformer = modifier.createNode("noiseDeformer");
    EXPECT_EQ(modifier.doIt(), MStatus::kSuccess);
    MFnDependencyNode(deformer).findPlug("amplitude").setValue(0.5);
    MObject grid = gridData(120);
    MPlug(deformer, MPxDeformerNode::input).elementByLogicalIndex(0).child(MPxDeformerNode::inputGeom).setValue(grid);
    MObject output;
    EXPECT_EQ(MPlug(deformer, MPxDeformerNode::outputGeom).elementByLogicalIndex(0).getValue(output),
              MStatus::kSuccess);
    MPointArray points;
    MItGeometry(output).allPositions(points);
    Host::resetScene();
    return points;
}

std::size_t threadCount()
{
    std::size_t count = 0;
    for (const auto& entry : std::filesystem::directory_iterator("/proc/self/task")) {
        static_cast<void>(entry);
        ++count;
    }
    return count;
}

// Loads, evaluates, unloads; answers the deformed points.
MPointArray oneSession()
{
    const auto loaded = Host::loadPlugin(kPluginPath);
    EXPECT_TRUE(loaded.succeeded()) << loaded.message;
    const MPointArray points = deformedGrid();
    const auto unloaded = Host::unloadPlugin(kPluginPath);
    EXPECT_TRUE(unloaded.succeeded()) << unloaded.message;
    return points;
}

TEST(PluginUnload, ReloadingKeepsTheProcessItsThreadsAndTheResults)
{
    const std::size_t before = threadCount();
    const MPointArray first = oneSession();
    ASSERT_EQ(first.length(), 120u * 120u);
    const std::size_t afterFirst = threadCount();
    if (std::thread::hardware_concurrency() > 1) {
        EXPECT_GT(afterFirst, before) << "the pass ran on no thread but the caller's";
    }

    const MPointArray second = oneSession();
    // Threads parked in an unloaded library would fault when they next wake;
    // give them the time to.
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_EQ(threadCount(), afterFirst) << "reloading the plug-in started threads of its own";

    ASSERT_EQ(second.length(), first.length());
    unsigned int moved = 0;
    for (unsigned int i = 0; i < first.length(); ++i) {
        ASSERT_TRUE(sameBits(first[i].x, second[i].x) && sameBits(first[i].y, second[i].y) &&
                    sameBits(first[i].z, second[i].z))
            << "point " << i;
        moved += first[i].y != 0.0 ? 1 : 0;
    }
    EXPECT_GT(moved, first.length() / 2) << "the deformer moved almost nothing";
}

} // namespace
