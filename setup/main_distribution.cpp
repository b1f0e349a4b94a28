// The main window's "System Setup": the device file distribution, logged in
// the hint window.
#include "DplSetup.h"
#include "Main.h"
#include "copy_target.h"
#include "device_table.h"
#include "hint.h"

void TMainForm::BtnHeronSetupClick(TObject* Sender)
{
    auto* button = dynamic_cast<TControl*>(Sender);
    // The button and the cursor come back whatever happens during the run.
    struct Restore {
        TControl* button;
        ~Restore()
        {
            Screen->SetCursor(crDefault);
            if (button)
                button->SetEnabled(true);
        }
    } restore{button};
    if (button)
        button->SetEnabled(false);
    TRichEdit* log = HintBox->reMemo;
    const TFont savedFont(log->Font());
    if (SetupChanged && MessageDlg(kUnsavedQuestion, mtConfirmation, mbOK | mbCancel) == mrOk)
        SaveBtnClick(this);
    const int interfaceObjNum = DplSetupForm->ShowModal() == mrOk ? DplSetupForm->FInterfaceObjNum : 0;
    if (interfaceObjNum <= 0)
        return;

    Screen->SetCursor(crHourGlass);
    Application->ProcessMessages();
    const int width = HintBox->Width();
    HintBox->SetWidth(width * 2);
    HintBox->SetCaption(button ? button->Caption() : AnsiString());
    log->Font().SetName("Courier New");
    log->Lines().Clear();

    const DistributionResult result = DistributeFiles(interfaceObjNum);

    Screen->SetCursor(crDefault);
    Application->ProcessMessages();
    if (result.success) {
        log->Lines().Add("");
        log->SelAttributes().SetColor(clBlue);
        log->SelAttributes().SetStyle(fsBold);
        log->Lines().Add(FDplBaseDir.empty()
                             ? AnsiString("ALL FILES COPIED.")
                             : "ALL FILES COPIED. PLEASE RESTART ALL " + result.deviceList + " Devices.");
        SetupMemo->Lines().Add("System Setup Success.");
    } else {
        HintBox->SetCaption(HintBox->Caption() + "  ERROR!!!");
        log->Font().SetColor(clRed);
        log->Font().SetStyle(fsBold);
        SetupMemo->Lines().Add("System Setup Error!");
    }
    HintBox->ShowModal();
    HintBox->SetWidth(width);
    log->Font().Assign(savedFont);
}

DistributionResult TMainForm::DistributeFiles(int interfaceObjNum)
{
    DistributionSteps steps;
    steps.copy = [this](const std::string& source, const std::string& destination) {
        return CopySetupFile(source, destination);
    };
    steps.folderExists = [](const std::string& folder) { return DirectoryExists(folder); };
    // Every copy expands its two names; the drives' kinds are asked once a run.
    const TDriveTypeMemo driveTypes;
    return RunDistribution(HuxRootDir, FDplBaseDir, FPosVersion, interfaceObjNum, steps);
}

bool TMainForm::CopySetupFile(const AnsiString& relativeName, const AnsiString& destPath)
{
    TStrings& log = HintBox->reMemo->Lines();
    const AnsiString source = HuxRootDir + "\\etc\\" + relativeName;
    // A name beyond the platform's paths is not looked for: the copy refuses it.
    if (source.size() < MAX_PATH && !FileExists(source)) {
        log.Add(source + " does not exists!!!");
        return false;
    }
    JvSHFileOperation1->Operation = foCopy;
    JvSHFileOperation1->SourceFiles().Clear();
    JvSHFileOperation1->SourceFiles().Add(source);
    JvSHFileOperation1->DestFiles().Clear();
    const AnsiString beside = CopyBeside(destPath);
    JvSHFileOperation1->DestFiles().Add(beside);
    bool copied = false;
    try {
        copied = !beside.empty() && JvSHFileOperation1->Execute();
    } catch (const EFileNameTooLong&) {
        copied = false;  // a name the platform cannot take fails this copy only
    }
    if (copied)
        copied = ReplaceTarget(beside, destPath);
    else if (!beside.empty())
        DiscardCopy(beside);
    if (copied)
        log.Add(relativeName + " was copied to " + destPath);
    else
        log.Add(source + " cannot be copied to " + destPath);
    return copied;
}
