#pragma once

// One run of kavo-deform: reads the inputs, checks where everything will be
// written, builds the scene in the host, applies the options, and for every
// frame evaluates the deformer and writes each deformed geometry (and the
// preview) to its file.
//
// Everything that can be checked before evaluating is checked first, so a
// bad command line or input stops the run before any file is written; the
// files of a frame are written to temporary files and only renamed into
// place once the whole frame has been written.

#include "CachePoints.h"
#include "DeformerScene.h"
#include "Options.h"
#include "PointCacheReader.h"
#include "PointCacheWriter.h"

#include <memory>
#include <vector>

namespace kavo::app {

class AtomicFile;
class Preview;

class DeformJob
{
public:
    explicit DeformJob(Options options);

    // An AppError for anything that goes wrong.
    void run();

private:
    void loadInputs();
    void openInputCache(size_t index, const std::string& path);
    void checkOutputs() const;
    // Every file the run reads: OBJ inputs, input caches, weights, texture,
    // plug-in.
    std::vector<std::string> inputFiles() const;
    void checkOutputName(const std::string& name, const std::vector<std::string>& taken) const;
    void applyOptions(DeformerScene& scene) const;
    void evaluateFrame(DeformerScene& scene, Preview* preview, long long frame);
    void writeGeometry(const MObject& data, GeometryKind kind, AtomicFile& file) const;
    // The cache that output `index` writes.
    CacheLayout cacheLayout(size_t index) const;
    void openCaches(const DeformerScene& scene);

    Options m_options;
    std::vector<long long> m_frames; // this task's share of the range
    std::vector<InputGeometry> m_inputs;
    std::vector<double> m_weights;
    std::vector<std::vector<unsigned int>> m_members;             // per input; none: every point
    std::vector<CachePoints> m_cachePoints;                       // per input
    std::vector<std::unique_ptr<PointCacheWriter>> m_caches;      // per output; null for a file per frame
    std::vector<std::unique_ptr<PointCacheReader>> m_inputCaches; // per input; null for a still one
};

} // namespace kavo::app
