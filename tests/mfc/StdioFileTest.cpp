// CStdioFile: text mode over binary I/O, buffering, positions as stored byte
// offsets, and raw CFile calls interleaved with buffered ones.
#include <afx.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Checks.h"
#include "TempFolder.h"

namespace {

using Lines = std::vector<std::pair<std::string, ULONGLONG>>;

// Every line ReadString(CString&) delivers, with the position after each.
Lines ReadLines(CStdioFile& file) {
    Lines lines;
    CString line;
    while (file.ReadString(line))
        lines.emplace_back(Str(line), file.GetPosition());
    EXPECT_TRUE(line.IsEmpty());
    return lines;
}

} // namespace

TEST(StdioFile, ReadsLinesWithoutTheirEnds) {
    TempFolder folder;
    folder.Write("t.txt", "a\r\nbb\nc\rd\r\n\r\n\r\r\nlast\r");
    // Text mode drops only a CR that ends a line; binary mode keeps it.
    CStdioFile file((folder / "t.txt").c_str(), CFile::modeRead);
    EXPECT_EQ(ReadLines(file),
              (Lines{{"a", 3}, {"bb", 6}, {"c\rd", 11}, {"", 13}, {"\r", 16}, {"last\r", 21}}));
    ASSERT_TRUE(file.Open((folder / "t.txt").c_str(), CFile::modeRead | CFile::typeBinary));
    EXPECT_EQ(ReadLines(file).front(), (Lines::value_type{"a\r", 3}));
    // The fgets-like reader keeps the line feed: LinesAcrossBufferBoundaries.
}

TEST(StdioFile, WritesCrLfInTextModeOnly) {
    TempFolder folder;
    {
        CStdioFile file((folder / "w.txt").c_str(), CFile::modeCreate | CFile::modeWrite);
        file.WriteString(_T("one\ntwo\r\n"));
        file.Write("3\n", 2);
        EXPECT_EQ(file.GetPosition(), 14u);
        EXPECT_EQ(file.GetLength(), 14u);
        CStdioFile binary((folder / "w.bin").c_str(),
                          CFile::modeCreate | CFile::modeWrite | CFile::typeBinary);
        binary.WriteString(_T("one\n"));
    }
    EXPECT_EQ(folder.Read("w.txt"), "one\r\ntwo\r\r\n3\r\n");
    EXPECT_EQ(folder.Read("w.bin"), "one\n");
}

TEST(StdioFile, LinesAcrossBufferBoundaries) {
    // Lines of many lengths with CR LF, LF and lone CR, and one line longer
    // than a buffer. A CR LF straddles each power-of-two offset from 4 KiB to
    // 512 KiB, where a read buffer may end.
    Lines expected;
    std::string stored, translated, written;
    size_t boundary = 4096;
    for (int i = 0; i < 12000; ++i) {
        std::string line(static_cast<size_t>(i * 7 % 97), static_cast<char>('a' + i % 26));
        if (i % 11 == 0)
            line += "\rx";
        const char* end = i % 3 == 0 ? "\n" : "\r\n";
        if (boundary <= 524288 && stored.size() + line.size() + 2 >= boundary) {
            line.assign(boundary - 1 - stored.size(), 'b');
            end = "\r\n";
            boundary *= 2;
        }
        if (i == 11000)
            line.assign(600000, 'L');
        stored += line + end;
        expected.emplace_back(line, stored.size());
        translated += line + "\n";
        written += line + "\r\n";
    }
    TempFolder folder;
    folder.Write("m.txt", stored);

    // Each reader on a fresh object (a long line grows the buffer), closed
    // before the next opens (Windows shares nothing by default): CR LF
    // becomes '\n', a lone CR stays.
    CStdioFile lines((folder / "m.txt").c_str(), CFile::modeRead);
    EXPECT_EQ(ReadLines(lines), expected);
    lines.Close();
    CStdioFile viaFgets((folder / "m.txt").c_str(), CFile::modeRead);
    std::string text;
    TCHAR chunk[40];
    int nCutShort = 0; // pieces that neither end their line nor fill the buffer
    while (viaFgets.ReadString(chunk, 40)) {
        const CString piece(chunk);
        nCutShort += piece.GetLength() != 39 && piece.GetAt(piece.GetLength() - 1) != _T('\n');
        text += Str(piece);
    }
    EXPECT_EQ(text, translated);
    EXPECT_EQ(nCutShort, 0);
    viaFgets.Close();
    CStdioFile viaRead((folder / "m.txt").c_str(), CFile::modeRead);
    text.assign(translated.size() + 10, '\0');
    text.resize(viaRead.Read(&text[0], static_cast<UINT>(text.size())));
    EXPECT_EQ(text, translated);
    viaRead.Close();

    {
        CStdioFile file((folder / "m.txt").c_str(), CFile::modeCreate | CFile::modeWrite);
        for (const auto& line : expected)
            file.WriteString(CString((line.first + "\n").c_str()));
        EXPECT_EQ(file.GetPosition(), written.size());
    }
    EXPECT_EQ(folder.Read("m.txt"), written);
}

