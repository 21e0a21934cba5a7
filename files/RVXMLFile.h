// RVXMLFile: reader and writer of the library's tag files.
//
// A tag file is line-oriented: a header line, then folders (an opening and a
// closing tag, each on a line of its own) holding node records and further
// folders. A node record is an opening tag named by the node tag, one line
// per component (<name>value</name>, or a tag alone for an empty value) and
// the closing tag. Tag names compare without regard to case; nothing is
// escaped; one tag or one component per line, indented by tabs.
//
//     <?xml version="1.0"?>
//     \t<Tools>
//     \t\t<item>
//     \t\t\t<name>Saw</name>
//     \t\t</item>
//     \t</Tools>
//
// A host derives from RVXMLFile, sets m_strNodeTag (lower case) and supplies
// CreateNode; its node class derives from XMLNode.
//
// Reading a whole file: Open(true) (which reads the header line), Reset() to
// drop the header and restart the line counter, then GetNext until it
// returns false. Each call yields one folder (name in GetCurNodeName) or one
// node, with its depth in GetLevel.
//
// Ownership: every node that ReadNode or GetNext hands out belongs to the
// caller, who deletes it. A node that cannot be read completely is deleted
// by the reader before it reports the failure, also when a format error or a
// host's exception ends the read.
//
// Format errors are thrown as new RVTxtFileExcept objects (the catcher
// deletes them): "Invalid format" when a '<' ends its line, "Missing closing
// tag" when a '<' has no '>' after it on its line. The reader's state then
// stands where the scan stopped. The framework's file exceptions pass
// through, except where Open reports them as a failure.
#pragma once

#include <afx.h>

#include "EIterResult.h"
#include "RVTxtFile.h"
#include "XMLNode.h"

class AFX_EXT_CLASS RVXMLFile : public RVTxtFile {
    DECLARE_DYNAMIC(RVXMLFile)

public:
    RVXMLFile();
    ~RVXMLFile() override;

    // Level 0 and the folder flag set; the text file's line model is left.
    void Construct();
    int GetLevel() const { return m_nLevel; }
    // The number of the line read last (1 = the first line after the file's
    // start), for telling where reading stopped.
    int GetLine() const { return m_nLine; }
    bool IsFolder() const { return m_bFolder; }
    void GetCurNodeName(CString& strName) const { strName = m_strCurNodeName; }

    // Opens the file named by SetFileName (Open2) and reads its first line.
    // False when either fails; a file that opened but has no line (an empty
    // file) or could not be read is closed again.
    bool Open(bool bReadOnly);
    // Moves the column by nCount. False when it becomes negative; past the
    // current line the next line is read (column 0) and the result says
    // whether there was one.
    bool Move(int nCount);

    // Scans for the next tag from the column on, reading further lines as
    // needed. Returns the column of its '<' (in the line that is current
    // then), or -1 at the end of the file (strName unchanged). strName
    // receives the text between '<' and '>' as written, pLength the length
    // of the whole tag. With bSkip false the column stays on the '<', so the
    // next scan finds the same tag; with bSkip true it moves just past the
    // '>' (to the next line when the tag ends its line). A tag must lie on
    // one line.
    int GetNextTag(CString& strName, bool bSkip, int* pLength);
    // As GetNextTag, with strName put in lower case.
    int GetNextTagLower(CString& strName, bool bSkip, int* pLength);
    // Scans for the next tag named lpszName (any case): any such tag with
    // bEither, otherwise only its closing tag. Returns the column of its '<'
    // or -1 when the file ends first. The found tag's line stays current:
    // with bSkip the column stands just past the tag; without it the column
    // stays on the '<' and the file is put back at the start of that line,
    // so that the next ReadString reads the line again (with the line
    // counter it had): the caller reads the line again. Scanning on from the
    // column instead would meet the line a second time once it passed the
    // line's end.
    int FindNextTag(LPCTSTR lpszName, bool bEither, bool bSkip);
    // 0 when the names are equal without regard to case, a leading '/' on
    // either side ignored; otherwise ordered as a case-insensitive comparison.
    static int CompareTagNames(const CString& strA, const CString& strB);
    // Whether the name, opening or closing, is the node tag.
    bool IsNodeTag(const CString& strName) const;
    // With the column on an opening tag: passes it and delivers the value
    // that follows, up to the next '<' on that line (whose tag is passed
    // too) or to the line's end. A tag that ends its line has an empty
    // value. strName is not used.
    bool ReadTagContents(CString strName, CString& strValue);

    // Reads the next component of a node and hands it to pNode: eIterContinue
    // to go on, eIterDone on the node's closing tag (left unread for
    // GetNext), eIterStop at the end of the file, for a null node or when the
    // node gives up.
    EIterResult ReadNodeComponent(XMLNode* pNode);
    // A new node from CreateNode, filled up to its closing tag; null when
    // there is none or it cannot be read completely. The caller owns it.
    XMLNode* ReadNode();
    // The next folder or node. A folder leaves pNode as it was; a node is
    // returned in pNode and belongs to the caller. False at the end of the
    // file or when a node cannot be read. The level rises at every opening
    // tag and falls at every closing tag passed, in both modes; bNodesOnly
    // passes over folders with everything in them.
    bool GetNext(XMLNode*& pNode, bool bNodesOnly);

    // level tabs, <name>, line feed.
    static CString ConstrTag(LPCTSTR lpszName, int nLevel);
    // level tabs, <name>value</name>, line feed.
    static CString ConstrTag(LPCTSTR lpszName, const CString& strValue, int nLevel);
    // The opening (or closing) tag of a folder on a line of its own.
    bool WriteTag(const CString& strName, bool bOpening, int nLevel);
    // The node's record as its GetStoreString gives it; false for null.
    bool WriteNode(XMLNode* pNode, int nLevel);

    // Whether a node read may be kept; the library keeps every node.
    virtual bool OnAddNode(XMLNode* pNode);
    // A new node of the host's class, owned by the caller.
    virtual XMLNode* CreateNode() = 0;

protected:
    int m_nLevel;
    CString m_strNodeTag;
    CString m_strCurNodeName;
    bool m_bFolder;

private:
    // The steps of a scan, inline in the reader: a call between exported
    // functions costs a detour through the dynamic linker's tables, and the
    // reader takes these steps for every line.
    inline int FindTagStart();
    inline int FindTagEnd(int nOpen) const;
    inline void PassTag(int nClose);
    inline void ReadValueAfter(int nClose, CString& strValue);
    inline void ReadValueFrom(int nStart, CString& strValue);
    inline EIterResult ReadComponentOf(XMLNode* pNode);
    bool SkipFolder(const CString& strName);

    // Scratch texts, kept so that reading or writing a file does not
    // allocate for every line once their buffers have grown.
    CString m_strTag;      // the folder GetNext passes
    CString m_strCompName; // the component ReadNodeComponent reads
    CString m_strCompValue;
    CString m_strLine; // the line WriteTag writes
};
