// Common controls: page control with tab sheets, status bar, rich edit.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <richedit.h>

#include "stdctrls.h"

class TPageControl;

// One page: a container that the page control shows while its tab is chosen.
class TTabSheet : public TWinControl {
public:
    explicit TTabSheet(TComponent* Owner);
    void SetParent(TWinControl* parent) override;
    void SetCaption(const std::string& v) override;
    TPageControl* PageControl() const;

protected:
    void CreateParams(TCreateParams& p) override;
};

class TPageControl : public TWinControl {
public:
    explicit TPageControl(TComponent* Owner);
    int PageCount() const { return static_cast<int>(pages_.size()); }
    TTabSheet* Pages(int i) const { return pages_.at(static_cast<size_t>(i)); }
    TTabSheet* ActivePage() const { return active_; }
    void SetActivePage(TTabSheet* page);
    // Alt plus a tab's underlined letter chooses that page as a click on
    // the tab does; otherwise the controls of the page shown are asked.
    bool DialogChar(char key) override;
    TNotifyEvent OnChange;
    void SetProperty(const std::string& name, const TLayoutValue& value) override;
    void SetEvent(const std::string& name, const THandlerRef& handler) override;
    void Loaded() override;

protected:
    void CreateParams(TCreateParams& p) override;
    void InitWnd() override;
    void AdjustClientRect(RECT& r) override;
    LRESULT Notify(NMHDR* nm) override;
    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    friend class TTabSheet;
    void AddPage(TTabSheet* page);
    void RemovePage(TTabSheet* page);
    void UpdateTabs();
    // As the user's choice: the page shows, then OnChange.
    void ChoosePage(TTabSheet* page);
    std::vector<TTabSheet*> pages_;
    TTabSheet* active_ = nullptr;
    std::string activePageName_;
};

class TStatusPanel {
public:
    const std::string& Text() const { return text_; }
    void SetText(const std::string& v);
    int Width() const { return width_; }
    void SetWidth(int v);

private:
    friend class TStatusBar;
    class TStatusBar* bar_ = nullptr;
    std::string text_;
    int width_ = 50;
};

// Keeps to the bottom of its parent; holds panels of given widths.
class TStatusBar : public TWinControl {
public:
    explicit TStatusBar(TComponent* Owner);
    int PanelCount() const { return static_cast<int>(panels_.size()); }
    TStatusPanel& Panels(int i) { return *panels_.at(static_cast<size_t>(i)); }
    TStatusPanel& AddPanel();
    void SetProperty(const std::string& name, const TLayoutValue& value) override;

protected:
    void CreateParams(TCreateParams& p) override;
    void InitWnd() override;

private:
    friend class TStatusPanel;
    void UpdatePanels();
    void UpdatePanelText(const TStatusPanel& panel);
    std::vector<std::unique_ptr<TStatusPanel>> panels_;
};

// Colour and style of the text at the insertion point, or of the selection.
class TRichEdit;
class TTextAttributes {
public:
    explicit TTextAttributes(TRichEdit* owner) : owner_(owner) {}
    TColor Color() const;
    void SetColor(TColor v);
    TFontStyles Style() const;
    void SetStyle(TFontStyles v);

private:
    TRichEdit* owner_;
};

// A rich-text edit (read-only here, lines wrapped at its width). Font sets
// the whole text's face, height, colour and style; SelAttributes the text
// typed or added at the insertion point.
class TRichEdit : public TCustomEdit {
public:
    explicit TRichEdit(TComponent* Owner);
    TControlStrings& Lines() { return lines_; }
    TTextAttributes& SelAttributes() { return selAttributes_; }
    void SetScrollBars(TScrollStyle v);
    void SetCaption(const std::string& v) override;
    void SetProperty(const std::string& name, const TLayoutValue& value) override;

protected:
    void CreateParams(TCreateParams& p) override;
    void InitWnd() override;
    void SaveWndState() override;
    void FontChanged() override;
    void ColorChanged() override;

private:
    friend class TTextAttributes;
    void ApplyCharFormat(DWORD scope, const CHARFORMAT2A& cf);
    TEditLines lines_;
    TTextAttributes selAttributes_;
    TScrollStyle scrollBars_ = ssNone;
    bool insertionFormat_ = false;  // SelAttributes set at an empty selection
    CHARFORMAT2A insertion_ = {};
};
