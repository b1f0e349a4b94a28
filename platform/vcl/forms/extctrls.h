// Panel, image, radio group and window timer.
#pragma once

#include "stdctrls.h"

enum TPanelBevel { bvNone, bvLowered, bvRaised };

class TPanel : public TWinControl {
public:
    explicit TPanel(TComponent* Owner);
    void SetBevelInner(TPanelBevel v) { bevelInner_ = v; Realign(); Invalidate(); }
    void SetBevelOuter(TPanelBevel v) { bevelOuter_ = v; Realign(); Invalidate(); }
    void SetBevelWidth(int v) { bevelWidth_ = v; Realign(); Invalidate(); }
    void SetBorderWidth(int v) { borderWidth_ = v; Realign(); Invalidate(); }
    void SetAlignment(TAlignment v) { alignment_ = v; Invalidate(); }
    void SetCaption(const std::string& v) override;
    void SetProperty(const std::string& name, const TLayoutValue& value) override;

protected:
    void CreateParams(TCreateParams& p) override;
    void AdjustClientRect(RECT& r) override;
    void Paint(HDC dc, const RECT& client) override;

private:
    TPanelBevel bevelInner_ = bvNone, bevelOuter_ = bvRaised;
    int bevelWidth_ = 1, borderWidth_ = 0;
    TAlignment alignment_ = taCenter;
};

// A picture: a JPEG (decoded with libjpeg) from memory or from an RCDATA
// resource of the program.
class TImage : public TControl {
public:
    explicit TImage(TComponent* Owner);
    ~TImage() override;
    // Raises an exception when the data is no JPEG.
    void LoadJpeg(const void* data, size_t size);
    void LoadJpegResource(const std::string& name);
    int PictureWidth() const { return pictureWidth_; }
    int PictureHeight() const { return pictureHeight_; }
    void SetCenter(bool v) { center_ = v; Invalidate(); }
    void SetStretch(bool v) { stretch_ = v; Invalidate(); }
    void SetProperty(const std::string& name, const TLayoutValue& value) override;

protected:
    void CreateParams(TCreateParams& p) override;
    void Paint(HDC dc, const RECT& client) override;

private:
    HBITMAP bitmap_ = nullptr;
    int pictureWidth_ = 0, pictureHeight_ = 0;
    bool center_ = false, stretch_ = false;
};

// A column of radio buttons in a group box frame; ItemIndex is the checked one.
class TRadioGroup : public TGroupBox {
public:
    explicit TRadioGroup(TComponent* Owner);
    int ItemCount() const { return static_cast<int>(items_.size()); }
    void SetItems(const std::vector<std::string>& items);
    int ItemIndex() const { return itemIndex_; }
    // Below -1 gives -1, past the last item gives the last item. Checking an
    // item runs OnClick, whether by the user or by the program; going to -1
    // (no item checked) does not.
    void SetItemIndex(int v);
    void SetEnabled(bool v) override;
    // Alt plus an item's underlined letter checks that item.
    bool DialogChar(char key) override;
    HWND ButtonHandle(int i) const { return buttons_.at(static_cast<size_t>(i)); }
    void SetProperty(const std::string& name, const TLayoutValue& value) override;

protected:
    void InitWnd() override;
    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;
    void FontChanged() override;

private:
    void BuildButtons();
    // Where item i of count stands, made there and moved there on resizing.
    RECT ButtonRect(size_t i, size_t count);
    void ArrangeButtons();
    std::vector<std::string> items_;
    std::vector<HWND> buttons_;
    int itemIndex_ = -1;
};

// Runs OnTimer every Interval milliseconds while Enabled, on the thread's
// message loop. A timer of the thread's own: no window is made for it.
class TTimer : public TComponent {
public:
    explicit TTimer(TComponent* Owner);
    ~TTimer() override;
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v) { enabled_ = v; Update(); }
    unsigned Interval() const { return interval_; }
    void SetInterval(unsigned v) { interval_ = v; Update(); }
    TNotifyEvent OnTimer;
    void SetProperty(const std::string& name, const TLayoutValue& value) override;
    void SetEvent(const std::string& name, const THandlerRef& handler) override;

private:
    static void CALLBACK Proc(HWND hwnd, UINT msg, UINT_PTR id, DWORD time);
    void Update();
    UINT_PTR id_ = 0;
    bool enabled_ = true;
    unsigned interval_ = 1000;
};
