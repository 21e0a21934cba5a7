// A host that uses the tag-file classes only: its own node and file class,
// a file written and read back. It names nothing of the range library, so
// it starts only when the installed libraries find their own dependencies.
#include "ToolFile.h"

#include <cstdio>

int main(int argc, char** argv) {
    const CString strFile(argc > 1 ? argv[1] : "tools.xml");
    LPCTSTR pszFile = strFile;
    ToolFile file;
    file.SetFileName(pszFile);
    CFile create;
    if (!create.Open(pszFile, CFile::modeCreate | CFile::modeWrite))
        return 1;
    create.Write("x\r\n", 3);
    create.Close();
    Tool saw;
    saw.m_strName = _T("Saw");
    if (!file.Open(false) || !file.Empty())
        return 1;
    file.WriteString(_T("<?xml version=\"1.0\"?>\n"));
    file.WriteTag(_T("Box"), true, 1);
    file.WriteNode(&saw, 2);
    file.WriteTag(_T("Box"), false, 1);
    file.Close();

    CString read;
    if (!file.Open(true))
        return 1;
    file.Reset();
    XMLNode* pNode = NULL;
    while (file.GetNext(pNode, false)) {
        if (file.IsFolder()) {
            CString strFolder;
            file.GetCurNodeName(strFolder);
            read += strFolder + _T("/");
        } else {
            read += pNode->GetName();
            delete pNode;
        }
    }
    file.Close();
    CFile::Remove(pszFile);
    const bool bOk = read == _T("Box/Saw");
    std::printf("%s a tag file written and read back by a host of its own classes\n",
                bOk ? "ok  " : "FAIL");
    return bOk ? 0 : 1;
}
