#include <gtest/gtest.h>

#include <Checks.h>
#include <Path.h>
#include <TempFolder.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace {

#ifdef _WIN32
const TCHAR kSep = _T('\\');
#else
const TCHAR kSep = _T('/');
#endif

std::string Slashed(std::string path) {
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}
std::string Slashed(const CString& path) {
    return Slashed(Str(path));
}

CString Repeated(const char* component, int count) {
    CString path = component;
    for (int i = 1; i < count; ++i)
        path += CString("\\") + component;
    return path;
}

} // namespace

TEST(Path, SplittingAndNameParts) {
    CString first, rest = "a\\b\\c";
    EXPECT_EQ(1, Path::SplitFirstFolder(rest, first, rest)) << "the remainder may be the input";
    EXPECT_EQ("a|b\\c", first + "|" + rest);
    EXPECT_EQ(0, Path::SplitFirstFolder("\\abc", first, rest));
    EXPECT_EQ("|abc", first + "|" + rest);
    EXPECT_EQ(0, Path::SplitLastFolder("a\\b\\", first, rest));
    EXPECT_EQ("|a\\b", first + "|" + rest);
    EXPECT_EQ(3, Path::SplitLastFolder("abc", first, rest));
    EXPECT_EQ("abc|", first + "|" + rest);

    EXPECT_STREQ(_T("b.txt"), Path::SplitGetFileNameExt(_T("c:\\a/b.txt")));
    EXPECT_STREQ(_T("b.tar"), Path::SplitGetFileName(_T("c:\\a\\b.tar.gz")));
    EXPECT_STREQ(_T(""), Path::SplitGetFileName(_T("c:\\a\\readme")));
    EXPECT_STREQ(_T("c:"), Path::SplitGetPath(_T("c:\\")));
    EXPECT_STREQ(_T("c:\\a"), Path::SplitGetPath(_T("c:\\a\\b.txt")));
    EXPECT_STREQ(_T(""), Path::SplitGetPath(_T("b.txt")));
    CString path = "c:\\a.d\\file.txt";
    EXPECT_TRUE(Path::ChangeExtension(path, NULL));
    EXPECT_TRUE(Path::ChangeExtension(path, _T("txt"))) << "the last dot anywhere counts";
    EXPECT_STREQ(_T("c:\\a.txt"), path);
    path = "a\\b";
    EXPECT_FALSE(Path::ChangeExtension(path, _T("txt")));
    EXPECT_EQ(-1, Path::MakeSlashesBack(path));
    EXPECT_STREQ(_T("a\\b"), path);
    path = "a/b/c";
    EXPECT_EQ(1, Path::MakeSlashesBack(path));
    EXPECT_STREQ(_T("a\\b\\c"), path);
    path.Empty();
    EXPECT_EQ(-1, Path::MakeSlashesBack(path));

    EXPECT_TRUE(Path::IsValidPath("C:\\x"));
    EXPECT_TRUE(Path::IsValidPath("C:/x"));
    for (const char* p : {"", "C:", "\\\\server\\x", "ab:\\x"})
        EXPECT_FALSE(Path::IsValidPath(p)) << p;
    EXPECT_EQ(1, Path::GetFolderCount(""));
    EXPECT_EQ(1, Path::GetFolderCount("\\a")) << "a leading separator is not counted";
    EXPECT_EQ(3, Path::GetFolderCount("c:\\a\\b"));
    EXPECT_EQ(4, Path::GetFolderCount("c:\\a\\b\\"));
}

TEST(Path, AliasWildcards) {
    const struct {
        const char *name, *after;
        int number;
    } cases[] = {
        {"PROGRA~1", "PROGRA*", 1},
        {"REPORT~2.TXT", "REPORT*.TXT", 2},
        {"A~1.B.C.D", "A*.B.C.D", 1},
        {"ABCD~-12", "ABCD*", -12},
        {"A~9999999999", "A*", 2147483647},
        {"A~1", "A~1", -1},
        {"LONGNA~12.TXT", "LONGNA~12.TXT", -1},
        {"ABCDEF~.TXT", "ABCDEF~.TXT", -1},
        {"NO~TILDE", "NO~TILDE", -1},
    };
    for (const auto& c : cases) {
        CString name = c.name;
        EXPECT_EQ(c.number, Path::AliasToWildCard(name)) << c.name;
        EXPECT_STREQ(CString(c.after), name) << c.name;
    }
}

