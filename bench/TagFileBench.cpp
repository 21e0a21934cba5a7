// Workloads 1 and 2: reading and writing a tag file of about 200,000 node
// records (30 MB), ours against pugixml, expat, libxml2's reader and the
// memchr line count.
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
    state.counters["pairs"] = static_cast<double>(sum.nPairs);
}

void BM_ReadOurs(benchmark::State& state) {
    PairSum sum;
    for (auto _ : state) {
        sum = PairSum();
        long nItems = 0;
        if (!bench::ReadOurs(Input().strPath, sum, nItems) || nItems != Input().nItems)
            state.SkipWithError("our reader failed or missed items");
    }
    Report(state, sum);
}

template <bool (*Read)(const std::string&, PairSum&)> void BM_ReadAnchor(benchmark::State& state) {
    PairSum sum;
    for (auto _ : state) {
        sum = PairSum();
        if (!Read(Input().strPath, sum))
            state.SkipWithError("parse failed");
    }
    Report(state, sum);
}

void BM_ReadMemchr(benchmark::State& state) {
    long nLines = 0;
    for (auto _ : state)
        nLines = bench::CountLinesMemchr(Input().strPath);
    if (nLines != Input().nLines)
        state.SkipWithError("line count differs");
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * Input().nBytes));
}

// Workload 2: the same tree, held in memory, written out.
struct Event {
    std::string strFolder; // empty for a node
    bool bOpening;
    int nLevel;
    std::unique_ptr<SampleNode> pNode;
};

class TreeBuilder : public bench::TreeVisitor {
public:
    void Folder(const std::string& strName, bool bOpening, int nLevel) override {
        events.push_back(Event{strName, bOpening, nLevel, nullptr});
    }
    void Node(const bench::Record& r, int nLevel) override {
        std::unique_ptr<SampleNode> p(new SampleNode);
        p->SetName(r.strName.c_str());
        p->m_nSize = r.nSize;
        p->m_dWeight = r.dWeight;
        p->m_strNote = r.strNote.c_str();
        events.push_back(Event{std::string(), false, nLevel, std::move(p)});
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

void BM_WriteOurs(benchmark::State& state) {
    const std::vector<Event>& events = Tree();
    const std::string strPath = bench::TempFolder() + "/write-ours.xml";
    for (auto _ : state) {
        SampleFile file;
        // The framework's Open: RVXMLFile::Open(bool) expects a header to read.
        if (!file.CStdioFile::Open(strPath.c_str(),
                                   CFile::modeCreate | CFile::modeWrite | CFile::typeText)) {
            state.SkipWithError("cannot create the file");
            break;
        }
        file.WriteString("<?xml version=\"1.0\"?>\n");
        for (const Event& e : events) {
            if (e.pNode)
                file.WriteNode(e.pNode.get(), e.nLevel);
            else
                file.WriteTag(e.strFolder.c_str(), e.bOpening, e.nLevel);
        }
        file.Close();
    }
    // Byte for byte the generated file, which the readers above check.
    if (Slurp(strPath) != Slurp(Input().strPath))
        state.SkipWithError("the written file differs from the generated one");
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * Input().nBytes));
    std::remove(strPath.c_str());
}

void BM_WritePugixml(benchmark::State& state) {
    const std::vector<Event>& events = Tree();
    const std::string strPath = bench::TempFolder() + "/write-pugixml.xml";
    for (auto _ : state) {
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
        if (!doc.save_file(strPath.c_str(), "\t")) {
            state.SkipWithError("cannot save the file");
            break;
        }
    }
    PairSum sum;
    if (!bench::ReadPugixml(strPath, sum) || sum != Input().sum)
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
BENCH_MS(BM_WriteOurs, "2_write_tag_file/ours_WriteTag_WriteNode");
BENCH_MS(BM_WritePugixml, "2_write_tag_file/pugixml_build_save");

int main(int argc, char** argv) {
    return bench::Main(argc, argv);
}
