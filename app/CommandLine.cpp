#include "CommandLine.h"

#include "AppError.h"
#include "BuiltInGeometry.h"
#include "NumberText.h"
#include "PointCacheWriter.h"
#include "PreviewImage.h"

#include <CLI/CLI.hpp>

#include <cstdlib>
#include <filesystem>
#include <iostream>

namespace kavo::app {

namespace {

constexpr int kLargestPreview = 8192;

const char* kDescription =
    "Deforms geometry with the KavoNoiseDeformer plug-in, loaded into the stand-in host as the host would load it,\n"
    "and writes the deformed geometry of every frame asked for.\n\n"
    "Inputs are OBJ files (polygon meshes) or built-in examples:\n";

const char* kFooter = "\nOutputs: .obj for meshes, subdivision cages and NURBS (free-form curv/surf), .ply for "
                      "particles; one per input,\n"
                      "in input order. In output and preview names a run of # becomes the zero-padded frame number.\n"
                      "A point cache output holds every frame of the range: .xml (the host's geometry cache), .pc2 "
                      "or .mdd.\n"
                      "Exit status: 0 done, 2 bad usage or input, 1 the evaluation failed.";

// A "x,y,z" option, read into `target` when given.
void addTriple(CLI::App& app, const std::string& name, std::optional<std::array<double, 3>>& target,
               const std::string& help)
{
    app.add_option_function<std::string>(
           name,
           [&target, name](const std::string& text) {
               target = NumberText::triple(text);
               if (!target)
                   throw CLI::ValidationError(name, "expected three numbers X,Y,Z, got \"" + text + "\"");
           },
           help)
        ->type_name("X,Y,Z");
}

void readPreviewSize(const std::string& text, Options& options)
{
    const size_t cross = text.find('x');
    const std::optional<long long> width = NumberText::integer(text.substr(0, cross));
    const std::optional<long long> height =
        cross == std::string::npos ? std::nullopt : NumberText::integer(text.substr(cross + 1));
    if (!width || !height || *width < 1 || *height < 1 || *width > kLargestPreview || *height > kLargestPreview)
        throw CLI::ValidationError("--preview-size",
                                   "expected WIDTHxHEIGHT from 1x1 to 8192x8192, got \"" + text + "\"");
    options.previewWidth = static_cast<int>(*width);
    options.previewHeight = static_cast<int>(*height);
}

// Each --input-cache belongs to the input before it on the command line.
std::vector<std::string> inputCachesInOrder(const CLI::App& app, size_t inputCount)
{
    const CLI::Option* inputs = app.get_option("inputs");
    const CLI::Option* caches = app.get_option("--input-cache");
    std::vector<std::string> perInput(inputCount);
    size_t inputsSeen = 0;
    size_t cachesSeen = 0;
    for (const CLI::Option* option : app.parse_order()) {
        if (option == inputs)
            ++inputsSeen;
        if (option != caches)
            continue;
        const std::string& cache = caches->results()[cachesSeen++];
        if (inputsSeen == 0)
            throw AppError::usage("--input-cache " + cache + " follows no input: give it after the input it animates");
        if (!perInput[inputsSeen - 1].empty())
            throw AppError::usage("two caches for one input: \"" + perInput[inputsSeen - 1] + "\" and \"" + cache +
                                  "\"");
        perInput[inputsSeen - 1] = cache;
    }
    return perInput;
}

void defineOptions(CLI::App& app, Options& options, std::string& frame, std::string& frames)
{
    app.add_option("inputs", options.inputs, "OBJ files or built-in examples (@sphere, @plane:200x200, ...)")
        ->type_name("INPUT...");
    app.add_option("-o,--output", options.outputs, "one output per input, in input order")->type_name("OUTPUT...");
    app.add_option("--input-cache", options.inputCaches,
                   "after an input: its points at every frame from a point cache (.xml, .pc2 or .mdd) before the "
                   "deformer runs")
        ->type_name("CACHE")
        ->allow_extra_args(false);
    app.add_flag("--cache-float", options.cacheFloat, ".xml outputs: float positions instead of doubles");
    app.add_flag("--cache-per-frame", options.cachePerFrame,
                 ".xml outputs: one data file per frame instead of one for the range (needed with --task)");
    app.add_option("--cache-format", options.cacheFormat,
                   ".xml outputs: mcx (64-bit block sizes, the default) or mcc (32-bit, data up to 2 GiB)")
        ->type_name("FORMAT")
        ->check(CLI::IsMember({"mcx", "mcc"}));
    app.add_option("--plugin", options.pluginPath, "the plug-in to load (default: the one beside this program)")
        ->type_name("PATH");
    app.add_option("--set", options.assignments,
                   "sets a deformer attribute by long or short name (amplitude=0.5, nt=Sine, disp=1,0.5,0); "
                   "repeatable")
        ->type_name("NAME=VALUE")
        ->allow_extra_args(false);
    addTriple(app, "--handle-translate", options.handleTranslate, "moves the noise handle");
    addTriple(app, "--handle-rotate", options.handleRotate, "turns the noise handle (degrees, XYZ order)");
    addTriple(app, "--handle-scale", options.handleScale, "scales the noise handle");
    app.add_option("--envelope", options.envelope,
                   "the deformer's envelope, like --set envelope=E (0 leaves the geometry as it is)")
        ->type_name("E");
    app.add_option("--weights", options.weightsPath,
                   "painted weights: one number per point, the points of every input in input order")
        ->type_name("FILE");
    app.add_option_function<std::string>(
           "--members", [&options](const std::string& text) { options.members = MemberList::parse(text); },
           "deforms only these points, numbered as --weights numbers them (0:799,1200,1500:1599); the others "
           "keep their positions")
        ->type_name("LIST");
    app.add_option("--texture", options.texturePath,
                   "displaces by an image through a file texture node connected to \"displacement\"; the noise "
                   "type becomes Texture Displacement unless --set noiseType says otherwise")
        ->type_name("IMAGE");
    CLI::Option* single = app.add_option("--frame", frame, "the frame to evaluate (default 1)")->type_name("F");
    app.add_option("--frames", frames, "a range of frames, FIRST:LAST or FIRST:LAST:STEP")
        ->type_name("A:B[:STEP]")
        ->excludes(single);
    app.add_option_function<std::string>(
           "--task",
           [&options](const std::string& text) {
               options.task = FrameShare::parse(text, [](const char* name) { return std::getenv(name); });
           },
           "evaluates only the K-th of N even shares of the frames (K from 1); slurm takes K and N from the "
           "running task of a Slurm job array")
        ->type_name("K/N|slurm");
    app.add_option("--preview", options.previewPath,
                   "renders the deformed geometry and the handle to an image (.png, .jpg, .tif or .exr)")
        ->type_name("IMAGE");
    app.add_option_function<std::string>(
           "--preview-size", [&options](const std::string& text) { readPreviewSize(text, options); },
           "the preview's size in pixels (default 640x480)")
        ->type_name("WxH");
    app.add_flag("-q,--quiet", options.quiet, "no progress bar");
    app.add_option("--threads", options.threads, "the most threads a deform pass may use (default: every core)")
        ->type_name("N")
        ->check(CLI::Range(1u, 4096u));
    app.add_flag("--list-attributes", options.listAttributes,
                 "lists the deformer's attributes: names, kind, default and limits");
    app.set_version_flag("--version", std::string("kavo-deform ") + KAVO_VERSION);
}

} // namespace

std::optional<Options> CommandLine::parse(int argc, char** argv)
{
    Options options;
    std::string frame = "1";
    std::string frames;
    CLI::App app(kDescription + BuiltInGeometry::describeAll(), "kavo-deform");
    app.footer(kFooter);
    defineOptions(app, options, frame, frames);
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        std::cout << app.help();
        return std::nullopt;
    } catch (const CLI::CallForVersion& version) {
        std::cout << version.what() << '\n';
        return std::nullopt;
    } catch (const CLI::ParseError& error) {
        throw AppError::usage(std::string(error.what()) + "\nRun with --help for more information.");
    }
    options.frames = app.count("--frames") ? FrameRange::parse(frames) : FrameRange::parseSingle(frame);
    options.inputCaches = inputCachesInOrder(app, options.inputs.size());
    if (options.pluginPath.empty())
        options.pluginPath = defaultPluginPath();
    check(options);
    return options;
}

