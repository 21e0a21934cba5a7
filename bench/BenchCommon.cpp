#include "BenchCommon.h"

#include <expat.h>
#include <fcntl.h>
#include <libxml/xmlreader.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <pugixml.hpp>
#include <random>

#include "SampleNode.h"
#include "TagRecords.h"

extern char** environ;

namespace bench {

namespace {

using tagrecords::kItemsPerShelf;
using tagrecords::kSeed;
using tagrecords::kShelvesPerGroup;
using tagrecords::Words;

std::string g_strTemp;

void RemoveTemp() {
    if (!g_strTemp.empty()) {
        std::error_code ec;
        std::filesystem::remove_all(g_strTemp, ec);
    }
}

std::string Tabs(int n) {
    return std::string(static_cast<size_t>(n), '\t');
}

// How a record's numbers are stored: as SampleNode stores them.
std::string IntText(int n) {
    return std::to_string(n);
}
std::string DoubleText(double d) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.15g", d);
    return buf;
}

// Writes what RVXMLFile's writer would: text mode, so every line ends in CR LF.
class TagWriter : public TreeVisitor {
public:
    explicit TagWriter(std::FILE* pFile) : m_pFile(pFile) { Line("<?xml version=\"1.0\"?>"); }
    void Folder(const std::string& strName, bool bOpening, int nLevel) override {
        Line(Tabs(nLevel) + (bOpening ? "<" : "</") + strName + ">");
    }
    void Node(const Record& r, int nLevel) override {
        Line(Tabs(nLevel) + "<item>");
        Component(nLevel + 1, "name", r.strName);
        Component(nLevel + 1, "size", IntText(r.nSize));
        Component(nLevel + 1, "weight", DoubleText(r.dWeight));
        Component(nLevel + 1, "note", r.strNote);
        Line(Tabs(nLevel) + "</item>");
        ++info.nItems;
    }
    TagFileInfo info;

private:
    void Component(int nLevel, const char* pName, const std::string& strValue) {
        Line(Tabs(nLevel) + "<" + pName + ">" + strValue + "</" + pName + ">");
        info.sum.Add(pName, std::strlen(pName), strValue.data(), strValue.size());
    }
    void Line(const std::string& s) {
        std::fwrite(s.data(), 1, s.size(), m_pFile);
        std::fwrite("\r\n", 1, 2, m_pFile);
        info.nBytes += s.size() + 2;
        ++info.nLines;
    }
    std::FILE* m_pFile;
};

// Our reader's node: SampleNode keeps the components; this one also adds
// each to the running sum, as the anchors do.
PairSum* g_pOurSum = nullptr;

class SumNode : public SampleNode {
public:
    bool ReadComponent(CString& strName, CString& strValue) override {
        g_pOurSum->Add(strName, static_cast<size_t>(strName.GetLength()), strValue,
                       static_cast<size_t>(strValue.GetLength()));
        return SampleNode::ReadComponent(strName, strValue);
    }
};

class SumFile : public SampleFile {
public:
    XMLNode* CreateNode() override { return new SumNode; }
};

// pugixml: elements whose children are text only are components.
void WalkPugi(const pugi::xml_node& node, PairSum& sum) {
    for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) {
        if (child.type() != pugi::node_element)
            continue;
        pugi::xml_node first = child.first_child();
        if (first && first.type() == pugi::node_pcdata && !first.next_sibling()) {
            const char* pName = child.name();
            const char* pValue = first.value();
            sum.Add(pName, std::strlen(pName), pValue, std::strlen(pValue));
        } else {
            WalkPugi(child, sum);
        }
    }
}

// expat: the text of an element without child elements is its value.
struct ExpatState {
    PairSum* pSum;
    std::string strName;
    std::string strText;
    bool bLeaf = false;
};

void XMLCALL ExpatStart(void* pData, const XML_Char* pName, const XML_Char**) {
    ExpatState& s = *static_cast<ExpatState*>(pData);
    s.strName = pName;
    s.strText.clear();
    s.bLeaf = true;
}

void XMLCALL ExpatEnd(void* pData, const XML_Char* pName) {
    ExpatState& s = *static_cast<ExpatState*>(pData);
    if (s.bLeaf && !s.strText.empty())
        s.pSum->Add(pName, std::strlen(pName), s.strText.data(), s.strText.size());
    s.bLeaf = false;
    s.strText.clear();
}

void XMLCALL ExpatText(void* pData, const XML_Char* pText, int nLength) {
    ExpatState& s = *static_cast<ExpatState*>(pData);
    if (s.bLeaf)
        s.strText.append(pText, static_cast<size_t>(nLength));
}

} // namespace

