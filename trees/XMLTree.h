// XMLTree: a path-addressed tree control bound to a tag file.
//
// Load fills the tree from the attached RVXMLFile: every folder of the file
// becomes an item without a node, every node record an item whose data value
// is the XMLNode read for it; nesting in the file becomes nesting in the
// tree. Save writes the tree back into the same file (folders as tag pairs,
// nodes through their GetStoreString). Folder and node items show the
// images set with SetImgId.
//
//     SampleFile file;               // the host's RVXMLFile
//     file.SetFileName(path);
//     tree.AttachFile(&file);
//     tree.SetImgId(false, 0, 1);    // folders
//     tree.SetImgId(true, 2, 3);     // nodes
//     tree.Load();
//     ...
//     tree.Save();
//
// Ownership. The tree owns neither its file nor any node: it never deletes
// a node. The nodes that Load hands to the items are the host's, and so is
// their lifetime:
//   - Deleting items (which Load does first, and DeleteAllItems, DeleteItem
//     and destroying the window do) leaves their nodes alive. Collect them
//     first (GetNode of every item, for instance in a DoForAll verb) and
//     delete them when they are no longer needed.
//   - A node that OnAddNode refuses gets no item; whoever refuses it (the
//     host's override of XMLTree::OnAddNode or of RVXMLFile::OnAddNode)
//     keeps it or deletes it.
//   - A node that the reader could not read completely never reaches the
//     tree; the reader deletes it.
//
// The file is open only during Load and Save; both close it on every way
// out, also when they fail.
#pragma once

#include <afxcmn.h>

#include "EIterResult.h"
#include "RVTreeCtrl.h"
#include "RVXMLFile.h"
#include "XMLNode.h"

class AFX_EXT_CLASS XMLTree : public RVTreeCtrl {
    DECLARE_DYNAMIC(XMLTree)

public:
    XMLTree();
    ~XMLTree() override;

    // The tag file that Load reads and Save writes; not owned.
    void AttachFile(RVXMLFile* pFile) { m_pFile = pFile; }
    RVXMLFile* GetFile() const { return m_pFile; }
    // bNode true sets the images of node items, false those of folders.
    void SetImgId(bool bNode, UINT nImage, UINT nSelImage);
    // The images for the item the file read last: folder images when the
    // file says it was a folder (or no file is attached), node images
    // otherwise.
    void GetImgId(UINT& nImage, UINT& nSelImage) const;

    // The item's node; null for the null handle, TVI_ROOT and folder items.
    XMLNode* GetNode(HTREEITEM hItem) const;
    // An item is a folder exactly when it has no node.
    bool IsFolder(HTREEITEM hItem) const { return GetNode(hItem) == NULL; }
    // Sets the item's text; when the control took it and the item has a
    // node, the node's SetName gets the text too. FALSE (node not told)
    // when the control rejects the text.
    BOOL SetItemText(HTREEITEM hItem, LPCTSTR lpszItem);
    // The selected item's node TransferData(!bSave, pOther); false when
    // pOther is null, nothing is selected or the selection is a folder.
    bool TransferSelectedNode(bool bSave, XMLNode* pOther);

    // Whether a node read by Load gets an item: the attached file's
    // OnAddNode; false without a file. A refused node stays with the
    // refuser (see Ownership above).
    virtual bool OnAddNode(XMLNode* pNode);

    // Replaces the tree by the file's contents. False, with the tree
    // untouched, when the control has no window, no file is attached, or
    // the file cannot be opened or is empty. A format error (the
    // RVTxtFileExcept is deleted here) gives false and keeps the items read
    // before the faulty line; GetLoadError then tells what the exception
    // said. A reader that stops early (a node that cannot be read) keeps the
    // items read up to there and gives true. Any depth of nesting loads; an
    // item whose level is below 1 (more closing than opening tags before
    // it) goes to the top level. Every load starts from level 0, whatever
    // an earlier one left. Other exceptions pass through, the file closed.
    bool Load();
    // Replaces the file's contents by the header and the whole tree. False,
    // with nothing written, when the control has no window (it would write
    // an empty tree over the file), no file is attached, or the file does
    // not exist, is empty, is read-only or cannot be written or replaced (a
    // program holds it open without sharing deletion). The tree is written
    // to a temporary file in the same folder, which then takes the file's
    // place through ReplaceFile, keeping the file's attributes and security
    // (a rename where ReplaceFile is not supported, keeping the attributes).
    // When writing or replacing fails (a full disk, a host's exception) Save
    // answers false (or lets the host's exception through), the file keeps
    // every byte it had and the temporary file is removed.
    bool Save();
    // Writes the item and everything below it at nLevel; the null handle
    // (or TVI_ROOT) writes every top-level item at nLevel + 1. A node item
    // is written by its node alone, without the items below it. eIterStop
    // without a file, otherwise eIterContinue.
    EIterResult WriteSubTree(HTREEITEM hItem, int nLevel);

    // Whether the last Load ended on a format error or before the end of
    // the file's structure (inside a folder or a node, for instance a node
    // its class could not read); if so, the message and the line. Load still
    // answers true for the second kind with the items read so far: a host
    // that saves such a tree loses the rest of the file, so it should ask.
    bool GetLoadError(CString& strMessage, int& nLine) const;

protected:
    UINT m_nFolderImage;
    UINT m_nFolderSelImage;
    UINT m_nNodeImage;
    UINT m_nNodeSelImage;
    RVXMLFile* m_pFile;

private:
    bool m_bLoadError;
    CString m_strLoadError;
    int m_nLoadErrorLine;

    void ReadItems();
    void CloseFile(bool bQuietly);
    bool CanReplaceFile(DWORD& dwAttributes);
    static bool TempFileBeside(const CString& strName, CString& strFile, CString& strTemp);
    bool WriteTreeTo(const CString& strPath);
    static bool PutInPlace(const CString& strFile, const CString& strTemp, DWORD dwAttributes);
};
