// Faults injected into every way the text file writes: a step of a
// replacement failing at each point in turn, and (POSIX) a file-size limit
// that makes real writes fail with EFBIG at every length between the old and
// the new one. Afterwards the file must hold exactly its old bytes or exactly
// the intended ones, and a failure must be reported.
#include <afx.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <iostream>
#include <string>

#include "RVTxtFile.h"
#include "TempFolder.h"

#ifndef _WIN32
#include <sys/resource.h>

#include <csignal>
#endif

namespace {

// Makes the nth seek from now fail: every step of a replacement (reading a
// block, writing it, writing the new bytes) seeks first.
class FaultyFile : public RVTxtFile {
public:
    ULONGLONG Seek(LONGLONG lOff, UINT nFrom) override {
        if (nSeeksLeft > 0 && --nSeeksLeft == 0)
            AfxThrowFileException(CFileException::hardIO);
        return RVTxtFile::Seek(lOff, nFrom);
    }
    int nSeeksLeft = 0;
};

// Faults injected and files found torn, for the summary line.
int g_nFaults = 0;
int g_nTorn = 0;

class WriteFaultTest : public ::testing::Test {
protected:
    static void TearDownTestSuite() {
        std::cout << "write faults: " << g_nFaults << " injected, " << g_nTorn << " torn files\n";
    }

    // Opens a fresh copy of the bytes and runs prepare, then op.
    bool Run(const std::string& bytes, const std::function<void(FaultyFile&)>& prepare,
             const std::function<bool(FaultyFile&)>& op, int nFailSeek, ULONGLONG& nPosBefore) {
        tmp.Write("f.txt", bytes);
        file.SetFileName((tmp / "f.txt").c_str());
        EXPECT_TRUE(file.Open());
        prepare(file);
        nPosBefore = file.GetPosition();
        file.nSeeksLeft = nFailSeek;
        const bool bOk = op(file);
        file.nSeeksLeft = 0;
        return bOk;
    }

    // Fails the first, second, ... step until the operation gets through;
    // every failure must leave the bytes and the position as they were.
    void SweepSteps(const std::string& bytes, const std::function<void(FaultyFile&)>& prepare,
                    const std::function<bool(FaultyFile&)>& op, const std::string& intended) {
        for (int nFail = 1; nFail < 50; ++nFail) {
            ULONGLONG nPos = 0;
            const bool bOk = Run(bytes, prepare, op, nFail, nPos);
            if (!bOk) {
                EXPECT_EQ(nPos, file.GetPosition()) << "step " << nFail;
            }
            file.Close();
            const std::string stored = tmp.Read("f.txt");
            if (bOk) {
                EXPECT_TRUE(stored == intended) << "step " << nFail;
                EXPECT_GT(nFail, 2); // some steps were failed before
                return;
            }
            ++g_nFaults;
            g_nTorn += stored != bytes;
            ASSERT_TRUE(stored == bytes) << "torn file after a failure at step " << nFail;
        }
        ADD_FAILURE() << "the operation never got through";
    }

