#include "dialog_exports.h"

std::string ScreenName()
{
    return std::to_string(GetSystemMetrics(SM_CXSCREEN)) + "x" + std::to_string(GetSystemMetrics(SM_CYSCREEN));
}

bool PortraitScreen() { return GetSystemMetrics(SM_CYSCREEN) > GetSystemMetrics(SM_CXSCREEN); }