double Scale() {
    static const double dScale = [] {
        const char* p = std::getenv("DOVUV32_BENCH_SCALE");
        const double d = p ? std::atof(p) : 1.0;
        return d > 0 ? d : 1.0;
    }();
    return dScale;
}

long Scaled(double n, long nMin) {
    const long v = static_cast<long>(n * Scale());
    return v < nMin ? nMin : v;
}

const std::string& TempFolder() {
    if (g_strTemp.empty()) {
        char tmpl[] = "/tmp/dovuv32-bench-XXXXXX";
        if (!mkdtemp(tmpl)) {
            std::perror("mkdtemp");
            std::exit(1);
        }
        g_strTemp = tmpl;
        std::atexit(RemoveTemp);
    }
    return g_strTemp;
}

void PairSum::Add(const char* pName, size_t nName, const char* pValue, size_t nValue) {
    const auto mix = [this](const char* p, size_t n) {
        for (size_t i = 0; i < n; ++i)
            nHash = (nHash ^ static_cast<unsigned char>(p[i])) * 1099511628211ull;
        nHash = (nHash ^ 0xffu) * 1099511628211ull;
    };
    mix(pName, nName);
    mix(pValue, nValue);
    ++nPairs;
}

void VisitTree(long nItems, TreeVisitor& visitor) {
    std::mt19937 rng(kSeed);
    char buf[32];
    visitor.Folder("Tools", true, 1);
    long nDone = 0;
    for (int nGroup = 0; nDone < nItems; ++nGroup) {
        std::snprintf(buf, sizeof buf, "Group%04d", nGroup);
        const std::string strGroup = buf;
        visitor.Folder(strGroup, true, 2);
        for (int nShelf = 0; nShelf < kShelvesPerGroup && nDone < nItems; ++nShelf) {
            std::snprintf(buf, sizeof buf, "Shelf%02d", nShelf);
            const std::string strShelf = buf;
            visitor.Folder(strShelf, true, 3);
            for (int i = 0; i < kItemsPerShelf && nDone < nItems; ++i, ++nDone) {
                Record r;
                std::snprintf(buf, sizeof buf, "Tool%07ld", nDone);
                r.strName = buf;
                r.nSize = 1 + static_cast<int>(rng() % 100000);
                r.dWeight = (1 + rng() % 40000) / 4.0;
                r.strNote = Words(rng, 2, 4);
                visitor.Node(r, 4);
            }
            visitor.Folder(strShelf, false, 3);
        }
        visitor.Folder(strGroup, false, 2);
    }
    visitor.Folder("Tools", false, 1);
}

long ItemsForBytes(double nBytes) {
    // A record takes about 140 bytes, its folders' share included.
    const long n = static_cast<long>(nBytes / 140.0);
    return n < 1 ? 1 : n;
}

// A generated input, written through a large buffer; a file that cannot be
// made ends the program.
static std::FILE* OpenForWriting(const std::string& strPath) {
    std::FILE* pFile = std::fopen(strPath.c_str(), "wb");
    if (!pFile) {
        std::perror(strPath.c_str());
        std::exit(1);
    }
    static char buf[1 << 20];
    std::setvbuf(pFile, buf, _IOFBF, sizeof buf);
    return pFile;
}

TagFileInfo WriteTagFile(const std::string& strPath, long nItems) {
    std::FILE* pFile = OpenForWriting(strPath);
    TagWriter writer(pFile);
    VisitTree(nItems, writer);
    std::fclose(pFile);
    writer.info.strPath = strPath;
    return writer.info;
}

TextFileInfo WriteTextFile(const std::string& strPath, uint64_t nBytes,
                           const std::string& strNeedle) {
    std::FILE* pFile = OpenForWriting(strPath);
    std::mt19937 rng(kSeed + 1);
    TextFileInfo info;
    info.strPath = strPath;
    while (info.nBytes < nBytes) {
        const std::string s = Words(rng, 8, 16) + "\r\n";
        std::fwrite(s.data(), 1, s.size(), pFile);
        info.nBytes += s.size();
        ++info.nLines;
    }
    const std::string s = "the last line holds " + strNeedle + " and ends here\r\n";
    std::fwrite(s.data(), 1, s.size(), pFile);
    info.nBytes += s.size();
    ++info.nLines;
    std::fclose(pFile);
    return info;
}

void WarmUp(const std::string& strPath) {
    CountLinesMemchr(strPath);
}

uint64_t FileSize(const std::string& strPath) {
    struct stat st;
    return stat(strPath.c_str(), &st) == 0 ? static_cast<uint64_t>(st.st_size) : 0;
}

