#include "WineBench.h"

#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

namespace winbench {

namespace {

std::string g_strTemp;

void RemoveTemp() {
    std::error_code ec;
    std::filesystem::remove_all(g_strTemp, ec);
}

double EnvNumber(const char* pName, double dDefault) {
    const char* p = std::getenv(pName);
    const double d = p ? std::atof(p) : dDefault;
    return d > 0 ? d : dDefault;
}

double Now() {
    static const double dTicksPerMs = [] {
        LARGE_INTEGER f;
        ::QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart) / 1000.0;
    }();
    LARGE_INTEGER t;
    ::QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) / dTicksPerMs;
}

// User and kernel time of the process, in ms.
double CpuNow() {
    FILETIME created, exited, kernel, user;
    if (!::GetProcessTimes(::GetCurrentProcess(), &created, &exited, &kernel, &user))
        return 0;
    const auto ms = [](const FILETIME& ft) {
        return static_cast<double>((static_cast<uint64_t>(ft.dwHighDateTime) << 32) |
                                   ft.dwLowDateTime) /
               1e4;
    };
    return ms(kernel) + ms(user);
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// Google Benchmark's names: "<workload>/<contender>", spaces as '_'.
std::string RowName(const std::string& strWorkload, const std::string& strContender) {
    std::string s = strWorkload + "/" + strContender;
    std::replace(s.begin(), s.end(), ' ', '_');
    return s;
}

// The timings of one contender, or why it failed.
struct Timings {
    std::vector<double> real, cpu;
    std::string strError;
};

// One run, timed unless bTimed is false; a failure or a result unlike the
// first one is recorded.
void RunOnce(const Contender& c, bool bTimed, Timings& t, Outcome& first, bool& bHaveFirst) {
    if (c.Prepare)
        c.Prepare();
    const double dCpu = CpuNow();
    const double dStart = Now();
    const bool bOk = c.Run();
    if (bTimed) {
        t.real.push_back(Now() - dStart);
        t.cpu.push_back(CpuNow() - dCpu);
    }
    const Outcome outcome = c.Check();
    if (!bOk)
        t.strError = "the run failed";
    else if (!bHaveFirst)
        first = outcome, bHaveFirst = true;
    else if (outcome != first)
        t.strError = "result differs (count " + std::to_string(outcome.nCount) + " against " +
                     std::to_string(first.nCount) + ")";
}

} // namespace

double Scale() {
    static const double dScale = EnvNumber("DOVUV32_BENCH_SCALE", 1.0);
    return dScale;
}

long Scaled(double n, long nMin) {
    const long v = static_cast<long>(n * Scale());
    return v < nMin ? nMin : v;
}

int Repetitions() {
    static const int n = static_cast<int>(EnvNumber("DOVUV32_BENCH_REPETITIONS", 5));
    return n;
}

const std::string& TempFolder() {
    if (g_strTemp.empty()) {
        char szTemp[MAX_PATH];
        ::GetTempPathA(MAX_PATH, szTemp);
        const std::string strBase =
            std::string(szTemp) + "dovuv32-bench-" + std::to_string(::GetCurrentProcessId());
        g_strTemp = strBase;
        for (int n = 1; !::CreateDirectoryA(g_strTemp.c_str(), NULL); ++n)
            g_strTemp = strBase + "-" + std::to_string(n);
        std::atexit(RemoveTemp);
    }
    return g_strTemp;
}

void Outcome::Add(const char* p, size_t n) {
    for (size_t i = 0; i < n; ++i)
        nHash = (nHash ^ static_cast<unsigned char>(p[i])) * 1099511628211ull;
    nHash = (nHash ^ 0xffu) * 1099511628211ull;
    ++nCount;
}

