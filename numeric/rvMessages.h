// The library's own window messages. Each is sent (never posted) with the
// sender's object pointer as wParam and 0 as lParam, except
// WM_RV_CHILD_MODIFIED (wParam: the child dialog, lParam: the host's code).
// Every handler in the library answers 1, except that it ignores, answering
// 0, a message whose sender pointer names no live object (LiveObjects.h):
// any program may send these messages.
#pragma once

#include <afxwin.h>

// Edit to its controller slider: follow the edit's value.
#define WM_RV_UPDATE_CONTROLLER (WM_USER + 150)
// Sent by hosts: an edit box of theirs changed.
#define WM_RV_EDIT_BOX_CHANGED (WM_USER + 151)
// Edit to its notify window: a modification ended. Slider to its client
// edit: floating stopped at the edit's limit.
#define WM_RV_END_MODIFY (WM_USER + 152)
// Edit to its controller slider: the range or dynamic setup changed.
#define WM_RV_EDIT_SETUP_MODIFIED (WM_USER + 153)
// Edit to its notify window: a value was committed.
#define WM_RV_EDIT_CHANGED (WM_USER + 154)
// Edit to its notify window: the edit got the focus.
#define WM_RV_SET_FOCUS (WM_USER + 155)
// Host to a dialog: one of its child dialogs changed.
#define WM_RV_CHILD_MODIFIED (WM_USER + 156)
