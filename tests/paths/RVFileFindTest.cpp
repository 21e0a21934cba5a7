#include <gtest/gtest.h>

#include <Checks.h>
#include <RVFileFind.h>
#include <TempFolder.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace {

typedef std::vector<std::string> Names;

// The folder of the examples: ".", "..", a.txt, sub, b.txt, c.txt, d.txt,
// in whatever order the file system gives them.
class RVFileFindTest : public ::testing::Test {
protected:
    RVFileFindTest() {
        for (const char* name : {"a.txt", "b.txt", "c.txt", "d.txt"})
            m_folder.Write(name, name);
        m_folder.MakeFolder("sub");
        CFileFind base;
        BOOL more = base.FindFile(Entry("*.*"));
        while (more) {
            more = base.FindNextFile();
            m_order.push_back(Str(base.GetFileName()));
        }
    }

    CString Entry(const std::string& name) const { return (m_folder / name).c_str(); }

    // The entries from the next step on, up to the step that answers 0.
    static Names Steps(RVFileFind& finder) {
        Names names;
        BOOL more = TRUE;
        while (more && names.size() < 100) {
            more = finder.FindNextFile();
            names.push_back(Str(finder.GetFileName()));
        }
        return names;
    }

    // The base finder's entries from first to last, both included.
    Names Stretch(const std::string& first, const std::string& last) const {
        auto from = std::find(m_order.begin(), m_order.end(), first);
        auto to = std::find(m_order.begin(), m_order.end(), last);
        return to < from || to == m_order.end() ? Names() : Names(from, to + 1);
    }

    TempFolder m_folder;
    Names m_order;
};

} // namespace

TEST_F(RVFileFindTest, StartsAtAFileAndFollowsTheFolderOrder) {
    ASSERT_EQ(7u, m_order.size());
    for (const char* name : {"a.txt", "b.txt", "c.txt", "d.txt"}) {
        RVFileFind finder;
        ASSERT_TRUE(finder.FindFile(Entry(name))) << name;
        EXPECT_EQ(Stretch(name, m_order.back()), Steps(finder)) << name;

        RVFileFind literal;
        ASSERT_TRUE(literal.FindFile2(Entry(name), true)) << name;
        EXPECT_EQ(name, Steps(literal).front());
    }
}

TEST_F(RVFileFindTest, EndsAtTheLastFile) {
    Names files;
    std::copy_if(m_order.begin(), m_order.end(), std::back_inserter(files),
                 [](const std::string& name) { return name.find(".txt") != std::string::npos; });
    RVFileFind finder;
    ASSERT_TRUE(finder.FindFile(Entry(files[0])));
    finder.SetLastFile(files[2].c_str());
    EXPECT_EQ(Stretch(files[0], files[2]), Steps(finder));
}

TEST_F(RVFileFindTest, StartFileIsAnExistingFileOfExactlyThatName) {
    RVFileFind finder;
    for (const char* name : {"sub", "B.TXT", "missing.txt"})
        EXPECT_FALSE(finder.FindFile(Entry(name))) << name;
    EXPECT_FALSE(finder.FindFile2(Entry("*.txt"), false)) << "compared literally";

    ASSERT_TRUE(finder.FindFile(Entry("*.txt"))) << "an ordinary wildcard search";
    Names names = Steps(finder);
    std::sort(names.begin(), names.end());
    EXPECT_EQ((Names{"a.txt", "b.txt", "c.txt", "d.txt"}), names);
}

TEST_F(RVFileFindTest, NameWithoutFolderIsLookedForInTheCurrentFolder) {
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(m_folder.Path());
    RVFileFind finder;
    const BOOL found = finder.FindFile(_T("c.txt"));
    const Names names = Steps(finder);
    std::filesystem::current_path(previous);
    ASSERT_TRUE(found);
    EXPECT_EQ(Stretch("c.txt", m_order.back()), names);
}
