// A text file and a sequence of operations on it, both from the input. An
// in-memory model says what every operation returns, which bytes the file
// holds afterwards (read back with plain system calls) and where the reader
// stands: position, line counter, column, line positions, current line.
#include "FuzzSupport.h"

#include <RVTxtFile.h>

#include <cstdint>

namespace {

using fuzzsupport::S;

const uint64_t kNone = ~static_cast<uint64_t>(0);
const int kMaxSteps = 64;
const size_t kMaxText = 16;

// The reader's protected state, for comparing with the model.
class OpenFile : public RVTxtFile {
public:
    int Line() const { return m_nLine; }
    int Col() const { return m_nCol; }
    uint64_t CurPos() const { return m_posCurLine; }
    uint64_t PrevPos() const { return m_posPrevLine; }
    std::string CurLine() const { return S(m_strCurLine); }
};

// What the file holds and where its reader stands.
struct Model {
    std::string bytes;
    uint64_t pos = 0;
    int line = 0;
    int col = 0;
    uint64_t cur = kNone;
    uint64_t prev = kNone;
    std::string curLine;
};

// The text's index in the line from nFrom on, as the framework's string
// search gives it: nothing is found from the line's end on.
int FindIn(const std::string& line, const std::string& text, int nFrom) {
    if (nFrom < 0 || static_cast<size_t>(nFrom) >= line.size())
        return -1;
    const size_t at = line.find(text, static_cast<size_t>(nFrom));
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

// The model's ReadString. At the end of the file the current line is the
// file's own business: the model takes it over.
bool ReadLine(Model& m, const OpenFile& file) {
    m.prev = m.cur;
    m.cur = m.pos;
    if (m.pos >= m.bytes.size()) {
        m.curLine = file.CurLine();
        return false;
    }
    const size_t lf = m.bytes.find('\n', m.pos);
    size_t end = lf == std::string::npos ? m.bytes.size() : lf;
    if (lf != std::string::npos && end > m.pos && m.bytes[end - 1] == '\r')
        --end;
    m.curLine = m.bytes.substr(m.pos, end - m.pos);
    m.pos = lf == std::string::npos ? m.bytes.size() : lf + 1;
    ++m.line;
    m.col = 0;
    return true;
}

// New text as the file stores it: a line feed not already after a CR gets
// one; a lone CR stays as it is.
std::string Stored(const std::string& text) {
    std::string stored;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r'))
            stored += '\r';
        stored += text[i];
    }
    return stored;
}

void ReplaceIn(Model& m, uint64_t start, uint64_t end, const std::string& data) {
    m.bytes.replace(start, end - start, Stored(data));
    m.pos = m.bytes.size();
}

class Session {
public:
    Session(const std::string& path, const std::string& contents) : m_path(path) {
        m_model.bytes = contents;
        m_file.SetFileName(path.c_str());
        FUZZ_CHECK(m_file.Open());
    }
    ~Session() { m_file.Close(); }

