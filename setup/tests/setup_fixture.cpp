#include "setup_fixture.h"

#include <algorithm>
#include <fstream>
#include <sstream>

#include "database.h"
#include "gui_helpers.h"
#include "posdb_work_copy.h"
#include "query.h"

std::string TempFolder()
{
    char base[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, base);
    char name[MAX_PATH] = "";
    GetTempFileNameA(base, "hux", 0, name);  // a unique name; the file becomes our folder
    DeleteFileA(name);
    CreateDirectoryA(name, nullptr);
    return name;
}

void RemoveTree(const std::string& folder)
{
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = data.cFileName;
            if (name == "." || name == "..")
                continue;
            const std::string path = folder + "\\" + name;
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(path);
            else
                DeleteFileA(path.c_str());
        } while (FindNextFileA(find, &data));
        FindClose(find);
    }
    RemoveDirectoryA(folder.c_str());
}

void WriteTextFile(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

std::string ReadTextFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void MakeFolders(const std::string& path)
{
    for (size_t at = path.find('\\', 3); at != std::string::npos; at = path.find('\\', at + 1))
        CreateDirectoryA(path.substr(0, at).c_str(), nullptr);
    CreateDirectoryA(path.c_str(), nullptr);
}

namespace {

TDatabase& DbaConnection()
{
    static TDatabase* database = [] {
        auto* db = new TDatabase(nullptr);
        db->DatabaseName = "DBAdministration";
        db->Params.Assign({"USER NAME=DBA", "PASSWORD=sql", "ODBC DSN=Corvane"});
        return db;
    }();
    return *database;
}

BOOL CALLBACK CollectChild(HWND child, LPARAM lp)
{
    auto* box = reinterpret_cast<SeenBox*>(lp);
    char cls[32] = "";
    GetClassNameA(child, cls, sizeof cls);
    const std::string text = WindowText(child);
    if (lstrcmpiA(cls, "Button") == 0) {
        if (IsWindowVisible(child))
            box->buttons.push_back(text);
    } else if (lstrcmpiA(cls, "Static") == 0 && !text.empty()) {
        box->text += (box->text.empty() ? "" : "\n") + text;
    }
    return TRUE;
}

struct ButtonSearch {
    const std::string* caption;
    HWND found;
};

BOOL CALLBACK FindButton(HWND child, LPARAM lp)
{
    auto* search = reinterpret_cast<ButtonSearch*>(lp);
    char cls[32] = "";
    GetClassNameA(child, cls, sizeof cls);
    if (lstrcmpiA(cls, "Button") == 0 && WindowText(child) == *search->caption) {
        search->found = child;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

TestInstallation::TestInstallation()
{
    AnsiString database;
    EXPECT_TRUE(RefreshPosDatabase(database));
    DbaConnection().Close();  // a connection to the database replaced above is stale
    root_ = TempFolder();
    CreateDirectoryA((root_ + "\\ETC").c_str(), nullptr);
    SetEnvironmentVariableA("HUXROOTDIR", root_.c_str());
}

TestInstallation::~TestInstallation()
{
    SetEnvironmentVariableA("HUXROOTDIR", nullptr);
    DbaConnection().Close();
    RemoveTree(root_);
}

std::vector<std::string> TestInstallation::IniLines() const
{
    std::vector<std::string> lines;
    std::ifstream in(IniPath(), std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

void TestInstallation::WriteIni(const std::string& text) const
{
    std::ofstream out(IniPath(), std::ios::binary | std::ios::trunc);
    out << text;
}

void RunAsDba(const std::vector<std::string>& statements)
{
    TQuery query(nullptr);
    query.DatabaseName = "DBAdministration";
    for (const std::string& statement : statements) {
        query.SQL.Assign({statement});
        try {
            query.ExecSQL();
        } catch (const std::exception& e) {
            ADD_FAILURE() << statement << ": " << e.what();
        }
    }
}

std::vector<std::string> QueryAsDba(const std::string& statement)
{
    TQuery query(nullptr);
    query.DatabaseName = "DBAdministration";
    query.SQL.Assign({statement});
    std::vector<std::string> rows;
    try {
        query.Open();
        for (query.First(); !query.Eof(); query.Next()) {
            std::string row;
            for (int column = 0;; ++column) {
                // Columns are named c0, c1, ... by the caller's statement.
                std::string name = "c" + std::to_string(column);
                try {
                    row += (column ? "|" : "") + query.FieldByName(name).AsString();
                } catch (const std::exception&) {
                    break;
                }
            }
            rows.push_back(row);
        }
    } catch (const std::exception& e) {
        ADD_FAILURE() << statement << ": " << e.what();
    }
    return rows;
}

SeenBox ReadBox(HWND box)
{
    SeenBox seen;
    seen.caption = WindowText(box);
    EnumChildWindows(box, &CollectChild, reinterpret_cast<LPARAM>(&seen));
    return seen;
}

bool PressBoxButton(HWND box, const std::string& caption)
{
    ButtonSearch search{&caption, nullptr};
    EnumChildWindows(box, &FindButton, reinterpret_cast<LPARAM>(&search));
    if (!search.found)
        return false;
    PostMessageA(search.found, BM_CLICK, 0, 0);
    return true;
}

bool IsMessageBox(HWND window)
{
    const std::string caption = WindowText(window);
    char cls[32] = "";
    GetClassNameA(window, cls, sizeof cls);
    return caption == "Error" || caption == "Confirm" || caption == "Information" ||
           lstrcmpA(cls, "#32770") == 0;
}

BoxAnswerer::BoxAnswerer(std::vector<std::string> answers)
    : answers_(answers.begin(), answers.end()), hook_([this](HWND window) {
          if (IsMessageBox(window))
              Answer(window);
      })
{
}

void BoxAnswerer::Answer(HWND box)
{
    // A box can be activated again before the button pressed takes effect.
    if (std::find(answered_.begin(), answered_.end(), box) != answered_.end())
        return;
    answered_.push_back(box);
    seen.push_back(ReadBox(box));
    std::string answer = seen.back().buttons.empty() ? "" : seen.back().buttons.front();
    if (!answers_.empty()) {
        answer = answers_.front();
        answers_.pop_front();
    }
    if (!PressBoxButton(box, answer))
        PostMessageA(box, WM_CLOSE, 0, 0);
}
