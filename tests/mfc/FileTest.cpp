// CFile, CFileStatus, CFileException and CreateDirectory.
#include <afx.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "Checks.h"
#include "TempFolder.h"

namespace {

// The cause of the CFileException the call throws; -1 when it throws none.
template <class Call> int CauseThrownBy(Call call) {
    try {
        call();
    } catch (CFileException* e) {
        int cause = e->m_cause;
        e->Delete();
        return cause;
    }
    return -1;
}

} // namespace

TEST(File, ReadsWritesSeeksAndResizes) {
    TempFolder folder;
    std::string bytes("line\r\nbare\nlone\r\0end", 21);
    CFile file((folder / "data.bin").c_str(), CFile::modeCreate | CFile::modeReadWrite);
    file.Write(bytes.data(), static_cast<UINT>(bytes.size()));
    EXPECT_EQ(file.GetPosition(), bytes.size());
    EXPECT_EQ(file.GetLength(), bytes.size());

    char buf[64] = {};
    file.SeekToBegin();
    EXPECT_EQ(file.Read(buf, 6), 6u);
    // Short at the end of the file, then nothing.
    EXPECT_EQ(file.Read(buf + 6, sizeof buf - 6), bytes.size() - 6);
    EXPECT_EQ(std::string(buf, bytes.size()), bytes);
    EXPECT_EQ(file.Read(buf, sizeof buf), 0u);

    EXPECT_EQ(file.Seek(4, CFile::begin), 4u);
    EXPECT_EQ(file.Seek(2, CFile::current), 6u);
    EXPECT_EQ(file.Seek(-3, CFile::end), 18u);
    EXPECT_EQ(CauseThrownBy([&] { file.Seek(-1, CFile::begin); }), CFileException::badSeek);
    // Cutting keeps the position, even past the new end; growing adds zeros.
    file.SetLength(7);
    EXPECT_EQ(file.GetLength(), 7u);
    EXPECT_EQ(file.GetPosition(), 18u);
    file.SeekToBegin();
    file.SetLength(9);
    EXPECT_EQ(file.GetPosition(), 0u);
    file.Close(); // opened without sharing: Windows lets no one else read it
    EXPECT_EQ(folder.Read("data.bin"), std::string("line\r\nb\0\0", 9));
}

TEST(File, CreateTruncatesUnlessNoTruncate) {
    TempFolder folder;
    folder.Write("f.txt", "old contents");
    const auto path = folder / "f.txt";
    { CFile file(path.c_str(), CFile::modeCreate | CFile::modeNoTruncate | CFile::modeWrite); }
    EXPECT_EQ(folder.Read("f.txt"), "old contents");
    {
        CFile file(path.c_str(), CFile::modeCreate | CFile::modeNoTruncate | CFile::modeReadWrite);
        file.Write("OLD", 3);
    }
    EXPECT_EQ(folder.Read("f.txt"), "OLD contents");
    { CFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite); }
    EXPECT_EQ(folder.Read("f.txt"), "");
}

TEST(File, FailuresReportTheirCause) {
    TempFolder folder;
    folder.MakeFolder("sub");
    const auto missing = folder / "missing.txt";

    CFile file;
    CFileException error;
    EXPECT_FALSE(file.Open(missing.c_str(), CFile::modeRead, &error));
    EXPECT_EQ(error.m_cause, CFileException::fileNotFound);
    EXPECT_NE(error.m_lOsError, 0);
    // The message names the file; a short buffer truncates it, terminated.
    TCHAR text[512];
    EXPECT_TRUE(error.GetErrorMessage(text, 512));
    EXPECT_NE(std::basic_string<TCHAR>(text).find(missing), std::string::npos);
    EXPECT_TRUE(error.GetErrorMessage(text, 5));
    EXPECT_EQ(std::basic_string<TCHAR>(text).size(), 4u);
    // A folder is not a file on either target.
    EXPECT_FALSE(file.Open((folder / "sub").c_str(), CFile::modeRead, &error));
    EXPECT_EQ(error.m_cause, CFileException::accessDenied);

    // The constructors throw what Open reports; a closed file or the wrong
    // mode makes a call throw.
    char buf[4];
    CFile writeOnly((folder / "w.bin").c_str(), CFile::modeCreate | CFile::modeWrite);
    EXPECT_EQ(CauseThrownBy([&] { CFile f(missing.c_str(), CFile::modeRead); }),
              CFileException::fileNotFound);
    EXPECT_EQ(CauseThrownBy([&] { CStdioFile f(missing.c_str(), CFile::modeRead); }),
              CFileException::fileNotFound);
    EXPECT_EQ(CauseThrownBy([&] { file.Read(buf, 4); }), CFileException::invalidFile);
    EXPECT_EQ(CauseThrownBy([&] { file.GetLength(); }), CFileException::invalidFile);
    EXPECT_EQ(CauseThrownBy([&] { writeOnly.Read(buf, 4); }), CFileException::accessDenied);
}

