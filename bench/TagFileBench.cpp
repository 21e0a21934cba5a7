// Workloads 1 and 2: reading and writing a tag file of about 200,000 node
// records (30 MB), ours against pugixml, expat, libxml2's reader and the
// memchr line count. Each workload also has the library's own share: the
// read into a node that only counts its components, and the write of
// records made in advance, against the limits of the same bytes scanned
// with memchr or written with fwrite.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>
#include <pugixml.hpp>

#include "BenchCommon.h"
#include "SampleNode.h"

namespace {

using bench::PairSum;

const bench::TagFileInfo& Input() {
    static const bench::TagFileInfo info = [] {
        bench::TagFileInfo i =
            bench::WriteTagFile(bench::TempFolder() + "/read.xml", bench::Scaled(200000));
        bench::WarmUp(i.strPath);
        return i;
    }();
    return info;
}

void Report(benchmark::State& state, const PairSum& sum) {
    if (sum != Input().sum)
        state.SkipWithError("pairs or checksum differ from the generated file");
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * Input().nBytes));
}

void BM_ReadOurs(benchmark::State& state) {
    PairSum sum;
    long nItems = 0;
    const auto read = [&] {
        sum = PairSum();
        nItems = 0;
        return bench::ReadOurs(Input().strPath, sum, nItems) && nItems == Input().nItems;
    };
    static bool s_bWarm = false;
    bench::UntimedFirstRun(s_bWarm, read);
    for (auto _ : state) {
        if (!read())
            state.SkipWithError("our reader failed or missed items");
    }
    Report(state, sum);
}

// The library's share of the read: the node takes no copy and parses
// nothing, so what is left is the reader's own work per line and tag.
long g_nComponents = 0;

class CountingNode : public XMLNode {
public:
    bool ReadComponent(CString&, CString&) override {
        ++g_nComponents;
        return true;
    }
};

class CountingFile : public RVXMLFile {
public:
    CountingFile() { m_strNodeTag = "item"; }
    XMLNode* CreateNode() override { return new CountingNode; }
};

// The items read (their components are counted in g_nComponents), or -1
// when the file cannot be opened.
long ReadCounting(const std::string& strPath) {
    CountingFile file;
    g_nComponents = 0;
    return bench::ReadItems(file, strPath);
}

void BM_ReadCounting(benchmark::State& state) {
    long nItems = 0;
    const auto read = [&] { nItems = ReadCounting(Input().strPath); };
    static bool s_bWarm = false;
    bench::UntimedFirstRun(s_bWarm, read);
    for (auto _ : state)
        read();
    // It sees no text: the counts of items and components are what it can
    // get right or wrong.
    if (nItems != Input().nItems || g_nComponents != Input().sum.nPairs)
        state.SkipWithError("the counting reader missed items or components");
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * Input().nBytes));
}

template <bool (*Read)(const std::string&, PairSum&)> void BM_ReadAnchor(benchmark::State& state) {
    PairSum sum;
    bool bOk = true;
    const auto read = [&] {
        sum = PairSum();
        bOk = Read(Input().strPath, sum) && bOk;
    };
    static bool s_bWarm = false;
    bench::UntimedFirstRun(s_bWarm, read);
    for (auto _ : state)
        read();
    if (!bOk)
        state.SkipWithError("parse failed");
    Report(state, sum);
}

void BM_ReadMemchr(benchmark::State& state) {
    long nLines = 0;
    const auto count = [&] { nLines = bench::CountLinesMemchr(Input().strPath); };
    static bool s_bWarm = false;
    bench::UntimedFirstRun(s_bWarm, count);
    for (auto _ : state)
        count();
    if (nLines != Input().nLines)
        state.SkipWithError("line count differs");
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * Input().nBytes));
}

// Workload 2: the same tree, held in memory, written out. Each event also
// holds, made in advance, the text our writer is handed for it (the record
// that GetStoreString returns, or the folder's name) and the bytes that text
// is stored as (line ends as CR LF), for the library's share and the limit.
struct Event {
    std::string strFolder; // empty for a node
    bool bOpening;
    int nLevel;
    std::unique_ptr<SampleNode> pNode;
    CString strText;
    std::string strStored;
};

std::string Stored(const CString& strText) {
    std::string s;
    for (LPCTSTR p = strText; *p; ++p) {
        if (*p == '\n')
            s += '\r';
        s += *p;
    }
    return s;
}

class TreeBuilder : public bench::TreeVisitor {
public:
    void Folder(const std::string& strName, bool bOpening, int nLevel) override {
        const CString strName2(strName.c_str());
        events.push_back(
            Event{strName, bOpening, nLevel, nullptr, strName2,
                  Stored(RVXMLFile::ConstrTag(bOpening ? strName2 : "/" + strName2, nLevel))});
    }
    void Node(const bench::Record& r, int nLevel) override {
        std::unique_ptr<SampleNode> p(new SampleNode);
        p->SetName(r.strName.c_str());
        p->m_nSize = r.nSize;
        p->m_dWeight = r.dWeight;
        p->m_strNote = r.strNote.c_str();
        const CString strRecord = p->GetStoreString(nLevel);
        events.push_back(
            Event{std::string(), false, nLevel, std::move(p), strRecord, Stored(strRecord)});
    }
    std::vector<Event> events;
};

const std::vector<Event>& Tree() {
    static TreeBuilder* pBuilder = [] {
        TreeBuilder* p = new TreeBuilder;
        bench::VisitTree(Input().nItems, *p);
        return p;
    }();
    return pBuilder->events;
}

