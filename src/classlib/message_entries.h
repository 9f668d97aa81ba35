#pragma once
// The entries of message tables (see message_map.h): one maker per kind of
// message, each unpacking WPARAM and LPARAM into the handler's parameters
// and packing its return value into the message's result. Included by wnd.h
// after CWnd is complete; use the MAP_* macros inside BEGIN_MESSAGE_TABLE.

#include "classlib/gdi.h"
#include "classlib/geometry.h"
#include "classlib/message_map.h"

#include <windows.h>

class CWnd;
class CScrollBar;

namespace msgmap {

template <class> struct ClassOf;
template <class C, class R, class... A> struct ClassOf<R (C::*)(A...)> {
    using type = C;
};

// Calls member function `Fn` on `target`, which is an object of Fn's class.
template <auto Fn, class... Args> decltype(auto) Invoke(CCmdTarget& target, Args&&... args)
{
    using Class = typename ClassOf<decltype(Fn)>::type;
    return (static_cast<Class&>(target).*Fn)(static_cast<Args&&>(args)...);
}

// Argument helpers shared by the makers below.
CWnd* WndArg(WPARAM handle);
CWnd* WndArg(LPARAM handle);
CDC* DCArg(WPARAM handle);
CScrollBar* ScrollBarArg(LPARAM handle);
inline CPoint PointArg(LPARAM packed)
{
    return CPoint(packed);
}

constexpr Entry MessageEntry(UINT message, Thunk thunk)
{
    return {Kind::Message, message, 0, 0, 0, thunk};
}

// void OnX()  -- the result is 0.
template <auto Fn> constexpr Entry NoArgs(UINT message)
{
    return MessageEntry(message, [](CCmdTarget& t, const Call&, LRESULT& r) {
        Invoke<Fn>(t);
        r = 0;
        return true;
    });
}

// void OnX(UINT flags, CPoint point): the mouse messages.
template <auto Fn> constexpr Entry Mouse(UINT message)
{
    return MessageEntry(message, [](CCmdTarget& t, const Call& c, LRESULT& r) {
        Invoke<Fn>(t, static_cast<UINT>(c.wParam), PointArg(c.lParam));
        r = 0;
        return true;
    });
}

// void OnX(CWnd* other): focus and capture changes.
template <auto Fn> constexpr Entry OtherWindowInWParam(UINT message)
{
    return MessageEntry(message, [](CCmdTarget& t, const Call& c, LRESULT& r) {
        Invoke<Fn>(t, WndArg(c.wParam));
        r = 0;
        return true;
    });
}

// void OnXScroll(UINT code, UINT position, CScrollBar* bar)
template <auto Fn> constexpr Entry Scroll(UINT message)
{
    return MessageEntry(message, [](CCmdTarget& t, const Call& c, LRESULT& r) {
        Invoke<Fn>(t, static_cast<UINT>(LOWORD(c.wParam)), static_cast<UINT>(HIWORD(c.wParam)), ScrollBarArg(c.lParam));
        r = 0;
        return true;
    });
}

// void OnKeyX(UINT key, UINT repeatCount, UINT flags)
template <auto Fn> constexpr Entry Key(UINT message)
{
    return MessageEntry(message, [](CCmdTarget& t, const Call& c, LRESULT& r) {
        Invoke<Fn>(t, static_cast<UINT>(c.wParam), static_cast<UINT>(LOWORD(c.lParam)),
                   static_cast<UINT>(HIWORD(c.lParam)));
        r = 0;
        return true;
    });
}

// int OnCreate(LPCREATESTRUCT): -1 stops the creation.
template <auto Fn> constexpr Entry Create()
{
    return MessageEntry(WM_CREATE, [](CCmdTarget& t, const Call& c, LRESULT& r) {
        r = Invoke<Fn>(t, reinterpret_cast<LPCREATESTRUCTW>(c.lParam));
        return true;
    });
}

// BOOL OnEraseBkgnd(CDC*): non-zero when the background was erased.
template <auto Fn> constexpr Entry EraseBkgnd()
{
    return MessageEntry(WM_ERASEBKGND, [](CCmdTarget& t, const Call& c, LRESULT& r) {
        r = Invoke<Fn>(t, DCArg(c.wParam));
        return true;
    });
}

// BOOL OnMouseWheel(UINT flags, short delta, CPoint screenPoint)
template <auto Fn> constexpr Entry MouseWheel()
{
    return MessageEntry(WM_MOUSEWHEEL, [](CCmdTarget& t, const Call& c, LRESULT& r) {
        r = Invoke<Fn>(t, static_cast<UINT>(GET_KEYSTATE_WPARAM(c.wParam)),
                       static_cast<short>(GET_WHEEL_DELTA_WPARAM(c.wParam)), PointArg(c.lParam));
        return true;
    });
}

// int OnMouseActivate(CWnd* topLevel, UINT hitTest, UINT mouseMessage)
template <auto Fn> constexpr Entry MouseActivate()
{
    return MessageEntry(WM_MOUSEACTIVATE, [](CCmdTarget& t, const Call& c, LRESULT& r) {
        r = Invoke<Fn>(t, WndArg(c.wParam), static_cast<UINT>(LOWORD(c.lParam)), static_cast<UINT>(HIWORD(c.lParam)));
        return true;
    });
}

// void OnTimer(UINT_PTR id)
template <auto Fn> constexpr Entry Timer()
{
    return MessageEntry(WM_TIMER, [](CCmdTarget& t, const Call& c, LRESULT& r) {
        Invoke<Fn>(t, static_cast<UINT_PTR>(c.wParam));
        r = 0;
        return true;
    });
}

// void OnSize(UINT type, int cx, int cy)
template <auto Fn> constexpr Entry Size()
{
    return MessageEntry(WM_SIZE, [](CCmdTarget& t, const Call& c, LRESULT& r) {
        Invoke<Fn>(t, static_cast<UINT>(c.wParam), static_cast<int>(static_cast<short>(LOWORD(c.lParam))),
                   static_cast<int>(static_cast<short>(HIWORD(c.lParam))));
        r = 0;
        return true;
    });
}

// void OnCaptureChanged(CWnd* newCapture): the new owner is in lParam.
template <auto Fn> constexpr Entry CaptureChanged()
{
    return MessageEntry(WM_CAPTURECHANGED, [](CCmdTarget& t, const Call& c, LRESULT& r) {
        Invoke<Fn>(t, WndArg(c.lParam));
        r = 0;
        return true;
    });
}

// UINT OnGetDlgCode()
template <auto Fn> constexpr Entry GetDlgCode()
{
    return MessageEntry(WM_GETDLGCODE, [](CCmdTarget& t, const Call&, LRESULT& r) {
        r = Invoke<Fn>(t);
        return true;
    });
}

// void OnNcCalcSize(BOOL calcValidRects, NCCALCSIZE_PARAMS* params)
template <auto Fn> constexpr Entry NcCalcSize()
{
    return MessageEntry(WM_NCCALCSIZE, [](CCmdTarget& t, const Call& c, LRESULT& r) {
        Invoke<Fn>(t, static_cast<BOOL>(c.wParam), reinterpret_cast<NCCALCSIZE_PARAMS*>(c.lParam));
        r = 0;
        return true;
    });
}

// BOOL OnDeviceChange(UINT event, DWORD_PTR data)
template <auto Fn> constexpr Entry DeviceChange()
{
    return MessageEntry(WM_DEVICECHANGE, [](CCmdTarget& t, const Call& c, LRESULT& r) {
        r = Invoke<Fn>(t, static_cast<UINT>(c.wParam), static_cast<DWORD_PTR>(c.lParam));
        return true;
    });
}

// Kind of control of a WM_CTLCOLOR* message (CTLCOLOR_MSGBOX .. CTLCOLOR_STATIC).
constexpr UINT CtlColorKind(UINT message)
{
    return message - WM_CTLCOLORMSGBOX;
}

// HBRUSH OnCtlColor(CDC* dc, CWnd* control, UINT kind), for every WM_CTLCOLOR*.
template <auto Fn> constexpr Entry CtlColor()
{
    return {Kind::CtlColor, 0, 0, 0, 0, [](CCmdTarget& t, const Call& c, LRESULT& r) {
                r = reinterpret_cast<LRESULT>(
                    Invoke<Fn>(t, DCArg(c.wParam), WndArg(c.lParam), CtlColorKind(c.message)));
                return true;
            }};
}

// HCURSOR OnQueryDragIcon()
template <auto Fn> constexpr Entry QueryDragIcon()
{
    return MessageEntry(WM_QUERYDRAGICON, [](CCmdTarget& t, const Call&, LRESULT& r) {
        r = reinterpret_cast<LRESULT>(Invoke<Fn>(t));
        return true;
    });
}

// void OnSysCommand(UINT id, LPARAM lParam)
template <auto Fn> constexpr Entry SysCommand()
{
    return MessageEntry(WM_SYSCOMMAND, [](CCmdTarget& t, const Call& c, LRESULT& r) {
        Invoke<Fn>(t, static_cast<UINT>(c.wParam), c.lParam);
        r = 0;
        return true;
    });
}

// LRESULT OnX(WPARAM, LPARAM): any message, typically the program's own.
template <auto Fn> constexpr Entry Custom(UINT message)
{
    return MessageEntry(message, [](CCmdTarget& t, const Call& c, LRESULT& r) {
        r = Invoke<Fn>(t, c.wParam, c.lParam);
        return true;
    });
}

// void OnX(): the command `id`.
template <auto Fn> constexpr Entry Command(UINT id)
{
    return {Kind::Command, WM_COMMAND, 0, id, id, [](CCmdTarget& t, const Call&, LRESULT& r) {
                Invoke<Fn>(t);
                r = 0;
                return true;
            }};
}

// void OnX(UINT id): any command from `firstId` to `lastId`.
template <auto Fn> constexpr Entry CommandRange(UINT firstId, UINT lastId)
{
    return {Kind::Command, WM_COMMAND, 0, firstId, lastId, [](CCmdTarget& t, const Call& c, LRESULT& r) {
                Invoke<Fn>(t, static_cast<UINT>(LOWORD(c.wParam)));
                r = 0;
                return true;
            }};
}

// void OnX(): notification `code` from the control with id `id`.
template <auto Fn> constexpr Entry Notification(UINT code, UINT id)
{
    return {Kind::Notification, WM_COMMAND, code, id, id, [](CCmdTarget& t, const Call&, LRESULT& r) {
                Invoke<Fn>(t);
                r = 0;
                return true;
            }};
}

// void OnX(): in a control's own table, its notification `code`, which the
// parent then no longer receives.
template <auto Fn> constexpr Entry Reflected(UINT code)
{
    return {Kind::Reflected, WM_COMMAND, code, 0, 0, [](CCmdTarget& t, const Call&, LRESULT& r) {
                Invoke<Fn>(t);
                r = 0;
                return true;
            }};
}

// HBRUSH CtlColor(CDC* dc, UINT kind): in a control's own table, its colours;
// returning null leaves them to the parent's OnCtlColor.
template <auto Fn> constexpr Entry ReflectedCtlColor()
{
    return {Kind::ReflectedCtlColor, 0, 0, 0, 0, [](CCmdTarget& t, const Call& c, LRESULT& r) {
                HBRUSH brush = Invoke<Fn>(t, DCArg(c.wParam), CtlColorKind(c.message));
                r = reinterpret_cast<LRESULT>(brush);
                return brush != nullptr;
            }};
}

}  // namespace msgmap

