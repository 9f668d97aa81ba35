#pragma once
// Where things lie in the key capture dialog (client pixels).

#include "macro/painted_buttons.h"

#include <windows.h>

namespace key_capture {

inline constexpr RECT kCloseBox{352, 6, 370, 24};
inline constexpr RECT kOkButton{244, 250, 308, 275};
inline constexpr RECT kCancelButton{314, 250, 378, 275};
inline constexpr PaintedButtonRects kButtons{kCloseBox, kOkButton, kCancelButton};

inline constexpr RECT kPrompt{34, 103, 220, 123};
inline constexpr RECT kKeyNameField{74, 129, 150, 143};

}  // namespace key_capture
