#include "geometry/NurbsKnots.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace kavo::host::geometry {

NurbsKnots::NurbsKnots(int degree, int numCVs, NurbsForm form, std::vector<double> knots)
    : m_degree(degree)
    , m_numCVs(numCVs)
    , m_form(form)
    , m_knots(std::move(knots))
{
    m_valid = hasValidLayout();
}

bool NurbsKnots::hasValidLayout() const
{
    const bool knownForm = m_form == NurbsForm::kOpen || m_form == NurbsForm::kClosed || m_form == NurbsForm::kPeriodic;
    if (!knownForm || m_degree < 1 || m_numCVs < m_degree + 1)
        return false;
    if (m_knots.size() != static_cast<size_t>(m_numCVs + m_degree - 1))
        return false;
    const bool allFinite = std::all_of(m_knots.begin(), m_knots.end(), [](double k) { return std::isfinite(k); });
    return allFinite && std::is_sorted(m_knots.begin(), m_knots.end()) && domainLength() > 0.0;
}

double NurbsKnots::domainStart() const
{
    return m_knots[m_degree - 1];
}

double NurbsKnots::domainEnd() const
{
    return m_knots[m_numCVs - 1];
}

double NurbsKnots::toDomain(double t) const
{
    const double start = domainStart();
    const double end = domainEnd();
    if (m_form != NurbsForm::kPeriodic)
        return std::clamp(t, start, end);

    double wrapped = start + std::fmod(t - start, domainLength());
    if (wrapped < start)
        wrapped += domainLength();
    // Rounding can land a parameter just below the start exactly on the end;
    // on a periodic direction both name the same point.
    return wrapped < end ? wrapped : start;
}

int NurbsKnots::findSpan(double t) const
{
    // Host knots degree - 1 .. numCVs - 1 bound the domain's spans. The first
    // knot greater than t closes t's span; its host index is the textbook
    // index of the span's opening knot.
    const auto first = m_knots.begin() + (m_degree - 1);
    const auto last = m_knots.begin() + m_numCVs; // one past the domain's end knot
    const auto closing = std::upper_bound(first, last, t);
    if (closing != last)
        return static_cast<int>(closing - m_knots.begin());

    // t is the domain's end: take the last span of positive length.
    int span = m_numCVs - 1;
    while (fullKnot(span) >= fullKnot(span + 1))
        --span;
    return span;
}

} // namespace kavo::host::geometry
