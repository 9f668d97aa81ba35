#include "macro/small_dialog_skin.h"

#include "classlib/image.h"
#include "skin/app_dir.h"

bool LoadDialogBackground(CWnd& dialog, const CString& path, CBitmap& background)
{
    CImage image;
    if (FAILED(image.Load(path)) || image.IsNull())
        return false;
    dialog.SetWindowPos(static_cast<HWND>(nullptr), 0, 0, image.GetWidth(), image.GetHeight(),
                        SWP_NOMOVE | SWP_NOZORDER);
    background.DeleteObject();
    background.Attach(image.Detach());
    return true;
}

void RequestHover(HWND window, DWORD hoverMs)
{
    TRACKMOUSEEVENT track{};
    track.cbSize = sizeof(track);
    track.dwFlags = TME_HOVER;
    track.hwndTrack = window;
    track.dwHoverTime = hoverMs;
    ::TrackMouseEvent(&track);
}
