// The device file distribution's table: which deliverable goes into which
// device folder under the distribution service's base folder, the gates of
// each block, and the run over them with its copy chain.
#pragma once

#include <functional>
#include <string>
#include <vector>

// The script's name in the cache; copies of it get the interface's name.
extern const char* const kCachedScript;

struct DeviceCopy {
    std::string source;       // relative to HUXROOTDIR\etc
    std::string destination;  // under the base folder; begins with a backslash
};

struct DeviceBlock {
    std::string listText;  // what the block adds to the device list
    int minVersion;        // 0: no version gate
    std::string folder;    // a folder that must exist under the base folder; empty: none
    std::vector<DeviceCopy> copies;
};

// The script's name for interface definition n: pms<n>.tsk.
std::string ScriptName(int interfaceObjNum);
// The twelve blocks in their order, for interface definition n.
std::vector<DeviceBlock> DeviceBlocks(int interfaceObjNum);

struct DistributionSteps {
    // Copies source (relative) to the full destination path; false on failure.
    std::function<bool(const std::string& source, const std::string& destination)> copy;
    // A folder of this full path exists.
    std::function<bool(const std::string& folder)> folderExists;
};

struct DistributionResult {
    bool success = true;     // no copy failed, the local copy included
    std::string deviceList;  // the list texts of the blocks that completed
};

// Runs the blocks (when the base folder is set) under the copy chain, then
// the local copy of the script into HUXROOTDIR\Etc.
DistributionResult RunDistribution(const std::string& huxRootDir, const std::string& baseDir, int posVersion,
                                   int interfaceObjNum, const DistributionSteps& steps);
