// Device contexts, drawing objects and their handle maps, drawn into a
// memory bitmap and read back pixel by pixel. CPaintDC, MoveTo and LineTo
// draw the pane's sign, read back in PropertyPanelTest.
#include <gtest/gtest.h>

#include <afxwin.h>

namespace {

// A 40 x 20 bitmap of the screen's format selected into a memory DC.
class MemoryDC : public ::testing::Test {
protected:
    void SetUp() override {
        CClientDC screen(NULL);
        ASSERT_TRUE(m_dc.CreateCompatibleDC(&screen));
        ASSERT_TRUE(m_bitmap.CreateCompatibleBitmap(&screen, 40, 20));
        m_pOldBitmap = m_dc.SelectObject(&m_bitmap);
    }
    void TearDown() override { m_dc.SelectObject(m_pOldBitmap); }

    CDC m_dc;
    CBitmap m_bitmap;
    CBitmap* m_pOldBitmap = NULL;
};

TEST_F(MemoryDC, FillsAndMeasuresText) {
    ASSERT_NE(m_pOldBitmap, nullptr);
    EXPECT_TRUE(m_pOldBitmap->IsKindOf(RUNTIME_CLASS(CBitmap)));

    // FillSolidRect paints with the background colour and leaves it set.
    m_dc.SetBkColor(RGB(1, 2, 3));
    m_dc.FillSolidRect(0, 0, 40, 20, RGB(255, 0, 0));
    EXPECT_EQ(m_dc.GetBkColor(), RGB(255, 0, 0));
    EXPECT_EQ(m_dc.GetPixel(39, 19), RGB(255, 0, 0));

    // Measured on the attribute context.
    CSize three = m_dc.GetTextExtent(CString(_T("WWW")));
    EXPECT_EQ(three.cx, 3 * m_dc.GetTextExtent(_T("W"), 1).cx);
    EXPECT_GT(three.cx, 0);
}

TEST(GdiObjects, HandleMapsGiveAttachedOrTemporaryObjects) {
    CBrush brush;
    ASSERT_TRUE(brush.CreateSolidBrush(RGB(200, 255, 200)));
    HGDIOBJ h = brush.GetSafeHandle();
    EXPECT_EQ(CGdiObject::FromHandle(h), &brush);

    // Detached, the handle gets a temporary wrapper of its kind, which the
    // next clean-up releases without deleting the brush.
    brush.Detach();
    CGdiObject* pTemp = CGdiObject::FromHandle(h);
    ASSERT_NE(pTemp, nullptr);
    EXPECT_NE(pTemp, &brush);
    EXPECT_TRUE(pTemp->IsKindOf(RUNTIME_CLASS(CBrush)));
    EXPECT_EQ(CGdiObject::FromHandle(h), pTemp);
    CGdiObject::DeleteTempMap();
    EXPECT_EQ(::GetObjectType(h), DWORD(OBJ_BRUSH));

    // An attached object deletes its handle with itself.
    {
        CBrush owner;
        owner.Attach(h);
    }
    EXPECT_EQ(::GetObjectType(h), 0u);
    EXPECT_EQ(CGdiObject::FromHandle(NULL), nullptr);

    HDC hScreen = ::GetDC(NULL);
    CDC* pDC = CDC::FromHandle(hScreen);
    EXPECT_EQ(pDC->GetSafeHdc(), hScreen);
    EXPECT_EQ(CDC::FromHandle(hScreen), pDC);
    CDC::DeleteTempMap();
    EXPECT_NE(::GetDeviceCaps(hScreen, BITSPIXEL), 0);
    ::ReleaseDC(NULL, hScreen);
}

} // namespace
