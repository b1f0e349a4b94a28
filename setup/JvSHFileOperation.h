// A non-visual component that runs one shell file operation (copy, move,
// delete or rename) over a list of sources and a list of destinations, with
// the shell's own progress, confirmation and error windows.
#pragma once

#include <windows.h>

#include <shellapi.h>

#include <functional>

#include "vcl.h"

// The component's own error: an operation without sources.
class EJVCLException : public Exception {
public:
    using Exception::Exception;
};

// The common dialog of this component family.
class TJvCommonDialog : public TCommonDialog {
public:
    using TCommonDialog::TCommonDialog;
};

enum TJvSHFileOpType { foCopy, foDelete, foMove, foRename };

enum TJvSHFileOption {
    fofAllowUndo,
    fofConfirmMouse,
    fofFilesOnly,
    fofMultiDestFiles,
    fofNoConfirmation,
    fofNoConfirmMkDir,
    fofRenameOnCollision,
    fofSilent,
    fofSimpleProgress,
    fofWantMappingHandle,
    fofNoErrorUI,
    fofNoCopySecurityAttributes,
    fofNoRecursion,
    fofNoConnectedElements,
    fofNoRecurseParse,
    fofWantNukeWarning,
};
// A set of options: bit n for option n.
using TJvSHFileOptions = unsigned;
constexpr TJvSHFileOptions OptionSet(std::initializer_list<TJvSHFileOption> options)
{
    TJvSHFileOptions set = 0;
    for (TJvSHFileOption o : options)
        set |= 1u << o;
    return set;
}

using TJvShFileMappingEvent =
    std::function<void(TObject* Sender, const AnsiString& OldFileName, const AnsiString& NewFileName)>;

// The two shell calls; tests put recorders in their place.
struct TShellFileCalls {
    int(WINAPI* operation)(LPSHFILEOPSTRUCTA);
    void(WINAPI* freeNameMappings)(HANDLE);
};
extern TShellFileCalls ShellFileCalls;

class TJvSHFileOperation : public TJvCommonDialog {
public:
    explicit TJvSHFileOperation(TComponent* Owner);
    ~TJvSHFileOperation() override;

    // Makes the class known to the layout reader.
    static void Register();

    // The owned lists; assigning copies the lines.
    TStringList& SourceFiles() { return sourceFiles_; }
    void SetSourceFiles(const TStrings& lines);
    TStringList& DestFiles() { return destFiles_; }
    void SetDestFiles(const TStrings& lines);
    TJvSHFileOpType Operation = foCopy;
    TJvSHFileOptions Options = OptionSet({fofAllowUndo, fofFilesOnly});
    AnsiString Title;
    TJvShFileMappingEvent OnFileMapping;

    // True when the shell reported success and nothing was aborted.
    bool Execute() override;
    // The window that owns the shell's windows.
    virtual HWND GetWindowHandle();
    virtual void DoFileMapping(const AnsiString& oldName, const AnsiString& newName);

    // The shell's flag word for a set of options.
    static FILEOP_FLAGS FlagsOf(TJvSHFileOptions options);
    // The shell function of an operation.
    static UINT FunctionOf(TJvSHFileOpType operation);

    void SetProperty(const std::string& name, const TLayoutValue& value) override;

private:
    void ReportNameMappings(HANDLE mappings);
    TStringList sourceFiles_;
    TStringList destFiles_;
};
