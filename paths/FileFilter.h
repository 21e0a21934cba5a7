// The filter list of a file-open or file-save dialog, such as
// "Text files|*.txt|All files|*.*||": entries of a description, a bar, a
// pattern list and a closing bar; an extra bar or the end of the text ends the
// list. An entry's span runs from its description's first character to its
// pattern list's last one.
#pragma once

#include <afx.h>
#include <NPair.h>

class AFX_EXT_CLASS FileFilter : public CString {
public:
    FileFilter();
    FileFilter(const CString& text);
    FileFilter(const FileFilter& other);
    FileFilter& operator=(const FileFilter& other);
    virtual ~FileFilter();

    // The span (start, end) of entry i, counted from 0, or (0, -1) when there
    // is no such entry.
    NPair GetRange(int i) const;

    // The text of entry i without its closing bar; empty when there is no
    // such entry or it is shorter than 4 characters.
    CString GetFilter(int i) const;

    // The index of the first entry whose text contains extension, or -1. The
    // caller's extension is lower-cased first; the filter text is not, so its
    // patterns must be written in lower case. The search ends at the first
    // entry that GetFilter reads as empty.
    int FindExtension(CString& extension) const;

    // Makes entry i the first one; the order of the others is kept.
    void MoveToTop(int i);

    // Makes the entry found by FindExtension the first one.
    void MoveToTop(CString& extension);
};