// Standard messages, with their usual handler signatures.
#define MAP_CREATE(fn)         ::msgmap::Create<&ThisClass::fn>(),
#define MAP_DESTROY(fn)        ::msgmap::NoArgs<&ThisClass::fn>(WM_DESTROY),
#define MAP_NCDESTROY(fn)      ::msgmap::NoArgs<&ThisClass::fn>(WM_NCDESTROY),
#define MAP_PAINT(fn)          ::msgmap::NoArgs<&ThisClass::fn>(WM_PAINT),
#define MAP_NCPAINT(fn)        ::msgmap::NoArgs<&ThisClass::fn>(WM_NCPAINT),
#define MAP_ERASEBKGND(fn)     ::msgmap::EraseBkgnd<&ThisClass::fn>(),
#define MAP_LBUTTONDOWN(fn)    ::msgmap::Mouse<&ThisClass::fn>(WM_LBUTTONDOWN),
#define MAP_LBUTTONUP(fn)      ::msgmap::Mouse<&ThisClass::fn>(WM_LBUTTONUP),
#define MAP_LBUTTONDBLCLK(fn)  ::msgmap::Mouse<&ThisClass::fn>(WM_LBUTTONDBLCLK),
#define MAP_RBUTTONDOWN(fn)    ::msgmap::Mouse<&ThisClass::fn>(WM_RBUTTONDOWN),
#define MAP_RBUTTONUP(fn)      ::msgmap::Mouse<&ThisClass::fn>(WM_RBUTTONUP),
#define MAP_MBUTTONDOWN(fn)    ::msgmap::Mouse<&ThisClass::fn>(WM_MBUTTONDOWN),
#define MAP_MOUSEMOVE(fn)      ::msgmap::Mouse<&ThisClass::fn>(WM_MOUSEMOVE),
#define MAP_MOUSEHOVER(fn)     ::msgmap::Mouse<&ThisClass::fn>(WM_MOUSEHOVER),
#define MAP_MOUSELEAVE(fn)     ::msgmap::NoArgs<&ThisClass::fn>(WM_MOUSELEAVE),
#define MAP_MOUSEWHEEL(fn)     ::msgmap::MouseWheel<&ThisClass::fn>(),
#define MAP_MOUSEACTIVATE(fn)  ::msgmap::MouseActivate<&ThisClass::fn>(),
#define MAP_TIMER(fn)          ::msgmap::Timer<&ThisClass::fn>(),
#define MAP_SIZE(fn)           ::msgmap::Size<&ThisClass::fn>(),
#define MAP_KILLFOCUS(fn)      ::msgmap::OtherWindowInWParam<&ThisClass::fn>(WM_KILLFOCUS),
#define MAP_CAPTURECHANGED(fn) ::msgmap::CaptureChanged<&ThisClass::fn>(),
#define MAP_GETDLGCODE(fn)     ::msgmap::GetDlgCode<&ThisClass::fn>(),
#define MAP_KEYDOWN(fn)        ::msgmap::Key<&ThisClass::fn>(WM_KEYDOWN),
#define MAP_VSCROLL(fn)        ::msgmap::Scroll<&ThisClass::fn>(WM_VSCROLL),
#define MAP_HSCROLL(fn)        ::msgmap::Scroll<&ThisClass::fn>(WM_HSCROLL),
#define MAP_NCCALCSIZE(fn)     ::msgmap::NcCalcSize<&ThisClass::fn>(),
#define MAP_DEVICECHANGE(fn)   ::msgmap::DeviceChange<&ThisClass::fn>(),
#define MAP_CTLCOLOR(fn)       ::msgmap::CtlColor<&ThisClass::fn>(),
#define MAP_QUERYDRAGICON(fn)  ::msgmap::QueryDragIcon<&ThisClass::fn>(),
#define MAP_SYSCOMMAND(fn)     ::msgmap::SysCommand<&ThisClass::fn>(),

