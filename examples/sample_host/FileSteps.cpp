// The walkthrough's file steps: in the working folder it creates a folder
// chain, writes, searches and edits a text file, lists a stretch of a folder
// and reorders a file-dialog filter, printing what it does at each step.
#include "SampleHost.h"

#include <dovuv32.h>

#include <cstdio>
#include <iterator>

namespace {

void ShowNumbers() {
    Title("numbers");
    std::printf("process-wide precision %d, sensitivity %g\n", aibaseState.GetPrecision(),
                aibaseState.GetSencetivity());
    for (double v : {2.5, -0.25, -0.00004, 1e300})
        std::printf("  %-8g shows as \"%s\"\n", v, Out(rvFormatValue(v, 4)));
    std::printf("  -1.234 truncated to 2 digits is %g\n", rvTruncate(-1.234, 2));
    for (LPCTSTR text : {_T(" -2.5e3 "), _T("12abc"), _T("-0")}) {
        double value = 0;
        bool ok = rvParseReal(text, value);
        std::printf("  typed \"%s\": %s, %g\n", Out(text), ok ? "a number" : "not a number", value);
    }
}

void ShowPaths() {
    Title("paths");
    CString folder = _T("data\\logs\\2026");
    std::printf("create %s: %s\n", Out(folder), Path::CreateDir(folder) ? "done" : "failed");
    CString target = _T("C:\\work\\data\\logs\\today.log");
    std::printf("  %s seen from C:\\work\\src is %s\n", Out(target),
                Out(rvGetRelativePath(target, _T("C:\\work\\src"))));
    std::printf("  its folder %s, name %s, %d levels\n", Out(Path::SplitGetPath(target)),
                Out(Path::SplitGetFileName(target)), Path::GetFolderCount(target));
}

void ShowTextFile() {
    Title("text file");
    LPCTSTR name = _T("data\\notes.txt");
    {
        RVTxtFile file;
        if (!file.Open(name, CFile::modeCreate | CFile::modeReadWrite | CFile::typeText)) {
            std::printf("cannot create %s\n", Out(name));
            return;
        }
        LPCTSTR lines[] = {_T("alpha 1\n"), _T("beta 2\n"), _T("gamma 3\n"), _T("delta 4")};
        for (LPCTSTR line : lines)
            file.WriteString(line);
        std::printf("wrote %s, %d lines, the last without a line end\n", Out(name),
                    static_cast<int>(std::size(lines)));
    }
    std::printf("  it holds %d lines\n", RVTxtFile::GetLineCount(name));

    RVTxtFile file(name);
    if (!file.Open())
        return;
    int line = -1;
    int col = -1;
    file.Find2(_T("gamma"), true, &col, &line);
    std::printf("  \"gamma\" is on line %d at column %d\n", line, col);
    bool replaced = file.ReplaceCurrentLine(_T("gamma 3, edited in place"));
    std::printf("  replacing that line: %s\n", replaced ? "done" : "failed");
    file.Close();
    RVTxtFile check(name);
    std::printf("  a final line end was %s\n",
                check.CheckAddNewLineEndFile(name) ? "added" : "already there");
    RVTxtFile reader(name);
    reader.Open2(true);
    while (reader.ReadString())
        std::printf("  | %s\n", Out(reader.GetCurString()));
}

void ShowFolderStretch() {
    Title("file finder");
    for (LPCTSTR name : {_T("a.txt"), _T("b.txt"), _T("c.txt"), _T("d.txt"), _T("e.txt")}) {
        CStdioFile file;
        file.Open(CString(_T("data\\")) + name, CFile::modeCreate | CFile::modeWrite);
    }
    RVFileFind finder;
    if (!finder.FindFile(_T("data\\b.txt"))) {
        std::printf("b.txt not found\n");
        return;
    }
    finder.SetLastFile(_T("d.txt"));
    std::printf("from b.txt to d.txt, in the folder's order:");
    BOOL more = TRUE;
    while (more) {
        more = finder.FindNextFile();
        std::printf(" %s", Out(finder.GetFileName()));
    }
    std::printf("\n");
}

void ShowFilter() {
    Title("file-dialog filter");
    FileFilter filter(CString(_T("Text files|*.txt|Log files|*.log|All files|*.*||")));
    CString ext = _T(".LOG");
    filter.MoveToTop(ext);
    std::printf("log files first: %s\n", Out(filter));
    for (int i = 0; !filter.GetFilter(i).IsEmpty(); ++i)
        std::printf("  entry %d: %s\n", i, Out(filter.GetFilter(i)));
}

} // namespace

void RunFileSteps() {
    ShowNumbers();
    ShowPaths();
    ShowTextFile();
    ShowFolderStretch();
    ShowFilter();
}