TEST(File, NamesAreTakenFromTheFullPath) {
    TempFolder folder;
    folder.MakeFolder("sub");
    folder.Write("sub/report.2024.txt", "x");
    // A "." step and a back-slash are resolved on both targets.
    CFile file((folder / "sub" + _T("\\..\\sub\\.\\report.2024.txt")).c_str(), CFile::modeRead);
    EXPECT_EQ(Str(file.GetFilePath()), (folder.Path() / "sub" / "report.2024.txt").string());
    EXPECT_EQ(Str(file.GetFileName()), "report.2024.txt");
    EXPECT_EQ(Str(file.GetFileTitle()), "report.2024");
    file.Close();
    EXPECT_EQ(file.m_hFile, CFile::hFileNull);
    EXPECT_EQ(Str(file.GetFilePath()), "");
    file.Close();
}

TEST(File, StatusRemoveRenameAndCreateDirectory) {
    TempFolder folder;
    folder.Write("a.txt", "12345");
    folder.Write("b.txt", "b");
    folder.MakeFolder("sub");

    CFileStatus status;
    ASSERT_TRUE(CFile::GetStatus((folder / "a.txt").c_str(), status));
    EXPECT_EQ(status.m_size, 5u);
    EXPECT_FALSE(status.m_attribute & CFile::directory);
    EXPECT_EQ(std::basic_string<TCHAR>(status.m_szFullName), folder / "a.txt");
    ASSERT_TRUE(CFile::GetStatus((folder / "sub").c_str(), status));
    EXPECT_TRUE(status.m_attribute & CFile::directory);
    EXPECT_FALSE(CFile::GetStatus((folder / "none").c_str(), status));

    // Renaming never replaces an existing file.
    EXPECT_EQ(CauseThrownBy(
                  [&] { CFile::Rename((folder / "a.txt").c_str(), (folder / "b.txt").c_str()); }),
              CFileException::accessDenied);
    EXPECT_EQ(folder.Read("b.txt"), "b");
    CFile::Rename((folder / "a.txt").c_str(), (folder / "sub/c.txt").c_str());
    EXPECT_EQ(folder.Read("sub/c.txt"), "12345");

    CFile::Remove((folder / "b.txt").c_str());
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / "b.txt"));
    EXPECT_EQ(CauseThrownBy([&] { CFile::Remove((folder / "b.txt").c_str()); }),
              CFileException::fileNotFound);

    const auto path = folder / "sub" + _T("\\new");
    EXPECT_TRUE(CreateDirectory(path.c_str(), NULL));
    EXPECT_TRUE(std::filesystem::is_directory(folder.Path() / "sub" / "new"));
    EXPECT_FALSE(CreateDirectory(path.c_str(), NULL));
}

#ifdef _WIN32
// POSIX has no share modes, so this holds on Windows only.
TEST(File, ShareFlagsReachTheSystem) {
    TempFolder folder;
    folder.Write("s.txt", "s");
    CFile reader((folder / "s.txt").c_str(), CFile::modeRead | CFile::shareDenyWrite);
    CFile other;
    CFileException error;
    EXPECT_TRUE(other.Open((folder / "s.txt").c_str(), CFile::modeRead | CFile::shareDenyNone));
    other.Close();
    EXPECT_FALSE(
        other.Open((folder / "s.txt").c_str(), CFile::modeWrite | CFile::shareDenyNone, &error));
    EXPECT_EQ(error.m_cause, CFileException::sharingViolation);
}
#endif