// Any message by number, handled as LRESULT fn(WPARAM, LPARAM).
#define MAP_MESSAGE(message, fn) ::msgmap::Custom<&ThisClass::fn>(message),

// Commands: void fn() for one id, void fn(UINT id) for a range.
#define MAP_COMMAND(id, fn)                    ::msgmap::Command<&ThisClass::fn>(id),
#define MAP_COMMAND_RANGE(firstId, lastId, fn) ::msgmap::CommandRange<&ThisClass::fn>(firstId, lastId),

// Control notifications by control id: void fn().
#define MAP_CONTROL(code, id, fn) ::msgmap::Notification<&ThisClass::fn>(code, id),
#define MAP_BN_CLICKED(id, fn)    MAP_CONTROL(BN_CLICKED, id, fn)
#define MAP_EN_CHANGE(id, fn)     MAP_CONTROL(EN_CHANGE, id, fn)
#define MAP_LBN_SELCHANGE(id, fn) MAP_CONTROL(LBN_SELCHANGE, id, fn)
#define MAP_LBN_DBLCLK(id, fn)    MAP_CONTROL(LBN_DBLCLK, id, fn)

// In a control's own table: its notifications, given back to it.
#define MAP_REFLECT(code, fn)    ::msgmap::Reflected<&ThisClass::fn>(code),
#define MAP_REFLECT_CTLCOLOR(fn) ::msgmap::ReflectedCtlColor<&ThisClass::fn>(),
