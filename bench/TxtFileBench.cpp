// Workloads 3 and 4: counting lines and searching a 200 MB CR LF text file,
// ours against wc -l and grep -F -c run as processes on the same file in
// the page cache; replacing 10 bytes by 12 at position 100 of a 100 MB file
// against reading and writing the rest once.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <vector>

#include "BenchCommon.h"
#include "RVTxtFile.h"

namespace {

const char kNeedle[] = "needle-4c1e9b-end";

const bench::TextFileInfo& Lines() {
    static const bench::TextFileInfo info = [] {
        bench::TextFileInfo i =
            bench::WriteTextFile(bench::TempFolder() + "/lines.txt",
                                 static_cast<uint64_t>(bench::Scaled(200e6)), kNeedle);
        bench::WarmUp(i.strPath);
        return i;
    }();
    return info;
}

void Bytes(benchmark::State& state, uint64_t nBytes) {
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * nBytes));
}

void BM_CountOurs(benchmark::State& state) {
    long nLines = 0;
    const auto count = [&] { nLines = RVTxtFile::GetLineCount(Lines().strPath.c_str()); };
    static bool s_bWarm = false;
    bench::UntimedFirstRun(s_bWarm, count);
    for (auto _ : state)
        count();
    if (nLines != Lines().nLines)
        state.SkipWithError("line count differs");
    Bytes(state, Lines().nBytes);
}

void BM_CountWc(benchmark::State& state) {
    long nLines = 0;
    const auto count = [&] {
        int nStatus;
        const std::string out = bench::RunProgram({"wc", "-l", Lines().strPath}, nStatus);
        nLines = nStatus == 0 ? std::atol(out.c_str()) : -1;
    };
    static bool s_bWarm = false;
    bench::UntimedFirstRun(s_bWarm, count);
    for (auto _ : state)
        count();
    if (nLines != Lines().nLines)
        state.SkipWithError("wc -l did not count the lines");
    Bytes(state, Lines().nBytes);
}

// The line and column at which Find2 finds the needle; the line is -1 when
// the file cannot be opened or the needle is not found.
void FindOurs(const std::string& strPath, int& nLine, int& nCol) {
    nLine = nCol = -1;
    RVTxtFile file(strPath.c_str());
    if (!file.Open2(true))
        return;
    if (file.Find2(kNeedle, true, &nCol, &nLine) < 0)
        nLine = -1;
    file.Close();
}

void BM_FindOurs(benchmark::State& state) {
    int nLine = -1, nCol = -1;
    static bool s_bWarm = false;
    bench::UntimedFirstRun(s_bWarm, [&] { FindOurs(Lines().strPath, nLine, nCol); });
    for (auto _ : state)
        FindOurs(Lines().strPath, nLine, nCol);
    if (nLine != Lines().nLines - 1 || nCol != 20)
        state.SkipWithError("the text was not found on the last line");
    Bytes(state, Lines().nBytes);
}

void BM_FindGrep(benchmark::State& state) {
    std::string out;
    const auto find = [&] {
        int nStatus;
        out = bench::RunProgram({"grep", "-F", "-c", kNeedle, Lines().strPath}, nStatus);
        if (nStatus != 0)
            out.clear();
    };
    static bool s_bWarm = false;
    bench::UntimedFirstRun(s_bWarm, find);
    for (auto _ : state)
        find();
    if (std::atol(out.c_str()) != 1)
        state.SkipWithError("grep -F -c did not find the one line");
    Bytes(state, Lines().nBytes);
}

// Workload 4. Every iteration grows the file by two bytes, which changes
// nothing worth measuring.
const int kStart = 100, kOld = 10, kNew = 12;
const BYTE kData[kNew + 1] = "0123456789AB";

