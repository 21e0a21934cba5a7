// NPair: a pair of integers, for instance the first and last character
// positions of a span of text.
#pragma once

#include "dezu32.h"

class DEZU32_API NPair {
public:
    NPair(int first, int second);
    virtual ~NPair();

    int m_first;
    int m_second;
};
