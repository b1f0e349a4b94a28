#include "JvSHFileOperation.h"

#include <algorithm>
#include <vector>

#include "system_library.h"

namespace {

int WINAPI ShellFileOperation(LPSHFILEOPSTRUCTA operation)
{
    static const auto call = SystemProc<decltype(&SHFileOperationA)>("shell32.dll", "SHFileOperationA");
    return call(operation);
}

void WINAPI ShellFreeNameMappings(HANDLE mappings)
{
    static const auto call = SystemProc<decltype(&SHFreeNameMappings)>("shell32.dll", "SHFreeNameMappings");
    call(mappings);
}

// The shell flag of each option, in the options' order.
const FILEOP_FLAGS kOptionFlags[] = {
    FOF_ALLOWUNDO,       FOF_CONFIRMMOUSE,  FOF_FILESONLY,        FOF_MULTIDESTFILES,
    FOF_NOCONFIRMATION,  FOF_NOCONFIRMMKDIR, FOF_RENAMEONCOLLISION, FOF_SILENT,
    FOF_SIMPLEPROGRESS,  FOF_WANTMAPPINGHANDLE, FOF_NOERRORUI,    FOF_NOCOPYSECURITYATTRIBS,
    FOF_NORECURSION,     FOF_NO_CONNECTED_ELEMENTS, FOF_NORECURSEREPARSE, FOF_WANTNUKEWARNING,
};

const TLayoutConstant kOptionNames[] = {
    {"fofAllowUndo", fofAllowUndo},
    {"fofConfirmMouse", fofConfirmMouse},
    {"fofFilesOnly", fofFilesOnly},
    {"fofMultiDestFiles", fofMultiDestFiles},
    {"fofNoConfirmation", fofNoConfirmation},
    {"fofNoConfirmMkDir", fofNoConfirmMkDir},
    {"fofRenameOnCollision", fofRenameOnCollision},
    {"fofSilent", fofSilent},
    {"fofSimpleProgress", fofSimpleProgress},
    {"fofWantMappingHandle", fofWantMappingHandle},
    {"fofNoErrorUI", fofNoErrorUI},
    {"fofNoCopySecurityAttributes", fofNoCopySecurityAttributes},
    {"fofNoRecursion", fofNoRecursion},
    {"fofNoConnectedElements", fofNoConnectedElements},
    {"fofNoRecurseParse", fofNoRecurseParse},
    {"fofWantNukeWarning", fofWantNukeWarning},
};

// What the shell hands back for name mappings: a count and the records.
struct HandleToMappings {
    UINT uNumberOfMappings;
    void* lpSHNameMapping;
};

// Every line expanded to a full path and ended by a zero, then one more zero.
std::vector<char> DoubleZeroList(const TStrings& lines)
{
    std::vector<char> list;
    for (int i = 0; i < lines.Count(); ++i) {
        const AnsiString path = ExpandUNCFileName(lines.Strings(i));
        list.insert(list.end(), path.begin(), path.end());
        list.push_back('\0');
    }
    list.push_back('\0');
    return list;
}

AnsiString NarrowName(const wchar_t* name, int length)
{
    const int size = WideCharToMultiByte(CP_ACP, 0, name, length, nullptr, 0, nullptr, nullptr);
    AnsiString text(static_cast<size_t>(size > 0 ? size : 0), '\0');
    if (size > 0)
        WideCharToMultiByte(CP_ACP, 0, name, length, &text[0], size, nullptr, nullptr);
    return text;
}

}  // namespace

TShellFileCalls ShellFileCalls = {&ShellFileOperation, &ShellFreeNameMappings};

TJvSHFileOperation::TJvSHFileOperation(TComponent* Owner) : TJvCommonDialog(Owner) {}

TJvSHFileOperation::~TJvSHFileOperation() = default;

void TJvSHFileOperation::Register()
{
    static const bool registered = [] {
        RegisterComponentClass<TJvSHFileOperation>("TJvSHFileOperation");
        RegisterLayoutConstants({{"foCopy", foCopy}, {"foDelete", foDelete}, {"foMove", foMove}, {"foRename", foRename}});
        return true;
    }();
    (void)registered;
}

void TJvSHFileOperation::SetSourceFiles(const TStrings& lines)
{
    sourceFiles_.Clear();
    for (int i = 0; i < lines.Count(); ++i)
        sourceFiles_.Add(lines.Strings(i));
}

void TJvSHFileOperation::SetDestFiles(const TStrings& lines)
{
    destFiles_.Clear();
    for (int i = 0; i < lines.Count(); ++i)
        destFiles_.Add(lines.Strings(i));
}

