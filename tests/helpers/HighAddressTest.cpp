// Dialog templates above 4 GiB: on x64 the program and the library are
// linked there, so the template reader works on pointers whose upper half is
// not zero, in the host's templates and in the library's own.
#include <ResTemplMngr.h>
#include <dovuv32Res.h>

#include "Checks.h"
#include "HelpersTestIds.h"
#include "HighMemory.h"

#include <gtest/gtest.h>

namespace {

TEST(HighAddressTest, TemplatesAboveFourGiBAreReadWhole) {
    const struct {
        LPCTSTR lpszModule;
        UINT nID;
        CRect rect;
    } cases[] = {
        {NULL, IDD_CLASSIC, CRect(10, 20, 110, 70)},
        {NULL, IDD_EXTENDED, CRect(-7, 9, 113, 70)},
        {DOVUV32_DLL, IDD_MEASURE, CRect(0, 0, 81, 28)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.nID);
        const HMODULE hModule = ::GetModuleHandle(c.lpszModule);
        const HRSRC hResource = ::FindResource(hModule, MAKEINTRESOURCE(c.nID), RT_DIALOG);
        ASSERT_NE(hResource, HRSRC(NULL));
        const void* pResource = ::LockResource(::LoadResource(hModule, hResource));
        ASSERT_TRUE(sizeof(void*) == 4 || AboveFourGiB(pResource))
            << "the module is loaded below 4 GiB";

        EXPECT_EQ(pResource, ResTemplMngr::LoadDlgTempl(c.lpszModule, c.nID));
        CRect rect;
        ASSERT_TRUE(ResTemplMngr::GetDlgTemplRectLogical(c.lpszModule, c.nID, rect));
        EXPECT_EQ(c.rect, rect);
    }
}

} // namespace
