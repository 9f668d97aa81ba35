#pragma once
// Every public header of the class library.

#include "classlib/collections.h"
#include "classlib/cstring.h"
#include "classlib/debug_output.h"
#include "classlib/dialog.h"
#include "classlib/gdi.h"
#include "classlib/geometry.h"
#include "classlib/image.h"
#include "classlib/menu.h"
#include "classlib/message_map.h"
#include "classlib/object.h"
#include "classlib/scroll_bar.h"
#include "classlib/win_app.h"
#include "classlib/wnd.h"
