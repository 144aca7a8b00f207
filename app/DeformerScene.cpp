#include "DeformerScene.h"

#include "AppError.h"

#include "geometry/GeometryData.h"
#include "geometry/GeometryShape.h"
#include "graph/AttributeHandles.h"
#include "graph/Node.h"
#include "graph/NodeTypeRegistry.h"
#include "graph/Scene.h"
#include "render/TextureImage.h"
#include "session/DeformerCommand.h"
#include "session/GeometryShapes.h"
#include "session/Host.h"

#include <maya/MAngle.h>
#include <maya/MDGModifier.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MPlug.h>
#include <maya/MPxDeformerNode.h>
#include <maya/MTime.h>

#include <numeric>

#include <fcntl.h>
#include <unistd.h>

namespace kavo::app {

using host::graph::Node;
using host::graph::PlugPath;
using host::graph::Scene;
namespace session = host::session;

namespace {

Node& nodeOf(const MObject& object)
{
    return *host::graph::objectAs<Node>(object);
}

// Keeps what libraries print on the standard error out of the user's way
// while it lives: libpng prints its own line for a damaged file before the
// reader returns the same reason, which the program's message then gives.
class QuietStandardError
{
public:
    QuietStandardError() : m_saved(dup(STDERR_FILENO))
    {
        const int nowhere = open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (m_saved >= 0 && nowhere >= 0)
            dup2(nowhere, STDERR_FILENO);
        if (nowhere >= 0)
            close(nowhere);
    }
    ~QuietStandardError()
    {
        if (m_saved < 0)
            return;
        dup2(m_saved, STDERR_FILENO);
        close(m_saved);
    }
    QuietStandardError(const QuietStandardError&) = delete;
    QuietStandardError& operator=(const QuietStandardError&) = delete;

private:
    int m_saved;
};

// The image library may give its reasons on several lines; a message is one.
std::string oneLine(std::string text)
{
    while (!text.empty() && text.back() == '\n')
        text.pop_back();
    for (size_t at; (at = text.find('\n')) != std::string::npos;)
        text.replace(at, 1, "; ");
    return text;
}

MPlug plugNamed(const MObject& node, const char* attribute)
{
    return MFnDependencyNode(node).findPlug(attribute);
}

} // namespace

void DeformerScene::loadPlugin(const std::string& path)
{
    const session::PluginOutcome outcome = session::Host::loadPlugin(path);
    if (!outcome.succeeded())
        throw AppError::usage("cannot load the plug-in \"" + path + "\": " + outcome.message);
    if (!host::graph::NodeTypeRegistry::instance().find(kDeformerType))
        throw AppError::usage("the plug-in \"" + path + "\" registers no \"" + kDeformerType + "\" node type");
}

std::vector<unsigned int> DeformerScene::pointCounts(const std::vector<InputGeometry>& inputs)
{
    std::vector<unsigned int> counts;
    for (const InputGeometry& input : inputs) {
        const auto data = host::graph::objectAs<host::geometry::GeometryData>(input.data);
        counts.push_back(data ? data->pointCount() : 0);
    }
    return counts;
}

DeformerScene::DeformerScene(const std::vector<InputGeometry>& inputs,
                             const std::vector<std::vector<unsigned int>>& members)
    : m_inputs(inputs)
{
    for (const InputGeometry& input : m_inputs) {
        MStatus status;
        const MObject shape =
            session::GeometryShapes::create(shapeTypeOf(input.kind), input.nodeName, input.data, &status);
        if (!status)
            throw AppError::evaluation("the host could not make a shape for \"" + input.argument + "\"");
        m_shapes.push_back(nodeOf(shape).name());
    }
    const std::vector<session::DeformerCommand::Components> components(members.begin(), members.end());
    const session::DeformerOutcome outcome = session::DeformerCommand::run(kDeformerType, m_shapes, components);
    if (!outcome.succeeded())
        throw AppError::evaluation(outcome.message);
    m_deformer = &nodeOf(outcome.deformer);
    m_originals = outcome.originalShapes;

    const host::graph::Attribute* handleSpace = m_deformer->type().findAttribute("handleSpace");
    const std::vector<host::graph::Connection> feeds =
        handleSpace ? Scene::instance().incoming(*m_deformer, PlugPath{handleSpace, {}})
                    : std::vector<host::graph::Connection>();
    if (feeds.empty())
        throw AppError::evaluation("the deformer made no handle");
    m_handle = feeds.front().source;
    connectTime();
}

void DeformerScene::connect(const MObject& source, const char* sourceAttribute, const MObject& destination,
                            const char* destinationAttribute)
{
    MDGModifier edits;
    MStatus status = edits.connect(plugNamed(source, sourceAttribute), plugNamed(destination, destinationAttribute));
    if (status)
        status = edits.doIt();
    if (!status)
        throw AppError::evaluation(std::string("the host could not connect ") + sourceAttribute + " to " +
                                   destinationAttribute);
}

// As a creation script does: the scene's time drives the deformer's.
void DeformerScene::connectTime()
{
    Scene::instance().setCurrentTime(MTime(1.0, MTime::kFilm));
    connect(Scene::instance().findNode("time1")->handle(), "outTime", m_deformer->handle(), "time");
}

void DeformerScene::setHandleValues(const char* attributes[3], const std::array<double, 3>& values, bool angles)
{
    for (size_t k = 0; k < 3; ++k) {
        MPlug plug = plugNamed(m_handle->handle(), attributes[k]);
        MAngle angle(values[k], MAngle::kDegrees);
        const MStatus status = angles ? plug.setValue(angle) : plug.setValue(values[k]);
        if (!status)
            throw AppError::evaluation(std::string("the host could not set the handle's ") + attributes[k]);
    }
}

void DeformerScene::translateHandle(const std::array<double, 3>& translation)
{
    const char* attributes[3] = {"translateX", "translateY", "translateZ"};
    setHandleValues(attributes, translation, false);
}

void DeformerScene::rotateHandle(const std::array<double, 3>& degrees)
{
    const char* attributes[3] = {"rotateX", "rotateY", "rotateZ"};
    setHandleValues(attributes, degrees, true);
}

void DeformerScene::scaleHandle(const std::array<double, 3>& scale)
{
    const char* attributes[3] = {"scaleX", "scaleY", "scaleZ"};
    setHandleValues(attributes, scale, false);
}

void DeformerScene::connectTexture(const std::string& imagePath)
{
    host::render::TextureImage image;
    std::string problem;
    bool read = false;
    {
        const QuietStandardError quiet;
        read = image.read(imagePath, problem);
    }
    if (!read)
        throw AppError::usage("cannot use the texture: " + oneLine(problem));
    MDGModifier edits;
    MStatus status;
    const MObject texture = edits.createNode("file", &status);
    if (status)
        status = edits.doIt();
    if (status)
        status = plugNamed(texture, "fileTextureName").setValue(MString(imagePath.c_str()));
    if (!status)
        throw AppError::evaluation("the host could not make a file texture node");
    connect(texture, "outColor", m_deformer->handle(), "displacement");
}

void DeformerScene::paintWeights(const std::vector<double>& weights, const std::string& source)
{
    const std::vector<unsigned int> counts = pointCounts(m_inputs);
    const size_t points = std::accumulate(counts.begin(), counts.end(), size_t(0));
    if (weights.size() != points)
        throw AppError::usage(source + ": " + std::to_string(weights.size()) + " weights for " +
                              std::to_string(points) + " points");

    const auto* weightAttribute = host::graph::objectAs<host::graph::Attribute>(MPxDeformerNode::weights).get();
    size_t next = 0;
    for (unsigned int input = 0; input < counts.size(); ++input) {
        for (unsigned int point = 0; point < counts[input]; ++point) {
            const float weight = static_cast<float>(weights[next++]);
            if (!Scene::instance().setValue(*m_deformer, PlugPath{weightAttribute, {input, point}}, weight))
                throw AppError::evaluation("the host refused a painted weight");
        }
    }
}

void DeformerScene::setFrame(long long frame)
{
    Scene::instance().setCurrentTime(MTime(static_cast<double>(frame), MTime::kFilm));
}

void DeformerScene::setInputPoints(size_t index, const std::vector<MPoint>& points)
{
    Node* original = Scene::instance().findNode(m_originals[index]);
    const host::graph::Attribute* input = original ? host::geometry::geometryPlugsOf(original->type()).input : nullptr;
    const host::graph::Slot* slot = input ? original->rootSlot(input, false) : nullptr;
    const MObject* held = slot ? std::get_if<MObject>(&slot->value) : nullptr;
    const auto stored = held ? host::graph::objectAs<host::geometry::GeometryData>(*held) : nullptr;
    if (!stored || stored->pointCount() != points.size())
        throw AppError::evaluation("the host could not move the points of \"" + m_inputs[index].argument + "\"");
    // A copy with the new points, which keeps the stored geometry's topology
    // and object groups.
    const std::shared_ptr<host::graph::Data> copy = stored->clone();
    std::static_pointer_cast<host::geometry::GeometryData>(copy)->setPoints(points.data());
    if (!Scene::instance().setValue(*original, PlugPath{input, {}}, MObject(copy)))
        throw AppError::evaluation("the host could not move the points of \"" + m_inputs[index].argument + "\"");
}

MObject DeformerScene::deformed(size_t index) const
{
    m_deformer->lastComputeStatus = MStatus::kSuccess;
    MStatus status;
    const MObject data = session::GeometryShapes::output(m_shapes[index], &status);
    if (!status || !m_deformer->lastComputeStatus || data.isNull())
        throw AppError::evaluation("the deformer failed on \"" + m_inputs[index].argument + "\"");
    return data;
}

} // namespace kavo::app
