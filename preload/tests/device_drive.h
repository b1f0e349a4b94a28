// The root folders of a handheld on drive C: of the test's Wine prefix, where
// the preloader finds them when it runs with its current folder on C:.
#pragma once

#include <string>
#include <vector>

struct DeviceSetup {
    std::vector<std::string> idFiles; // names made in C:\Platform, in UTF-8
    bool corvane = true;              // C:\corvane and C:\corvane\etc exist
    bool library = false;             // a loadable C:\corvane\etc\riloCE.dll
    bool logIsFolder = false;         // C:\corvane\preheat.txt is a folder: the log cannot be opened
};

class DeviceDrive {
public:
    explicit DeviceDrive(const DeviceSetup& setup);
    ~DeviceDrive();
    DeviceDrive(const DeviceDrive&) = delete;
    DeviceDrive& operator=(const DeviceDrive&) = delete;

    // The name of the id file that the platform's search yields first.
    static std::string FirstIdFile();
    static void RemoveIdFiles();
    static bool CorvaneExists();
    static bool LogIsFolder();
    // The log's lines, each with its line feed; a last line without one is
    // given as it stands.
    static std::vector<std::string> LogLines();
};
