// RangeR1: a one-dimensional range of real numbers.
//
// The ends are the public fields m_min and m_max; callers read and write them
// directly, and nothing reorders them. A range is either
//  - internal (the default): the valid set is m_min <= v <= m_max, compared
//    exactly, without tolerance, so that a value clamped to an end is itself
//    valid; with m_min > m_max nothing is valid (IsEmpty), or
//  - external: the ends bound an excluded zone and the valid set is
//    v <= m_min or v >= m_max. The ends themselves stay valid, so that the
//    best match of an excluded value (an end) passes In; with m_min >= m_max
//    nothing is excluded. An external range is never empty.
//
// An end whose magnitude exceeds kUnlimitedThreshold (9e306) is unlimited;
// the default range is full: m_min = -kUnlimited, m_max = kUnlimited (1e307),
// internal.
//
// In, GetBestMatch, Include and IsEmpty are virtual: Range answers them for
// angles, also when it is used through a RangeR1 reference. A NaN is in no
// range and is never taken into one.
#pragma once

#include "dezu32.h"

class DEZU32_API RangeR1 {
public:
    static constexpr double kUnlimited = 1e307;
    static constexpr double kUnlimitedThreshold = 9e306;

    // The full internal range.
    RangeR1();
    RangeR1(double lo, double hi, bool external = false);
    virtual ~RangeR1();

    // Assigns both ends as given; the external flag is kept.
    virtual void Set(double lo, double hi);
    // Takes the ends and the external flag of other.
    virtual void Copy(const RangeR1& other);

    void SetExternal(bool external) { m_bExternal = external; }
    bool IsExternal() const { return m_bExternal; }

    // Whether the lower (true) or upper (false) end is unlimited.
    bool IsUnlimited(bool lower) const;
    // Both ends unlimited, whatever the external flag.
    bool IsFull() const;
    // No value is valid: only an internal range with m_min > m_max.
    virtual bool IsEmpty() const;
    // m_max - m_min, also for an external range.
    double GetLength() const { return m_max - m_min; }

    // Whether v is in the valid set (exact comparisons, ends included).
    virtual bool In(double v) const;
    // lo - tol <= v <= hi + tol.
    static bool In(double v, double lo, double hi, double tol);

    // The valid value nearest to v: v itself when In(v), otherwise the nearer
    // end (m_max on a tie, and for a NaN). For an internal range that is
    // clamping; for an external one the nearer end of the excluded zone.
    virtual double GetBestMatch(double v) const;

    // Widens the range so that v is valid; returns whether anything changed.
    // An internal range moves the end on v's side to v; an external one
    // shrinks its excluded zone by moving the nearer end (m_max on a tie)
    // to v.
    virtual bool Include(double v);

    // Ends become -m and m, m being the larger magnitude of the two; the
    // external flag is kept. Returns whether the ends changed.
    bool MakeSymmetric();

    // Becomes the smallest range whose valid set holds both valid sets and
    // returns whether it changed:
    //  - both internal: the hull (an empty range adds nothing);
    //  - both external: the excluded zones intersect; if nothing is left
    //    excluded, the full internal range;
    //  - one external: its excluded zone less the internal interval; if the
    //    interval splits the zone in two, the larger part stays excluded (the
    //    lower part on a tie), a superset of the exact union; if the interval
    //    covers the zone, the full internal range.
    // Angle ranges take part with their valid set read as numbers between the
    // seams (see Range).
    bool Unite(const RangeR1& other);

    double m_min;
    double m_max;

protected:
    // The same valid set as a range of plain numbers with m_min <= m_max
    // unless it is empty; Unite works on these.
    virtual RangeR1 GetPlain() const;

    bool m_bExternal;
};
