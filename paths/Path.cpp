#include "Path.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace {

// Paths deeper than this are refused by AliasToPath and CreateDir.
const int kMaxComponents = 100;

// Walks the back-slash separated components of a path from the left, as
// repeated SplitFirstFolder calls on the remainder would, without copying the
// remainder each time. A trailing separator ends the walk, and so does a
// component beyond kMaxComponents (TooDeep). The caller builds the path the
// components lead to in built, to which each step adds the separator before
// the next component.
class Components {
public:
    explicit Components(const CString& path) : m_path(path) {}

    bool Next(CString& component) {
        const int length = m_path.GetLength();
        if (m_start >= length)
            return false;
        if (++m_count > kMaxComponents)
            return false;
        if (m_count > 1)
            built += '\\';
        const int separator = m_path.Find('\\', m_start);
        const int end = separator < 0 ? length : separator;
        component = m_path.Mid(m_start, end - m_start);
        m_start = separator < 0 ? length : separator + 1;
        return true;
    }

    bool TooDeep() const { return m_count > kMaxComponents; }

    CString built;

private:
    const CString& m_path;
    int m_start = 0;
    int m_count = 0;
};

// Reads a decimal integer the way "%d" does (leading white space, a sign,
// digits up to the first non-digit). Out-of-range numbers saturate instead of
// being undefined.
bool ReadNumber(LPCTSTR text, int& number) {
    LPTSTR end = nullptr;
    const long value = _tcstol(text, &end, 10);
    if (end == text)
        return false;
    number = value < INT_MIN ? INT_MIN : value > INT_MAX ? INT_MAX : static_cast<int>(value);
    return true;
}

int LastSeparator(const CString& path) {
    const int back = path.ReverseFind('\\');
    const int forward = path.ReverseFind('/');
    return back > forward ? back : forward;
}

bool Exists(const CString& path) {
    CFileStatus status;
    return CFile::GetStatus(path, status) != FALSE;
}

// Lower-cased, '/' turned into '\' and one trailing '\' dropped: the form in
// which rvGetRelativePath compares its arguments.
CString ComparableForm(const CString& path) {
    CString form = path;
    form.MakeLower();
    form.Replace('/', '\\');
    const int last = form.GetLength() - 1;
    if (last >= 0 && form[last] == '\\')
        form.Delete(last);
    return form;
}

// The position of the back-slash of a that closes the folder a and b have in
// common, or -1. The cut always lies before a's last component, so a path
// compared with itself shares its parent folder. It must close a component of
// b as well: "c:\x\yz" and "c:\x\y\f" share "c:\x", not "c:\x\y".
int CommonFolderEnd(const CString& a, const CString& b) {
    const int lengthA = a.GetLength();
    const int lengthB = b.GetLength();
    LPCTSTR textA = a;
    LPCTSTR textB = b;
    int same = 0;
    while (same < lengthA && same < lengthB && textA[same] == textB[same])
        ++same;
    int cut = lengthA;
    do {
        --cut;
        while (cut >= 0 && textA[cut] != '\\')
            --cut;
    } while (cut >= 0 && !(cut <= same && (cut == lengthB || textB[cut] == '\\')));
    return cut;
}

int CountBackSlashes(const CString& text, int from) {
    LPCTSTR p = text;
    int count = 0;
    for (int i = from; i < text.GetLength(); ++i)
        count += p[i] == '\\';
    return count;
}

} // namespace

Path::~Path() {}

int Path::SplitFirstFolder(CString path, CString& first, CString& rest) {
    const int separator = path.Find('\\');
    if (separator < 0) {
        first = path;
        rest.Empty();
        return path.GetLength();
    }
    first = path.Left(separator);
    rest = path.Mid(separator + 1);
    return separator;
}

int Path::SplitLastFolder(CString path, CString& last, CString& rest) {
    const int separator = path.ReverseFind('\\');
    if (separator < 0) {
        last = path;
        rest.Empty();
        return path.GetLength();
    }
    const int length = path.GetLength() - separator - 1;
    last = path.Right(length);
    rest = path.Left(separator);
    return length;
}

int Path::MakeSlashesBack(CString& path) {
    const int first = path.Find('/');
    if (first >= 0)
        path.Replace('/', '\\');
    return first;
}

