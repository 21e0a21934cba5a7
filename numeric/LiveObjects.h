// LiveObjects: the library's edits, sliders and dialogs that exist now.
//
// The library's own messages name their sender by an object pointer
// (rvMessages.h), and any program on the desktop may send a window any
// message. So a receiver looks the pointer up here before it touches the
// object: a pointer that names no live object (garbage, an object destroyed
// since) is never dereferenced. CRVEdit, CSliderDyna and CRVDialog add
// themselves in their constructors and leave in their destructors, so every
// object of a class derived from them, a host's included, is known from its
// construction to its destruction. A host that handles WM_RV_EDIT_CHANGED can
// check the sender the same way.
#pragma once

#include <afx.h>

class AFX_EXT_CLASS LiveObjects {
public:
    static void Add(CObject* pObject);
    static void Remove(CObject* pObject);
    // The live object at address p, or NULL.
    static CObject* Find(const void* p);
    // The sender a message names in wParam: NULL for 0 (no sender named), the
    // live object for a pointer to one. FALSE, with pSender NULL, for a
    // pointer that names no live object: the message is to be ignored.
    static BOOL LookupSender(WPARAM wParam, CObject*& pSender);
};
