#pragma once

// A grid mesh shape with a noise deformer on it, in a scene of its own, as
// the deform benchmarks use it: the host's deformer command puts the
// deformer on, and each timed evaluation moves "phase" on and pulls the
// shape's output through the graph.

#include <maya/MObject.h>
#include <maya/MPlug.h>
#include <maya/MPointArray.h>

#include <benchmark/benchmark.h>

#include <string>

namespace kavo::bench {

// A square grid of side x side vertices in the plane y = 0, eight units
// across so that the noise varies over it, quads between them and one UV
// per vertex spanning the unit square. Built once per size: the 1M grid
// takes a while.
MObject gridMesh(int side);

// What one benchmark asks of the deformer.
struct DeformSetting
{
    bool fractal;
    float octaves;
    bool texture;
    float envelope;

    // Below an envelope of 0.001 the pass returns at once: what is left is
    // the host's share of every evaluation (copying the input geometry to
    // the output, pulling it through the graph), for comparison.
    bool passSkipped() const { return envelope < 0.001f; }
};

inline const DeformSetting kPerlinOneOctave{false, 1.0f, false, 1.0f};
inline const DeformSetting kPerlinFourOctaves{true, 4.0f, false, 1.0f};
inline const DeformSetting kTextureDisplacement{false, 1.0f, true, 1.0f};
inline const DeformSetting kHostShareOnly{false, 1.0f, false, 0.0f};

class DeformedGrid
{
public:
    DeformedGrid(int side, const DeformSetting& setting);
    ~DeformedGrid();
    DeformedGrid(const DeformedGrid&) = delete;
    DeformedGrid& operator=(const DeformedGrid&) = delete;

    // Empty when the grid is ready to be deformed; otherwise what went wrong.
    const std::string& problem() const { return m_problem; }
    unsigned int pointCount() const { return m_pointCount; }

    // Moves the phase on a little, so that the deformer computes again.
    void advancePhase();
    // The shape's geometry, pulled through the deformer.
    MObject deformedOutput();

    // Binds the geometry and checks that the pass moves it (or, skipped,
    // does not), and that a change of phase is what each timed iteration
    // needs: noise follows it, a sampled texture does not. Two passes also
    // leave the host's memory for the output geometry as later passes find it.
    void checkDeformation(const DeformSetting& setting);

    // The timed loop: every iteration advances the phase and pulls the
    // deformed output. A grid with a problem skips the benchmark with it
    // instead; answers whether the loop ran.
    bool timeEvaluations(benchmark::State& state);

private:
    void fail(const std::string& problem);
    MPointArray evaluatedPoints();
    void connectTexture();

    MObject m_input;
    unsigned int m_pointCount;
    std::string m_shape;
    MObject m_deformer;
    MPlug m_phase;
    double m_phaseValue = 0.0;
    std::string m_problem;
};

} // namespace kavo::bench
