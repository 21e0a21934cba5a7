// CFileFind: patterns, the look-ahead of FindNextFile, and the paths built.
#include <afx.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "Checks.h"
#include "TempFolder.h"

namespace {

using Names_t = std::vector<std::string>;

// The names found, sorted (the order is the file system's). A name taken
// twice would show a FindNextFile that went on past the last entry.
Names_t Names(const std::basic_string<TCHAR>& pattern) {
    Names_t names;
    CFileFind finder;
    for (BOOL more = finder.FindFile(pattern.c_str()); more;) {
        more = finder.FindNextFile();
        names.push_back(Str(finder.GetFileName()));
    }
    std::sort(names.begin(), names.end());
    return names;
}

class FileFindTest : public testing::Test {
protected:
    void SetUp() override {
        folder.Write("a.txt", "12345");
        folder.Write("B.TXT", "");
        folder.Write("ab.txt.bak", "");
        folder.Write("noext", "");
        folder.MakeFolder("sub");
        folder.Write("sub/inner.txt", "");
    }
    std::basic_string<TCHAR> In(const std::string& name) { return folder / name; }
    TempFolder folder;
};

} // namespace

TEST_F(FileFindTest, WildcardsMatchAsOnWindows) {
    EXPECT_EQ(Names(In("*.*")),
              (Names_t{".", "..", "B.TXT", "a.txt", "ab.txt.bak", "noext", "sub"}));
    EXPECT_EQ(Names(In("*")), Names(In("*.*")));
    EXPECT_EQ(Names(In("*.txt")), (Names_t{"B.TXT", "a.txt"}));
    EXPECT_EQ(Names(In("?.txt")), (Names_t{"B.TXT", "a.txt"}));
    EXPECT_EQ(Names(In("a*t")), (Names_t{"a.txt"}));
    EXPECT_EQ(Names(In("noext.*")), (Names_t{"noext"}));
    EXPECT_EQ(Names(In("sub")), (Names_t{"sub"}));
    EXPECT_EQ(Names(In("sub\\*.txt")), (Names_t{"inner.txt"}));
    EXPECT_EQ(Names(In("*.doc")), Names_t{});
    EXPECT_EQ(Names(folder / "missing" + _T("\\*.*")), Names_t{});
}

TEST_F(FileFindTest, DescribesTheCurrentEntry) {
    CFileFind finder;
    ASSERT_TRUE(finder.FindFile(In("a.txt").c_str()));
    EXPECT_EQ(Str(finder.GetFileName()), "");
    // The only match is also the last: FindNextFile makes it current and
    // says that nothing follows.
    EXPECT_FALSE(finder.FindNextFile());
    EXPECT_EQ(Str(finder.GetFileTitle()), "a");
    EXPECT_EQ(finder.GetLength(), 5u);
    EXPECT_EQ(Str(finder.GetRoot()), folder.Path().string());
    EXPECT_STREQ(finder.GetFilePath(), (folder / "a.txt").c_str());

    int dots = 0, folders = 0;
    for (BOOL more = finder.FindFile(In("*.*").c_str()); more;) {
        more = finder.FindNextFile();
        dots += finder.IsDots();
        folders += finder.IsDirectory();
        EXPECT_EQ(finder.IsDirectory(), Str(finder.GetFileName()) == "sub" || finder.IsDots());
    }
    EXPECT_EQ(dots, 2);
    EXPECT_EQ(folders, 3);
    finder.Close();
    EXPECT_EQ(Str(finder.GetFileName()), "");
}

TEST_F(FileFindTest, RelativePatternsUseTheCurrentFolder) {
    struct Restore {
        std::filesystem::path saved = std::filesystem::current_path();
        ~Restore() { std::filesystem::current_path(saved); }
    } restore;
    std::filesystem::current_path(folder.Path() / "sub");

    EXPECT_EQ(Names(_T("*.*")), (Names_t{".", "..", "inner.txt"}));
    CFileFind finder;
    ASSERT_TRUE(finder.FindFile()); // no pattern: everything here
    EXPECT_TRUE(finder.FindNextFile());
    EXPECT_EQ(Str(finder.GetRoot()), (folder.Path() / "sub").string());
    ASSERT_TRUE(finder.FindFile(_T("..\\a.*")));
    finder.FindNextFile();
    EXPECT_EQ(Str(finder.GetRoot()), folder.Path().string());
    EXPECT_STREQ(finder.GetFilePath(), (folder / "a.txt").c_str());
}

TEST(FileFind, RootFolderHasNoDots) {
    CFileFind finder;
    const CString root = std::filesystem::current_path().root_path().string<TCHAR>().c_str();
    BOOL more = finder.FindFile(root + _T("*"));
    ASSERT_TRUE(more);
    while (more) {
        more = finder.FindNextFile();
        EXPECT_FALSE(finder.IsDots());
        EXPECT_EQ(finder.GetFilePath(), root + finder.GetFileName());
    }
    EXPECT_EQ(finder.GetRoot(), root);
}
