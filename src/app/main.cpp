#include <windows.h>

// The program's entry point. The application object takes over here once the
// windows exist; until then the program starts and ends quietly.
int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    return 0;
}