TEST(Path, RelativePaths) {
    const struct {
        const char *target, *base, *relative;
    } cases[] = {
        {"c:\\x\\y\\f.txt", "c:\\x\\y", "f.txt"},
        {"c:\\x\\y\\f.txt", "c:\\x\\z", "..\\y\\f.txt"},
        {"C:\\X\\Y", "c:\\x\\", "Y"},
        {"c:\\x\\y\\", "c:\\x", "y\\"},
        {"c:\\x\\y", "c:\\x\\y", "..\\y"},
        {"c:\\x", "c:\\x\\y\\z", "..\\..\\..\\x"},
        {"d:\\p\\q", "c:\\x\\y", "..\\..\\d:\\p\\q"},
        {"C:/X/Y", "c:/x", "/Y"},
        // A folder whose name starts like another's is not its parent.
        {"c:\\x\\y\\f.txt", "c:\\x\\yz", "..\\y\\f.txt"},
        {"c:\\x\\yz\\f.txt", "c:\\x\\y", "..\\yz\\f.txt"},
        {"", "c:\\x", ""},
        {"c:\\x\\y", "", "c:\\x\\y"},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(CString(c.relative), rvGetRelativePath(c.target, c.base))
            << c.target << _T(" from ") << c.base;
}

TEST(Path, AliasToPath) {
    CString path = "C:/PROGRA~2/x";
    EXPECT_STREQ(_T("C:\\PROGRA~2\\x"), Path::AliasToPath(path));
    EXPECT_STREQ(_T("C:\\PROGRA~2\\x"), path);
    path = "C:\\DATA~-12\\dir\\";
    EXPECT_STREQ(_T("C:\\DATA~-12\\dir"), Path::AliasToPath(path));
    path = Repeated("a", 100);
    EXPECT_EQ(path, Path::AliasToPath(path));
    path = Repeated("a", 101);
    EXPECT_STREQ(_T(""), Path::AliasToPath(path));

    // The alias's stem is in upper case, as the file system makes it, so that
    // the wildcard matches whether names compare with case or without.
    TempFolder temp;
    temp.MakeFolder("LONGER name/Sub");
    temp.MakeFolder("Other");
    path = (temp / "LONGER~1" + kSep + _T("Sub") + kSep + _T("f.txt")).c_str();
    EXPECT_EQ(Slashed((temp.Path() / "LONGER name" / "Sub" / "f.txt").string()),
              Slashed(Path::AliasToPath(path)));

    // A negative number makes no alias: the name is kept as written and the
    // walk goes on to resolve what follows.
    temp.MakeFolder("DATA~-12/LONGER name");
    path = (temp / "DATA~-12" + kSep + _T("LONGER~1")).c_str();
    EXPECT_EQ(Slashed((temp.Path() / "DATA~-12" / "LONGER name").string()),
              Slashed(Path::AliasToPath(path)));

    // An alias that names no entry leaves the path as it was.
    for (const char* alias : {"MISSIN~1", "LONGER~0"}) {
        path = (temp / alias + kSep + _T("x")).c_str();
        const std::string given = Slashed(path);
        EXPECT_EQ(given, Slashed(Path::AliasToPath(path))) << alias;
    }
}

TEST(Path, GetFileCountsEntriesWithoutDots) {
    TempFolder temp;
    temp.MakeFolder("sub");
    temp.Write("a.txt", "a");
    const CString folder = CString(temp.Path().string().c_str()) + kSep;
    EXPECT_STREQ(_T(""), Path::GetFile(folder, _T(""), 1));
    EXPECT_STREQ(_T("*.txt"), Path::GetFile(folder, _T("*.txt"), 0));
    std::vector<std::string> names;
    for (int n = 1; n <= 3; ++n)
        names.push_back(Str(Path::SplitGetFileNameExt(Path::GetFile(folder, _T("*"), n))));
    std::sort(names.begin(), names.end());
    EXPECT_EQ((std::vector<std::string>{"", "a.txt", "sub"}), names);
}

TEST(Path, CreateDir) {
    TempFolder temp;
    temp.MakeFolder("a");
    temp.Write("file", "x");
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(temp.Path());

    CString path;
    EXPECT_TRUE(Path::CreateDir(path));
    path = "a/b/c/";
    EXPECT_TRUE(Path::CreateDir(path)) << "existing folders are kept";
    EXPECT_STREQ(_T("a\\b\\c\\"), path);
    EXPECT_TRUE(std::filesystem::is_directory(temp.Path() / "a" / "b" / "c"));
    path = "file\\sub";
    EXPECT_FALSE(Path::CreateDir(path)) << "a file stands in the way";
    path = Repeated("d", 101);
    EXPECT_FALSE(Path::CreateDir(path));
    path = "\\dovuv32-never\\x";
    EXPECT_FALSE(Path::CreateDir(path)) << "a path from the root names an empty first folder";
    std::filesystem::current_path(previous);

#ifdef _WIN32
    // A drive is neither tested nor created.
    path = (temp / "d1" + _T("\\d2")).c_str();
    ASSERT_TRUE(Path::IsValidPath(path));
    EXPECT_TRUE(Path::CreateDir(path));
    EXPECT_TRUE(std::filesystem::is_directory(temp.Path() / "d1" / "d2"));
#endif
}
