#include "FileFilter.h"

namespace {

// Entries shorter than this ("A|*" and less) are treated as absent.
const int kShortestEntry = 4;

// Reads the filter's entries one after the other in a single pass.
class Entries {
public:
    explicit Entries(const CString& text) : m_text(text) {}

    // Moves to the next entry; false when the list has ended.
    bool Next() {
        if (m_next < 0)
            return false;
        m_start = m_next;
        m_next = -1;
        const int descriptionEnd = m_text.Find('|', m_start + 1);
        if (descriptionEnd < 0)
            return false;
        const int patternsEnd = m_text.Find('|', descriptionEnd + 1);
        if (patternsEnd < 0)
            return false;
        m_end = patternsEnd - 1;
        const int next = patternsEnd + 1;
        if (next < m_text.GetLength() && m_text[next] != '|')
            m_next = next;
        return true;
    }

    int Start() const { return m_start; }
    int End() const { return m_end; }
    int Length() const { return m_end - m_start + 1; }

private:
    const CString& m_text;
    int m_next = 0;
    int m_start = 0;
    int m_end = -1;
};

} // namespace

FileFilter::FileFilter() {}

FileFilter::FileFilter(const CString& text) : CString(text) {}

FileFilter::FileFilter(const FileFilter& other) : CString(other) {}

FileFilter& FileFilter::operator=(const FileFilter& other) {
    CString::operator=(other);
    return *this;
}

FileFilter::~FileFilter() {}

NPair FileFilter::GetRange(int i) const {
    Entries entries(*this);
    for (int index = 0; entries.Next(); ++index) {
        if (index == i)
            return NPair(entries.Start(), entries.End());
    }
    return NPair(0, -1);
}

CString FileFilter::GetFilter(int i) const {
    const NPair range = GetRange(i);
    const int length = range.m_second - range.m_first + 1;
    return length >= kShortestEntry ? Mid(range.m_first, length) : CString();
}

int FileFilter::FindExtension(CString& extension) const {
    extension.MakeLower();
    Entries entries(*this);
    for (int index = 0; entries.Next() && entries.Length() >= kShortestEntry; ++index) {
        if (Mid(entries.Start(), entries.Length()).Find(extension) >= 0)
            return index;
    }
    return -1;
}

void FileFilter::MoveToTop(int i) {
    const NPair range = GetRange(i);
    const int start = range.m_first;
    const int length = range.m_second - start + 1;
    if (start == 0 || length < kShortestEntry)
        return;
    CString entry = Mid(start, length);
    entry += '|';
    // The bar before the entry goes with it; the entry's own closing bar stays
    // behind and now closes the entry before it.
    Delete(start - 1, length + 1);
    Insert(0, entry);
}

void FileFilter::MoveToTop(CString& extension) {
    const int i = FindExtension(extension);
    if (i > 0)
        MoveToTop(i);
}
