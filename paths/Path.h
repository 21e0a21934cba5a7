// Path strings: splitting, separators, extensions, short-name aliases and
// folder creation. Path holds no data; every operation is static.
//
// The separator is the back-slash. Operations that also accept the forward
// slash say so.
#pragma once

#include <afx.h>

class AFX_EXT_CLASS Path {
public:
    Path() = default;
    Path(const Path&) = default;
    Path& operator=(const Path&) = default;
    virtual ~Path();

    // Splits at the first back-slash: first gets the text before it, rest
    // the text after it. Without a back-slash first is the whole path and
    // rest is empty. Returns the length of first.
    static int SplitFirstFolder(CString path, CString& first, CString& rest);

    // Splits at the last back-slash: last gets the text after it, rest the
    // text before it. Without a back-slash last is the whole path and rest is
    // empty. Returns the length of last.
    static int SplitLastFolder(CString path, CString& last, CString& rest);

    // Turns every '/' into '\'. Returns the position of the first one turned,
    // or -1 when there was none.
    static int MakeSlashesBack(CString& path);

    // Turns a short-name alias (stem~number[.ext], 8 to 12 characters) into a
    // wildcard (stem*[.ext]) and returns its number; -1 leaves name unchanged.
    static int AliasToWildCard(CString& name);

    // The part after the last separator ('\' or '/'): name and extension.
    static CString SplitGetFileNameExt(const CString& path);

    // The file name without its last extension; empty when it has no dot.
    static CString SplitGetFileName(const CString& path);

    // The part before the last separator ('\' or '/'); empty without one.
    static CString SplitGetPath(const CString& path);

    // Replaces the text after the last dot by extension (given without its
    // dot), or removes the dot and what follows when extension is null.
    // False, and nothing changed, when the path has no dot.
    static bool ChangeExtension(CString& path, LPCTSTR extension);

    // A drive-absolute path: "X:" followed by '\' or '/'.
    static bool IsValidPath(const CString& path);

    // 1 plus the number of back-slashes after the first character.
    static int GetFolderCount(const CString& path);

    // The full path of the n-th entry (from 1, "." and ".." skipped) that
    // matches folder + name; folder must end with a separator. Empty when
    // there is no such entry or name is empty; name itself when n < 1.
    static CString GetFile(const CString& folder, const CString& name, int n);

    // The path with every short-name alias numbered 1 replaced by the entry
    // it stands for. The caller's slashes are turned into back-slashes. A path
    // holding an alias that cannot be resolved comes back as passed in; one of
    // more than 100 components gives the empty string.
    static CString AliasToPath(CString& path);

    // Creates every missing folder of path; a drive ("C:") is left alone. The
    // caller's slashes are turned into back-slashes. False at the first folder
    // that cannot be created (those made before it stay), or for a path of
    // more than 100 components.
    static bool CreateDir(CString& path);
};

// The path of target as seen from the folder base, with "..\" steps. Case is
// ignored in the comparison, '/' counts as '\', and the part taken from
// target keeps its own case and separators. An empty target gives the empty
// string; an empty base gives target unchanged.
AFX_EXT_API CString rvGetRelativePath(CString target, CString base);
