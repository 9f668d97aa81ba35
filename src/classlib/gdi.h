#pragma once
// GDI objects and device contexts.
//
// Every GDI object class owns its handle: it deletes it when destroyed, can
// be moved but not copied, and gives it up with Detach. CDC owns its device
// context the same way (DeleteDC); CPaintDC, CClientDC and CWindowDC end the
// paint or release the context instead.
//
// FromHandle and the typed SelectObject hand out temporary, non-owning
// wrappers around handles the caller does not own. They live in a per-thread
// table and stay valid until ReleaseTemporaryGdiWrappers runs on that thread
// (the message loop calls it when idle), so a caller may keep one for the
// length of a message handler, e.g. to select the previous bitmap back.

#include "classlib/cstring.h"
#include "classlib/geometry.h"

#include <windows.h>

class CDC;
class CWnd;

class CGdiObject {
public:
    CGdiObject() = default;
    ~CGdiObject() { DeleteObject(); }
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;
    CGdiObject(CGdiObject&& other) noexcept : m_hObject(other.Detach()) {}
    CGdiObject& operator=(CGdiObject&& other) noexcept;

    HGDIOBJ m_hObject = nullptr;

    operator HGDIOBJ() const { return m_hObject; }
    HGDIOBJ GetSafeHandle() const { return m_hObject; }

    // Takes ownership of `handle`; fails when this object already holds one.
    BOOL Attach(HGDIOBJ handle);
    HGDIOBJ Detach();
    // Deletes the held object; FALSE when there was none or GDI refused.
    BOOL DeleteObject();

    int GetObject(int size, void* buffer) const { return ::GetObjectW(m_hObject, size, buffer); }

protected:
    // Attach for the Create members: a new object that cannot be attached
    // (this one already holds one) is deleted rather than leaked.
    BOOL AttachCreated(HGDIOBJ created);
};

class CBitmap : public CGdiObject {
public:
    operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }
    static CBitmap* FromHandle(HBITMAP handle);

    BOOL CreateCompatibleBitmap(CDC* dc, int width, int height);
    BOOL CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits);
    // A bitmap resource of the program's resource module.
    BOOL LoadBitmap(UINT resourceId);
    int GetBitmap(BITMAP* info) const { return GetObject(sizeof(BITMAP), info); }
};

class CFont : public CGdiObject {
public:
    operator HFONT() const { return static_cast<HFONT>(m_hObject); }
    static CFont* FromHandle(HFONT handle);

    BOOL CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic, BYTE underline,
                    BYTE strikeOut, BYTE charSet, BYTE outPrecision, BYTE clipPrecision, BYTE quality,
                    BYTE pitchAndFamily, LPCWSTR faceName);
    BOOL CreateFontIndirect(const LOGFONTW* logFont);
    int GetLogFont(LOGFONTW* logFont) const { return GetObject(sizeof(LOGFONTW), logFont); }
};

class CBrush : public CGdiObject {
public:
    CBrush() = default;
    explicit CBrush(COLORREF color) { CreateSolidBrush(color); }
    operator HBRUSH() const { return static_cast<HBRUSH>(m_hObject); }
    static CBrush* FromHandle(HBRUSH handle);

    BOOL CreateSolidBrush(COLORREF color);
};

class CPen : public CGdiObject {
public:
    CPen() = default;
    CPen(int style, int width, COLORREF color) { CreatePen(style, width, color); }
    operator HPEN() const { return static_cast<HPEN>(m_hObject); }
    static CPen* FromHandle(HPEN handle);

    BOOL CreatePen(int style, int width, COLORREF color);
};

class CDC {
public:
    CDC() = default;
    virtual ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;
    CDC(CDC&& other) noexcept : m_hDC(other.Detach()) {}
    CDC& operator=(CDC&& other) noexcept;

    HDC m_hDC = nullptr;

    operator HDC() const { return m_hDC; }
    HDC GetSafeHdc() const { return m_hDC; }

    // A temporary wrapper for a device context this code does not own.
    static CDC* FromHandle(HDC handle);

    // Takes ownership of `handle` (DeleteDC when destroyed); fails when this
    // object already holds one.
    BOOL Attach(HDC handle);
    HDC Detach();

    // A memory device context compatible with `dc`, or with the screen when
    // `dc` is null; fails when this object already holds a context.
    BOOL CreateCompatibleDC(CDC* dc);
    BOOL DeleteDC();

    // Each selects the object and returns a temporary wrapper of the object
    // it replaced (null on failure).
    CBitmap* SelectObject(CBitmap* bitmap);
    CFont* SelectObject(CFont* font);
    CBrush* SelectObject(CBrush* brush);
    CPen* SelectObject(CPen* pen);

