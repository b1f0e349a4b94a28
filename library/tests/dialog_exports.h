// The dialog exports of one library build, loaded as the POS host loads them.
#pragma once

#include "library_loader.h"

using ShortInqFn = void (*)(const char*, const char*);
using DisplayFn = void (*)(const char*, const char*, int, int*);
using ListInputFn = void (*)(const char*, const char*, const char*, int, const char*, int*);
using GstSelectFn = void (*)(const char*, const char*, const char*, const char*, int, int*);

// What an end code holds before a call: tells whether the call wrote it.
constexpr int kUnwritten = -123456789;

struct DialogExports {
    explicit DialogExports(const Flavour& flavour)
        : library(flavour), shortInq(library.Export<ShortInqFn>("rilo_short_inq")),
          display(library.Export<DisplayFn>("rilo_display")),
          listInput(library.Export<ListInputFn>("rilo_list_input")),
          gstSelect(library.Export<GstSelectFn>("rilo_gst_select"))
    {
    }
    bool ok() const { return library.ok() && shortInq && display && listInput && gstSelect; }

    LoadedLibrary library;
    ShortInqFn shortInq;
    DisplayFn display;
    ListInputFn listInput;
    GstSelectFn gstSelect;
};

// The reference build (Embedded Compact 7).
inline const Flavour& ReferenceBuild() { return AllFlavours()[0]; }

// "WIDTHxHEIGHT" of the screen the test runs on, for names of screenshots.
std::string ScreenName();
bool PortraitScreen();
