#include "NPair.h"

NPair::NPair(int first, int second) : m_first(first), m_second(second) {}

NPair::~NPair() = default;
