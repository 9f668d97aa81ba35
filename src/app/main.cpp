#include "classlib/win_app.h"

// The application object. The class library's entry point runs it; until the
// windows exist it starts and ends quietly.
class CPlaceholderApp : public CWinApp {
public:
    BOOL InitInstance() override { return FALSE; }
};

CPlaceholderApp theApp;
