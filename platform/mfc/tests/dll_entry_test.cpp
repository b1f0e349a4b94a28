// The library entry point runs the application object's start-up on load
// and its clean-up on unload, in the order the run-time and the class
// library give them.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Events()
{
    char events[256] = "";
    GetEnvironmentVariableA("APP_EVENTS", events, sizeof events);
    return events;
}

TEST(LibraryEntry, StartUpRunsOnLoadAndCleanUpOnUnload)
{
    SetEnvironmentVariableA("APP_EVENTS", "");
    HMODULE module = LoadLibraryA("app_recording.dll");
    ASSERT_NE(nullptr, module);
    EXPECT_EQ("construct;init;", Events());
    ASSERT_TRUE(FreeLibrary(module));
    EXPECT_EQ("construct;init;exit;destroy;", Events());
}

TEST(LibraryEntry, FailedStartUpRefusesTheLoad)
{
    HMODULE module = LoadLibraryA("app_failing.dll");
    EXPECT_EQ(nullptr, module);
    if (module)
        FreeLibrary(module);
}

} // namespace
