#include "StatusBox.h"

#include <vector>

namespace {

// String nID whole, however long: the buffer grows until the string fits.
// Empty when there is no such string.
CString LoadResourceString(UINT nID) {
    std::vector<TCHAR> buffer(256);
    for (;;) {
        const UINT nMax = static_cast<UINT>(buffer.size());
        const int nLen = AfxLoadString(nID, buffer.data(), nMax);
        if (static_cast<UINT>(nLen) + 1 < nMax)
            return CString(buffer.data(), nLen);
        buffer.resize(buffer.size() * 2);
    }
}

} // namespace

StatusBox::StatusBox() {}

StatusBox::~StatusBox() {}

BEGIN_MESSAGE_MAP(StatusBox, CEdit)
END_MESSAGE_MAP()

void StatusBox::SetMessageID(UINT nID) {
    if (!::IsWindow(m_hWnd))
        return;
    const CString text = LoadResourceString(nID);
    if (text.IsEmpty())
        return;
    SetWindowText(text);
    Invalidate(TRUE);
    UpdateWindow();
}
