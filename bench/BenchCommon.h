// Shared by the benchmark programs: the generated inputs (fixed seed, in a
// temporary folder removed at exit), the checksum every contender computes
// over what it read, the anchors' XML readers and running other programs.
//
// Sizes are the full sizes times DOVUV32_BENCH_SCALE (default 1),
// e.g. DOVUV32_BENCH_SCALE=0.05 for a quick run.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class RVXMLFile;

namespace bench {

// DOVUV32_BENCH_SCALE, default 1.
double Scale();
// n times the scale, at least nMin.
long Scaled(double n, long nMin = 1);

// The folder for generated inputs, created on first use and removed with
// everything in it when the program ends.
const std::string& TempFolder();

// Order-dependent FNV-1a over the (name, value) pairs a reader met; two
// readers agree when count and hash agree.
struct PairSum {
    uint64_t nHash = 1469598103934665603ull;
    long nPairs = 0;
    void Add(const char* pName, size_t nName, const char* pValue, size_t nValue);
    void Add(const std::string& strName, const std::string& strValue) {
        Add(strName.data(), strName.size(), strValue.data(), strValue.size());
    }
    bool operator==(const PairSum& o) const { return nHash == o.nHash && nPairs == o.nPairs; }
    bool operator!=(const PairSum& o) const { return !(*this == o); }
};

// One node record of the generated tree: four components, each stored.
struct Record {
    std::string strName;
    int nSize;
    double dWeight;
    std::string strNote;
};

// Walks the generated tree of nItems records, in file order: folders open
// and close (level 1 = the root folder), records at their level. The same
// seed gives the same tree every time.
struct TreeVisitor {
    virtual ~TreeVisitor() {}
    virtual void Folder(const std::string& strName, bool bOpening, int nLevel) = 0;
    virtual void Node(const Record& record, int nLevel) = 0;
};
void VisitTree(long nItems, TreeVisitor& visitor);

// What a generated file holds, for checking every reader's result.
struct TagFileInfo {
    std::string strPath;
    long nItems = 0;
    long nLines = 0;
    uint64_t nBytes = 0;
    PairSum sum;
};
// Writes the tree as a tag file (CR LF line ends), byte for byte what
// RVXMLFile's writer stores, which is also plain XML.
TagFileInfo WriteTagFile(const std::string& strPath, long nItems);
// Items that make a tag file of about nBytes.
long ItemsForBytes(double nBytes);

// A text file of nBytes or a little more in lines of words with CR LF; the
// last line alone holds strNeedle.
struct TextFileInfo {
    std::string strPath;
    long nLines = 0;
    uint64_t nBytes = 0;
};
TextFileInfo WriteTextFile(const std::string& strPath, uint64_t nBytes,
                           const std::string& strNeedle);

// Reads a file once so that it sits in the page cache.
void WarmUp(const std::string& strPath);
uint64_t FileSize(const std::string& strPath);

// The anchors: each reads the tag file and adds the component pairs (leaf
// elements with text) to sum, in document order. False on a parse error.
bool ReadPugixml(const std::string& strPath, PairSum& sum);
bool ReadExpat(const std::string& strPath, PairSum& sum);
bool ReadLibxml2(const std::string& strPath, PairSum& sum);
// Line ends in the file, counted with memchr over 256 KiB reads; -1 on error.
long CountLinesMemchr(const std::string& strPath);

// Ours: reads the tag file item by item with GetNext into SampleNode
// records, adding their components to sum; items receives the nodes read.
// Reads every item of an opened tag file and deletes it: the items read,
// or -1 when the file cannot be opened.
long ReadItems(RVXMLFile& file, const std::string& strPath);
bool ReadOurs(const std::string& strPath, PairSum& sum, long& nItems);

// Runs a program (searched on PATH) and returns what it wrote to standard
// output; exit status in nStatus (-1 when it could not run).
std::string RunProgram(const std::vector<std::string>& args, int& nStatus);

// The body of every benchmark program's main.
int Main(int argc, char** argv);

// Runs fn once, untimed, the first time its benchmark runs (bDone starts
// false and is kept by the caller): the input is read, the heap has grown
// and the code is loaded before the first timed run, so that no contender
// pays for touching them first.
template <class Fn> void UntimedFirstRun(bool& bDone, Fn fn) {
    if (!bDone) {
        bDone = true;
        fn();
    }
}

// The spread of the repetitions, next to Google Benchmark's median.
double Min(const std::vector<double>& v);
double Max(const std::vector<double>& v);

} // namespace bench

// A workload timed in milliseconds of wall-clock time, the table's unit,
// with the minimum and the maximum of its repetitions. The CSV output wants
// the same user counters in every run of a program, and interleaved runs
// come in any order: such workloads set none.
#define BENCH_MS(fn, name)                                                                         \
    BENCHMARK(fn)                                                                                  \
        ->Name(name)                                                                               \
        ->Unit(benchmark::kMillisecond)                                                            \
        ->UseRealTime()                                                                            \
        ->ComputeStatistics("min", bench::Min)                                                     \
        ->ComputeStatistics("max", bench::Max)
