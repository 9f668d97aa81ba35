#include "classlib/win_app.h"
#include "device/emulated/hid_backend_choice.h"

// The application object. The class library's entry point runs it; until the
// windows exist it starts and ends quietly.
class CPlaceholderApp : public CWinApp {
public:
    BOOL InitInstance() override
    {
        InstallHidBackendOfEnvironment();
        return FALSE;
    }
};

CPlaceholderApp theApp;
