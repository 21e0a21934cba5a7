#include "AIBaseState.h"

#include "rvNumeric.h"

AIBaseState aibaseState;

AIBaseState::AIBaseState() : m_precision(4) {}

AIBaseState::AIBaseState(const AIBaseState& other) = default;

AIBaseState& AIBaseState::operator=(const AIBaseState& other) = default;

AIBaseState::~AIBaseState() = default;

short AIBaseState::GetPrecision() const {
    return m_precision;
}

void AIBaseState::SetPrecision(short p) {
    if (p >= 1 && p <= 10)
        m_precision = p;
}

double AIBaseState::GetSencetivity() const {
    return rvSensitivity(m_precision);
}