FILEOP_FLAGS TJvSHFileOperation::FlagsOf(TJvSHFileOptions options)
{
    FILEOP_FLAGS flags = 0;
    for (int option = fofAllowUndo; option <= fofWantNukeWarning; ++option)
        if (options & (1u << option))
            flags |= kOptionFlags[option];
    return flags;
}

UINT TJvSHFileOperation::FunctionOf(TJvSHFileOpType operation)
{
    switch (operation) {
    case foCopy: return FO_COPY;
    case foDelete: return FO_DELETE;
    case foMove: return FO_MOVE;
    case foRename: return FO_RENAME;
    }
    return FO_COPY;
}

bool TJvSHFileOperation::Execute()
{
    if (sourceFiles_.Text().empty())
        throw EJVCLException("No files specified to TJvSHFileOperation Execute function");
    // Expanding refuses names beyond the platform's length before the shell is asked.
    const std::vector<char> sources = DoubleZeroList(sourceFiles_);
    const std::vector<char> destinations = DoubleZeroList(destFiles_);
    SHFILEOPSTRUCTA record;
    ZeroMemory(&record, sizeof record);
    record.fFlags = FlagsOf(Options);
    record.lpszProgressTitle = Title.c_str();
    record.pFrom = sources.data();
    record.pTo = destinations.data();
    record.wFunc = FunctionOf(Operation);
    record.hwnd = GetWindowHandle();
    record.hNameMappings = nullptr;
    record.fAnyOperationsAborted = FALSE;
    const bool result = ShellFileCalls.operation(&record) == 0 && !record.fAnyOperationsAborted;
    if (record.hNameMappings) {
        // Released also when a mapping handler raises.
        struct Release {
            HANDLE handle;
            ~Release() { ShellFileCalls.freeNameMappings(handle); }
        } release{record.hNameMappings};
        ReportNameMappings(record.hNameMappings);
    }
    return result;
}

void TJvSHFileOperation::ReportNameMappings(HANDLE mappings)
{
    const auto* list = static_cast<const HandleToMappings*>(mappings);
    const bool wide = GetVersion() < 0x80000000u;  // an NT-family system
    for (UINT i = 0; i < list->uNumberOfMappings; ++i) {
        AnsiString oldName, newName;
        if (wide) {
            const SHNAMEMAPPINGW& m = static_cast<const SHNAMEMAPPINGW*>(list->lpSHNameMapping)[i];
            if (m.cchOldPath <= 0 || m.cchNewPath <= 0)
                continue;
            oldName = NarrowName(m.pszOldPath, m.cchOldPath);
            newName = NarrowName(m.pszNewPath, m.cchNewPath);
        } else {
            const SHNAMEMAPPINGA& m = static_cast<const SHNAMEMAPPINGA*>(list->lpSHNameMapping)[i];
            if (m.cchOldPath <= 0 || m.cchNewPath <= 0)
                continue;
            oldName = AnsiString(m.pszOldPath, static_cast<size_t>(m.cchOldPath));
            newName = AnsiString(m.pszNewPath, static_cast<size_t>(m.cchNewPath));
        }
        DoFileMapping(oldName, newName);
    }
}

HWND TJvSHFileOperation::GetWindowHandle()
{
    if (auto* owner = dynamic_cast<TWinControl*>(Owner()))
        return owner->Handle();
    return GetForegroundWindow();
}

void TJvSHFileOperation::DoFileMapping(const AnsiString& oldName, const AnsiString& newName)
{
    if (OnFileMapping)
        OnFileMapping(this, oldName, newName);
}

void TJvSHFileOperation::SetProperty(const std::string& name, const TLayoutValue& value)
{
    if (SameText(name, "Operation")) {
        Operation = static_cast<TJvSHFileOpType>(value.AsInteger());
    } else if (SameText(name, "Options")) {
        if (value.kind != TLayoutValue::Set)
            value.Fail("set expected");
        Options = 0;
        for (const std::string& member : value.items) {
            const auto* known = std::find_if(std::begin(kOptionNames), std::end(kOptionNames),
                                             [&](const TLayoutConstant& c) { return SameText(member, c.name); });
            if (known == std::end(kOptionNames))
                value.Fail("unknown file operation option " + member);
            Options |= 1u << known->value;
        }
    } else if (SameText(name, "Title")) {
        Title = value.AsString();
    } else {
        TJvCommonDialog::SetProperty(name, value);
    }
}
