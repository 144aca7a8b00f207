#ifndef KAVO_DEFORMKERNEL_H
#define KAVO_DEFORMKERNEL_H

#include <maya/MFloatVectorArray.h>
#include <maya/MMatrix.h>
#include <maya/MPoint.h>
#include <maya/MVector.h>

#include <cstddef>
#include <vector>

// The arithmetic of one deform pass over points gathered into plain arrays:
// per point the region test, the weight test, the direction, the falloff,
// the noise (several points at once, PerlinNoise::calcNoiseBatch) and the
// displacement of the literal per-point path (NoiseDeformerNode::deform
// point by point, then deformPoint), to the bit. Checked against it by
// DeformKernelTest and, for whole passes, DeformPassPathsTest.
//
// deformRange touches nothing but the points of its range, reads the noise
// table and the host's point, matrix and array operations, and allocates
// nothing shared: ranges may run on several threads at once, and how the
// points are split does not change any result. The caller keeps the noise
// table's seed fixed meanwhile.
class DeformKernel
{
public:
    // What the pass worked out once, from the attributes and the handle.
    struct Settings
    {
        MMatrix worldMatrix;
        bool worldSpace = false;  // the noise sees world-space positions
        MMatrix handleInverseMatrix;
        MMatrix scaleMatrix;
        float envelope = 1.0f;
        bool boundingBoxState = false;
        float falloff = 0.0f;
        bool alongNormals = true;
        MVector amplitude;
        float iterations = 1.0f;
        float roughness = 0.0f;
        bool absolute = false;
        bool sine = false;
        float seconds = 0.0f;
        // The sampled colours stand in for the noise (texture sampled).
        const MFloatVectorArray* textureColors = nullptr;
    };

    // The pass's points, one entry per point of the host's iterator.
    struct Points
    {
        const MPoint* positions = nullptr;  // object space
        const int* indices = nullptr;       // the iterator's index of each point; null: the point's position
        const float* paintedWeights = nullptr;
        const MVector* normals = nullptr;   // as the adapter gave them; read only along normals
        MPoint* results = nullptr;          // holds the positions; deformRange overwrites the displaced ones
    };

    DeformKernel(const Settings& settings, const Points& points);

    // Displaces points [begin, end).
    void deformRange(std::size_t begin, std::size_t end) const;

    // The falloff factor of NoiseDeformerNode::calculateFalloff.
    static float falloffFactor(float falloff, const MPoint& point, const MPoint& center, float radius);
    // The direction scaled to unit length, unless it is too short to have one.
    static void normalizeDirection(MVector& direction);
    // The colour sampled for a point, or no displacement for a point the
    // sampling returned no colour for.
    static MPoint sampledColor(const MFloatVectorArray& colors, int index);
    // The point moved by amplitude x direction x falloff x weight x noise,
    // per axis, in that order; w is the point's.
    static MPoint displaced(const MPoint& point, const MVector& amplitude, const MVector& direction, float falloff,
                            float weight, const MPoint& noise);

private:
    struct Octave
    {
        float frequency;
        float weight;
    };
    struct Block;

    void noiseOf(Block& block) const;

    Settings m_settings;
    Points m_points;
    // The octaves after the first, worked out once for the pass.
    std::vector<Octave> m_octaves;
};

#endif