    BOOL BitBlt(int x, int y, int width, int height, CDC* source, int xSrc, int ySrc, DWORD rop);
    BOOL StretchBlt(int x, int y, int width, int height, CDC* source, int xSrc, int ySrc, int srcWidth, int srcHeight,
                    DWORD rop);
    BOOL AlphaBlend(int x, int y, int width, int height, CDC* source, int xSrc, int ySrc, int srcWidth, int srcHeight,
                    BLENDFUNCTION blend);

    // Fills with a solid colour; the background colour is left as it was.
    void FillSolidRect(LPCRECT rect, COLORREF color);
    void FillSolidRect(int x, int y, int width, int height, COLORREF color);
    void FillRect(LPCRECT rect, CBrush* brush);
    void FrameRect(LPCRECT rect, CBrush* brush);
    BOOL Rectangle(int left, int top, int right, int bottom);
    BOOL Rectangle(LPCRECT rect);

    // Each returns the previous current position.
    CPoint MoveTo(int x, int y);
    CPoint MoveTo(POINT point) { return MoveTo(point.x, point.y); }
    BOOL LineTo(int x, int y);
    BOOL LineTo(POINT point) { return LineTo(point.x, point.y); }

    int DrawText(LPCWSTR text, int length, LPRECT rect, UINT format);
    int DrawText(const CString& text, LPRECT rect, UINT format);
    BOOL TextOut(int x, int y, LPCWSTR text, int length);
    BOOL TextOut(int x, int y, const CString& text);
    CSize GetTextExtent(LPCWSTR text, int length) const;
    CSize GetTextExtent(const CString& text) const;

    // Each returns the previous value.
    COLORREF SetTextColor(COLORREF color);
    COLORREF SetBkColor(COLORREF color);
    int SetBkMode(int mode);

    int ExcludeClipRect(int left, int top, int right, int bottom);
    int ExcludeClipRect(LPCRECT rect);
};

// The device context of a BeginPaint / EndPaint pair.
class CPaintDC : public CDC {
public:
    explicit CPaintDC(HWND window);
    // For a window object (any class derived from CWnd).
    template <class Window, class = decltype(static_cast<CWnd*>(static_cast<Window*>(nullptr)))>
    explicit CPaintDC(Window* window) : CPaintDC(window->m_hWnd)
    {}
    ~CPaintDC() override;
    CPaintDC(CPaintDC&&) = delete;

    PAINTSTRUCT m_ps{};

protected:
    HWND m_hWnd;
};

// The client-area device context of a window (GetDC / ReleaseDC).
class CClientDC : public CDC {
public:
    explicit CClientDC(HWND window);
    // For a window object (any class derived from CWnd).
    template <class Window, class = decltype(static_cast<CWnd*>(static_cast<Window*>(nullptr)))>
    explicit CClientDC(Window* window) : CClientDC(window->m_hWnd)
    {}
    ~CClientDC() override;
    CClientDC(CClientDC&&) = delete;

protected:
    HWND m_hWnd;
};

// The whole-window device context, non-client area included.
class CWindowDC : public CDC {
public:
    explicit CWindowDC(HWND window);
    // For a window object (any class derived from CWnd).
    template <class Window, class = decltype(static_cast<CWnd*>(static_cast<Window*>(nullptr)))>
    explicit CWindowDC(Window* window) : CWindowDC(window->m_hWnd)
    {}
    ~CWindowDC() override;
    CWindowDC(CWindowDC&&) = delete;

protected:
    HWND m_hWnd;
};

// Selects an object into a device context and selects the previous one back
// when it goes out of scope.
class ScopedSelectObject {
public:
    ScopedSelectObject(HDC dc, HGDIOBJ object) : m_dc(dc), m_previous(::SelectObject(dc, object)) {}
    ScopedSelectObject(CDC& dc, const CGdiObject& object) : ScopedSelectObject(dc.m_hDC, object.m_hObject) {}
    ~ScopedSelectObject()
    {
        if (m_previous)
            ::SelectObject(m_dc, m_previous);
    }
    ScopedSelectObject(const ScopedSelectObject&) = delete;
    ScopedSelectObject& operator=(const ScopedSelectObject&) = delete;

    // The object that was selected before (null when the selection failed).
    HGDIOBJ previous() const { return m_previous; }

private:
    HDC m_dc;
    HGDIOBJ m_previous;
};

// Drops the current thread's temporary wrappers from FromHandle and
// SelectObject; the handles themselves are untouched.
void ReleaseTemporaryGdiWrappers();
