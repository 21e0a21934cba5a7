#include "XMLTree.h"

#include "RVTxtFileExcept.h"

#include <vector>

IMPLEMENT_DYNAMIC(XMLTree, RVTreeCtrl)

namespace {

const TCHAR kHeader[] = _T("<?xml version=\"1.0\"?>\n");

// Parents by level as Load starts; deeper files grow the table.
const size_t kInitialLevels = 20;

} // namespace

XMLTree::XMLTree()
    : m_nFolderImage(0), m_nFolderSelImage(0), m_nNodeImage(0), m_nNodeSelImage(0), m_pFile(NULL),
      m_bLoadError(false), m_nLoadErrorLine(0) {}

XMLTree::~XMLTree() {}

void XMLTree::SetImgId(bool bNode, UINT nImage, UINT nSelImage) {
    if (bNode) {
        m_nNodeImage = nImage;
        m_nNodeSelImage = nSelImage;
    } else {
        m_nFolderImage = nImage;
        m_nFolderSelImage = nSelImage;
    }
}

void XMLTree::GetImgId(UINT& nImage, UINT& nSelImage) const {
    const bool bFolder = m_pFile == NULL || m_pFile->IsFolder();
    nImage = bFolder ? m_nFolderImage : m_nNodeImage;
    nSelImage = bFolder ? m_nFolderSelImage : m_nNodeSelImage;
}

// The invisible root is no item and carries no data.
XMLNode* XMLTree::GetNode(HTREEITEM hItem) const {
    if (hItem == NULL || hItem == TVI_ROOT)
        return NULL;
    return reinterpret_cast<XMLNode*>(GetItemData(hItem));
}

BOOL XMLTree::SetItemText(HTREEITEM hItem, LPCTSTR lpszItem) {
    if (hItem == NULL || hItem == TVI_ROOT)
        return FALSE;
    if (lpszItem == NULL)
        lpszItem = _T("");
    if (!RVTreeCtrl::SetItemText(hItem, lpszItem))
        return FALSE;
    if (XMLNode* pNode = GetNode(hItem))
        pNode->SetName(lpszItem);
    return TRUE;
}

bool XMLTree::TransferSelectedNode(bool bSave, XMLNode* pOther) {
    if (pOther == NULL)
        return false;
    const HTREEITEM hSelected = GetSelectedItem();
    if (hSelected == NULL)
        return false;
    XMLNode* pNode = GetNode(hSelected);
    if (pNode == NULL)
        return false;
    return pNode->TransferData(!bSave, pOther);
}

bool XMLTree::OnAddNode(XMLNode* pNode) {
    return m_pFile != NULL && m_pFile->OnAddNode(pNode);
}

bool XMLTree::GetLoadError(CString& strMessage, int& nLine) const {
    if (!m_bLoadError)
        return false;
    strMessage = m_strLoadError;
    nLine = m_nLoadErrorLine;
    return true;
}

bool XMLTree::Load() {
    m_bLoadError = false;
    m_strLoadError.Empty();
    m_nLoadErrorLine = 0;
    if (m_pFile == NULL || !::IsWindow(m_hWnd))
        return false;
    if (!m_pFile->Open(true)) {
        CloseFile(true);
        return false;
    }
    try {
        DeleteAllItems();
        m_pFile->Reset();
        // A load that ended on a format error, or an unbalanced file, leaves
        // the reader's level wherever it stood; every load starts at 0 so
        // that the levels it reads are those of this file alone.
        m_pFile->Construct();
        ReadItems();
        // The reader stops early inside a folder or a node, or on a node its
        // class cannot read, which may stand at level 0 after stray closing
        // tags: either way the file was not read to its end.
        if (m_pFile->GetLevel() > 0 || m_pFile->GetPosition() < m_pFile->GetLength()) {
            m_bLoadError = true;
            m_strLoadError = _T("Ended inside a folder or a node");
            m_nLoadErrorLine = m_pFile->GetLine();
        }
    } catch (RVTxtFileExcept* e) {
        m_bLoadError = true;
        m_strLoadError = e->m_strMessage;
        m_nLoadErrorLine = e->m_nLine;
        e->Delete();
        CloseFile(true);
        return false;
    } catch (...) {
        CloseFile(true);
        throw;
    }
    CloseFile(true);
    return true;
}

