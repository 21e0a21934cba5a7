// Uses a little of every installed piece through the umbrella header; fails
// when anything did not link, load or cross the module boundary.
#include <dovuv32.h>

#include <cstdio>

int main() {
    int checks = 0, failures = 0;
    auto check = [&checks, &failures](bool ok, const char* what) {
        std::printf("%s %s\n", ok ? "ok  " : "FAIL", what);
        ++checks;
        failures += ok ? 0 : 1;
    };

    check(aibaseState.GetPrecision() == 4, "the exported global holds precision 4");
    check(rvFormatValue(2.5, 4) == _T("2.5000"), "value text");

    FileFilter filter(CString(_T("A|*.a|B|*.b||")));
    check(filter.GetFilter(1) == _T("B|*.b"), "filter entries");
    NPair range = filter.GetRange(0);
    check(range.m_first == 0 && range.m_second == 4, "dezu32 pairs");

    CString path = _T("c:\\x\\y\\f.txt");
    check(rvGetRelativePath(path, _T("c:\\x\\z")) == _T("..\\y\\f.txt"), "relative paths");

    RVTxtFile file;
    check(file.IsKindOf(RUNTIME_CLASS(CStdioFile)), "run-time classes across modules");
    try {
        AfxThrowInvalidArgException();
    } catch (CException* e) {
        check(e->IsKindOf(RUNTIME_CLASS(CInvalidArgException)), "framework exceptions");
        e->Delete();
    }

#ifdef _WIN32
    CRVEditTransient edit;
    CSliderDyna slider;
    edit.SetRange(0.0, 20.0);
    slider.SetClient(&edit);
    slider.SetCurPosn(60);
    check(edit.IsKindOf(RUNTIME_CLASS(CRVEdit)) && edit.GetVal() == 10.0,
          "an edit steered by a slider, without windows");
#endif

    std::printf("%d passed, %d failed\n", checks - failures, failures);
    return failures == 0 ? 0 : 1;
}
