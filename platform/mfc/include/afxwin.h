// The framework's window layer. For now: the core and the geometry types.
#pragma once

#include "afx.h"
#include "afxcoll.h"
#include "atltypes.h"