// The reader's level rises by one at most from one item to the next (one
// opening tag per item), so the parent of a deeper item is always the item
// inserted last; going back up, the parent of level L is the item stored at
// L - 1 when level L was last entered from above. Stray closing tags can
// take the level to 0 or below: such items go to the top level, and the
// table is only written and read at levels from 0 on.
void XMLTree::ReadItems() {
    std::vector<HTREEITEM> parents(kInitialLevels, TVI_ROOT);
    HTREEITEM hParent = TVI_ROOT;
    HTREEITEM hLast = TVI_ROOT;
    int nPrevLevel = 0;
    for (;;) {
        XMLNode* pNode = NULL;
        if (!m_pFile->GetNext(pNode, false))
            break;
        UINT nImage = 0;
        UINT nSelImage = 0;
        GetImgId(nImage, nSelImage);
        CString strText;
        if (pNode != NULL)
            strText = pNode->GetName();
        else
            m_pFile->GetCurNodeName(strText);

        const int nLevel = m_pFile->GetLevel();
        if (nLevel > nPrevLevel) {
            if (nPrevLevel >= 0) {
                const size_t nAt = static_cast<size_t>(nPrevLevel);
                if (nAt >= parents.size())
                    parents.resize(nAt + kInitialLevels, TVI_ROOT);
                parents[nAt] = hLast;
            }
            hParent = hLast;
        } else if (nLevel < nPrevLevel) {
            const size_t nAt = static_cast<size_t>(nLevel - 1);
            hParent = nLevel >= 1 && nAt < parents.size() ? parents[nAt] : TVI_ROOT;
        }
        nPrevLevel = nLevel;

        if (pNode != NULL && !OnAddNode(pNode))
            continue;
        // The node goes in with the item: every message that names an item
        // costs a search through all items in some versions of the control.
        hLast = InsertItem(TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM, strText,
                           static_cast<int>(nImage), static_cast<int>(nSelImage), 0, 0,
                           reinterpret_cast<LPARAM>(pNode), hParent, TVI_LAST);
    }
}

// Without a window every item walk finds nothing, and the file would be
// emptied. The tree goes to a new file beside the original first, which
// replaces it only once every byte is written: a save that fails half-way
// leaves the original as it was, and nothing beside it.
bool XMLTree::Save() {
    DWORD dwAttributes = 0;
    if (m_pFile == NULL || !::IsWindow(m_hWnd) || !CanReplaceFile(dwAttributes))
        return false;
    CString strFile;
    CString strTemp;
    if (!TempFileBeside(m_pFile->GetFileName(), strFile, strTemp))
        return false;
    bool bWritten = false;
    try {
        bWritten = WriteTreeTo(strTemp);
    } catch (CException* e) {
        e->Delete();
    } catch (...) {
        CloseFile(true);
        ::DeleteFile(strTemp);
        throw;
    }
    CloseFile(true);
    if (bWritten)
        return PutInPlace(strFile, strTemp, dwAttributes);
    ::DeleteFile(strTemp);
    return false;
}

// Open(false) refuses a missing, empty or unwritable file, so nothing is
// created then. The file is replaced rather than written into, and a process
// that may write anyway (Wine run by root ignores the attribute) must still
// leave a read-only file alone: the attribute is asked for itself. Replacing
// also needs the right to delete the file, which a program holding it open
// without sharing deletion withholds; asked for before anything is written,
// so that such a file is refused as it is and no replacement is left half
// done (Wine's ReplaceFile then leaves a file of its own beside it).
bool XMLTree::CanReplaceFile(DWORD& dwAttributes) {
    dwAttributes = ::GetFileAttributes(m_pFile->GetFileName());
    if (dwAttributes == INVALID_FILE_ATTRIBUTES || (dwAttributes & FILE_ATTRIBUTE_READONLY) != 0)
        return false;
    const bool bCanWrite = m_pFile->Open(false);
    CloseFile(true);
    if (!bCanWrite)
        return false;
    const HANDLE hFile = ::CreateFile(m_pFile->GetFileName(), DELETE,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, NULL,
                                      OPEN_EXISTING, 0, NULL);
    if (hFile == INVALID_HANDLE_VALUE)
        return false;
    ::CloseHandle(hFile);
    return true;
}

// The file's full name, and a name of its own in the file's folder (created
// empty, so that no other save takes it): replacing then stays on one
// volume. Full names, as ReplaceFile wants them (Wine's refuses others).
bool XMLTree::TempFileBeside(const CString& strName, CString& strFile, CString& strTemp) {
    TCHAR szFull[MAX_PATH];
    LPTSTR pName = NULL;
    const DWORD nLength = ::GetFullPathName(strName, MAX_PATH, szFull, &pName);
    if (nLength == 0 || nLength >= MAX_PATH || pName == NULL)
        return false;
    strFile = szFull;
    *pName = '\0';
    TCHAR szTemp[MAX_PATH];
    if (::GetTempFileName(szFull, _T("xt"), 0, szTemp) == 0)
        return false;
    strTemp = szTemp;
    return true;
}

