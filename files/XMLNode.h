// XMLNode: the base of a host's node records in a tag file.
//
// A host derives its node class from XMLNode and overrides what it needs; the
// library's versions do nothing. RVXMLFile creates nodes through the host's
// CreateNode and hands each one read completely to its caller, who owns it
// from then on and deletes it (the destructor is virtual for that).
#pragma once

#include <afx.h>

// The virtual operations are declared in their documented slot order, the
// destructor last, with the documented parameter types: a host overriding
// them as documented overrides them, and a host built against that layout
// calls the right slots.
class AFX_EXT_CLASS XMLNode {
public:
    XMLNode() {}

    // The node's display name, as a tree view shows and edits it.
    virtual void SetName(LPCTSTR lpszName);
    virtual CString GetName();
    // The node's whole record for the given level, every line ended by a
    // line feed: the opening tag at the level, one component line per field
    // one level deeper, the closing tag at the level (RVXMLFile::ConstrTag
    // builds such lines). The library's version returns nothing.
    virtual CString GetStoreString(int nLevel);
    // Exchanges data with another node of the host's class; the direction
    // and meaning of the flag are the host's. The library's version: false.
    virtual bool TransferData(bool bSave, XMLNode* pOther);
    // One component of the record: its name in lower case, its value as
    // written. True to go on reading the node, false to give it up. The
    // library's version gives up at once. The texts are the reader's own; a
    // node may change them, the reader does not use them afterwards.
    virtual bool ReadComponent(CString& strName, CString& strValue);

    virtual ~XMLNode();
};
