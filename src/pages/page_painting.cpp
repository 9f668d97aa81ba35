#include "pages/page_painting.h"

#include "classlib/image.h"
#include "skin/app_dir.h"

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
