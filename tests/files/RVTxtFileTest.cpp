#include <afx.h>
#include <gtest/gtest.h>

#include "Checks.h"
#include "RVTxtFile.h"
#include "TempFolder.h"

namespace {

// Opens the line model up to the tests, and lets them make cuts fail.
class TxtFile : public RVTxtFile {
public:
    void SetLength(ULONGLONG dwNewLen) override {
        if (nFailCuts-- > 0)
            AfxThrowFileException(CFileException::diskFull);
        RVTxtFile::SetLength(dwNewLen);
    }
    int nFailCuts = 0;
    int Line() const { return m_nLine; }
    int Col() const { return m_nCol; }
    void SetCol(int nCol) { m_nCol = nCol; }
    ULONGLONG CurPos() const { return m_posCurLine; }
    ULONGLONG PrevPos() const { return m_posPrevLine; }
    CString CurLine() const { return m_strCurLine; }
};

class RVTxtFileTest : public ::testing::Test {
protected:
    // Writes the bytes to a.txt and opens it for reading and writing.
    void OpenWith(const std::string& bytes) {
        tmp.Write("a.txt", bytes);
        file.SetFileName(Name().c_str());
        EXPECT_TRUE(file.Open());
    }
    // The stored bytes once the file is closed.
    std::string Stored() {
        file.Close();
        return tmp.Read("a.txt");
    }
    std::basic_string<TCHAR> Name() const { return tmp / "a.txt"; }