TEST(StdioFile, RawCallsInterleaveWithBufferedOnes) {
    TempFolder folder;
    folder.Write("r.txt", "first\r\nsecond\r\nthird\r\n");
    CStdioFile file((folder / "r.txt").c_str(), CFile::modeReadWrite);
    CString line;
    ASSERT_TRUE(file.ReadString(line));
    EXPECT_EQ(file.GetPosition(), 7u);

    // Raw bytes at the position the text reader reached.
    char raw[8] = {};
    EXPECT_EQ(file.CFile::Read(raw, 8), 8u);
    EXPECT_EQ(std::string(raw, 8), "second\r\n");
    EXPECT_EQ(file.GetPosition(), 15u);
    ASSERT_TRUE(file.ReadString(line));
    EXPECT_STREQ(line, _T("third"));

    // A raw write after a Seek replaces stored bytes; text reading sees it.
    file.Seek(7, CFile::begin);
    file.CFile::Write("SECOND", 6);
    file.SeekToBegin();
    ASSERT_TRUE(file.ReadString(line));
    ASSERT_TRUE(file.ReadString(line));
    EXPECT_STREQ(line, _T("SECOND"));

    // Pending text is written out before a raw call.
    file.SeekToEnd();
    file.WriteString(_T("4\n"));
    file.CFile::Write("5", 1);
    EXPECT_EQ(file.CFile::GetLength(), 26u);
    file.Close(); // opened without sharing: Windows lets no one else read it
    EXPECT_EQ(folder.Read("r.txt"), "first\r\nSECOND\r\nthird\r\n4\r\n5");
}

TEST(StdioFile, SwitchesBetweenReadingAndWriting) {
    TempFolder folder;
    folder.Write("s.txt", "keep\r\ndrop\r\nthis\r\n");
    CStdioFile file((folder / "s.txt").c_str(), CFile::modeReadWrite);
    CString line;
    ASSERT_TRUE(file.ReadString(line));
    // Cut after the first line and write there.
    file.SetLength(file.GetPosition());
    file.WriteString(_T("new\n"));
    file.SeekToBegin();
    EXPECT_EQ(ReadLines(file), (Lines{{"keep", 6}, {"new", 11}}));
    // Writing after reading starts where reading stopped.
    file.Seek(6, CFile::begin);
    ASSERT_TRUE(file.ReadString(line));
    file.WriteString(_T("x"));
    file.Close();
    EXPECT_EQ(folder.Read("s.txt"), "keep\r\nnew\r\nx");
}

// Both builds store text in the ANSI code page: the same bytes for the same
// text, read back as that text.
TEST(StdioFile, StoresTextInTheAnsiCodePage) {
    if (!CodePageIs1252OrLatin1())
        GTEST_SKIP() << "the ANSI code page is not 1252";
    TempFolder folder;
    const CString line(L"Caf\u00E9 \u00C5 na\u00EFve\n");
    {
        CStdioFile file((folder / "a.txt").c_str(), CFile::modeCreate | CFile::modeWrite);
        file.WriteString(line);
        file.WriteString(CString(L"\u00FF"));
    }
    EXPECT_EQ(folder.Read("a.txt"), "Caf\xE9 \xC5 na\xEFve\r\n\xFF");

    CStdioFile file((folder / "a.txt").c_str(), CFile::modeRead);
    CString read;
    ASSERT_TRUE(file.ReadString(read));
    EXPECT_EQ(read + _T('\n'), line);
    TCHAR buf[3];
    EXPECT_STREQ(file.ReadString(buf, 3), CString(L"\u00FF"));
}

#ifdef _UNICODE
// A character the code page cannot hold is refused with the whole text of
// the call, also one that has a look-alike there (U+0101, 'a' by best fit).
TEST(StdioFile, RefusesTextTheCodePageCannotHold) {
    TempFolder folder;
    CStdioFile file((folder / "w.txt").c_str(), CFile::modeCreate | CFile::modeWrite);
    file.WriteString(L"kept\n");
    for (LPCWSTR lpszText : {L"l\u0101st\n", L"\u4E2D\n"}) {
        SCOPED_TRACE(Str(CString(lpszText)));
        CFileException* pError = NULL;
        try {
            file.WriteString(lpszText);
        } catch (CFileException* e) {
            pError = e;
        }
        ASSERT_NE(pError, nullptr);
        EXPECT_EQ(pError->m_cause, CFileException::genericException);
        EXPECT_EQ(pError->m_lOsError, ERROR_NO_UNICODE_TRANSLATION);
        pError->Delete();
    }
    file.WriteString(L"after\n");
    file.Close();
    EXPECT_EQ(folder.Read("w.txt"), "kept\r\nafter\r\n");
}

// In a double-byte code page the fgets-like reader never cuts a character
// in two. ctest runs this in Wine's Japanese locale (code page 932).
TEST(StdioFileDoubleByte, ReadsWholeCharactersOnly) {
    if (::GetACP() != 932)
        GTEST_SKIP() << "the ANSI code page is not 932";
    TempFolder folder;
    {
        CStdioFile file((folder / "j.txt").c_str(), CFile::modeCreate | CFile::modeWrite);
        file.WriteString(L"ab\u65E5c\n");
    }
    EXPECT_EQ(folder.Read("j.txt"), "ab\x93\xFA"
                                    "c\r\n");
    CStdioFile file((folder / "j.txt").c_str(), CFile::modeRead);
    TCHAR buf[4];
    EXPECT_STREQ(file.ReadString(buf, 4), L"ab");
    EXPECT_STREQ(file.ReadString(buf, 4), L"\u65E5c");
    EXPECT_STREQ(file.ReadString(buf, 4), L"\n");
    EXPECT_EQ(file.ReadString(buf, 4), nullptr);
}
#endif
