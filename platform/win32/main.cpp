// SPDX-License-Identifier: MIT
// main.cpp: Tolvane for Windows starts by loading its main window and ends when that window is
// closed.
#include "win32services.h"

#include "frmmain.h"

#include <windows.h>

// After windows.h, whose types it uses.
#include <commctrl.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    platform::Win32Services services;
    frmMain form(services);
    form.show();
    return services.run(*form.window);
}