namespace {

// What ReplaceFile answers where the system or the file system does not
// offer it (some network and foreign file systems).
bool IsUnsupported(DWORD dwError) {
    return dwError == ERROR_CALL_NOT_IMPLEMENTED || dwError == ERROR_NOT_SUPPORTED ||
           dwError == ERROR_INVALID_FUNCTION;
}

bool IsMissing(const CString& strFile) {
    return ::GetFileAttributes(strFile) == INVALID_FILE_ATTRIBUTES &&
           ::GetLastError() == ERROR_FILE_NOT_FOUND;
}

// The attributes a user gives a file, which a saved file keeps; archive is
// set, as any write sets it.
const DWORD kUserAttributes =
    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

void KeepAttributes(const CString& strFile, DWORD dwAttributes) {
    const DWORD dwMask = kUserAttributes | FILE_ATTRIBUTE_ARCHIVE;
    const DWORD dwWanted = (dwAttributes & kUserAttributes) | FILE_ATTRIBUTE_ARCHIVE;
    const DWORD dwNow = ::GetFileAttributes(strFile);
    if (dwNow != INVALID_FILE_ATTRIBUTES && (dwNow & dwMask) != dwWanted)
        ::SetFileAttributes(strFile, dwWanted);
}

} // namespace

// The complete new file takes the old one's place the way Windows programs
// replace a document: ReplaceFile keeps the file's attributes, security,
// creation time and short name. Where the call is not supported (it answers
// ERROR_CALL_NOT_IMPLEMENTED, ERROR_NOT_SUPPORTED or ERROR_INVALID_FUNCTION)
// a rename takes its place; the attributes are then set again here, the
// security is the folder's. After any other failure the new file is removed
// and the old one stays, unless the old one is gone by then (ReplaceFile may
// remove it before it fails to move the new one in): then the new one is
// renamed into its place, and kept under its own name if even that fails,
// being the only copy left. Wine's ReplaceFile drops the attributes, so they
// are set again after it too.
bool XMLTree::PutInPlace(const CString& strFile, const CString& strTemp, DWORD dwAttributes) {
    if (!::ReplaceFile(strFile, strTemp, NULL, 0, NULL, NULL)) {
        const DWORD dwError = ::GetLastError();
        const bool bMissing = IsMissing(strFile);
        if (!IsUnsupported(dwError) && !bMissing) {
            ::DeleteFile(strTemp);
            return false;
        }
        if (!::MoveFileEx(strTemp, strFile, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            if (!bMissing)
                ::DeleteFile(strTemp);
            return false;
        }
    }
    KeepAttributes(strFile, dwAttributes);
    return true;
}

// The file object writes the temporary file under the framework's own Open,
// which leaves the name set with SetFileName alone. Close writes out what is
// still buffered: its failure throws, as every failed write does.
bool XMLTree::WriteTreeTo(const CString& strPath) {
    if (!m_pFile->CStdioFile::Open(strPath, CFile::modeCreate | CFile::modeWrite |
                                                CFile::shareExclusive | CFile::typeText))
        return false;
    m_pFile->WriteString(kHeader);
    WriteSubTree(NULL, 0);
    CloseFile(false);
    return true;
}

EIterResult XMLTree::WriteSubTree(HTREEITEM hItem, int nLevel) {
    if (m_pFile == NULL)
        return eIterStop;
    if (hItem == TVI_ROOT)
        hItem = NULL;
    CString strText;
    if (hItem != NULL) {
        if (XMLNode* pNode = GetNode(hItem)) {
            m_pFile->WriteNode(pNode, nLevel);
            return eIterContinue;
        }
        strText = GetItemText(hItem);
        m_pFile->WriteTag(strText, true, nLevel);
    }
    HTREEITEM hChild = FirstChild(hItem);
    while (hChild != NULL) {
        const HTREEITEM hNext = GetNextSiblingItem(hChild);
        WriteSubTree(hChild, nLevel + 1);
        hChild = hNext;
    }
    if (hItem != NULL)
        m_pFile->WriteTag(strText, false, nLevel);
    return eIterContinue;
}

void XMLTree::CloseFile(bool bQuietly) {
    if (m_pFile->m_hFile == CFile::hFileNull)
        return;
    if (bQuietly)
        m_pFile->Abort();
    else
        m_pFile->Close();
}
