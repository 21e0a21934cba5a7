// A host's own node class and the file class that makes it: a tool with a
// name, stored as <tool><name>...</name></tool>.
#pragma once

#include <dovuv32.h>

class Tool : public XMLNode {
public:
    CString GetName() override { return m_strName; }
    CString GetStoreString(int nLevel) override {
        return RVXMLFile::ConstrTag(_T("tool"), nLevel) +
               RVXMLFile::ConstrTag(_T("name"), m_strName, nLevel + 1) +
               RVXMLFile::ConstrTag(_T("/tool"), nLevel);
    }
    bool ReadComponent(CString& strName, CString& strValue) override {
        if (strName == _T("name"))
            m_strName = strValue;
        return true;
    }
    CString m_strName;
};

class ToolFile : public RVXMLFile {
public:
    ToolFile() { m_strNodeTag = _T("tool"); }
    XMLNode* CreateNode() override { return new Tool; }
};
