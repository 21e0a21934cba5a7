#include "RangeR1.h"

#include <algorithm>
#include <cmath>

namespace {

// The excluded zone of an external range less the interval of an internal
// one, both given with ordered ends.
RangeR1 ZoneLessInterval(const RangeR1& zone, const RangeR1& interval) {
    const double lowerGapEnd = std::min(zone.m_max, interval.m_min);
    const double upperGapStart = std::max(zone.m_min, interval.m_max);
    const double lowerGap = lowerGapEnd - zone.m_min;
    const double upperGap = zone.m_max - upperGapStart;
    if (lowerGap > 0.0 && lowerGap >= upperGap)
        return RangeR1(zone.m_min, lowerGapEnd, true);
    if (upperGap > 0.0)
        return RangeR1(upperGapStart, zone.m_max, true);
    return RangeR1();
}

RangeR1 Union(const RangeR1& a, const RangeR1& b) {
    if (a.IsEmpty())
        return b;
    if (b.IsEmpty())
        return a;
    if (!a.IsExternal() && !b.IsExternal())
        return RangeR1(std::min(a.m_min, b.m_min), std::max(a.m_max, b.m_max));
    if (a.IsExternal() && b.IsExternal()) {
        const double lo = std::max(a.m_min, b.m_min);
        const double hi = std::min(a.m_max, b.m_max);
        return lo < hi ? RangeR1(lo, hi, true) : RangeR1();
    }
    return a.IsExternal() ? ZoneLessInterval(a, b) : ZoneLessInterval(b, a);
}

} // namespace

RangeR1::RangeR1() : RangeR1(-kUnlimited, kUnlimited) {}

RangeR1::RangeR1(double lo, double hi, bool external)
    : m_min(lo), m_max(hi), m_bExternal(external) {}

RangeR1::~RangeR1() = default;

void RangeR1::Set(double lo, double hi) {
    m_min = lo;
    m_max = hi;
}

void RangeR1::Copy(const RangeR1& other) {
    m_min = other.m_min;
    m_max = other.m_max;
    m_bExternal = other.m_bExternal;
}

bool RangeR1::IsUnlimited(bool lower) const {
    return std::fabs(lower ? m_min : m_max) > kUnlimitedThreshold;
}

bool RangeR1::IsFull() const {
    return IsUnlimited(true) && IsUnlimited(false);
}

bool RangeR1::IsEmpty() const {
    return !m_bExternal && m_min > m_max;
}

bool RangeR1::In(double v) const {
    if (m_bExternal)
        return v <= m_min || v >= m_max;
    return m_min <= v && v <= m_max;
}

bool RangeR1::In(double v, double lo, double hi, double tol) {
    return lo - tol <= v && v <= hi + tol;
}

double RangeR1::GetBestMatch(double v) const {
    if (In(v))
        return v;
    return std::fabs(v - m_min) < std::fabs(m_max - v) ? m_min : m_max;
}

bool RangeR1::Include(double v) {
    if (In(v) || std::isnan(v))
        return false;
    if (m_bExternal) {
        (std::fabs(v - m_min) < std::fabs(m_max - v) ? m_min : m_max) = v;
        return true;
    }
    // Both tests, so that an empty range becomes the single value.
    if (v < m_min)
        m_min = v;
    if (v > m_max)
        m_max = v;
    return true;
}

bool RangeR1::MakeSymmetric() {
    const double m = std::max(std::fabs(m_min), std::fabs(m_max));
    const bool changed = m_min != -m || m_max != m;
    Set(-m, m);
    return changed;
}

bool RangeR1::Unite(const RangeR1& other) {
    const RangeR1 mine = GetPlain();
    const RangeR1 both = Union(mine, other.GetPlain());
    if (both.m_min == mine.m_min && both.m_max == mine.m_max &&
        both.m_bExternal == mine.m_bExternal)
        return false;
    // Fields, not Copy: a Range keeps its scalar type.
    m_min = both.m_min;
    m_max = both.m_max;
    m_bExternal = both.m_bExternal;
    return true;
}

RangeR1 RangeR1::GetPlain() const {
    return RangeR1(m_min, m_max, m_bExternal);
}
