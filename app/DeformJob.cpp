#include "DeformJob.h"

#include "AppError.h"
#include "AtomicFile.h"
#include "AttributeAssignments.h"
#include "BuiltInGeometry.h"
#include "InputFile.h"
#include "InputLoader.h"
#include "ObjWriter.h"
#include "PlyWriter.h"
#include "Preview.h"
#include "Progress.h"
#include "WeightsFile.h"

#include "session/Host.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>

namespace kavo::app {

namespace fs = std::filesystem;

namespace {

std::string lowercaseExtension(const std::string& path)
{
    std::string extension = fs::path(path).extension().string();
    for (char& c : extension)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return extension;
}

// Where a name leads: links followed as far as they exist, "." and ".."
// resolved, relative names made absolute (weakly_canonical keeps a name
// relative when none of it exists yet, so "a.obj" and "./a.obj" would differ).
fs::path resolved(const std::string& name)
{
    std::error_code error;
    const fs::path absolute = fs::absolute(name, error);
    const fs::path path = error ? fs::path(name) : fs::weakly_canonical(absolute, error);
    return error ? absolute.lexically_normal() : path;
}

// Whether two names lead to one file, through links and "..", whether or
// not it exists yet.
bool sameFile(const std::string& first, const std::string& second)
{
    std::error_code error;
    return fs::equivalent(first, second, error) || resolved(first) == resolved(second);
}

} // namespace

DeformJob::DeformJob(Options options)
    : m_options(std::move(options))
    , m_frames(m_options.task.pick(m_options.frames.frames()))
{
}

void DeformJob::run()
{
    loadInputs();
    if (m_options.members)
        m_members = m_options.members->split(DeformerScene::pointCounts(m_inputs));
    if (!m_options.weightsPath.empty())
        m_weights = WeightsFile::read(m_options.weightsPath);
    if (!m_options.texturePath.empty())
        InputFile::check(m_options.texturePath, InputFile::kTexture);
    checkOutputs();
    DeformerScene::loadPlugin(m_options.pluginPath);

    DeformerScene scene(m_inputs, m_members);
    applyOptions(scene);
    std::unique_ptr<Preview> preview;
    if (!m_options.previewPath.empty())
        preview = std::make_unique<Preview>(scene, m_options.previewWidth, m_options.previewHeight);
    host::session::Host::runIdleQueue();

    // A surplus task still checks the whole job above, so that every task
    // of a job refuses a bad one alike.
    if (m_frames.empty())
        std::cerr << "kavo-deform: " << m_options.task.describe() << " has nothing to do: the range has only "
                  << m_options.frames.frames().size() << " frame(s)\n";
    openCaches(scene);
    Progress progress(m_frames.size(), m_options.quiet);
    for (long long frame : m_frames) {
        evaluateFrame(scene, preview.get(), frame);
        progress.advance();
    }
    for (const std::unique_ptr<PointCacheWriter>& cache : m_caches)
        if (cache)
            cache->commit();
}

void DeformJob::loadInputs()
{
    for (size_t k = 0; k < m_options.inputs.size(); ++k) {
        m_inputs.push_back(InputLoader::load(m_options.inputs[k]));
        m_cachePoints.emplace_back(m_inputs.back());
        m_inputCaches.emplace_back();
        if (k < m_options.inputCaches.size() && !m_options.inputCaches[k].empty())
            openInputCache(k, m_options.inputCaches[k]);
    }
}

// The whole range is checked, not only this task's share, so that every
// task of a job refuses a cache alike.
void DeformJob::openInputCache(size_t index, const std::string& path)
{
    m_inputCaches[index] = PointCacheReader::open(path);
    m_inputCaches[index]->checkFrames(m_options.frames.frames());
    const std::uint64_t points = m_inputCaches[index]->pointCount();
    if (points != m_cachePoints[index].count())
        throw AppError::usage("\"" + path + "\" holds " + std::to_string(points) + " points a frame, but \"" +
                              m_inputs[index].argument + "\" has " + std::to_string(m_cachePoints[index].count()));
}

CacheLayout DeformJob::cacheLayout(size_t index) const
{
    CacheLayout layout;
    layout.points = m_cachePoints[index].count();
    layout.range = m_options.frames.frames();
    layout.written = m_frames;
    layout.doubles = !m_options.cacheFloat;
    layout.perFrame = m_options.cachePerFrame;
    layout.wideSizes = m_options.cacheFormat != "mcc";
    return layout;
}

void DeformJob::openCaches(const DeformerScene& scene)
{
    for (size_t k = 0; k < m_inputs.size(); ++k) {
        if (!PointCacheWriter::isCacheName(m_options.outputs[k])) {
            m_caches.emplace_back();
            continue;
        }
        CacheLayout layout = cacheLayout(k);
        layout.channel = scene.shapeName(k);
        m_caches.push_back(PointCacheWriter::open(m_options.outputs[k], layout));
    }
}

void DeformJob::checkOutputs() const
{
    std::vector<std::string> cacheFiles;
    for (size_t k = 0; k < m_inputs.size(); ++k) {
        const std::string& output = m_options.outputs[k];
        if (PointCacheWriter::isCacheName(output)) {
            PointCacheWriter::check(output, cacheLayout(k));
            for (const std::string& name : PointCacheWriter::filesOf(output, cacheLayout(k))) {
                checkOutputName(name, cacheFiles);
                cacheFiles.push_back(name);
            }
            continue;
        }
        const std::string wanted = outputExtensionOf(m_inputs[k].kind);
        if (lowercaseExtension(output) != wanted)
            throw AppError::usage("\"" + output + "\" should end in " + wanted + " (or be a point cache: .xml, " +
                                  ".pc2, .mdd): \"" + m_inputs[k].argument + "\" is a " + describe(m_inputs[k].kind));
    }
    for (long long frame : m_frames) {
        std::vector<std::string> taken = cacheFiles;
        for (const std::string& output : m_options.outputs) {
            if (PointCacheWriter::isCacheName(output))
                continue;
            checkOutputName(FrameRange::expand(output, frame), taken);
            taken.push_back(FrameRange::expand(output, frame));
        }
        if (!m_options.previewPath.empty())
            checkOutputName(FrameRange::expand(m_options.previewPath, frame), taken);
    }
}

std::vector<std::string> DeformJob::inputFiles() const
{
    std::vector<std::string> files;
    for (const InputGeometry& input : m_inputs)
        if (!BuiltInGeometry::isBuiltIn(input.argument))
            files.push_back(input.argument);
    for (const std::unique_ptr<PointCacheReader>& cache : m_inputCaches)
        if (cache)
            for (const std::string& file : cache->files())
                files.push_back(file);
    for (const std::string* path : {&m_options.weightsPath, &m_options.texturePath, &m_options.pluginPath})
        if (!path->empty())
            files.push_back(*path);
    return files;
}

void DeformJob::checkOutputName(const std::string& name, const std::vector<std::string>& taken) const
{
    for (const std::string& input : inputFiles())
        if (sameFile(name, input))
            throw AppError::usage("\"" + name + "\" would overwrite the input \"" + input + "\"");
    for (const std::string& other : taken)
        if (sameFile(name, other))
            throw AppError::usage("\"" + name + "\" is written twice in one frame");
    const fs::path folder = fs::path(name).parent_path();
    std::error_code error;
    if (!folder.empty() && !fs::is_directory(folder, error))
        throw AppError::usage("cannot write \"" + name + "\": no folder \"" + folder.string() + "\"");
}

void DeformJob::applyOptions(DeformerScene& scene) const
{
    AttributeAssignments attributes(scene.deformer());
    if (!m_options.texturePath.empty()) {
        scene.connectTexture(m_options.texturePath);
        attributes.apply("noiseType=Texture Displacement");
    }
    for (const std::string& assignment : m_options.assignments)
        attributes.apply(assignment);
    if (m_options.envelope)
        attributes.apply("envelope=" + *m_options.envelope);
    if (m_options.handleTranslate)
        scene.translateHandle(*m_options.handleTranslate);
    if (m_options.handleRotate)
        scene.rotateHandle(*m_options.handleRotate);
    if (m_options.handleScale)
        scene.scaleHandle(*m_options.handleScale);
    if (!m_options.weightsPath.empty())
        scene.paintWeights(m_weights, m_options.weightsPath);
}

void DeformJob::evaluateFrame(DeformerScene& scene, Preview* preview, long long frame)
{
    scene.setFrame(frame);
    std::vector<double> xyz;
    for (size_t k = 0; k < m_inputs.size(); ++k) {
        if (!m_inputCaches[k])
            continue;
        m_inputCaches[k]->read(frame, xyz);
        scene.setInputPoints(k, m_cachePoints[k].scatter(xyz));
    }
    std::vector<MObject> deformed;
    std::vector<AtomicFile> files;
    for (size_t k = 0; k < m_inputs.size(); ++k) {
        deformed.push_back(scene.deformed(k));
        if (m_caches[k]) {
            MPointArray copy;
            const FramePoints points = m_cachePoints[k].view(deformed.back(), copy);
            if (!points.stored && !points.copied)
                throw AppError::evaluation("could not read the deformed points of \"" + m_inputs[k].argument + "\"");
            m_caches[k]->writeFrame(frame, points);
            continue;
        }
        files.emplace_back(FrameRange::expand(m_options.outputs[k], frame));
        writeGeometry(deformed.back(), m_inputs[k].kind, files.back());
    }
    host::session::Host::runIdleQueue();
    if (preview) {
        files.emplace_back(FrameRange::expand(m_options.previewPath, frame));
        preview->write(deformed, files.back());
    }
    for (AtomicFile& file : files)
        file.commit();
}

void DeformJob::writeGeometry(const MObject& data, GeometryKind kind, AtomicFile& file) const
{
    std::ofstream out;
    file.openByName([&](const std::string& path) { out.open(path, std::ios::binary); });
    const bool written =
        kind == GeometryKind::Particles ? PlyWriter::write(data, out) : ObjWriter::write(data, kind, out);
    out.close();
    if (!written || !out)
        throw AppError::evaluation("could not write \"" + file.target() + "\"");
}

} // namespace kavo::app
