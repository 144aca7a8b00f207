#pragma once

#include "geometry/NurbsForm.h"

#include <vector>

namespace kavo::host::geometry {

// The knot vector of one B-spline direction, in the host's convention:
// a direction of degree p with n CVs has n + p - 1 knots. The textbook
// vector has two more, one "phantom" knot at each end; the basis recurrence
// never reads those two for parameters inside the domain, so we keep only
// the host's knots and shift every textbook index by one (fullKnot).
//
// The domain is [knots[p - 1], knots[n - 1]]. Parameters outside it are
// wrapped by the domain's length on a periodic direction and clamped to the
// nearer end on an open or closed one: a query a little past the end gets the
// end point, and nothing is ever extrapolated.
class NurbsKnots
{
public:
    NurbsKnots() = default;
    NurbsKnots(int degree, int numCVs, NurbsForm form, std::vector<double> knots);

    // A layout the evaluation can work with: degree >= 1, at least degree + 1
    // CVs, the right knot count, finite non-decreasing knots and a domain of
    // positive length.
    bool isValid() const { return m_valid; }

    int degree() const { return m_degree; }
    int numCVs() const { return m_numCVs; }
    NurbsForm form() const { return m_form; }
    const std::vector<double>& knots() const { return m_knots; }

    double domainStart() const;
    double domainEnd() const;
    double domainLength() const { return domainEnd() - domainStart(); }

    // Brings a finite parameter into the domain (wrap or clamp, see above).
    double toDomain(double t) const;

    // For t inside the domain: the textbook span index s with
    // fullKnot(s) <= t < fullKnot(s + 1), a span of positive length, so that
    // the CVs s - degree .. s carry the non-zero basis functions. At the
    // domain's end it is the last non-empty span.
    int findSpan(double t) const;

    // Knot i of the textbook vector (the host's knot i - 1); valid for
    // 1 <= i <= numCVs + degree - 1.
    double fullKnot(int i) const { return m_knots[i - 1]; }

private:
    bool hasValidLayout() const;

    int m_degree = 0;
    int m_numCVs = 0;
    NurbsForm m_form = NurbsForm::kOpen;
    std::vector<double> m_knots;
    bool m_valid = false;
};

} // namespace kavo::host::geometry
