// The keys of pvo_fo.ini, in the order the setup program reads and writes
// them. The main window moves the values between these records and its
// controls; nothing here needs a window.
#pragma once

#include <array>
#include <vector>

#include "ansi_string.h"
#include "settings_store.h"

constexpr const char* kIniFileName = "PVO_FO.INI";

// The file inside the POS installation, used as given: a root ending in a
// backslash gives a doubled one, which the file system accepts.
AnsiString SettingsFilePath(const AnsiString& huxRootDir);

// The four option check boxes kept in characters 1 to 4 of OTHER_OPTIONS.
enum OtherOption { kNewPostingFormat, kEmpInfoInMsg, kRestrPosting, kSuppressNFoRef, kOtherOptionCount };
using OtherOptionBoxes = std::array<bool, kOtherOptionCount>;

// One row of the locator grid: revenue centre, its name, minutes of validity.
struct LocatorRow {
    AnsiString rvc, name, minutes;
    bool operator==(const LocatorRow& o) const { return rvc == o.rvc && name == o.name && minutes == o.minutes; }
};

// What loading gives the controls.
struct LoadedSettings {
    AnsiString taxDesc, autoSvcDesc;
    int srvOrChrIndex = 1;          // the radio item; -1 selects none
    bool magEntryOnly = false;
    AnsiString magCardOvrwrt;
    bool reverseGst = false, fullDsvc = false;
    AnsiString otherOptions;        // never empty after loading
    int restrPostingIndex = -1;     // the privilege item; -1 selects none
    OtherOptionBoxes boxesOn = {};  // boxes to tick; loading never unticks one
    bool hasRoomChrgTmd = false, hasVoucherTmd = false;
    std::vector<AnsiString> roomChrgTmd, voucherTmd;
    bool hasLocators = false;       // RVCS not empty: the grid gets its header
    std::vector<LocatorRow> locators;
};

LoadedSettings LoadSettings(SettingsStore& store);

// What Save takes from the controls.
struct SavedSettings {
    bool taxIsVat = false;
    int srvOrChrIndex = -1;
    bool reverseGst = false, fullDsvc = false;
    std::vector<AnsiString> roomChrgTmd, voucherTmd;
    AnsiString otherOptions;        // as SetOtherOptionBoxes left it
    bool suppressNFoRef = false;
    int restrPostingIndex = -1;
    AnsiString taxDesc, autoSvcDesc;
    bool magEntryOnly = false;
    AnsiString magCardOvrwrt;
    // Grid rows 1 to the last, blank ones included: DTL keys carry the row number.
    std::vector<LocatorRow> gridRows;
};

// Puts the four boxes into characters 1 to 4 and keeps the rest. A value too
// short to hold them is first filled up with "0" to ten characters.
AnsiString SetOtherOptionBoxes(AnsiString otherOptions, const OtherOptionBoxes& boxes);

// Writes every option key in the saving order; stops at the first key that
// cannot be written.
void SaveSettings(SettingsStore& store, const SavedSettings& settings);

// The tax facts of the POS: TaxTypes holds one letter per tax rate 1 to 8,
// the zero character where a rate has none.
using TaxTypeLetters = std::array<char, 8>;
void WriteTaxKeys(SettingsStore& store, bool taxIsVat, const TaxTypeLetters& taxTypes);
