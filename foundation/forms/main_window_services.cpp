#include "foundation/forms/main_window_services.h"

namespace {
MainWindowServices* g_mainWindow = nullptr;
}

MainWindowServices* mainWindow()
{
    return g_mainWindow;
}

void setMainWindow(MainWindowServices* window)
{
    g_mainWindow = window;
}
