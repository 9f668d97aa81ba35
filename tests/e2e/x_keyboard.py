#!/usr/bin/env python3
"""Presses and releases one key through the X server's test extension, as
the keyboard does: the server gives it to the client whose window holds the
input focus.

Usage: x_keyboard.py KEYSYM PROGRAM DONE_FILE

Before pressing, waits (at most 3 s) until the input focus is on a window
whose WM_CLASS name is PROGRAM (a Wine program's file name, any letter
case). Once the server has taken the key, writes "focused" or "elsewhere"
into DONE_FILE: where the focus was when the key was pressed."""
import ctypes
import sys
import time


class XClassHint(ctypes.Structure):
    _fields_ = [("res_name", ctypes.c_void_p), ("res_class", ctypes.c_void_p)]


def main():
    keysym_name, program, done_file = sys.argv[1], sys.argv[2].lower(), sys.argv[3]
    x11 = ctypes.CDLL("libX11.so.6")
    xtst = ctypes.CDLL("libXtst.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XStringToKeysym.restype = ctypes.c_ulong
    x11.XStringToKeysym.argtypes = [ctypes.c_char_p]
    x11.XKeysymToKeycode.restype = ctypes.c_ubyte
    x11.XKeysymToKeycode.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
    x11.XGetInputFocus.argtypes = [ctypes.c_void_p, ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.c_int)]
    x11.XGetClassHint.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(XClassHint)]
    x11.XFree.argtypes = [ctypes.c_void_p]
    x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
    x11.XSetErrorHandler.argtypes = [ctypes.c_void_p]
    xtst.XTestFakeKeyEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]

    # A focus window that goes away while it is looked at is no error.
    ignore_errors = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)(lambda display, event: 0)
    x11.XSetErrorHandler(ctypes.cast(ignore_errors, ctypes.c_void_p))

    display = x11.XOpenDisplay(None)
    if not display:
        return 1
    keycode = x11.XKeysymToKeycode(display, x11.XStringToKeysym(keysym_name.encode()))
    if not keycode:
        return 2

    def focus_is_with_program():
        focus = ctypes.c_ulong()
        revert = ctypes.c_int()
        x11.XGetInputFocus(display, ctypes.byref(focus), ctypes.byref(revert))
        hint = XClassHint()
        if focus.value <= 1 or not x11.XGetClassHint(display, focus.value, ctypes.byref(hint)):
            return False
        name = ctypes.string_at(hint.res_name).decode(errors="replace").lower() if hint.res_name else ""
        for text in (hint.res_name, hint.res_class):
            if text:
                x11.XFree(text)
        return name == program

    deadline = time.monotonic() + 3.0
    focused = focus_is_with_program()
    while not focused and time.monotonic() < deadline:
        time.sleep(0.01)
        focused = focus_is_with_program()

    xtst.XTestFakeKeyEvent(display, keycode, 1, 0)
    xtst.XTestFakeKeyEvent(display, keycode, 0, 0)
    x11.XSync(display, 0)
    x11.XCloseDisplay(display)
    with open(done_file, "w") as done:
        done.write("focused\n" if focused else "elsewhere\n")
    return 0


if __name__ == "__main__":
    sys.exit(main())