// Made once per program run and kept: each benchmark run replaces again.
std::string ReplaceFile(const char* pName) {
    const std::string strPath = bench::TempFolder() + "/" + pName;
    if (bench::FileSize(strPath) == 0)
        bench::WriteTextFile(strPath, static_cast<uint64_t>(bench::Scaled(100e6)), kNeedle);
    bench::WarmUp(strPath);
    return strPath;
}

bool HoldsData(const std::string& strPath) {
    char buf[kNew];
    const int fd = open(strPath.c_str(), O_RDONLY);
    const bool bOk =
        fd >= 0 && pread(fd, buf, kNew, kStart) == kNew && std::memcmp(buf, kData, kNew) == 0;
    if (fd >= 0)
        close(fd);
    return bOk;
}

void BM_ReplaceOurs(benchmark::State& state) {
    const std::string strPath = ReplaceFile("replace-ours.txt");
    RVTxtFile file(strPath.c_str());
    if (!file.Open2(false)) {
        state.SkipWithError("cannot open");
        return;
    }
    bool bOk = true;
    static bool s_bWarm = false;
    bench::UntimedFirstRun(s_bWarm,
                           [&] { bOk = file.Replace(kStart, kStart + kOld, kData, kNew) && bOk; });
    const uint64_t nSize = bench::FileSize(strPath);
    for (auto _ : state)
        bOk = file.Replace(kStart, kStart + kOld, kData, kNew) && bOk;
    file.Close();
    if (!bOk || !HoldsData(strPath) || bench::FileSize(strPath) != nSize + 2 * state.iterations())
        state.SkipWithError("Replace failed or stored other bytes");
    Bytes(state, nSize);
}

// The limit: the rest of the file read once and written once two bytes
// further on, from the end backwards in 1 MiB blocks, then the new bytes.
bool MoveRest(int fd, std::vector<char>& buf) {
    const off_t nEnd = lseek(fd, 0, SEEK_END);
    const off_t nFrom = kStart + kOld;
    const off_t nShift = kNew - kOld;
    for (off_t nTo = nEnd; nTo > nFrom;) {
        const off_t nBlock = std::min<off_t>(static_cast<off_t>(buf.size()), nTo - nFrom);
        nTo -= nBlock;
        if (pread(fd, buf.data(), static_cast<size_t>(nBlock), nTo) != nBlock ||
            pwrite(fd, buf.data(), static_cast<size_t>(nBlock), nTo + nShift) != nBlock)
            return false;
    }
    return pwrite(fd, kData, kNew, kStart) == kNew;
}

void BM_ReplaceLimit(benchmark::State& state) {
    const std::string strPath = ReplaceFile("replace-limit.txt");
    const int fd = open(strPath.c_str(), O_RDWR);
    std::vector<char> buf(1 << 20);
    bool bOk = fd >= 0;
    static bool s_bWarm = false;
    bench::UntimedFirstRun(s_bWarm, [&] { bOk = bOk && MoveRest(fd, buf); });
    const uint64_t nSize = bench::FileSize(strPath);
    for (auto _ : state)
        bOk = bOk && MoveRest(fd, buf);
    if (fd >= 0)
        close(fd);
    if (!bOk || !HoldsData(strPath) || bench::FileSize(strPath) != nSize + 2 * state.iterations())
        state.SkipWithError("moving the rest failed");
    Bytes(state, nSize);
}

} // namespace

BENCH_MS(BM_CountOurs, "3_count_lines/ours_GetLineCount");
BENCH_MS(BM_CountWc, "3_count_lines/wc_-l");
BENCH_MS(BM_FindOurs, "3_find_last_line/ours_Find2");
BENCH_MS(BM_FindGrep, "3_find_last_line/grep_-F_-c");
BENCH_MS(BM_ReplaceOurs, "4_replace_at_100/ours_Replace");
BENCH_MS(BM_ReplaceLimit, "4_replace_at_100/limit_read_write_rest_once");

int main(int argc, char** argv) {
    return bench::Main(argc, argv);
}
