// CStdioFile: text mode over binary I/O, buffering, positions as stored byte
// offsets, and raw CFile calls interleaved with buffered ones.
#include <afx.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TempFolder.h"

namespace {

std::string Str(const CString& s) {
    return std::string(s.GetString(), s.GetLength());
}

// Every line ReadString(CString&) delivers, with the position after each.
std::vector<std::pair<std::string, ULONGLONG>> ReadLines(CStdioFile& file) {
    std::vector<std::pair<std::string, ULONGLONG>> lines;
    CString line;
    while (file.ReadString(line))
        lines.emplace_back(Str(line), file.GetPosition());
    EXPECT_TRUE(line.IsEmpty());
    return lines;
}

// Lines of many lengths with CR LF, LF and lone CR, and one line longer than
// a buffer. A CR LF straddles each power-of-two offset from 4 KiB to 64 KiB,
// where a read buffer may end.
std::string MixedText(std::vector<std::pair<std::string, ULONGLONG>>& expected) {
    std::string stored;
    size_t boundary = 4096;
    for (int i = 0; i < 3000; ++i) {
        std::string line(static_cast<size_t>(i * 7 % 97), static_cast<char>('a' + i % 26));
        if (i % 11 == 0)
            line += "\rx";
        const char* end = i % 3 == 0 ? "\n" : "\r\n";
        if (boundary <= 65536 && stored.size() + line.size() + 2 >= boundary) {
            line.assign(boundary - 1 - stored.size(), 'b');
            end = "\r\n";
            boundary *= 2;
        }
        if (i == 1500)
            line.assign(200000, 'L');
        stored += line + end;
        expected.emplace_back(line, stored.size());
    }
    return stored;
}

} // namespace

TEST(StdioFile, TextModeReadsLinesWithoutTheirEnds) {
    TempFolder folder;
    folder.Write("t.txt", "a\r\nbb\nc\rd\r\n\r\n\r\r\nlast\r");
    CStdioFile file((folder / "t.txt").c_str(), CFile::modeRead);
    std::vector<std::pair<std::string, ULONGLONG>> expected = {
        {"a", 3}, {"bb", 6}, {"c\rd", 11}, {"", 13}, {"\r", 16}, {"last\r", 21}};
    EXPECT_EQ(ReadLines(file), expected);
    CString line;
    EXPECT_FALSE(file.ReadString(line));
}

TEST(StdioFile, BinaryModeKeepsCarriageReturns) {
    TempFolder folder;
    folder.Write("b.txt", "a\r\nb");
    CStdioFile file((folder / "b.txt").c_str(), CFile::modeRead | CFile::typeBinary);
    std::vector<std::pair<std::string, ULONGLONG>> expected = {{"a\r", 3}, {"b", 4}};
    EXPECT_EQ(ReadLines(file), expected);
}

TEST(StdioFile, LinesAcrossBufferBoundaries) {
    TempFolder folder;
    std::vector<std::pair<std::string, ULONGLONG>> expected;
    std::string stored = MixedText(expected);
    folder.Write("m.txt", stored);

    {
        CStdioFile file((folder / "m.txt").c_str(), CFile::modeRead);
        EXPECT_EQ(ReadLines(file), expected);
    }

    // The same text through the fgets-like reader and through Read, each on
    // a fresh object (a long line grows the buffer): CR LF becomes '\n', a
    // lone CR stays.
    std::string translated;
    for (const auto& line : expected)
        translated += line.first + "\n";
    {
        CStdioFile file((folder / "m.txt").c_str(), CFile::modeRead);
        std::string viaFgets;
        char chunk[40];
        while (file.ReadString(chunk, sizeof chunk))
            viaFgets += chunk;
        EXPECT_EQ(viaFgets, translated);
    }
    CStdioFile file((folder / "m.txt").c_str(), CFile::modeRead);
    std::string viaRead(translated.size() + 10, '\0');
    viaRead.resize(file.Read(&viaRead[0], static_cast<UINT>(viaRead.size())));
    EXPECT_EQ(viaRead, translated);
}

