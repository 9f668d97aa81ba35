#include "classlib/gdi.h"

#include "classlib/win_app.h"

#include <memory>
#include <unordered_map>

namespace {

HDC HandleOf(CDC* dc)
{
    return dc ? dc->m_hDC : nullptr;
}
HGDIOBJ HandleOf(CGdiObject* object)
{
    return object ? object->m_hObject : nullptr;
}

// Per-thread table of non-owning wrappers of one class, keyed by handle. The
// wrappers are detached before they are destroyed, so dropping the table
// never deletes a handle.
template <class Wrapper, class Handle> class TemporaryWrappers {
public:
    ~TemporaryWrappers() { Clear(); }

    Wrapper* Get(Handle handle)
    {
        if (!handle)
            return nullptr;
        auto& slot = m_wrappers[handle];
        if (!slot)
            slot = std::make_unique<Wrapper>();
        // A caller may have detached or deleted through the wrapper.
        if (HandleOf(slot.get()) != handle) {
            slot->Detach();
            slot->Attach(handle);
        }
        return slot.get();
    }

    void Clear()
    {
        for (auto& [handle, wrapper] : m_wrappers)
            wrapper->Detach();
        m_wrappers.clear();
    }

private:
    std::unordered_map<Handle, std::unique_ptr<Wrapper>> m_wrappers;
};

thread_local TemporaryWrappers<CBitmap, HGDIOBJ> t_bitmaps;
thread_local TemporaryWrappers<CFont, HGDIOBJ> t_fonts;
thread_local TemporaryWrappers<CBrush, HGDIOBJ> t_brushes;
thread_local TemporaryWrappers<CPen, HGDIOBJ> t_pens;
thread_local TemporaryWrappers<CDC, HDC> t_dcs;

}  // namespace

void ReleaseTemporaryGdiWrappers()
{
    t_bitmaps.Clear();
    t_fonts.Clear();
    t_brushes.Clear();
    t_pens.Clear();
    t_dcs.Clear();
}

// ---- CGdiObject ------------------------------------------------------------

CGdiObject& CGdiObject::operator=(CGdiObject&& other) noexcept
{
    if (this != &other) {
        DeleteObject();
        m_hObject = other.Detach();
    }
    return *this;
}

BOOL CGdiObject::Attach(HGDIOBJ handle)
{
    if (m_hObject || !handle)
        return FALSE;
    m_hObject = handle;
    return TRUE;
}

HGDIOBJ CGdiObject::Detach()
{
    HGDIOBJ handle = m_hObject;
    m_hObject = nullptr;
    return handle;
}

BOOL CGdiObject::AttachCreated(HGDIOBJ created)
{
    if (Attach(created))
        return TRUE;
    if (created)
        ::DeleteObject(created);
    return FALSE;
}

BOOL CGdiObject::DeleteObject()
{
    if (!m_hObject)
        return FALSE;
    return ::DeleteObject(Detach());
}

// ---- CBitmap, CFont, CBrush, CPen ------------------------------------------

CBitmap* CBitmap::FromHandle(HBITMAP handle)
{
    return t_bitmaps.Get(handle);
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* dc, int width, int height)
{
    return AttachCreated(::CreateCompatibleBitmap(HandleOf(dc), width, height));
}

BOOL CBitmap::CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits)
{
    return AttachCreated(::CreateBitmap(width, height, planes, bitsPerPixel, bits));
}

BOOL CBitmap::LoadBitmap(UINT resourceId)
{
    return AttachCreated(::LoadBitmapW(AfxGetResourceHandle(), MAKEINTRESOURCEW(resourceId)));
}

CFont* CFont::FromHandle(HFONT handle)
{
    return t_fonts.Get(handle);
}

BOOL CFont::CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic, BYTE underline,
                       BYTE strikeOut, BYTE charSet, BYTE outPrecision, BYTE clipPrecision, BYTE quality,
                       BYTE pitchAndFamily, LPCWSTR faceName)
{
    return AttachCreated(::CreateFontW(height, width, escapement, orientation, weight, italic, underline, strikeOut,
                                       charSet, outPrecision, clipPrecision, quality, pitchAndFamily, faceName));
}

BOOL CFont::CreateFontIndirect(const LOGFONTW* logFont)
{
    return logFont ? AttachCreated(::CreateFontIndirectW(logFont)) : FALSE;
}

CBrush* CBrush::FromHandle(HBRUSH handle)
{
    return t_brushes.Get(handle);
}

BOOL CBrush::CreateSolidBrush(COLORREF color)
{
    return AttachCreated(::CreateSolidBrush(color));
}

CPen* CPen::FromHandle(HPEN handle)
{
    return t_pens.Get(handle);
}

BOOL CPen::CreatePen(int style, int width, COLORREF color)
{
    return AttachCreated(::CreatePen(style, width, color));
}

// ---- CDC -------------------------------------------------------------------

CDC::~CDC()
{
    DeleteDC();
}

CDC& CDC::operator=(CDC&& other) noexcept
{
    if (this != &other) {
        DeleteDC();
        m_hDC = other.Detach();
    }
    return *this;
}

CDC* CDC::FromHandle(HDC handle)
{
    return t_dcs.Get(handle);
}

BOOL CDC::Attach(HDC handle)
{
    if (m_hDC || !handle)
        return FALSE;
    m_hDC = handle;
    return TRUE;
}

HDC CDC::Detach()
{
    HDC handle = m_hDC;
    m_hDC = nullptr;
    return handle;
}

BOOL CDC::CreateCompatibleDC(CDC* dc)
{
    if (m_hDC)
        return FALSE;
    return Attach(::CreateCompatibleDC(HandleOf(dc)));
}