    void Step(FuzzedDataProvider& input) {
        Model& m = m_model;
        const int size = static_cast<int>(m.bytes.size());
        switch (input.ConsumeIntegralInRange(0, 12)) {
        case 0:
            FUZZ_CHECK(m_file.ReadString() == (ReadLine(m, m_file) ? 1 : 0));
            FUZZ_CHECK(m_file.Line() == m.line);
            break;
        case 1: {
            const std::string text = fuzzsupport::Text(input, kMaxText);
            const bool bContains = input.ConsumeBool();
            int nCol = -7, nLine = -7;
            const int nAt = m_file.Find2(text.c_str(), bContains, &nCol, &nLine);
            int nWanted = -1;
            while (nWanted < 0 && ReadLine(m, m_file)) {
                const int nFound = FindIn(m.curLine, text, 0);
                if ((nFound >= 0) == bContains) {
                    nWanted = static_cast<int>(m.cur);
                    FUZZ_CHECK(nCol == (bContains ? nFound : -1) && nLine == m.line - 1);
                }
            }
            FUZZ_CHECK(nAt == nWanted);
            break;
        }
        case 2:
            FindNext(fuzzsupport::Text(input, kMaxText), input.ConsumeBool());
            break;
        case 3: {
            const int nStart = input.ConsumeIntegralInRange(-1, size + 1);
            const int nEnd = input.ConsumeIntegralInRange(-1, size + 1);
            const std::string data = fuzzsupport::Text(input, kMaxText);
            const bool bOk = nStart >= 0 && nEnd >= nStart && nEnd < size;
            FUZZ_CHECK(m_file.Replace(nStart, nEnd, reinterpret_cast<const BYTE*>(data.data()),
                                      static_cast<int>(data.size())) == bOk);
            if (bOk)
                ReplaceIn(m, static_cast<uint64_t>(nStart), static_cast<uint64_t>(nEnd), data);
            break;
        }
        case 4:
        case 5: {
            const int nCount = input.ConsumeIntegralInRange(-1, size + 1);
            const std::string data = fuzzsupport::Text(input, kMaxText);
            const bool bOk = nCount >= 0 && m.pos + static_cast<uint64_t>(nCount) <= m.bytes.size();
            const bool bDone =
                input.ConsumeBool()
                    ? m_file.Replace(nCount, CString(data.c_str()))
                    : m_file.Replace(nCount, reinterpret_cast<const BYTE*>(data.data()),
                                     static_cast<int>(data.size()));
            FUZZ_CHECK(bDone == bOk);
            if (bOk)
                ReplaceIn(m, m.pos, m.pos + static_cast<uint64_t>(nCount), data);
            break;
        }
        case 6:
            ReplaceCurrentLine(fuzzsupport::Text(input, kMaxText));
            break;
        case 7:
            FUZZ_CHECK(m_file.Empty());
            m.bytes.clear();
            m.pos = 0;
            break;
        case 8: {
            const bool bEnded = m.bytes.size() >= 2 && m.bytes.compare(size - 2, 2, "\r\n") == 0;
            FUZZ_CHECK(m_file.CheckAddNewLineEndFile(nullptr) == !bEnded);
            if (!bEnded)
                m.bytes += "\r\n";
            m.pos = m.bytes.size();
            break;
        }
        case 9:
            m.pos = input.ConsumeIntegralInRange(0, size);
            m_file.Seek(static_cast<LONGLONG>(m.pos), CFile::begin);
            break;
        case 10:
            m_file.ResetPosn();
            m.pos = 0;
            m.line = m.col = 0;
            break;
        case 11:
            m_file.Reset();
            m.line = m.col = 0;
            m.cur = m.prev = kNone;
            m.curLine.clear();
            break;
        default:
            FUZZ_CHECK(RVTxtFile::GetLineCount(m_path.c_str()) == LineCount(m.bytes));
            break;
        }
        Compare();
    }

private:
    static int LineCount(const std::string& bytes) {
        int n = 0;
        for (char ch : bytes)
            n += ch == '\n';
        return n + (!bytes.empty() && bytes.back() != '\n' ? 1 : 0);
    }

    void FindNext(const std::string& text, bool bSkip) {
        Model& m = m_model;
        int nCol = -7;
        const int nAt = m_file.FindNext(text.c_str(), &nCol, bSkip);
        bool bMovedOn = false;
        int nFound = FindIn(m.curLine, text, m.col);
        while (nFound < 0) {
            if (!ReadLine(m, m_file)) {
                FUZZ_CHECK(nAt == -1);
                return;
            }
            bMovedOn = true;
            nFound = FindIn(m.curLine, text, 0);
        }
        FUZZ_CHECK(nAt == (bMovedOn ? static_cast<int>(m.pos) : 0) && nCol == nFound);
        m.col = bSkip ? nFound + static_cast<int>(text.size()) : nFound;
        if (bSkip && m.col >= static_cast<int>(m.curLine.size()))
            ReadLine(m, m_file);
    }

    void ReplaceCurrentLine(const std::string& text) {
        Model& m = m_model;
        const bool bOk = m.cur != kNone && m.cur + m.curLine.size() <= m.bytes.size();
        FUZZ_CHECK(m_file.ReplaceCurrentLine(text.c_str()) == bOk);
        if (!bOk)
            return;
        const uint64_t start = m.cur;
        const uint64_t end = m.cur + m.curLine.size();
        const std::string stored = Stored(text);
        m.bytes.replace(start, end - start, stored);
        // The position stays on the byte it pointed at; inside the replaced
        // bytes it is held within the new ones.
        if (m.pos >= end)
            m.pos = m.pos - (end - start) + stored.size();
        else if (m.pos > start + stored.size())
            m.pos = start + stored.size();
        // The reader stands as if it had read the new lines: on the last.
        size_t lineStart = 0;
        for (size_t lf; (lf = stored.find('\n', lineStart)) != std::string::npos;
             lineStart = lf + 1) {
            m.prev = start + lineStart;
            ++m.line;
            m.col = 0;
        }
        m.cur = start + lineStart;
        m.curLine = stored.substr(lineStart);
    }

    void Compare() {
        const Model& m = m_model;
        FUZZ_CHECK(m_file.GetPosition() == m.pos);
        FUZZ_CHECK(m_file.Line() == m.line && m_file.Col() == m.col);
        FUZZ_CHECK(m_file.CurPos() == m.cur && m_file.PrevPos() == m.prev);
        FUZZ_CHECK(m_file.CurLine() == m.curLine);
        FUZZ_CHECK(fuzzsupport::ReadWholeFile(m_path) == m.bytes);
    }

    std::string m_path;
    OpenFile m_file;
    Model m_model;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string contents = fuzzsupport::Text(input, 2048);
    const std::string path =
        fuzzsupport::WriteScratchFile("text.txt", contents.data(), contents.size());
    Session session(path, contents);
    for (int step = 0; step < kMaxSteps && input.remaining_bytes() > 0; ++step)
        session.Step(input);
    return 0;
}