void CommandLine::check(const Options& options)
{
    if (options.listAttributes)
        return;
    if (options.inputs.empty())
        throw AppError::usage("no input given; run with --help for the usage");
    if (!options.previewPath.empty() && !PreviewImage::formatFor(options.previewPath))
        throw AppError::usage("\"" + options.previewPath + "\": previews are written as " +
                              PreviewImage::extensionsText() + ", chosen by the name's extension");
    if (options.outputs.size() != options.inputs.size())
        throw AppError::usage("give one output per input: " + std::to_string(options.inputs.size()) + " input(s), " +
                              std::to_string(options.outputs.size()) + " output(s)");
    checkCacheOptions(options);
    if (options.frames.isSingleFrame())
        return;
    for (const std::string& output : options.outputs)
        if (!PointCacheWriter::isCacheName(output) && !FrameRange::hasFramePlaceholder(output))
            throw AppError::usage("\"" + output + "\" has no # for the frame number: every frame would overwrite it");
    if (!options.previewPath.empty() && !FrameRange::hasFramePlaceholder(options.previewPath))
        throw AppError::usage("\"" + options.previewPath +
                              "\" has no # for the frame number: every frame would overwrite it");
}

void CommandLine::checkCacheOptions(const Options& options)
{
    bool geometryCache = false;
    for (const std::string& output : options.outputs) {
        if (!PointCacheWriter::isCacheName(output))
            continue;
        if (FrameRange::hasFramePlaceholder(output))
            throw AppError::usage("\"" + output + "\": a point cache holds every frame of the range in one output; " +
                                  "leave the # out of its name");
        geometryCache = geometryCache || PointCacheWriter::isGeometryCacheName(output);
    }
    const bool xmlOptions = options.cacheFloat || options.cachePerFrame || options.cacheFormat != "mcx";
    if (xmlOptions && !geometryCache)
        throw AppError::usage("--cache-float, --cache-per-frame and --cache-format are for .xml outputs, and no "
                              "output is one");
}

std::string CommandLine::defaultPluginPath()
{
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    const std::filesystem::path folder = error ? std::filesystem::current_path() : executable.parent_path();
    return (folder / "KavoNoiseDeformer.so").string();
}

} // namespace kavo::app
