// Path strings, relative paths and filter strings on arbitrary text. The
// operations that touch the disk work inside the process's scratch folder,
// which is the current folder here, on paths that cannot leave it.
#include "FuzzSupport.h"

#include <FileFilter.h>
#include <Path.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <vector>

namespace {

using fuzzsupport::S;

bool IsSuffix(const std::string& tail, const std::string& text) {
    return tail.size() <= text.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

size_t Count(const std::string& text, char ch, size_t from = 0) {
    size_t n = 0;
    for (size_t i = from; i < text.size(); ++i)
        n += text[i] == ch;
    return n;
}

void CheckSplits(const std::string& path) {
    CString first, rest;
    const int nFirst = Path::SplitFirstFolder(path.c_str(), first, rest);
    FUZZ_CHECK(nFirst == first.GetLength() && S(first).find('\\') == std::string::npos);
    if (path.find('\\') == std::string::npos)
        FUZZ_CHECK(S(first) == path && rest.IsEmpty());
    else
        FUZZ_CHECK(S(first) + "\\" + S(rest) == path);

    CString last;
    const int nLast = Path::SplitLastFolder(path.c_str(), last, rest);
    FUZZ_CHECK(nLast == last.GetLength() && S(last).find('\\') == std::string::npos);
    if (path.find('\\') == std::string::npos)
        FUZZ_CHECK(S(last) == path && rest.IsEmpty());
    else
        FUZZ_CHECK(S(rest) + "\\" + S(last) == path);

    const std::string nameExt = S(Path::SplitGetFileNameExt(path.c_str()));
    const std::string folder = S(Path::SplitGetPath(path.c_str()));
    if (path.find_first_of("\\/") == std::string::npos)
        FUZZ_CHECK(nameExt == path && folder.empty());
    else
        FUZZ_CHECK(folder + path[folder.size()] + nameExt == path &&
                   nameExt.find_first_of("\\/") == std::string::npos);
    const std::string name = S(Path::SplitGetFileName(path.c_str()));
    const size_t dot = nameExt.rfind('.');
    FUZZ_CHECK(name == (dot == std::string::npos ? std::string() : nameExt.substr(0, dot)));
}

void CheckEdits(const std::string& path, const std::string& extension) {
    CString slashed = path.c_str();
    const int firstSlash = Path::MakeSlashesBack(slashed);
    std::string expected = path;
    std::replace(expected.begin(), expected.end(), '/', '\\');
    FUZZ_CHECK(S(slashed) == expected);
    FUZZ_CHECK(firstSlash == static_cast<int>(path.find('/')));

    const size_t dot = path.rfind('.');
    CString changed = path.c_str();
    const bool bChanged = Path::ChangeExtension(changed, extension.c_str());
    CString cut = path.c_str();
    const bool bCut = Path::ChangeExtension(cut, nullptr);
    FUZZ_CHECK(bChanged == (dot != std::string::npos) && bCut == bChanged);
    if (bChanged)
        FUZZ_CHECK(S(changed) == path.substr(0, dot + 1) + extension &&
                   S(cut) == path.substr(0, dot));
    else
        FUZZ_CHECK(S(changed) == path && S(cut) == path);

    const bool bValid = Path::IsValidPath(path.c_str());
    FUZZ_CHECK(bValid ==
               (path.size() > 2 && path.find(':') == 1 && (path[2] == '\\' || path[2] == '/')));
    FUZZ_CHECK(Path::GetFolderCount(path.c_str()) == 1 + static_cast<int>(Count(path, '\\', 1)));

    CString alias = path.c_str();
    const int number = Path::AliasToWildCard(alias);
    const std::string wildcard = S(alias);
    if (wildcard != path) {
        // stem~number[.ext] became stem*[.ext]: the stem's start and the
        // extension stay, the '*' stands where the '~' stood.
        const size_t star = path.find('~');
        const size_t ext = path.find('.');
        FUZZ_CHECK(path.size() >= 8 && path.size() <= 12 && star < ext);
        FUZZ_CHECK(wildcard ==
                   path.substr(0, star) + "*" + (ext == std::string::npos ? "" : path.substr(ext)));
    } else {
        FUZZ_CHECK(number == -1);
    }
}

std::vector<std::string> Components(const std::string& path) {
    std::vector<std::string> components;
    size_t start = 0;
    for (size_t end; (end = path.find('\\', start)) != std::string::npos; start = end + 1)
        components.push_back(path.substr(start, end - start));
    components.push_back(path.substr(start));
    return components;
}

std::string Lower(const std::string& text) {
    CString lower = text.c_str();
    return S(lower.MakeLower());
}

// At least two components, none of them empty, "." or "..", no '/'.
bool IsPlain(const std::vector<std::string>& components) {
    if (components.size() < 2)
        return false;
    for (const std::string& component : components) {
        if (component.empty() || component == "." || component == ".." ||
            component.find('/') != std::string::npos)
            return false;
    }
    return true;
}

// Plain paths on the same root: base with the relative path's steps applied
// is target again.
void CheckRelativeWalk(const std::string& target, const std::string& base,
                       const std::string& relative) {
    const std::vector<std::string> to = Components(target);
    std::vector<std::string> at = Components(base);
    if (!IsPlain(to) || !IsPlain(at) || Lower(to[0]) != Lower(at[0]))
        return;
    for (const std::string& step : Components(relative)) {
        if (step != "..") {
            at.push_back(step);
            continue;
        }
        FUZZ_CHECK(!at.empty());
        at.pop_back();
    }
    std::string walked = at.empty() ? std::string() : at[0];
    for (size_t i = 1; i < at.size(); ++i)
        walked += "\\" + at[i];
    FUZZ_CHECK(Lower(walked) == Lower(target));
}

// The steps up and a tail of target: "..\" repeated, then the end of target.
void CheckRelative(const std::string& target, const std::string& base) {
    const std::string relative = S(rvGetRelativePath(target.c_str(), base.c_str()));
    if (target.empty() || base.empty()) {
        FUZZ_CHECK(relative == (target.empty() ? "" : target));
        return;
    }
    size_t at = 0;
    while (!IsSuffix(relative.substr(at), target) && relative.compare(at, 3, "..\\") == 0)
        at += 3;
    FUZZ_CHECK(IsSuffix(relative.substr(at), target));
    CheckRelativeWalk(target, base, relative);
}

// Components as the disk operations see them ('/' and '\' both separate).
bool LeavesFolder(const std::string& path) {
    if (path.empty() || path[0] == '/' || path[0] == '\\')
        return true;
    size_t start = 0;
    for (;;) {
        const size_t end = path.find_first_of("\\/", start);
        if (path.compare(start, end == std::string::npos ? end : end - start, "..") == 0)
            return true;
        if (end == std::string::npos)
            return false;
        start = end + 1;
    }
}

bool IsFolder(const std::string& path) {
    std::string native = path;
    std::replace(native.begin(), native.end(), '\\', '/');
    struct stat st;
    return ::stat(native.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

void CheckDisk(const std::string& path) {
    if (LeavesFolder(path) || path.size() > 200)
        return;
    CString made = path.c_str();
    const bool bMade = Path::CreateDir(made);
    FUZZ_CHECK(S(made).find('/') == std::string::npos);
    std::string last = S(made);
    if (!last.empty() && last.back() == '\\')
        last.pop_back();
    if (bMade && last.find(':') == std::string::npos && Count(last, '\\') < 100)
        FUZZ_CHECK(IsFolder(last));

    // Without aliases the path comes back as it was, less one trailing
    // separator; with them it is resolved against what was just made.
    CString resolved = path.c_str();
    const std::string result = S(Path::AliasToPath(resolved));
    if (path.find('~') == std::string::npos && Count(S(resolved), '\\') < 99)
        FUZZ_CHECK(result == last);
    FUZZ_CHECK(S(Path::GetFile("", made, 0)) == S(made));
    fuzzsupport::EmptyFolder(".");
}

std::vector<std::string> Entries(const FileFilter& filter) {
    std::vector<std::string> entries;
    for (int i = 0;; ++i) {
        const NPair range = filter.GetRange(i);
        if (range.m_second < range.m_first)
            return entries;
        const std::string text = S(filter);
        FUZZ_CHECK(range.m_first >= 0 && range.m_second + 1 < filter.GetLength() &&
                   text[static_cast<size_t>(range.m_second) + 1] == '|');
        FUZZ_CHECK(i == 0 || text[static_cast<size_t>(range.m_first) - 1] == '|');
        entries.push_back(S(filter.Mid(range.m_first, range.m_second - range.m_first + 1)));
        FUZZ_CHECK(S(filter.GetFilter(i)) ==
                   (entries.back().size() >= 4 ? entries.back() : std::string()));
    }
}

void CheckFilter(const std::string& text, const std::string& extension, int index) {
    const FileFilter filter(text.c_str());
    const std::vector<std::string> before = Entries(filter);

    CString lower = extension.c_str();
    const int found = filter.FindExtension(lower);
    for (int i = 0; i <= found; ++i) {
        const std::string entry = S(filter.GetFilter(i));
        FUZZ_CHECK(!entry.empty() && (entry.find(S(lower)) != std::string::npos) == (i == found));
    }

    FileFilter moved(filter);
    moved.MoveToTop(index);
    FUZZ_CHECK(moved.GetLength() == filter.GetLength());
    const std::vector<std::string> after = Entries(moved);
    const bool bMoves = index > 0 && index < static_cast<int>(before.size()) &&
                        before[static_cast<size_t>(index)].size() >= 4;
    if (!bMoves) {
        FUZZ_CHECK(S(moved) == text);
        return;
    }
    // The entry leads, the others keep their order. An entry 0 that begins
    // with a bar, or a moved entry that ends with one, changes how the
    // entries read afterwards; their text is still all there.
    if (text[0] == '|' || before[static_cast<size_t>(index)].back() == '|')
        return;
    std::vector<std::string> expected = before;
    expected.erase(expected.begin() + index);
    expected.insert(expected.begin(), before[static_cast<size_t>(index)]);
    FUZZ_CHECK(after == expected);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    return ::chdir(fuzzsupport::ScratchFolder().c_str());
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const int index = input.ConsumeIntegralInRange(-1, 8);
    const std::string first = fuzzsupport::Text(input, 512);
    const std::string second = fuzzsupport::Text(input, 512);
    const std::string third = fuzzsupport::Text(input, 64);

    CheckSplits(first);
    CheckEdits(first, third);
    CheckRelative(first, second);
    CheckRelative(second, first);
    CheckDisk(first);
    CheckFilter(first, third, index);
    CheckFilter(second, third, index);
    return 0;
}
