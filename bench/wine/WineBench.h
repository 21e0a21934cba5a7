// The harness of the benchmark programs that run under Wine: Google
// Benchmark is not built for the win32 target, so these programs time their
// contenders themselves and write the same CSV columns and rows as Google
// Benchmark's aggregates, so that scripts/bench.sh puts them into its table.
//
// Every contender of a workload is run once untimed, then
// DOVUV32_BENCH_REPETITIONS times (default 5), the contenders taking turns
// and the first of each round moving on by one: its untimed Prepare, then
// its timed Run (wall-clock time from QueryPerformanceCounter), then its
// untimed Check, which returns what the run produced. All runs of all
// contenders must produce the same Outcome; otherwise every contender's row
// carries an error. Each contender gets a "_median", a "_min" and a "_max"
// row.
//
// Sizes are full sizes times DOVUV32_BENCH_SCALE (default 1).
#pragma once

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace winbench {

// DOVUV32_BENCH_SCALE, default 1.
double Scale();
// n times the scale, at least nMin.
long Scaled(double n, long nMin = 1);
// DOVUV32_BENCH_REPETITIONS, default 5.
int Repetitions();

// A folder for generated files, created on first use and removed with
// everything in it when the program ends.
const std::string& TempFolder();

// What a contender produced: a count and an order-dependent FNV-1a hash over
// the texts it met. Two contenders agree when both agree.
struct Outcome {
    uint64_t nHash = 1469598103934665603ull;
    long nCount = 0;
    void Add(const char* p, size_t n);
    void Add(const std::string& s) { Add(s.data(), s.size()); }
    bool operator==(const Outcome& o) const { return nHash == o.nHash && nCount == o.nCount; }
    bool operator!=(const Outcome& o) const { return !(*this == o); }
};

struct Contender {
    // The table's label: "ours ..." for ours, anything else for an anchor.
    std::string strName;
    std::function<void()> Prepare;
    // False when the contender failed outright.
    std::function<bool()> Run;
    std::function<Outcome()> Check;
};

class Report {
public:
    // Opens the CSV file and writes its header; Ok() tells whether it could.
    explicit Report(const char* pPath);
    ~Report();
    Report(const Report&) = delete;
    Report& operator=(const Report&) = delete;

    // Runs the workload's contenders and writes their rows. nBytes (bytes
    // written or read) and nItems (items handled) give the rates; 0 leaves a
    // rate out. False when a contender failed or the outcomes differ.
    bool Workload(const std::string& strWorkload, double nBytes, double nItems,
                  const std::vector<Contender>& contenders);
    bool Ok() const { return m_pFile != NULL; }

private:
    void Row(const std::string& strName, const char* pStatistic, double dMs, double dCpuMs,
             double nBytes, double nItems);
    void ErrorRow(const std::string& strName, const std::string& strMessage);

    std::FILE* m_pFile;
};

// The body of a benchmark program's main: argv[1] names the CSV file, run
// fills it. Returns the process's exit code.
int Main(int argc, char** argv, const std::function<bool(Report&)>& run);

} // namespace winbench
