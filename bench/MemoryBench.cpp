// Workload 7: peak resident memory while reading a 500 MB tag file item by
// item and while counting its lines. Each contender runs in a child process
// of its own (this program again, with --child), which notes its resident
// memory before the work; the peak comes from wait4's ru_maxrss. The figure
// is the peak above that baseline, in MiB.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "BenchCommon.h"
#include "RVTxtFile.h"

namespace {

long ResidentKiB() {
    std::FILE* p = std::fopen("/proc/self/status", "r");
    char line[256];
    long n = -1;
    while (p && std::fgets(line, sizeof line, p))
        if (std::strncmp(line, "VmRSS:", 6) == 0)
            n = std::atol(line + 6);
    if (p)
        std::fclose(p);
    return n;
}

// In the child: does the work and prints "baseline-KiB pairs hash lines".
int Child(const std::string& strMode, const std::string& strPath) {
    const long nBaseline = ResidentKiB();
    bench::PairSum sum;
    long nLines = -1, nItems = 0;
    bool bOk = true;
    if (strMode == "ours-read")
        bOk = bench::ReadOurs(strPath, sum, nItems);
    else if (strMode == "pugixml-read")
        bOk = bench::ReadPugixml(strPath, sum);
    else if (strMode == "expat-read")
        bOk = bench::ReadExpat(strPath, sum);
    else if (strMode == "libxml2-read")
        bOk = bench::ReadLibxml2(strPath, sum);
    else if (strMode == "ours-count")
        nLines = RVTxtFile::GetLineCount(strPath.c_str());
    else if (strMode == "memchr-count")
        nLines = bench::CountLinesMemchr(strPath);
    else
        bOk = false;
    std::printf("%ld %ld %llu %ld\n", nBaseline, sum.nPairs,
                static_cast<unsigned long long>(sum.nHash), nLines);
    return bOk ? 0 : 1;
}

const bench::TagFileInfo& Input() {
    static const bench::TagFileInfo info = [] {
        bench::TagFileInfo i = bench::WriteTagFile(bench::TempFolder() + "/big.xml",
                                                   bench::ItemsForBytes(bench::Scale() * 500e6));
        bench::WarmUp(i.strPath);
        return i;
    }();
    return info;
}

void BM_PeakRss(benchmark::State& state, const char* pMode, bool bCount) {
    const std::string strPath = Input().strPath;
    double dAbove = 0, dPeak = 0;
    for (auto _ : state) {
        int fds[2];
        if (pipe(fds) != 0) {
            state.SkipWithError("pipe");
            break;
        }
        const pid_t pid = fork();
        if (pid == 0) {
            dup2(fds[1], 1);
            close(fds[0]);
            close(fds[1]);
            execl("/proc/self/exe", "/proc/self/exe", "--child", pMode, strPath.c_str(),
                  static_cast<char*>(nullptr));
            _exit(127);
        }
        close(fds[1]);
        std::string out;
        char buf[256];
        ssize_t n;
        while ((n = read(fds[0], buf, sizeof buf)) > 0)
            out.append(buf, static_cast<size_t>(n));
        close(fds[0]);
        int nStatus = 0;
        struct rusage ru;
        if (pid < 0 || wait4(pid, &nStatus, 0, &ru) != pid || !WIFEXITED(nStatus) ||
            WEXITSTATUS(nStatus) != 0) {
            state.SkipWithError("the child failed");
            break;
        }
        long nBaseline = 0, nPairs = 0, nLines = 0;
        unsigned long long nHash = 0;
        std::sscanf(out.c_str(), "%ld %ld %llu %ld", &nBaseline, &nPairs, &nHash, &nLines);
        const bool bRight = bCount ? nLines == Input().nLines
                                   : nPairs == Input().sum.nPairs && nHash == Input().sum.nHash;
        if (!bRight) {
            state.SkipWithError("the child's result differs from the generated file");
            break;
        }
        dPeak = ru.ru_maxrss / 1024.0;
        dAbove = (ru.ru_maxrss - nBaseline) / 1024.0;
    }
    state.counters["rss_mib"] = dAbove;
    state.counters["peak_mib"] = dPeak;
    state.counters["file_mib"] = static_cast<double>(Input().nBytes) / (1 << 20);
}

} // namespace

#define PEAK(name, mode, count)                                                                    \
    BENCHMARK_CAPTURE(BM_PeakRss, peak, mode, count)                                               \
        ->Name(name)                                                                               \
        ->Iterations(1)                                                                            \
        ->Unit(benchmark::kMillisecond)                                                            \
        ->UseRealTime()                                                                            \
        ->ComputeStatistics("min", bench::Min)                                                     \
        ->ComputeStatistics("max", bench::Max)

PEAK("7_peak_rss_read_tag_file/ours_GetNext_SampleNode", "ours-read", false);
PEAK("7_peak_rss_read_tag_file/pugixml_whole_document", "pugixml-read", false);
PEAK("7_peak_rss_read_tag_file/expat_stream", "expat-read", false);
PEAK("7_peak_rss_read_tag_file/libxml2_xmlReader", "libxml2-read", false);
PEAK("7_peak_rss_count_lines/ours_GetLineCount", "ours-count", true);
PEAK("7_peak_rss_count_lines/limit_memchr_line_count", "memchr-count", true);

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "--child") == 0)
        return Child(argv[2], argv[3]);
    return bench::Main(argc, argv);
}
