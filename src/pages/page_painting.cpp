#include "pages/page_painting.h"

#include "classlib/image.h"
#include "skin/app_dir.h"

std::wstring SkinPath(const wchar_t* relative)
{
    return std::wstring(g_szAppDir) + relative;
}

bool LoadPicture(CBitmap& bitmap, const wchar_t* relative)
{
    bitmap.DeleteObject();
    CImage image;
    if (FAILED(image.Load(SkinPath(relative).c_str())) || image.IsNull())
        return false;
    return bitmap.Attach(image.Detach()) != FALSE;
}

void PaintPageBuffered(CWnd& page, CBitmap& background, CFont& font, const std::function<void(CDC&)>& draw)
{
    CPaintDC screen(page.m_hWnd);
    CDC memory;
    memory.CreateCompatibleDC(&screen);
    ScopedSelectObject selectBackground(memory, background);
    ScopedSelectObject selectFont(memory, font);
    memory.SetBkMode(TRANSPARENT);
    memory.SetTextColor(RGB(255, 255, 255));
    draw(memory);
    CRect client;
    page.GetClientRect(&client);
    screen.BitBlt(0, 0, client.Width(), client.Height(), &memory, 0, 0, SRCCOPY);
}
