// The program's entry point: everything else starts from the application
// object that the program defines.

#include "classlib/win_app.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int showCommand)
{
    return RunApplication(instance, commandLine, showCommand);
}
