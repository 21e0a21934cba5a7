// A host's node record and tag file, as a program using the library writes
// them: a tool with a name, a size, a weight and a note, stored as
//
//     <item>
//         <name>Saw</name>
//         <size>12</size>
//         <weight>1.5</weight>
//         <note>sharp</note>
//     </item>
//
// Fields left at their defaults (0, 0.0, no note) are not stored, which keeps
// records short; the name is always stored.
#pragma once

#include <afx.h>

#include "RVXMLFile.h"
#include "XMLNode.h"

class SampleNode : public XMLNode {
public:
    SampleNode() : m_nSize(0), m_dWeight(0.0) {}

    void SetName(LPCTSTR lpszName) override;
    CString GetName() override { return m_strName; }
    CString GetStoreString(int nLevel) override;
    // Copies this node's fields into pOther (bToOther) or pOther's into this
    // node; false when pOther is no SampleNode.
    bool TransferData(bool bToOther, XMLNode* pOther) override;
    // Unknown components are ignored, so that files written by a later
    // version still load; a size or weight that is not a number stops the
    // read of the node.
    bool ReadComponent(CString& strName, CString& strValue) override;

    CString m_strName;
    int m_nSize;
    double m_dWeight;
    CString m_strNote;
};

// The tag file of SampleNode records, whose tag is "item".
class SampleFile : public RVXMLFile {
public:
    SampleFile() { m_strNodeTag = "item"; }

    XMLNode* CreateNode() override { return new SampleNode; }
};
