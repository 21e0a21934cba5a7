// CFile, CFileStatus, CFileException and CreateDirectory.
#include <afx.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

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

std::string Str(const CString& s) {
    return std::string(s.GetString(), s.GetLength());
}

} // namespace

TEST(File, ReadsAndWritesBytesUnchanged) {
    TempFolder folder;
    std::string bytes("line\r\nbare\nlone\r\0end", 21);
    {
        CFile file((folder / "data.bin").c_str(), CFile::modeCreate | CFile::modeWrite);
        file.Write(bytes.data(), static_cast<UINT>(bytes.size()));
        EXPECT_EQ(file.GetPosition(), bytes.size());
    }
    EXPECT_EQ(folder.Read("data.bin"), bytes);

    CFile file((folder / "data.bin").c_str(), CFile::modeRead);
    EXPECT_EQ(file.GetLength(), bytes.size());
    char buf[64] = {};
    EXPECT_EQ(file.Read(buf, 6), 6u);
    EXPECT_EQ(std::string(buf, 6), "line\r\n");
    // Short at the end of the file, then nothing.
    EXPECT_EQ(file.Read(buf, sizeof buf), bytes.size() - 6);
    EXPECT_EQ(std::string(buf, bytes.size() - 6), bytes.substr(6));
    EXPECT_EQ(file.Read(buf, sizeof buf), 0u);
}

TEST(File, CreateTruncatesUnlessNoTruncate) {
    TempFolder folder;
    folder.Write("f.txt", "old contents");
    {
        CFile file((folder / "f.txt").c_str(),
                   CFile::modeCreate | CFile::modeNoTruncate | CFile::modeWrite);
    }
    EXPECT_EQ(folder.Read("f.txt"), "old contents");
    {
        CFile file((folder / "f.txt").c_str(),
                   CFile::modeCreate | CFile::modeNoTruncate | CFile::modeReadWrite);
        file.Write("OLD", 3);
    }
    EXPECT_EQ(folder.Read("f.txt"), "OLD contents");
    { CFile file((folder / "f.txt").c_str(), CFile::modeCreate | CFile::modeWrite); }
    EXPECT_EQ(folder.Read("f.txt"), "");
}

TEST(File, OpenReportsFailureWithoutThrowing) {
    TempFolder folder;
    folder.MakeFolder("sub");
    std::string missing = folder / "missing.txt";

    CFile file;
    CFileException error;
    EXPECT_FALSE(file.Open(missing.c_str(), CFile::modeRead, &error));
    EXPECT_EQ(error.m_cause, CFileException::fileNotFound);
    EXPECT_EQ(Str(error.m_strFileName), missing);
    EXPECT_NE(error.m_lOsError, 0);
    EXPECT_EQ(file.m_hFile, CFile::hFileNull);
    EXPECT_FALSE(file.Open(missing.c_str(), CFile::modeRead));

    // A folder is not a file on either target.
    EXPECT_FALSE(file.Open((folder / "sub").c_str(), CFile::modeRead, &error));
    EXPECT_EQ(error.m_cause, CFileException::accessDenied);

    EXPECT_EQ(CauseThrownBy([&] { CFile f(missing.c_str(), CFile::modeRead); }),
              CFileException::fileNotFound);
}

TEST(File, SeeksAndResizes) {
    TempFolder folder;
    folder.Write("f.bin", "0123456789");
    CFile file((folder / "f.bin").c_str(), CFile::modeReadWrite);

    EXPECT_EQ(file.Seek(4, CFile::begin), 4u);
    EXPECT_EQ(file.Seek(2, CFile::current), 6u);
    EXPECT_EQ(file.Seek(-3, CFile::end), 7u);
    EXPECT_EQ(file.SeekToEnd(), 10u);
    EXPECT_EQ(CauseThrownBy([&] { file.Seek(-1, CFile::begin); }), CFileException::badSeek);

    // Cutting keeps the position, even past the new end.
    file.SetLength(4);
    EXPECT_EQ(file.GetLength(), 4u);
    EXPECT_EQ(file.GetPosition(), 10u);
    file.SeekToBegin();
    file.SetLength(6);
    EXPECT_EQ(file.GetPosition(), 0u);
    file.Close(); // opened without sharing: Windows lets no one else read it
    EXPECT_EQ(folder.Read("f.bin"), std::string("0123\0\0", 6));
}

TEST(File, NamesAreTakenFromTheFullPath) {
    TempFolder folder;
    folder.MakeFolder("sub");
    folder.Write("sub/report.2024.txt", "x");
    std::string inner = folder / "sub";
    // A "." step and a back-slash are resolved on both targets.
    CFile file((inner + "\\..\\sub\\.\\report.2024.txt").c_str(), CFile::modeRead);
    EXPECT_EQ(Str(file.GetFilePath()), (folder.Path() / "sub" / "report.2024.txt").string());
    EXPECT_EQ(Str(file.GetFileName()), "report.2024.txt");
    EXPECT_EQ(Str(file.GetFileTitle()), "report.2024");
    file.Close();
    EXPECT_EQ(file.m_hFile, CFile::hFileNull);
    EXPECT_EQ(Str(file.GetFilePath()), "");
    file.Close();
}

TEST(File, ClosedOrWrongModeFilesThrow) {
    TempFolder folder;
    char buf[4];
    CFile closed;
    EXPECT_EQ(CauseThrownBy([&] { closed.Read(buf, 4); }), CFileException::invalidFile);
    EXPECT_EQ(CauseThrownBy([&] { closed.GetLength(); }), CFileException::invalidFile);

    CFile writeOnly((folder / "w.bin").c_str(), CFile::modeCreate | CFile::modeWrite);
    EXPECT_EQ(CauseThrownBy([&] { writeOnly.Read(buf, 4); }), CFileException::accessDenied);
}

TEST(File, StatusRemoveAndRename) {
    TempFolder folder;
    folder.Write("a.txt", "12345");
    folder.Write("b.txt", "b");
    folder.MakeFolder("sub");

    CFileStatus status;
    ASSERT_TRUE(CFile::GetStatus((folder / "a.txt").c_str(), status));
    EXPECT_EQ(status.m_size, 5u);
    EXPECT_FALSE(status.m_attribute & CFile::directory);
    EXPECT_EQ(std::string(status.m_szFullName), folder / "a.txt");
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
}

TEST(File, CreateDirectoryTakesBackSlashes) {
    TempFolder folder;
    folder.MakeFolder("a");
    std::string path = folder / "a" + "\\b";
    EXPECT_TRUE(CreateDirectory(path.c_str(), NULL));
    EXPECT_TRUE(std::filesystem::is_directory(folder.Path() / "a" / "b"));
    EXPECT_FALSE(CreateDirectory(path.c_str(), NULL));
}

TEST(FileException, CarriesCauseAndNamesTheFile) {
    try {
        AfxThrowFileException(CFileException::diskFull, 28, _T("out.dat"));
        FAIL();
    } catch (CException* e) {
        ASSERT_TRUE(e->IsKindOf(RUNTIME_CLASS(CFileException)));
        CFileException* fe = static_cast<CFileException*>(e);
        EXPECT_EQ(fe->m_cause, CFileException::diskFull);
        EXPECT_EQ(fe->m_lOsError, 28);
        TCHAR text[128];
        EXPECT_TRUE(e->GetErrorMessage(text, 128));
        EXPECT_NE(std::string(text).find("out.dat"), std::string::npos);
        // Truncated to the buffer, always terminated.
        EXPECT_TRUE(e->GetErrorMessage(text, 5));
        EXPECT_EQ(std::string(text).size(), 4u);
        e->Delete();
    }
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
