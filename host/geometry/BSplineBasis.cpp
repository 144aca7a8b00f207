#include "geometry/BSplineBasis.h"

#include <algorithm>
#include <utility>

namespace kavo::host::geometry {

BSplineBasis::BSplineBasis(const NurbsKnots& knots, double t) : m_degree(knots.degree())
{
    const int span = knots.findSpan(t);
    m_firstCV = span - m_degree;
    for (auto& row : m_values)
        row.assign(m_degree + 1, 0.0);
    fillDerivatives(basisTriangle(knots, span, t));
}

// Upper triangle and diagonal: the basis functions of every degree up to p
// (ndu[r][j] is function r of degree j). Lower triangle: the knot differences
// the recurrence divided by (ndu[j][r]), kept for the derivatives. Every
// difference spans the non-empty span, so no division is by zero.
BSplineBasis::Triangle BSplineBasis::basisTriangle(const NurbsKnots& knots, int span, double t) const
{
    const int p = m_degree;
    Triangle ndu(p + 1, std::vector<double>(p + 1, 0.0));
    std::vector<double> left(p + 1, 0.0);
    std::vector<double> right(p + 1, 0.0);
    ndu[0][0] = 1.0;
    for (int j = 1; j <= p; ++j) {
        left[j] = t - knots.fullKnot(span + 1 - j);
        right[j] = knots.fullKnot(span + j) - t;
        double saved = 0.0;
        for (int r = 0; r < j; ++r) {
            ndu[j][r] = right[r + 1] + left[j - r];
            const double temp = ndu[r][j - 1] / ndu[j][r];
            ndu[r][j] = saved + right[r + 1] * temp;
            saved = left[j - r] * temp;
        }
        ndu[j][j] = saved;
    }
    return ndu;
}

// Derivatives of order k are combinations of the degree p - k functions,
// built up order by order in two alternating rows of coefficients.
void BSplineBasis::fillDerivatives(const Triangle& ndu)
{
    const int p = m_degree;
    const int maxOrder = std::min(kMaxDerivative, p);
    for (int j = 0; j <= p; ++j)
        m_values[0][j] = ndu[j][p];

    for (int r = 0; r <= p; ++r) {
        std::array<std::vector<double>, 2> a{std::vector<double>(p + 1, 0.0), std::vector<double>(p + 1, 0.0)};
        int s1 = 0;
        int s2 = 1;
        a[0][0] = 1.0;
        for (int k = 1; k <= maxOrder; ++k) {
            double d = 0.0;
            const int rk = r - k;
            const int pk = p - k;
            if (r >= k) {
                a[s2][0] = a[s1][0] / ndu[pk + 1][rk];
                d = a[s2][0] * ndu[rk][pk];
            }
            const int j1 = rk >= -1 ? 1 : -rk;
            const int j2 = r - 1 <= pk ? k - 1 : p - r;
            for (int j = j1; j <= j2; ++j) {
                a[s2][j] = (a[s1][j] - a[s1][j - 1]) / ndu[pk + 1][rk + j];
                d += a[s2][j] * ndu[rk + j][pk];
            }
            if (r <= pk) {
                a[s2][k] = -a[s1][k - 1] / ndu[pk + 1][r];
                d += a[s2][k] * ndu[r][pk];
            }
            m_values[k][r] = d;
            std::swap(s1, s2);
        }
    }

    // The recurrence leaves out the factor p! / (p - k)!.
    double factor = p;
    for (int k = 1; k <= maxOrder; ++k) {
        for (double& value : m_values[k])
            value *= factor;
        factor *= p - k;
    }
}

} // namespace kavo::host::geometry