// Binary: the table's reader splits lines at LF alone and would keep a CR in
// the last column's name.
Report::Report(const char* pPath) : m_pFile(pPath ? std::fopen(pPath, "wb") : NULL) {
    if (m_pFile)
        std::fputs("name,iterations,real_time,cpu_time,time_unit,bytes_per_second,"
                   "items_per_second,label,error_occurred,error_message\n",
                   m_pFile);
}

Report::~Report() {
    if (m_pFile)
        std::fclose(m_pFile);
}

// The contenders take turns, one repetition each, so that a machine shared
// with other work slows them alike; the untimed first round lets each one
// find the heap grown and the system's caches filled, whoever runs first.
// Every run ends before any row is written: a disagreement found late marks
// all of them.
bool Report::Workload(const std::string& strWorkload, double nBytes, double nItems,
                      const std::vector<Contender>& contenders) {
    std::printf("%s ...\n", strWorkload.c_str());
    std::fflush(stdout);
    Outcome first;
    bool bHaveFirst = false;
    const size_t nContenders = contenders.size();
    std::vector<Timings> all(nContenders);
    std::string strError;
    for (int i = -1; i < Repetitions() && strError.empty(); ++i) {
        for (size_t k = 0; k < nContenders && strError.empty(); ++k) {
            const size_t c = (k + static_cast<size_t>(i + 1)) % nContenders;
            RunOnce(contenders[c], i >= 0, all[c], first, bHaveFirst);
            if (!all[c].strError.empty())
                strError = contenders[c].strName + ": " + all[c].strError;
        }
    }
    for (size_t i = 0; i < nContenders; ++i) {
        const std::string strName = RowName(strWorkload, contenders[i].strName);
        if (!strError.empty()) {
            ErrorRow(strName, strError);
            continue;
        }
        const Timings& t = all[i];
        Row(strName, "median", Median(t.real), Median(t.cpu), nBytes, nItems);
        Row(strName, "min", *std::min_element(t.real.begin(), t.real.end()),
            *std::min_element(t.cpu.begin(), t.cpu.end()), nBytes, nItems);
        Row(strName, "max", *std::max_element(t.real.begin(), t.real.end()),
            *std::max_element(t.cpu.begin(), t.cpu.end()), nBytes, nItems);
        std::printf("  %-40s %10.1f ms (%.1f to %.1f)\n", contenders[i].strName.c_str(),
                    Median(t.real), *std::min_element(t.real.begin(), t.real.end()),
                    *std::max_element(t.real.begin(), t.real.end()));
    }
    if (!strError.empty())
        std::printf("  FAILED: %s\n", strError.c_str());
    std::fflush(m_pFile);
    return strError.empty();
}

void Report::Row(const std::string& strName, const char* pStatistic, double dMs, double dCpuMs,
                 double nBytes, double nItems) {
    const auto rate = [dMs](double n) {
        return n > 0 && dMs > 0 ? std::to_string(n * 1000.0 / dMs) : std::string();
    };
    std::fprintf(m_pFile, "\"%s_%s\",1,%f,%f,ms,%s,%s,\"\",,\n", strName.c_str(), pStatistic, dMs,
                 dCpuMs, rate(nBytes).c_str(), rate(nItems).c_str());
}

// The message goes into a quoted CSV cell that the table's reader splits at
// commas: it holds none.
void Report::ErrorRow(const std::string& strName, const std::string& strMessage) {
    std::string s = strMessage;
    std::replace(s.begin(), s.end(), ',', ';');
    std::replace(s.begin(), s.end(), '"', '\'');
    std::fprintf(m_pFile, "\"%s_median\",0,0,0,ms,,,\"\",true,\"%s\"\n", strName.c_str(),
                 s.c_str());
}

int Main(int argc, char** argv, const std::function<bool(Report&)>& run) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s results.csv\n", argc > 0 ? argv[0] : "bench");
        return 2;
    }
    Report report(argv[1]);
    if (!report.Ok()) {
        std::perror(argv[1]);
        return 1;
    }
    return run(report) ? 0 : 1;
}

} // namespace winbench
