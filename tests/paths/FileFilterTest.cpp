#include <gtest/gtest.h>

#include <FileFilter.h>

#include <string>

namespace {

const char kThree[] = "A|*.a|B|*.b|C|*.c||";

// The span of entry i as "start,end".
std::string Span(const char* text, int i) {
    const NPair range = FileFilter(CString(text)).GetRange(i);
    return std::to_string(range.m_first) + "," + std::to_string(range.m_second);
}

} // namespace

TEST(FileFilter, EntriesAndTheirSpans) {
    EXPECT_EQ("0,4", Span(kThree, 0));
    EXPECT_EQ("12,16", Span(kThree, 2));
    EXPECT_EQ("0,-1", Span(kThree, 3));
    EXPECT_EQ("6,10", Span("A|*.a|B|*.b|", 1)) << "the text's end ends the list too";
    EXPECT_EQ("0,-1", Span("A|*.a|B|*.b|", 2));
    EXPECT_EQ("0,-1", Span("A|*.a||B|*.b|", 1)) << "a double bar ends the list";
    EXPECT_EQ("0,-1", Span("A|*.a", 0)) << "an unclosed entry is no entry";
    EXPECT_EQ("0,-1", Span("", 0));
    EXPECT_STREQ(_T("B|*.b"), FileFilter(CString(kThree)).GetFilter(1));
    EXPECT_STREQ(_T(""), FileFilter(CString(_T("A|*|B|*.b||"))).GetFilter(0)) << _T("too short");
}

TEST(FileFilter, FindExtensionLowerCasesOnlyTheArgument) {
    const FileFilter three = CString(kThree);
    CString ext = ".B";
    EXPECT_EQ(1, three.FindExtension(ext));
    EXPECT_STREQ(_T(".b"), ext);
    ext = ".x";
    EXPECT_EQ(-1, three.FindExtension(ext));
    ext = ".txt";
    EXPECT_EQ(-1, FileFilter(CString("A|*.TXT||")).FindExtension(ext));
    ext = ".z";
    EXPECT_EQ(-1, FileFilter(CString("A|*|Z|*.z||")).FindExtension(ext))
        << "a short entry ends the search";
}

TEST(FileFilter, MoveToTopKeepsTheOtherEntriesInOrder) {
    FileFilter filter = CString(kThree);
    filter.MoveToTop(1);
    EXPECT_STREQ(_T("B|*.b|A|*.a|C|*.c||"), filter);
    for (int i : {0, 3}) {
        filter = FileFilter(CString(kThree));
        filter.MoveToTop(i);
        EXPECT_STREQ(CString(kThree), filter) << i;
    }
    CString ext = "*.C";
    filter.MoveToTop(ext);
    EXPECT_STREQ(_T("C|*.c|A|*.a|B|*.b||"), filter);
    filter.MoveToTop(ext);
    EXPECT_STREQ(_T("C|*.c|A|*.a|B|*.b||"), filter);
}
