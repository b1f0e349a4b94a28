#include "settings_file.h"

#include "comma_text.h"

namespace {

const char* const kDescriptor = "DESCRIPTOR";
const char* const kPosting = "POSTING";
const char* const kFeature = "FEATURE";
const char* const kCommon = "COMMON";
const char* const kLocator = "LOCATOR";

const char* const kNoOtherOptions = "0000000000";
constexpr size_t kLocatorNameLength = 16;

AnsiString DtlKey(size_t n) { return "DTL" + std::to_string(n); }

// The locator rows that RVCS lists: every element ends with a comma, empty
// elements use up no DTL number, and text after the last comma is ignored.
std::vector<LocatorRow> LoadLocators(SettingsStore& store, AnsiString rvcs)
{
    std::vector<LocatorRow> rows;
    for (size_t comma = rvcs.find(','); comma != AnsiString::npos; comma = rvcs.find(',')) {
        const AnsiString element = rvcs.substr(0, comma);
        rvcs.erase(0, comma + 1);
        if (element.empty())
            continue;
        const AnsiString value = store.ReadString(kLocator, DtlKey(rows.size() + 1), "");
        const size_t split = value.find(',');
        LocatorRow row;
        row.rvc = element;
        if (split == AnsiString::npos) {
            row.name = value.substr(0, kLocatorNameLength);
        } else {
            row.minutes = value.substr(0, split);
            row.name = value.substr(split + 1, kLocatorNameLength);
        }
        rows.push_back(row);
    }
    return rows;
}

}  // namespace

AnsiString SettingsFilePath(const AnsiString& huxRootDir) { return huxRootDir + "\\ETC\\" + kIniFileName; }

LoadedSettings LoadSettings(SettingsStore& store)
{
    LoadedSettings s;
    s.taxDesc = store.ReadString(kDescriptor, "TAX_DESC", "Tax:");
    s.autoSvcDesc = store.ReadString(kDescriptor, "AUTO_SVC_DESC", "Auto SVC:");
    const int srvOrChr = store.ReadInteger(kPosting, "SRV_OR_CHR", 1);
    s.srvOrChrIndex = srvOrChr < 0 ? -1 : srvOrChr > 2 ? 2 : srvOrChr;
    s.magEntryOnly = store.ReadBool(kFeature, "MAGENTRY_ONLY", false);
    s.magCardOvrwrt = store.ReadString(kFeature, "MAGCARDOVRWRT", "");
    s.reverseGst = store.ReadBool(kPosting, "REVERSEGST", false);
    s.fullDsvc = store.ReadBool(kPosting, "FULL_DSVC", false);
    s.otherOptions = store.ReadString(kPosting, "OTHER_OPTIONS", "");
    const int restrPosting = store.ReadInteger(kCommon, "RESTR_POSTING_EMPL", 0);
    s.restrPostingIndex = restrPosting >= 1 && restrPosting <= 4 ? restrPosting - 1 : -1;

    if (s.otherOptions.empty()) {
        s.otherOptions = kNoOtherOptions;
    } else {
        for (size_t i = 0; i < s.boxesOn.size(); ++i)
            s.boxesOn[i] = i < s.otherOptions.size() && s.otherOptions[i] == '1';
    }

    const AnsiString roomCharge = store.ReadString(kPosting, "ROOMCHRG_TMD", "");
    s.hasRoomChrgTmd = !roomCharge.empty();
    if (s.hasRoomChrgTmd)
        s.roomChrgTmd = ParseCommaText(roomCharge);
    const AnsiString voucher = store.ReadString(kPosting, "VOUCHER_TMD", "");
    s.hasVoucherTmd = !voucher.empty();
    if (s.hasVoucherTmd)
        s.voucherTmd = ParseCommaText(voucher);

    const AnsiString rvcs = store.ReadString(kLocator, "RVCS", "");
    s.hasLocators = !rvcs.empty();
    if (s.hasLocators)
        s.locators = LoadLocators(store, rvcs);
    return s;
}

AnsiString SetOtherOptionBoxes(AnsiString otherOptions, const OtherOptionBoxes& boxes)
{
    if (otherOptions.size() < boxes.size())
        otherOptions.append(AnsiString(kNoOtherOptions).size() - otherOptions.size(), '0');
    for (size_t i = 0; i < boxes.size(); ++i)
        otherOptions[i] = boxes[i] ? '1' : '0';
    return otherOptions;
}

void SaveSettings(SettingsStore& store, const SavedSettings& s)
{
    store.WriteBool(kPosting, "TAX_OR_VAT", s.taxIsVat);
    store.WriteInteger(kPosting, "SRV_OR_CHR", s.srvOrChrIndex);
    store.WriteBool(kPosting, "REVERSEGST", s.reverseGst);
    store.WriteBool(kPosting, "FULL_DSVC", s.fullDsvc);
    store.WriteString(kPosting, "ROOMCHRG_TMD", MakeCommaText(s.roomChrgTmd));
    store.WriteString(kPosting, "VOUCHER_TMD", MakeCommaText(s.voucherTmd));
    store.WriteString(kPosting, "OTHER_OPTIONS", s.otherOptions);
    store.WriteBool(kPosting, "SUPPRESSNFOREF", s.suppressNFoRef);
    store.WriteInteger(kCommon, "RESTR_POSTING_EMPL", s.restrPostingIndex + 1);
    store.WriteString(kDescriptor, "TAX_DESC", s.taxDesc);
    store.WriteString(kDescriptor, "AUTO_SVC_DESC", s.autoSvcDesc);
    store.WriteBool(kFeature, "MAGENTRY_ONLY", s.magEntryOnly);
    store.WriteString(kFeature, "MAGCARDOVRWRT", s.magCardOvrwrt);

    AnsiString rvcs;
    for (const LocatorRow& row : s.gridRows)
        if (!row.rvc.empty())
            rvcs += row.rvc + ",";
    store.WriteString(kLocator, "RVCS", rvcs);
    for (size_t r = 0; r < s.gridRows.size(); ++r) {
        const LocatorRow& row = s.gridRows[r];
        if (!row.rvc.empty())
            store.WriteString(kLocator, DtlKey(r + 1), row.minutes + "," + row.name);
    }
}

void WriteTaxKeys(SettingsStore& store, bool taxIsVat, const TaxTypeLetters& taxTypes)
{
    store.WriteBool(kPosting, "TAX_OR_VAT", taxIsVat);
    for (size_t n = 0; n < taxTypes.size(); ++n) {
        char letter = taxTypes[n];
        if (letter >= 'a' && letter <= 'z')
            letter = static_cast<char>(letter - 'a' + 'A');
        store.WriteString(kPosting, "TAXTYPE" + std::to_string(n + 1), letter ? AnsiString(1, letter) : AnsiString());
    }
}