TEST(StdioFile, FgetsReaderKeepsTheLineFeed) {
    TempFolder folder;
    folder.Write("f.txt", "abcdef\r\nz");
    CStdioFile file((folder / "f.txt").c_str(), CFile::modeRead);
    char buf[5];
    EXPECT_STREQ(file.ReadString(buf, 5), "abcd");
    EXPECT_STREQ(file.ReadString(buf, 5), "ef\n");
    EXPECT_STREQ(file.ReadString(buf, 5), "z");
    EXPECT_EQ(file.ReadString(buf, 5), nullptr);
}

TEST(StdioFile, TextModeWritesCrLf) {
    TempFolder folder;
    {
        CStdioFile file((folder / "w.txt").c_str(), CFile::modeCreate | CFile::modeWrite);
        file.WriteString("one\ntwo\r\n");
        file.Write("3\n", 2);
        EXPECT_EQ(file.GetPosition(), 14u);
        EXPECT_EQ(file.GetLength(), 14u);
    }
    EXPECT_EQ(folder.Read("w.txt"), "one\r\ntwo\r\r\n3\r\n");
    {
        CStdioFile file((folder / "w.bin").c_str(),
                        CFile::modeCreate | CFile::modeWrite | CFile::typeBinary);
        file.WriteString("one\n");
    }
    EXPECT_EQ(folder.Read("w.bin"), "one\n");
}

TEST(StdioFile, WritesAcrossBufferBoundaries) {
    TempFolder folder;
    std::vector<std::pair<std::string, ULONGLONG>> lines;
    MixedText(lines);
    std::string stored;
    {
        CStdioFile file((folder / "big.txt").c_str(), CFile::modeCreate | CFile::modeWrite);
        for (const auto& line : lines) {
            file.WriteString((line.first + "\n").c_str());
            stored += line.first + "\r\n";
        }
        EXPECT_EQ(file.GetPosition(), stored.size());
    }
    EXPECT_EQ(folder.Read("big.txt"), stored);
}

TEST(StdioFile, RawCallsInterleaveWithBufferedOnes) {
    TempFolder folder;
    folder.Write("r.txt", "first\r\nsecond\r\nthird\r\n");
    CStdioFile file((folder / "r.txt").c_str(), CFile::modeReadWrite);
    CString line;
    ASSERT_TRUE(file.ReadString(line));
    ULONGLONG pos = file.GetPosition();
    EXPECT_EQ(pos, 7u);

    // Raw bytes at the position the text reader reached.
    char raw[8] = {};
    EXPECT_EQ(file.CFile::Read(raw, 8), 8u);
    EXPECT_EQ(std::string(raw, 8), "second\r\n");
    EXPECT_EQ(file.GetPosition(), 15u);
    ASSERT_TRUE(file.ReadString(line));
    EXPECT_EQ(Str(line), "third");

    // A raw write after a Seek replaces stored bytes; text reading sees it.
    file.Seek(pos, CFile::begin);
    file.CFile::Write("SECOND", 6);
    file.SeekToBegin();
    ASSERT_TRUE(file.ReadString(line));
    ASSERT_TRUE(file.ReadString(line));
    EXPECT_EQ(Str(line), "SECOND");

    // Pending text is written out before a raw call.
    file.SeekToEnd();
    file.WriteString("4\n");
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
    file.WriteString("new\n");
    file.SeekToBegin();
    std::vector<std::pair<std::string, ULONGLONG>> expected = {{"keep", 6}, {"new", 11}};
    EXPECT_EQ(ReadLines(file), expected);
    // Writing after reading starts where reading stopped.
    file.Seek(6, CFile::begin);
    ASSERT_TRUE(file.ReadString(line));
    file.WriteString("x");
    file.Close();
    EXPECT_EQ(folder.Read("s.txt"), "keep\r\nnew\r\nx");
}

TEST(StdioFile, OpenFailureAndDefaults) {
    TempFolder folder;
    CStdioFile file;
    CFileException error;
    EXPECT_FALSE(file.Open((folder / "none.txt").c_str(), CFile::modeRead, &error));
    EXPECT_EQ(error.m_cause, CFileException::fileNotFound);
    try {
        CStdioFile missing((folder / "none.txt").c_str(), CFile::modeRead);
        FAIL();
    } catch (CFileException* e) {
        EXPECT_EQ(e->m_cause, CFileException::fileNotFound);
        e->Delete();
    }
    EXPECT_TRUE(file.IsKindOf(RUNTIME_CLASS(CFile)));
}
