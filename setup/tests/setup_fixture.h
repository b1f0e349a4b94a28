// What the setup program's Windows tests share: a POS installation of their
// own (a HUXROOTDIR folder with its ETC folder, a fresh copy of the demo POS
// database behind the data source "Corvane"), statements run on that
// database as its administrator, and a recorder that answers the message
// boxes the program shows.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "gui_helpers.h"

// A new empty folder under the temporary folder.
std::string TempFolder();
// Removes a folder with everything in it, read-only files included.
void RemoveTree(const std::string& folder);
// A folder and every missing folder above it.
void MakeFolders(const std::string& path);
void WriteTextFile(const std::string& path, const std::string& text);
// The file's bytes; empty when it cannot be read.
std::string ReadTextFile(const std::string& path);

// A temporary POS installation; HUXROOTDIR names it while it lives.
class TestInstallation {
public:
    TestInstallation();
    ~TestInstallation();
    TestInstallation(const TestInstallation&) = delete;
    TestInstallation& operator=(const TestInstallation&) = delete;

    const std::string& Root() const { return root_; }
    std::string IniPath() const { return root_ + "\\ETC\\PVO_FO.INI"; }
    // The settings file's lines; empty when there is no file.
    std::vector<std::string> IniLines() const;
    void WriteIni(const std::string& text) const;

private:
    std::string root_;
};

// Runs statements on the test's database as DBA; fails the test on an error.
void RunAsDba(const std::vector<std::string>& statements);
// The rows of a query run as DBA, each row's columns joined by "|".
std::vector<std::string> QueryAsDba(const std::string& statement);

// One message box as the user saw it.
struct SeenBox {
    std::string caption;
    std::string text;
    std::vector<std::string> buttons;
};

// While alive, records every message box of the thread (the class library's
// boxes and the system's) and presses a button on it: the next of the
// answers given, else the first button.
class BoxAnswerer {
public:
    explicit BoxAnswerer(std::vector<std::string> answers = {});
    // Answers for the boxes still to come, after those given before.
    void Queue(const std::vector<std::string>& answers) { answers_.insert(answers_.end(), answers.begin(), answers.end()); }
    std::vector<SeenBox> seen;

private:
    void Answer(HWND box);
    std::deque<std::string> answers_;
    std::vector<HWND> answered_;
    ActivationHook hook_;
};

// The box's visible texts and buttons, read through the window system.
SeenBox ReadBox(HWND box);
// Presses the button with this caption ("OK", "Cancel", "&Abort"); false if none.
bool PressBoxButton(HWND box, const std::string& caption);
bool IsMessageBox(HWND window);