int Path::AliasToWildCard(CString& name) {
    const int length = name.GetLength();
    if (length < 8 || length > 12)
        return -1;
    const int dot = name.Find('.');
    const CString stem = dot < 0 ? name : name.Left(dot);
    const int tilde = stem.Find('~');
    if (tilde < 0 || tilde == stem.GetLength() - 1)
        return -1;
    int number = 0;
    if (!ReadNumber(static_cast<LPCTSTR>(stem) + tilde + 1, number))
        return -1;
    CString wildcard = stem.Left(tilde);
    wildcard += '*';
    if (dot >= 0)
        wildcard += name.Mid(dot);
    name = wildcard;
    return number;
}

CString Path::SplitGetFileNameExt(const CString& path) {
    const int separator = LastSeparator(path);
    return separator < 0 ? path : path.Mid(separator + 1);
}

CString Path::SplitGetFileName(const CString& path) {
    const CString name = SplitGetFileNameExt(path);
    return name.Left(name.ReverseFind('.'));
}

CString Path::SplitGetPath(const CString& path) {
    const int separator = LastSeparator(path);
    return separator < 0 ? CString() : path.Left(separator);
}

bool Path::ChangeExtension(CString& path, LPCTSTR extension) {
    const int dot = path.ReverseFind('.');
    if (dot < 0)
        return false;
    if (extension) {
        path = path.Left(dot + 1);
        path += extension;
    } else {
        path = path.Left(dot);
    }
    return true;
}

bool Path::IsValidPath(const CString& path) {
    return path.GetLength() > 2 && path.Find(':') == 1 && (path[2] == '\\' || path[2] == '/');
}

int Path::GetFolderCount(const CString& path) {
    int count = 1;
    for (int at = path.Find('\\', 1); at >= 0; at = path.Find('\\', at + 1))
        ++count;
    return count;
}

CString Path::GetFile(const CString& folder, const CString& name, int n) {
    if (name.IsEmpty())
        return CString();
    if (n < 1)
        return name;
    CFileFind finder;
    BOOL more = finder.FindFile(folder + name);
    int found = 0;
    while (more) {
        more = finder.FindNextFile();
        if (!finder.IsDots() && ++found == n)
            return finder.GetFilePath();
    }
    return CString();
}

CString Path::AliasToPath(CString& path) {
    MakeSlashesBack(path);
    Components components(path);
    CString component;
    while (components.Next(component)) {
        const CString given = component;
        const int alias = AliasToWildCard(component);
        if (alias < 0) {
            // A name such as "data~-1" is a long name, not an alias: keep it.
            components.built += given;
        } else if (alias == 1) {
            components.built = GetFile(components.built, component, 1);
            if (components.built.IsEmpty())
                return path;
        } else {
            // Only ~1 aliases can be resolved by wildcard; ~0 names no entry.
            return path;
        }
    }
    return components.TooDeep() ? CString() : components.built;
}

bool Path::CreateDir(CString& path) {
    MakeSlashesBack(path);
    Components components(path);
    CString component;
    while (components.Next(component)) {
        components.built += component;
        const CString& built = components.built;
        // A drive such as "C:" is neither tested nor created.
        if (component.Find(':') < 0 && !Exists(built) && !::CreateDirectory(built, NULL))
            return false;
    }
    return !components.TooDeep();
}

CString rvGetRelativePath(CString target, CString base) {
    if (target.IsEmpty())
        return CString();
    if (base.IsEmpty())
        return target;
    const CString a = ComparableForm(target);
    const CString b = ComparableForm(base);
    const int common = CommonFolderEnd(a, b);

    // The tail is taken from target as passed in, with its own case and
    // separators; the steps up are the folders of base below the common part.
    int tailLength = a.GetLength() - common;
    if (tailLength > target.GetLength())
        tailLength = target.GetLength();
    LPCTSTR tail = static_cast<LPCTSTR>(target) + target.GetLength() - tailLength;
    if (tailLength > 0 && *tail == '\\') {
        ++tail;
        --tailLength;
    }
    const int ups = CountBackSlashes(b, common < 0 ? 0 : common);

    static const TCHAR kUp[] = _T("..\\");
    const int length = 3 * ups + tailLength;
    CString relative;
    LPTSTR out = relative.GetBuffer(length);
    for (int i = 0; i < ups; ++i, out += 3)
        std::copy(kUp, kUp + 3, out);
    std::copy(tail, tail + tailLength, out);
    relative.ReleaseBuffer(length);
    return relative;
}