std::string Slurp(const std::string& strPath) {
    std::ifstream in(strPath, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

const char kHeader[] = "<?xml version=\"1.0\"?>\n";

// Ours: nodes through WriteNode, which asks SampleNode for its record, or
// (bPrepared, the library's share) the records made in advance through
// WriteString; folders through WriteTag either way.
bool WriteOurs(const std::string& strPath, bool bPrepared) {
    SampleFile file;
    // The framework's Open: RVXMLFile::Open(bool) expects a header to read.
    if (!file.CStdioFile::Open(strPath.c_str(),
                               CFile::modeCreate | CFile::modeWrite | CFile::typeText))
        return false;
    file.WriteString(kHeader);
    for (const Event& e : Tree()) {
        if (!e.pNode)
            file.WriteTag(e.strText, e.bOpening, e.nLevel);
        else if (bPrepared)
            file.WriteString(e.strText);
        else
            file.WriteNode(e.pNode.get(), e.nLevel);
    }
    file.Close();
    return true;
}

// The limit: the same bytes, one fwrite for each of our writer's calls,
// through a 32 KiB buffer.
bool WriteFwrite(const std::string& strPath) {
    std::FILE* pFile = std::fopen(strPath.c_str(), "wb");
    if (!pFile)
        return false;
    static char buf[32 * 1024];
    std::setvbuf(pFile, buf, _IOFBF, sizeof buf);
    const std::string strHeader = Stored(kHeader);
    bool bOk = std::fwrite(strHeader.data(), 1, strHeader.size(), pFile) == strHeader.size();
    for (const Event& e : Tree())
        bOk = std::fwrite(e.strStored.data(), 1, e.strStored.size(), pFile) == e.strStored.size() &&
              bOk;
    return std::fclose(pFile) == 0 && bOk;
}

template <int kWhich> void BM_WriteBytes(benchmark::State& state) {
    Tree();
    const std::string strPath = bench::TempFolder() + "/write-" + std::to_string(kWhich) + ".xml";
    bool bOk = true;
    const auto write = [&] {
        bOk = (kWhich == 2 ? WriteFwrite(strPath) : WriteOurs(strPath, kWhich == 1)) && bOk;
    };
    static bool s_bWarm = false;
    bench::UntimedFirstRun(s_bWarm, write);
    for (auto _ : state)
        write();
    // Byte for byte the generated file, which the readers above check.
    if (!bOk || Slurp(strPath) != Slurp(Input().strPath))
        state.SkipWithError("the written file differs from the generated one");
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * Input().nBytes));
    std::remove(strPath.c_str());
}

void BM_WritePugixml(benchmark::State& state) {
    const std::vector<Event>& events = Tree();
    const std::string strPath = bench::TempFolder() + "/write-pugixml.xml";
    bool bOk = true;
    const auto build_save = [&] {
        pugi::xml_document doc;
        pugi::xml_node decl = doc.append_child(pugi::node_declaration);
        decl.append_attribute("version") = "1.0";
        pugi::xml_node parent = doc;
        for (const Event& e : events) {
            if (e.pNode) {
                const SampleNode& n = *e.pNode;
                pugi::xml_node item = parent.append_child("item");
                item.append_child("name").text().set(static_cast<LPCTSTR>(n.m_strName));
                item.append_child("size").text().set(n.m_nSize);
                item.append_child("weight").text().set(n.m_dWeight);
                item.append_child("note").text().set(static_cast<LPCTSTR>(n.m_strNote));
            } else if (e.bOpening) {
                parent = parent.append_child(e.strFolder.c_str());
            } else {
                parent = parent.parent();
            }
        }
        bOk = doc.save_file(strPath.c_str(), "\t") && bOk;
    };
    static bool s_bWarm = false;
    bench::UntimedFirstRun(s_bWarm, build_save);
    for (auto _ : state)
        build_save();
    PairSum sum;
    if (!bOk || !bench::ReadPugixml(strPath, sum) || sum != Input().sum)
        state.SkipWithError("the saved document holds other pairs");
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * Input().nBytes));
    std::remove(strPath.c_str());
}

} // namespace

BENCH_MS(BM_ReadOurs, "1_read_tag_file/ours_GetNext_SampleNode");
BENCH_MS(BM_ReadAnchor<bench::ReadPugixml>, "1_read_tag_file/pugixml_parse_walk");
BENCH_MS(BM_ReadAnchor<bench::ReadExpat>, "1_read_tag_file/expat_stream");
BENCH_MS(BM_ReadAnchor<bench::ReadLibxml2>, "1_read_tag_file/libxml2_xmlReader");
BENCH_MS(BM_ReadMemchr, "1_read_tag_file/limit_memchr_line_count");
BENCH_MS(BM_ReadCounting, "1b_read_library_share/ours_GetNext_counting_node");
BENCH_MS(BM_ReadMemchr, "1b_read_library_share/limit_memchr_line_count");
BENCH_MS(BM_WriteBytes<0>, "2_write_tag_file/ours_WriteTag_WriteNode");
BENCH_MS(BM_WritePugixml, "2_write_tag_file/pugixml_build_save");
BENCH_MS(BM_WriteBytes<1>, "2b_write_library_share/ours_WriteTag_WriteString_premade");
BENCH_MS(BM_WriteBytes<2>, "2b_write_library_share/limit_fwrite_32_KiB_buffer");

int main(int argc, char** argv) {
    return bench::Main(argc, argv);
}
