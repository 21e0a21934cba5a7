// AIBaseState: settings shared by every numeric editor of the process. There
// is one instance, aibaseState, alive from the library's load to its unload;
// the library only reads it, hosts set it.
#pragma once

#include <afx.h>

class AFX_EXT_CLASS AIBaseState {
public:
    // Precision 4.
    AIBaseState();
    AIBaseState(const AIBaseState& other);
    AIBaseState& operator=(const AIBaseState& other);
    virtual ~AIBaseState();

    // Digits shown after the decimal point.
    short GetPrecision() const;
    // Takes p only if it lies in 1..10; any other value is ignored and the
    // precision stays.
    void SetPrecision(short p);
    // The smallest step a value shown with the precision can express:
    // 0.0001 for precision 4.
    double GetSencetivity() const;

private:
    short m_precision;
};

extern AFX_EXT_DATA AIBaseState aibaseState;
