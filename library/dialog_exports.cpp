// The four dialog exports: convert the texts, run the dialog (again while it
// asks to be rebuilt for a changed screen), and write the end code once.
// Host memory is only touched under the fault guard: a text that cannot be
// read reads as empty, an end code that cannot be written is left alone.
#include "build_flavour.h"
#include "display_dialog.h"
#include "fault_guard.h"
#include "guest_dialog.h"
#include "list_dialog.h"
#include "mode.h"
#include "text_conversion.h"

#include <cstring>
#include <memory>
#include <string>

namespace {

// A copy of a host text; a null or unreadable one reads as empty.
std::string ReadText(const char* text)
{
    size_t length = 0;
    auto measure = [&] { length = std::strlen(text); };
    if (!text || !RunGuarded(measure))
        return std::string();
    std::string copy(length, '\0');
    auto read = [&] { std::memcpy(&copy[0], text, length); };
    if (!RunGuarded(read))
        return std::string();
    return copy;
}

// Runs passes of the modal loop until a dialog ends for good.
template <class Pass>
int RunDialog(Pass pass)
{
    int endCode = pass();
    while (kExportsRebuild && endCode == RESULT_REBUILD)
        endCode = pass();
    return endCode;
}

void WriteEndCode(int* endCode, int value)
{
    auto write = [&] { *endCode = value; };
    if (endCode)
        RunGuarded(write);
}

int RunDisplay(const CString& title, const CString& lines, int16_t mode)
{
    return RunDialog([&] {
        std::unique_ptr<CIddDlgShort32> dialog(new CIddDlgShort32(nullptr));
        dialog->SetTitle(title);
        dialog->SetMode(mode);
        ForEachPiece(lines, LastPiece::KeepIfNotEmpty, [&](const CString& line) { dialog->AddLine(line); });
        return static_cast<int>(dialog->DoModal());
    });
}

} // namespace

extern "C" void rilo_short_inq(const char* lines, const char* version)
{
    const CString title = FormattedText(L"Zenta Rilo V.%S", ReadText(version).c_str());
    const CString text = CodePageText(ReadText(lines).c_str());
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    RunDisplay(title, text, 2);
}

extern "C" void rilo_display(const char* caption, const char* lines, int mode, int* endCode)
{
    const CString title = FormattedText(L"%S", ReadText(caption).c_str());
    const CString text = CodePageText(ReadText(lines).c_str());
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    WriteEndCode(endCode, RunDisplay(title, text, ModeFromArgument(mode)));
}

extern "C" void rilo_list_input(const char* title, const char* heading, const char* items, int /*unused*/,
                                const char* version, int* endCode)
{
    const CString titleText = FormattedText(L"%S", ReadText(title).c_str());
    const CString headingText = FormattedText(L"%S", ReadText(heading).c_str());
    const CString versionText = FormattedText(L"%S", ReadText(version).c_str());
    const CString itemText = CodePageText(ReadText(items).c_str());
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    const int code = RunDialog([&] {
        std::unique_ptr<CIddDlgList32> dialog(new CIddDlgList32(nullptr));
        if (kBuild == Build::Win32)
            dialog->SetVersion(versionText); // only this build shows it
        dialog->SetTitle(titleText);
        dialog->SetHeading(headingText);
        ForEachPiece(itemText, LastPiece::Drop, [&](const CString& item) { dialog->AddItem(item); });
        return static_cast<int>(dialog->DoModal());
    });
    WriteEndCode(endCode, code);
}

extern "C" void rilo_gst_select(const char* title, const char* heading, const char* guestLine, const char* markers,
                                int mode, int* endCode)
{
    const CString titleText = FormattedText(L"%S", ReadText(title).c_str());
    const CString headingText = CodePageText(ReadText(heading).c_str());
    const CString guestText = CodePageText(ReadText(guestLine).c_str());
    const CString markerText = FormattedText(L"%S", ReadText(markers).c_str());
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    const int code = RunDialog([&] {
        std::unique_ptr<CIddDlgGuestFunc32> dialog(new CIddDlgGuestFunc32(nullptr));
        dialog->SetTitle(titleText);
        dialog->SetListHeading(headingText);
        dialog->SetListText(guestText);
        dialog->SetMode(ModeFromArgument(mode));
        dialog->SetIndicators(markerText);
        return static_cast<int>(dialog->DoModal());
    });
    WriteEndCode(endCode, code);
}