BOOL CDC::DeleteDC()
{
    if (!m_hDC)
        return FALSE;
    return ::DeleteDC(Detach());
}

CBitmap* CDC::SelectObject(CBitmap* bitmap)
{
    return CBitmap::FromHandle(static_cast<HBITMAP>(::SelectObject(m_hDC, HandleOf(bitmap))));
}

CFont* CDC::SelectObject(CFont* font)
{
    return CFont::FromHandle(static_cast<HFONT>(::SelectObject(m_hDC, HandleOf(font))));
}

CBrush* CDC::SelectObject(CBrush* brush)
{
    return CBrush::FromHandle(static_cast<HBRUSH>(::SelectObject(m_hDC, HandleOf(brush))));
}

CPen* CDC::SelectObject(CPen* pen)
{
    return CPen::FromHandle(static_cast<HPEN>(::SelectObject(m_hDC, HandleOf(pen))));
}

BOOL CDC::BitBlt(int x, int y, int width, int height, CDC* source, int xSrc, int ySrc, DWORD rop)
{
    return ::BitBlt(m_hDC, x, y, width, height, HandleOf(source), xSrc, ySrc, rop);
}

BOOL CDC::StretchBlt(int x, int y, int width, int height, CDC* source, int xSrc, int ySrc, int srcWidth, int srcHeight,
                     DWORD rop)
{
    return ::StretchBlt(m_hDC, x, y, width, height, HandleOf(source), xSrc, ySrc, srcWidth, srcHeight, rop);
}

BOOL CDC::AlphaBlend(int x, int y, int width, int height, CDC* source, int xSrc, int ySrc, int srcWidth, int srcHeight,
                     BLENDFUNCTION blend)
{
    return ::GdiAlphaBlend(m_hDC, x, y, width, height, HandleOf(source), xSrc, ySrc, srcWidth, srcHeight, blend);
}

void CDC::FillSolidRect(LPCRECT rect, COLORREF color)
{
    COLORREF previous = ::SetBkColor(m_hDC, color);
    ::ExtTextOutW(m_hDC, 0, 0, ETO_OPAQUE, rect, nullptr, 0, nullptr);
    ::SetBkColor(m_hDC, previous);
}

void CDC::FillSolidRect(int x, int y, int width, int height, COLORREF color)
{
    CRect rect(x, y, x + width, y + height);
    FillSolidRect(&rect, color);
}

void CDC::FillRect(LPCRECT rect, CBrush* brush)
{
    ::FillRect(m_hDC, rect, static_cast<HBRUSH>(HandleOf(brush)));
}

void CDC::FrameRect(LPCRECT rect, CBrush* brush)
{
    ::FrameRect(m_hDC, rect, static_cast<HBRUSH>(HandleOf(brush)));
}

BOOL CDC::Rectangle(int left, int top, int right, int bottom)
{
    return ::Rectangle(m_hDC, left, top, right, bottom);
}

BOOL CDC::Rectangle(LPCRECT rect)
{
    return Rectangle(rect->left, rect->top, rect->right, rect->bottom);
}

CPoint CDC::MoveTo(int x, int y)
{
    POINT previous{};
    ::MoveToEx(m_hDC, x, y, &previous);
    return previous;
}

BOOL CDC::LineTo(int x, int y)
{
    return ::LineTo(m_hDC, x, y);
}

int CDC::DrawText(LPCWSTR text, int length, LPRECT rect, UINT format)
{
    return ::DrawTextW(m_hDC, text, length, rect, format);
}

int CDC::DrawText(const CString& text, LPRECT rect, UINT format)
{
    return DrawText(text.GetString(), text.GetLength(), rect, format);
}

BOOL CDC::TextOut(int x, int y, LPCWSTR text, int length)
{
    return ::TextOutW(m_hDC, x, y, text, length);
}

BOOL CDC::TextOut(int x, int y, const CString& text)
{
    return TextOut(x, y, text.GetString(), text.GetLength());
}

CSize CDC::GetTextExtent(LPCWSTR text, int length) const
{
    SIZE size{};
    ::GetTextExtentPoint32W(m_hDC, text, length, &size);
    return size;
}

CSize CDC::GetTextExtent(const CString& text) const
{
    return GetTextExtent(text.GetString(), text.GetLength());
}

COLORREF CDC::SetTextColor(COLORREF color)
{
    return ::SetTextColor(m_hDC, color);
}
COLORREF CDC::SetBkColor(COLORREF color)
{
    return ::SetBkColor(m_hDC, color);
}
int CDC::SetBkMode(int mode)
{
    return ::SetBkMode(m_hDC, mode);
}

int CDC::ExcludeClipRect(int left, int top, int right, int bottom)
{
    return ::ExcludeClipRect(m_hDC, left, top, right, bottom);
}

int CDC::ExcludeClipRect(LPCRECT rect)
{
    return ExcludeClipRect(rect->left, rect->top, rect->right, rect->bottom);
}

// ---- Window device contexts ------------------------------------------------

CPaintDC::CPaintDC(HWND window) : m_hWnd(window)
{
    Attach(::BeginPaint(window, &m_ps));
}

CPaintDC::~CPaintDC()
{
    if (Detach())
        ::EndPaint(m_hWnd, &m_ps);
}

CClientDC::CClientDC(HWND window) : m_hWnd(window)
{
    Attach(::GetDC(window));
}

CClientDC::~CClientDC()
{
    if (HDC dc = Detach())
        ::ReleaseDC(m_hWnd, dc);
}

CWindowDC::CWindowDC(HWND window) : m_hWnd(window)
{
    Attach(::GetWindowDC(window));
}

CWindowDC::~CWindowDC()
{
    if (HDC dc = Detach())
        ::ReleaseDC(m_hWnd, dc);
}
