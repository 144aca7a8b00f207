#pragma once

#include "geometry/NurbsKnots.h"

#include <array>
#include <vector>

namespace kavo::host::geometry {

// The degree + 1 B-spline basis functions that are non-zero at one parameter,
// with their first and second derivatives (Cox-de Boor, in the triangular form
// that computes all of them together, Piegl and Tiller's A2.3).
class BSplineBasis
{
public:
    static constexpr int kMaxDerivative = 2;

    // t must lie inside the knots' domain (NurbsKnots::toDomain).
    BSplineBasis(const NurbsKnots& knots, double t);

    // Index of the CV that basis function 0 belongs to.
    int firstCV() const { return m_firstCV; }
    int count() const { return m_degree + 1; }

    // Derivative `order` (0, 1 or 2) of basis function k (0 .. count() - 1).
    // Orders above the degree are zero.
    double value(int k, int order) const { return m_values[order][k]; }

private:
    using Triangle = std::vector<std::vector<double>>;

    Triangle basisTriangle(const NurbsKnots& knots, int span, double t) const;
    void fillDerivatives(const Triangle& ndu);

    int m_degree;
    int m_firstCV;
    std::array<std::vector<double>, kMaxDerivative + 1> m_values;
};

} // namespace kavo::host::geometry
