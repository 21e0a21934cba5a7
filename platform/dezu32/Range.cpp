#include "Range.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double kPi = 3.14159265358979323846;
}

Range::Range() : m_degrees(true), m_scalarType(eScalarNumber) {}

Range::Range(double lo, double hi, bool external)
    : RangeR1(lo, hi, external), m_degrees(true), m_scalarType(eScalarNumber) {}

Range::~Range() = default;

void Range::Copy(const RangeR1& other) {
    RangeR1::Copy(other);
    const Range* range = dynamic_cast<const Range*>(&other);
    if (range == nullptr) {
        m_scalarType = eScalarNumber;
        return;
    }
    m_scalarType = range->m_scalarType;
    m_degrees = range->m_degrees;
}

bool Range::In(double v) const {
    if (!IsAngle())
        return RangeR1::In(v);
    const double w = Wrap(v);
    return OnArc(w) || (std::fabs(w) == Seam() && OnArc(-w));
}

double Range::GetBestMatch(double v) const {
    if (!IsAngle() || In(v))
        return RangeR1::GetBestMatch(v);
    return MinIsNearer(Wrap(v)) ? m_min : m_max;
}

bool Range::Include(double v) {
    if (!IsAngle())
        return RangeR1::Include(v);
    if (In(v) || std::isnan(v))
        return false;
    const double w = Wrap(v);
    (MinIsNearer(w) ? m_min : m_max) = w;
    return true;
}

bool Range::IsEmpty() const {
    return !IsAngle() && RangeR1::IsEmpty();
}

RangeR1 Range::GetPlain() const {
    if (IsAngle() && m_min > m_max)
        return RangeR1(m_max, m_min, !m_bExternal);
    return RangeR1::GetPlain();
}

double Range::Seam() const {
    return m_degrees ? 180.0 : kPi;
}

double Range::Wrap(double v) const {
    const double seam = Seam();
    return std::fabs(v) > seam ? std::remainder(v, 2.0 * seam) : v;
}

bool Range::OnArc(double w) const {
    const double lo = std::min(m_min, m_max);
    const double hi = std::max(m_min, m_max);
    const bool overSeam = (m_min > m_max) != m_bExternal;
    return overSeam ? (w <= lo || w >= hi) : (lo <= w && w <= hi);
}

// Distances along the circle, each at most S.
bool Range::MinIsNearer(double w) const {
    const double period = 2.0 * Seam();
    return std::fabs(std::remainder(w - m_min, period)) <
           std::fabs(std::remainder(m_max - w, period));
}