    TempFolder tmp;
    TxtFile file;
};

const BYTE* Bytes(const char* text) {
    return reinterpret_cast<const BYTE*>(text);
}

TEST_F(RVTxtFileTest, ReadsLinesWithTheirStartPositions) {
    OpenWith("one\r\ntwo\n\r\nthree");
    const char* lines[] = {"one", "two", "", "three"};
    const ULONGLONG starts[] = {0, 5, 9, 11};
    for (int i = 0; i < 4; ++i) {
        file.SetCol(2);
        ASSERT_EQ(1, file.ReadString());
        EXPECT_EQ(CString(lines[i]), file.CurLine());
        EXPECT_EQ(starts[i], file.CurPos());
        EXPECT_EQ(i == 0 ? ~0ULL : starts[i - 1], file.PrevPos());
        EXPECT_EQ(i + 1, file.Line());
        EXPECT_EQ(0, file.Col());
    }
    EXPECT_EQ(0, file.ReadString());
    EXPECT_EQ(16u, file.CurPos());
    EXPECT_EQ(11u, file.PrevPos());
    EXPECT_EQ(4, file.Line());

    file.ResetPosn();
    EXPECT_EQ(0, file.Line());
    ASSERT_EQ(1, file.ReadString());
    EXPECT_EQ(CString("one"), file.CurLine());
    file.Reset();
    EXPECT_EQ(~0ULL, file.CurPos());
    EXPECT_TRUE(file.CurLine().IsEmpty());
}

TEST_F(RVTxtFileTest, GetCurStringClampsTheColumn) {
    OpenWith("abcdef\r\n");
    file.ReadString();
    const std::pair<int, const char*> cases[] = {{2, "cdef"}, {6, ""}, {9, ""}, {-1, "abcdef"}};
    for (const auto& c : cases) {
        file.SetCol(c.first);
        EXPECT_EQ(CString(c.second), file.GetCurString()) << c.first;
    }
}

TEST_F(RVTxtFileTest, GetLineCountAndWriteStringCounting) {
    tmp.Write("b.txt", "a\r\nb");
    tmp.Write("c.txt", "");
    EXPECT_EQ(2, RVTxtFile::GetLineCount((tmp / "b.txt").c_str()));
    EXPECT_EQ(0, RVTxtFile::GetLineCount((tmp / "c.txt").c_str()));
    EXPECT_EQ(-1, RVTxtFile::GetLineCount((tmp / "missing.txt").c_str()));
    // Long runs of line ends (past the counter's word lanes), bytes with the
    // top bit set, and a lone CR, which ends no line.
    std::string big;
    for (int i = 0; i < 3000; ++i)
        big += i % 3 ? "\n" : "x\r\n\xCA\x8A\r";
    tmp.Write("d.txt", big + "\n\rlast");
    EXPECT_EQ(3002, RVTxtFile::GetLineCount((tmp / "d.txt").c_str()));

    OpenWith("");
    file.WriteString(_T("no line end"));
    file.WriteString(_T("two\nlines\n"));
    EXPECT_EQ(2, file.Line());
    EXPECT_EQ("no line endtwo\r\nlines\r\n", Stored());
}

TEST_F(RVTxtFileTest, Find2ReportsTheStartOfTheStoppingLine) {
    OpenWith("key=1\r\nkey=2\r\nother\r\nkey=3\r\n");
    int nCol = -7, nLine = -7;
    EXPECT_EQ(0, file.Find2("=1", true, &nCol, &nLine));
    EXPECT_EQ(3, nCol);
    EXPECT_EQ(0, nLine);
    // The next search begins after the current line; its first line matching
    // still gives that line's own start.
    EXPECT_EQ(7, file.Find2("key", true, &nCol, &nLine));
    EXPECT_EQ(1, nLine);
    EXPECT_EQ(14, file.Find2("key", false, &nCol, &nLine));
    EXPECT_EQ(-1, nCol);
    EXPECT_EQ(2, nLine);
    EXPECT_EQ(-1, file.Find("missing", NULL));

    file.ResetPosn();
    EXPECT_EQ(-1, file.Find2("e", false, NULL, NULL)); // every line holds it
}

// Searches read ahead in raw blocks; what they leave must be what reading
// line by line leaves: a terminator hides the rest of its line, a line longer
// than a block and a last line without line end are still searched.
TEST_F(RVTxtFileTest, Find2AcrossBlocksMatchesLineByLineReading) {
    const std::string longLine(300 * 1024, 'a');
    using namespace std::string_literals;
    std::string bytes = "x\r\nbefore\0needle hidden\r\nskip\n"s + longLine + "needle\r\n";
    for (int i = 0; i < 5000; ++i)
        bytes += "filler line\r\n";
    bytes += "needle at the end";
    OpenWith(bytes);
    file.ReadString();
    int nCol = -1, nLine = -1;
    EXPECT_EQ(30, file.Find2("needle", true, &nCol, &nLine));
    EXPECT_EQ(static_cast<int>(longLine.size()), nCol);
    EXPECT_EQ(3, nLine);
    EXPECT_EQ(25u, file.PrevPos());

    const int nLast = static_cast<int>(bytes.size()) - 17;
    EXPECT_EQ(nLast, file.Find2("needle", true, &nCol, &nLine));
    EXPECT_EQ(0, nCol);
    EXPECT_EQ(5004, nLine);
    EXPECT_EQ(static_cast<ULONGLONG>(nLast - 13), file.PrevPos());

    file.ResetPosn();
    EXPECT_EQ(-1, file.Find2("missing", true, &nCol, &nLine));
    EXPECT_EQ(5005, file.Line());
    EXPECT_EQ(static_cast<ULONGLONG>(nLast), file.PrevPos());
    EXPECT_EQ(bytes.size(), file.CurPos());
}

TEST_F(RVTxtFileTest, FindNextWalksColumnsAndLines) {
    OpenWith("a<b>\r\nplain\r\n<c>\r\n");
    file.ReadString();
    int nCol = -7;
    EXPECT_EQ(0, file.FindNext(_T("<"), &nCol, false));
    EXPECT_EQ(1, nCol);
    EXPECT_EQ(1, file.Col());
    EXPECT_EQ(0, file.FindNext(_T(">"), &nCol, true)); // ends the line: moves on
    EXPECT_EQ(3, nCol);
    EXPECT_EQ(2, file.Line());
    EXPECT_EQ(0, file.Col());
    EXPECT_EQ(18, file.FindNext(_T("c"), &nCol, true)); // just after "<c>\r\n"
    EXPECT_EQ(1, nCol);
    EXPECT_EQ(2, file.Col());
    EXPECT_EQ(-1, file.FindNext(_T("<"), NULL, false));
    EXPECT_EQ(-1, file.FindNext(NULL, NULL, false));
}

TEST_F(RVTxtFileTest, RangeReplaceMovesTheRestAsStored) {
    const std::string rest = "\r\nbare\nlf\r\n\rcr";
    OpenWith("head01\r\n4567\n9" + rest);
    ASSERT_TRUE(file.Replace(4, 14, Bytes("xyz"), 3));
    EXPECT_EQ("headxyz" + rest, Stored());

    const std::string before = "0123456789\r\n";
    for (auto range : {std::make_pair(0, 12), std::make_pair(5, 4), std::make_pair(-1, 3)}) {
        SCOPED_TRACE(testing::Message() << range.first << " .. " << range.second);
        OpenWith(before);
        EXPECT_FALSE(file.Replace(range.first, range.second, Bytes("x"), 1));
        EXPECT_EQ(before, Stored());
    }
}

TEST_F(RVTxtFileTest, ReplaceAtThePositionKeepsBareLineFeeds) {
    OpenWith("one\ntwo\nthree\n");
    file.Seek(4, CFile::begin);
    ASSERT_TRUE(file.Replace(3, CString("2\r\n2")));
    EXPECT_EQ(file.GetLength(), file.GetPosition());
    EXPECT_FALSE(file.Replace(1, Bytes("x"), 1)); // nothing left to replace
    EXPECT_EQ("one\n2\r\n2\nthree\n", Stored());

    OpenWith("only");
    ASSERT_TRUE(file.Replace(4, CString("whole")));
    EXPECT_EQ("whole", Stored());
}

TEST_F(RVTxtFileTest, ReplaceCurrentLineKeepsTheReaderOnTheFollowingLine) {
    OpenWith("first\r\nmid\r\nlast\nend");
    EXPECT_FALSE(file.ReplaceCurrentLine("none read yet"));
    file.ReadString();
    file.ReadString();
    ASSERT_TRUE(file.ReplaceCurrentLine("middle line"));
    EXPECT_EQ(CString("middle line"), file.CurLine());
    ASSERT_TRUE(file.ReplaceCurrentLine("m")); // replaces the new text, not 3 bytes of it
    ASSERT_EQ(1, file.ReadString());
    EXPECT_EQ(CString("last"), file.CurLine());
    ASSERT_TRUE(file.ReplaceCurrentLine(""));
    ASSERT_EQ(1, file.ReadString());
    EXPECT_EQ(CString("end"), file.CurLine());
    EXPECT_EQ("first\r\nm\r\n\nend", Stored());
}

// New text is stored as the text-mode file stores what it writes: a line
// feed as CR LF, a CR LF as it is, a lone CR as data. The rest of the file
// keeps its bytes, and the reader stays in step with the stored lines.
TEST_F(RVTxtFileTest, ReplacementsStoreLineFeedsAsLineEnds) {
    const std::string text = "1\n2\r\n3\r4\n";
    const std::string stored = "1\r\n2\r\n3\r4\r\n";
    OpenWith("head\nold\r\ntail\n");
    ASSERT_TRUE(file.Replace(5, 8, Bytes(text.c_str()), static_cast<int>(text.size())));
    EXPECT_EQ(file.GetLength(), file.GetPosition());
    EXPECT_EQ("head\n" + stored + "\r\ntail\n", Stored());

    for (bool bBytes : {true, false}) {
        SCOPED_TRACE(bBytes ? "count, bytes" : "count, text");
        OpenWith("head\nold\r\ntail\n");
        file.Seek(5, CFile::begin);
        ASSERT_TRUE(bBytes ? file.Replace(3, Bytes(text.c_str()), static_cast<int>(text.size()))
                           : file.Replace(3, CString(text.c_str())));
        EXPECT_EQ(file.GetLength(), file.GetPosition());
        EXPECT_EQ("head\n" + stored + "\r\ntail\n", Stored());
    }

    // The current line becomes the new text's last line, where it is stored;
    // the counter and the previous line's start move on with the lines.
    OpenWith("first\r\nmid\r\nlast\n");
    file.ReadString();
    file.ReadString();
    ASSERT_TRUE(file.ReplaceCurrentLine("m1\nm2\r\nm3"));
    EXPECT_EQ(4, file.Line());
    EXPECT_EQ(CString("m3"), file.CurLine());
    EXPECT_EQ(15u, file.CurPos());
    EXPECT_EQ(11u, file.PrevPos());
    EXPECT_EQ(19u, file.GetPosition());
    ASSERT_TRUE(file.ReplaceCurrentLine("M3")); // replaces only the last line
    ASSERT_EQ(1, file.ReadString());
    EXPECT_EQ(CString("last"), file.CurLine());
    EXPECT_EQ(5, file.Line());
    ASSERT_TRUE(file.ReplaceCurrentLine("end\n"));
    EXPECT_EQ(6, file.Line());
    EXPECT_EQ(CString(""), file.CurLine());
    EXPECT_EQ(0, file.ReadString());
    EXPECT_EQ("first\r\nm1\r\nm2\r\nM3\r\nend\r\n\n", Stored());
}

// Text beyond ASCII is searched and stored as the code page's bytes, the
// same in both builds; positions count those bytes. A Unicode build refuses
// a replacement the code page cannot hold and never finds such a text.
TEST_F(RVTxtFileTest, TextBeyondAsciiIsSearchedAndStoredAsCodePageBytes) {
    if (!CodePageIs1252OrLatin1())
        GTEST_SKIP() << "the bytes below are those of code page 1252";
    OpenWith("caf\xE9\r\nna\xEFve\r\nv1\r\n");
    int nCol = -1;
    EXPECT_EQ(6, file.Find(_T("na\xEFve"), &nCol));
    EXPECT_EQ(0, nCol);
    ASSERT_TRUE(file.ReplaceCurrentLine(_T("\xE9t\xE9")));
    EXPECT_EQ(CString(_T("\xE9t\xE9")), file.CurLine());
#ifdef _UNICODE
    const CString strGreek = L"\x03B1"; // no character of code page 1252
    EXPECT_FALSE(file.ReplaceCurrentLine(strGreek));
    file.Seek(0, CFile::begin);
    EXPECT_FALSE(file.Replace(0, strGreek));
    file.ResetPosn();
    EXPECT_EQ(-1, file.Find(L"\xFF11", &nCol)); // not its look-alike "1"
#endif
    EXPECT_EQ("caf\xE9\r\n\xE9t\xE9\r\nv1\r\n", Stored());
}

TEST_F(RVTxtFileTest, FailedReplacementLeavesTheFileAsItWas) {
    const std::string bytes = "line one\r\nline two\nend\r\n";
    OpenWith(bytes);
    file.ReadString();
    file.nFailCuts = 1; // the cut after the shorter text and the move fails
    EXPECT_FALSE(file.ReplaceCurrentLine("1"));
    EXPECT_EQ(10u, file.GetPosition());
    EXPECT_EQ(bytes, Stored());

    tmp.Write("a.txt", bytes);
    ASSERT_TRUE(file.Open2(true)); // every write fails
    file.ReadString();
    EXPECT_FALSE(file.Replace(0, 4, Bytes("LINE!!"), 6));
    EXPECT_FALSE(file.Replace(2, Bytes("x"), 1));
    EXPECT_FALSE(file.ReplaceCurrentLine("another"));
    EXPECT_FALSE(file.Empty());
    EXPECT_EQ(10u, file.GetPosition());
    EXPECT_EQ(bytes, Stored());
    EXPECT_FALSE(file.Replace(0, 1, Bytes("x"), 1)); // closed
    EXPECT_FALSE(file.Empty());
}

TEST_F(RVTxtFileTest, CheckAddNewLineEndFileAppendsOnlyWhenMissing) {
    const std::pair<std::string, std::string> cases[] = {
        {"", "\r\n"}, {"a\r\n", "a\r\n"}, {"a\n", "a\n\r\n"}, {"a", "a\r\n"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.first));
        tmp.Write("a.txt", c.first);
        EXPECT_EQ(c.first != c.second, file.CheckAddNewLineEndFile(CString(Name().c_str())));
        EXPECT_EQ(c.second, tmp.Read("a.txt"));
    }
    EXPECT_FALSE(file.CheckAddNewLineEndFile((tmp / "missing.txt").c_str()));
    EXPECT_FALSE(file.CheckAddNewLineEndFile(NULL)); // nothing open

    OpenWith("x");
    EXPECT_TRUE(file.Empty());
    EXPECT_EQ(0u, file.GetLength());
    EXPECT_EQ("", Stored());
}

// A host appends a line to its open file: the check leaves the position at
// the end, whether it appended or not, so the line goes after the others.
TEST_F(RVTxtFileTest, CheckAddNewLineEndFileThenWriteStringAppends) {
    const std::pair<std::string, std::string> cases[] = {
        {"a\r\nb", "a\r\nb\r\nnew\r\n"}, {"a\r\n", "a\r\nnew\r\n"}, {"", "\r\nnew\r\n"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.first);
        OpenWith(c.first);
        EXPECT_EQ(c.first.size() < 2 || c.first.back() != '\n', file.CheckAddNewLineEndFile(NULL));
        EXPECT_EQ(file.GetLength(), file.GetPosition());
        file.WriteString(_T("new\n"));
        EXPECT_EQ(c.second, Stored());
    }
}

} // namespace
