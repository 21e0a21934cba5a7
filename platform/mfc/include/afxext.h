// The framework's extensions (toolbars, form views, ...) over afxwin.h.
#pragma once

#include "afxwin.h"