bool ReadPugixml(const std::string& strPath, PairSum& sum) {
    pugi::xml_document doc;
    if (!doc.load_file(strPath.c_str()))
        return false;
    WalkPugi(doc, sum);
    return true;
}

bool ReadExpat(const std::string& strPath, PairSum& sum) {
    const int fd = open(strPath.c_str(), O_RDONLY);
    if (fd < 0)
        return false;
    XML_Parser parser = XML_ParserCreate(nullptr);
    ExpatState state;
    state.pSum = &sum;
    XML_SetUserData(parser, &state);
    XML_SetElementHandler(parser, ExpatStart, ExpatEnd);
    XML_SetCharacterDataHandler(parser, ExpatText);
    bool bOk = true;
    for (;;) {
        void* pBuf = XML_GetBuffer(parser, 1 << 18);
        const ssize_t n = pBuf ? read(fd, pBuf, 1 << 18) : -1;
        if (n < 0 || XML_ParseBuffer(parser, static_cast<int>(n), n == 0) != XML_STATUS_OK) {
            bOk = false;
            break;
        }
        if (n == 0)
            break;
    }
    XML_ParserFree(parser);
    close(fd);
    return bOk;
}

bool ReadLibxml2(const std::string& strPath, PairSum& sum) {
    xmlTextReaderPtr reader = xmlReaderForFile(strPath.c_str(), nullptr, 0);
    if (!reader)
        return false;
    std::string strName;
    int nRet;
    while ((nRet = xmlTextReaderRead(reader)) == 1) {
        const int nType = xmlTextReaderNodeType(reader);
        if (nType == XML_READER_TYPE_ELEMENT) {
            strName = reinterpret_cast<const char*>(xmlTextReaderConstName(reader));
        } else if (nType == XML_READER_TYPE_TEXT) {
            const char* pValue = reinterpret_cast<const char*>(xmlTextReaderConstValue(reader));
            sum.Add(strName.data(), strName.size(), pValue, std::strlen(pValue));
        }
    }
    xmlFreeTextReader(reader);
    return nRet == 0;
}

long CountLinesMemchr(const std::string& strPath) {
    const int fd = open(strPath.c_str(), O_RDONLY);
    if (fd < 0)
        return -1;
    static char buf[1 << 18];
    long nLines = 0;
    ssize_t n;
    while ((n = read(fd, buf, sizeof buf)) > 0) {
        const char* p = buf;
        const char* pEnd = buf + n;
        while (
            (p = static_cast<const char*>(std::memchr(p, '\n', static_cast<size_t>(pEnd - p))))) {
            ++nLines;
            ++p;
        }
    }
    close(fd);
    return n < 0 ? -1 : nLines;
}

long ReadItems(RVXMLFile& file, const std::string& strPath) {
    file.SetFileName(strPath.c_str());
    if (!file.Open(true))
        return -1;
    file.Reset();
    long nItems = 0;
    XMLNode* pNode = nullptr;
    while (file.GetNext(pNode, false)) {
        if (pNode) {
            ++nItems;
            delete pNode;
            pNode = nullptr;
        }
    }
    file.Close();
    return nItems;
}

bool ReadOurs(const std::string& strPath, PairSum& sum, long& nItems) {
    g_pOurSum = &sum;
    SumFile file;
    nItems = ReadItems(file, strPath);
    g_pOurSum = nullptr;
    return nItems >= 0;
}

std::string RunProgram(const std::vector<std::string>& args, int& nStatus) {
    nStatus = -1;
    int fds[2];
    if (pipe(fds) != 0)
        return "";
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], 1);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    posix_spawn_file_actions_addclose(&actions, fds[1]);
    std::vector<char*> argv;
    for (const std::string& s : args)
        argv.push_back(const_cast<char*>(s.c_str()));
    argv.push_back(nullptr);
    pid_t pid;
    const int nErr = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    std::string strOut;
    if (nErr == 0) {
        char buf[4096];
        ssize_t n;
        while ((n = read(fds[0], buf, sizeof buf)) > 0)
            strOut.append(buf, static_cast<size_t>(n));
        int nWait;
        if (waitpid(pid, &nWait, 0) == pid && WIFEXITED(nWait))
            nStatus = WEXITSTATUS(nWait);
    }
    close(fds[0]);
    return strOut;
}

double Min(const std::vector<double>& v) {
    return v.empty() ? 0.0 : *std::min_element(v.begin(), v.end());
}

double Max(const std::vector<double>& v) {
    return v.empty() ? 0.0 : *std::max_element(v.begin(), v.end());
}

int Main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace bench
