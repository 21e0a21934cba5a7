// Range: a RangeR1 with a scalar type, a plain number or an angle.
//
// A default Range is a plain number range, internal and full, with m_degrees
// set (it only matters once the scalar type is an angle).
//
// Angles (any scalar type other than eScalarNumber) live on a circle whose
// seam S is 180 for degrees (m_degrees true) and pi for radians. A value
// beyond -S..S is first wrapped into it; -S and S are the same angle. Then
//  - an internal range is the arc from m_min up to m_max; with m_min > m_max
//    the arc runs from m_min over the seam to m_max. It is never empty, and a
//    range whose ends reach both seams (the full range) holds every angle;
//  - an external range is the arc from m_max over the seam to m_min; with
//    m_max > m_min the arc m_max down to m_min that does not cross the seam.
// Ends belong to the arc in both cases: external -90..90 degrees holds 180,
// -180, 135 and 90, not 0.
// GetBestMatch of an angle outside the arc is the end nearer along the circle
// (m_max on a tie); Include moves that end to the wrapped value, so an arc
// always grows across the gap, over the seam if that is shorter.
#pragma once

#include "RangeR1.h"

class DEZU32_API Range : public RangeR1 {
public:
    enum EScalarType { eScalarNumber = 0, eScalarAngle = 1 };

    // The full plain number range.
    Range();
    Range(double lo, double hi, bool external = false);
    ~Range() override;

    EScalarType GetScalarType() const { return m_scalarType; }
    void SetScalarType(EScalarType type) { m_scalarType = type; }

    // Takes the ends and the external flag of other, and its scalar type and
    // m_degrees when other is a Range, so that both answer In and
    // GetBestMatch alike. A RangeR1 that is not a Range counts as a plain
    // number range (m_degrees is then kept).
    void Copy(const RangeR1& other) override;

    using RangeR1::In;
    bool In(double v) const override;
    double GetBestMatch(double v) const override;
    bool Include(double v) override;
    bool IsEmpty() const override;

    bool m_degrees;

protected:
    // An arc over the seam read as numbers between -S and S is an external
    // plain range, and the other way round.
    RangeR1 GetPlain() const override;

private:
    bool IsAngle() const { return m_scalarType != eScalarNumber; }
    double Seam() const;
    double Wrap(double v) const;
    bool OnArc(double w) const;
    bool MinIsNearer(double w) const;

    EScalarType m_scalarType;
};
