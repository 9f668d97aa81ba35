#include "pages/skinned_page.h"

#include "pages/dlg_angle_snap.h"
#include "skin/app_dir.h"
#include "skin/dialog_key_filter.h"
#include "skin/png_cache.h"
#include "skin/skin_draw.h"

namespace {

CDC MemoryContextFor(CDC& target)
{
    CDC memory;
    memory.CreateCompatibleDC(&target);
    return memory;
}

}  // namespace

BEGIN_MESSAGE_TABLE(CSkinnedPage)
    MAP_ERASEBKGND(OnEraseBkgnd)
END_MESSAGE_TABLE()

CSkinnedPage::CSkinnedPage(UINT templateId, const wchar_t* backgroundPath)
    : CDialog(templateId), m_backgroundPath(backgroundPath)
{}

BOOL CSkinnedPage::PreTranslateMessage(MSG* msg)
{
    if (IsSwallowedDialogKey(*msg))
        return TRUE;
    return CDialog::PreTranslateMessage(msg);
}

BOOL CSkinnedPage::OnInitDialog()
{
    CDialog::OnInitDialog();
    CDlgAngleSnap::InitFont(m_font);
    return TRUE;
}

CBitmap& CSkinnedPage::Background()
{
    LoadPictureBitmapOnce(SkinPath(m_backgroundPath), m_hBkBitmap);
    return m_hBkBitmap;
}

CSkinnedPage::Canvas::Canvas(CSkinnedPage& page)
    : m_paint(page.m_hWnd), m_memory(MemoryContextFor(m_paint)), m_selectBitmap(m_memory, page.Background()),
      m_selectFont(m_memory, page.m_font), m_page(page.m_hWnd)
{
    m_memory.SetBkMode(TRANSPARENT);
    m_memory.SetTextColor(RGB(255, 255, 255));
}

CSkinnedPage::Canvas::~Canvas()
{
    // Without its background the page has nothing to copy: it stays unpainted.
    if (!m_selectBitmap.previous())
        return;
    RECT client{};
    ::GetClientRect(m_page, &client);
    m_paint.BitBlt(0, 0, client.right - client.left, client.bottom - client.top, &m_memory, 0, 0, SRCCOPY);
}

void CSkinnedPage::Canvas::DrawSkin(const wchar_t* relative, int x, int y)
{
    DrawCachedPngWithAlpha(&m_memory, SkinPath(relative), x, y);
}