    TempFolder tmp;
    FaultyFile file;
};

const BYTE* Bytes(const char* text) {
    return reinterpret_cast<const BYTE*>(text);
}

// Lines enough that the rest of the file moves in several blocks.
std::string LongText() {
    std::string text;
    for (int i = 0; text.size() < 2600000; ++i)
        text += "line " + std::to_string(i) + (i % 2 ? "\r\n" : "\n");
    return text;
}

void Nothing(FaultyFile&) {}

TEST_F(WriteFaultTest, EveryFailedStepOfAReplacementLeavesTheFileAsItWas) {
    const std::string text = LongText();
    auto spliced = [&](size_t nAt, size_t nOld, const std::string& s) {
        return text.substr(0, nAt) + s + text.substr(nAt + nOld);
    };
    SweepSteps(
        text, Nothing, [](FaultyFile& f) { return f.Replace(100, 110, Bytes("0123456789AB"), 12); },
        spliced(100, 10, "0123456789AB"));
    SweepSteps(
        text, Nothing, [](FaultyFile& f) { return f.Replace(100, 130, Bytes("short"), 5); },
        spliced(100, 30, "short"));
    SweepSteps(
        text, [](FaultyFile& f) { f.Seek(7, CFile::begin); },
        [](FaultyFile& f) { return f.Replace(3, CString("grown by many bytes")); },
        spliced(7, 3, "grown by many bytes"));
    // The second line ("line 1", ending with CR LF) read, then replaced.
    auto secondLine = [](FaultyFile& f) {
        f.ReadString();
        f.ReadString();
    };
    SweepSteps(
        text, secondLine, [](FaultyFile& f) { return f.ReplaceCurrentLine("the second line"); },
        spliced(7, 6, "the second line"));
    SweepSteps(
        text, secondLine, [](FaultyFile& f) { return f.ReplaceCurrentLine("2"); },
        spliced(7, 6, "2"));
}

#ifndef _WIN32

// A process file-size limit: writes past it fail with EFBIG (the signal
// that would end the process is ignored).
class SizeLimit {
public:
    explicit SizeLimit(rlim_t nBytes) {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit limit = m_old;
        limit.rlim_cur = nBytes;
        EXPECT_EQ(0, setrlimit(RLIMIT_FSIZE, &limit));
    }
    ~SizeLimit() { setrlimit(RLIMIT_FSIZE, &m_old); }

private:
    rlimit m_old;
};

TEST_F(WriteFaultTest, WritesCutShortByASizeLimitNeverTearTheFile) {
    const std::string text = "alpha\r\nbeta\nlast line without end";
    const std::string big(300000, 'b'); // larger than the write buffer
    const std::string lines[] = {"first", big, "last"};
    // Each writing operation, with the bytes it means to leave.
    struct Case {
        std::function<bool(FaultyFile&)> op;
        std::string intended;
    };
    const Case cases[] = {
        {[](FaultyFile& f) { return f.Replace(2, 4, Bytes("XYZW"), 4); },
         text.substr(0, 2) + "XYZW" + text.substr(4)},
        {[](FaultyFile& f) { return f.Replace(0, CString("a longer start")); },
         "a longer start" + text},
        {[](FaultyFile& f) { return f.ReadString() && f.ReplaceCurrentLine("a longer alpha"); },
         "a longer alpha" + text.substr(5)},
        {[](FaultyFile& f) { return f.CheckAddNewLineEndFile(NULL); }, text + "\r\n"},
        {[&](FaultyFile& f) {
             f.SeekToEnd();
             try {
                 for (const std::string& line : lines)
                     f.WriteString((line + "\n").c_str());
                 f.Flush();
                 return true;
             } catch (CFileException* e) {
                 e->Delete();
                 return false;
             }
         },
         text + "first\r\n" + big + "\r\nlast\r\n"},
    };
    for (const Case& c : cases) {
        for (size_t nLimit = text.size(); nLimit <= c.intended.size(); ++nLimit) {
            // Every length up to the first few past the old end, then a sample.
            if (nLimit > text.size() + 16 && nLimit % 997 != 0 && nLimit != c.intended.size())
                continue;
            tmp.Write("f.txt", text);
            file.SetFileName((tmp / "f.txt").c_str());
            ASSERT_TRUE(file.Open());
            bool bOk;
            {
                SizeLimit limit(nLimit);
                bOk = c.op(file);
                try {
                    file.Close();
                } catch (CFileException* e) {
                    e->Delete();
                    bOk = false;
                }
            }
            const std::string stored = tmp.Read("f.txt");
            if (nLimit == c.intended.size()) {
                EXPECT_TRUE(bOk);
                EXPECT_TRUE(stored == c.intended);
                continue;
            }
            ++g_nFaults;
            EXPECT_FALSE(bOk) << "limit " << nLimit;
            // Lines written one by one may have gone out in part, but only as
            // whole lines.
            const bool bWholeLines = stored == text || stored == text + "first\r\n" ||
                                     stored == text + "first\r\n" + big + "\r\n";
            const bool bKept =
                stored == text || (c.intended.size() > text.size() + big.size() && bWholeLines);
            g_nTorn += !bKept;
            ASSERT_TRUE(bKept) << "torn file at limit " << nLimit << ", " << stored.size()
                               << " bytes";
        }
    }
}

TEST_F(WriteFaultTest, AFileRemovedBetweenCallsIsNotCreatedAgain) {
    const std::string name = tmp / "gone.txt";
    tmp.Write("gone.txt", "no line end");
    std::remove(name.c_str());
    EXPECT_FALSE(file.CheckAddNewLineEndFile(name.c_str()));
    EXPECT_FALSE(std::filesystem::exists(name)); // not created either
}

#endif

} // namespace
