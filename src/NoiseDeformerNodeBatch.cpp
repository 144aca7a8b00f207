// The batch path of the deform pass: the points gathered into plain arrays,
// displaced by DeformKernel in ranges on every core, and written back.

#include "NoiseDeformerNode.h"

#include "DeformKernel.h"
#include "DeformPass.h"

#include <maya/MPointArray.h>

#include <exception>
#include <vector>

namespace {

// The kernel walks the elements of a point array through one pointer. That
// holds for the host's arrays; it is checked here rather than assumed.
bool isContiguous(MPointArray& points)
{
    const unsigned int count = points.length();
    return count == 0 || &points[count - 1] == &points[0] + (count - 1);
}

// The host's painted weights, looked up by the ranges as they go, on
// several threads at once: weightValue only reads the data block, which
// nothing changes while the deformer's compute runs.
class HostWeights final : public DeformKernel::PaintedWeights
{
public:
    HostWeights(NoiseDeformerNode& node, MDataBlock& block, unsigned int multiIndex, const int* indices)
        : m_node(node)
        , m_block(block)
        , m_multiIndex(multiIndex)
        , m_indices(indices)
    {
    }

    void gather(std::size_t first, std::size_t count, float* weights) const override
    {
        for (std::size_t k = 0; k < count; ++k) {
            const std::size_t point = first + k;
            const int index = m_indices ? m_indices[point] : static_cast<int>(point);
            weights[k] = m_node.weightValue(m_block, m_multiIndex, static_cast<unsigned int>(index));
        }
    }

private:
    NoiseDeformerNode& m_node;
    MDataBlock& m_block;
    unsigned int m_multiIndex;
    const int* m_indices;
};

} // namespace

// Gather, deformRange over the points on every core (the painted weights
// looked up there), scatter. Wherever the per-point path would write a
// report (a failed status before the loop, a failed normal) this writes no
// point and answers false, so that the per-point path runs and the reports
// come as they always did. So does an allocation failing: the per-point
// path needs no arrays of its own.
bool NoiseDeformerNode::deformInRanges(Pass& pass)
{
    try {
        return deformGathered(pass);
    } catch (const std::exception&) {
        return false;
    }
}

bool NoiseDeformerNode::deformGathered(Pass& pass)
{
    const bool alongNormals = pass.settings.attributes.alongNormals;
    if (!alongNormals && pass.status != MStatus::kSuccess)
        return false;

    MPointArray positions;
    if (pass.iter.allPositions(positions, MSpace::kObject) != MStatus::kSuccess)
        return false;
    const unsigned int count = positions.length();
    if (count == 0)
        return true;
    // The kernel reads and writes the array's elements in place.
    if (!isContiguous(positions))
        return false;

    const std::vector<int> indices = iteratorIndices(pass, count);
    if (!indices.empty() && indices.size() != count)
        return false;
    const int* indexed = indices.empty() ? nullptr : indices.data();
    const HostWeights weights(*this, pass.block, pass.multiIndex, indexed);

    DeformKernel::Points points;
    points.positions = &positions[0];
    points.indices = indexed;
    points.weights = &weights;
    points.results = &positions[0];
    const DeformKernel kernel(pass.settings, points);
    if (!DeformPass::run(kernel, count) || kernel.normalFailed())
        return false;

    pass.iter.setAllPositions(positions, MSpace::kObject);
    return true;
}

// The iterator's index of each of its points, or nothing when the iterator
// walks the whole geometry, where the k-th point has index k.
std::vector<int> NoiseDeformerNode::iteratorIndices(Pass& pass, unsigned int count)
{
    MStatus status;
    if (static_cast<int>(count) == pass.settings.wrapper->numPoints(status) && status == MStatus::kSuccess)
        return {};
    std::vector<int> indices;
    indices.reserve(count);
    for (pass.iter.reset(); !pass.iter.isDone(); pass.iter.next())
        indices.push_back(pass.iter.index());
    return indices;
}
