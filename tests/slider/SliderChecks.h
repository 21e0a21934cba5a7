// What the edit and slider tests read back: the slider's display range and
// the edit's controller range, compared as a pair.
#pragma once

#include <RVEdit.h>
#include <SliderDyna.h>

#include <gtest/gtest.h>

struct Span {
    double lo, hi;
};

inline Span ValRange(const CSliderDyna& slider) {
    Span s;
    slider.GetValRange(s.lo, s.hi);
    return s;
}

inline Span ControllerRange(const CRVEdit& edit) {
    Span s;
    edit.GetControllerRange(s.lo, s.hi);
    return s;
}

#define EXPECT_SPAN(lo_, hi_, span)                                                                \
    do {                                                                                           \
        const Span s_ = (span);                                                                    \
        EXPECT_DOUBLE_EQ(lo_, s_.lo);                                                              \
        EXPECT_DOUBLE_EQ(hi_, s_.hi);                                                              \
    } while (0)
