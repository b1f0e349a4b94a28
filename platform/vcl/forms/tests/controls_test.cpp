// Controls on real windows: masked edit, rich edit, string grid, JPEG
// picture, message boxes, item and line lists, and the error box of an
// escaping exception.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

extern "C" {
#include <jpeglib.h>
}

#include "gui_helpers.h"
#include "vcl.h"

namespace {

// A form to put single controls on.
struct Host {
    TForm form{nullptr};
    Host()
    {
        form.SetBounds(10, 10, 420, 300);
        form.Show();
    }
    template <class C>
    C* Add(int left, int top, int width, int height)
    {
        auto* c = new C(&form);
        c->SetBounds(left, top, width, height);
        c->SetParent(&form);
        return c;
    }
};

// A form with its controls, shown after they were placed on it.
struct HiddenHost : Host {
    HiddenHost() { form.Hide(); }
};

bool Near(COLORREF a, COLORREF b, int tolerance = 40)
{
    return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance && std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
           std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

TEST(MaskEdit, TwoOptionalDigitsReadWithoutTheirBlankMarkers)
{
    Host host;
    auto* edit = host.Add<TMaskEdit>(10, 10, 40, 21);
    edit->SetEditMask("99;0;_");
    HWND h = edit->Handle();
    EXPECT_EQ("__", WindowText(h));
    EXPECT_EQ("", edit->Text());

    SendMessageA(h, EM_SETSEL, 0, 0);
    SendMessageA(h, WM_CHAR, '7', 0);
    EXPECT_EQ("7_", WindowText(h));
    EXPECT_EQ("7", edit->Text());

    // Only the second place typed: a blank, then the digit.
    edit->SetText("");
    SendMessageA(h, EM_SETSEL, 1, 1);
    SendMessageA(h, WM_CHAR, '5', 0);
    EXPECT_EQ("_5", WindowText(h));
    EXPECT_EQ(" 5", edit->Text());

    // A letter is refused; digits overwrite place by place; a third digit
    // finds no place; backspace empties the place before the caret.
    SendMessageA(h, EM_SETSEL, 0, 0);
    SendMessageA(h, WM_CHAR, 'x', 0);
    EXPECT_EQ(" 5", edit->Text());
    SendMessageA(h, WM_CHAR, '4', 0);
    EXPECT_EQ("45", edit->Text());
    SendMessageA(h, WM_CHAR, '3', 0);
    SendMessageA(h, WM_CHAR, '9', 0);
    EXPECT_EQ("43", edit->Text());
    SendMessageA(h, WM_CHAR, '\b', 0);
    EXPECT_EQ("4", edit->Text());

    int changes = 0;
    edit->OnChange = [&](TObject*) { ++changes; };
    SendMessageA(h, WM_CHAR, '1', 0);
    EXPECT_GE(changes, 1);
}

TEST(MaskEdit, WithoutAMaskItIsAnEditWithMaxLength)
{
    Host host;
    auto* edit = host.Add<TMaskEdit>(10, 10, 120, 21);
    edit->SetMaxLength(16);
    edit->SetText("Tax:");
    EXPECT_EQ("Tax:", edit->Text());
    EXPECT_EQ(16, static_cast<int>(SendMessageA(edit->Handle(), EM_GETLIMITTEXT, 0, 0)));
}

CHARFORMAT2A FormatOf(HWND h, LONG from, LONG to)
{
    SendMessageA(h, EM_SETSEL, static_cast<WPARAM>(from), to);
    CHARFORMAT2A cf = {};
    cf.cbSize = sizeof cf;
    SendMessageA(h, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
    return cf;
}

TEST(RichEdit, ColourAndBoldAtTheInsertionPointAndForTheWholeText)
{
    Host host;
    auto* re = host.Add<TRichEdit>(0, 0, 400, 200);
    re->SetReadOnly(true);
    re->Font().SetName("Courier New");
    HWND h = re->Handle();
    EXPECT_TRUE(GetWindowLongA(h, GWL_STYLE) & ES_READONLY);
    re->Lines().Add("pvo_fo.ini was copied to C:\\x");
    re->Lines().Add("");
    re->SelAttributes().SetColor(clBlue);
    re->SelAttributes().SetStyle(fsBold);
    re->Lines().Add("ALL FILES COPIED.");
    EXPECT_EQ(3, re->Lines().Count());
    EXPECT_EQ("ALL FILES COPIED.", re->Lines().Strings(2));

    CHARFORMAT2A first = FormatOf(h, 0, 5);
    EXPECT_NE(ColorToRGB(clBlue), first.crTextColor);
    EXPECT_FALSE(first.dwEffects & CFE_BOLD);
    GETTEXTLENGTHEX len = {GTL_NUMCHARS | GTL_PRECISE, CP_ACP};
    LONG at = static_cast<LONG>(SendMessageA(h, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&len), 0)) - 10;
    CHARFORMAT2A verdict = FormatOf(h, at, at + 5);
    EXPECT_EQ(ColorToRGB(clBlue), verdict.crTextColor);
    EXPECT_TRUE(verdict.dwEffects & CFE_BOLD);
    EXPECT_STREQ("Courier New", verdict.szFaceName);
    printf("screenshot: %s\n", SaveScreenshot(host.form.Handle(), "forms_richedit").c_str());

    // The font of the control: the whole text red and bold.
    re->Font().SetColor(clRed);
    re->Font().SetStyle(fsBold);
    CHARFORMAT2A all = FormatOf(h, 0, -1);
    EXPECT_TRUE(all.dwMask & CFM_COLOR);  // one colour over the whole text
    EXPECT_EQ(ColorToRGB(clRed), all.crTextColor);
    EXPECT_TRUE((all.dwMask & CFM_BOLD) && (all.dwEffects & CFE_BOLD));

    // Long lines wrap at the window's width.
    re->Lines().Clear();
    re->Lines().Add(std::string(300, 'w'));
    EXPECT_GT(SendMessageA(h, EM_GETLINECOUNT, 0, 0), 2);
}

// The locator grid of the setup program, smaller: RVC number and name.
TStringGrid* LocatorGrid(Host& host, TGridOptions options)
{
    auto* grid = host.Add<TStringGrid>(10, 10, 265, 120);
    grid->SetOptions(options);
    grid->SetColCount(3);
    grid->SetRowCount(4);
    grid->SetDefaultRowHeight(20);
    grid->SetFixedColor(clTeal);
    grid->SetColWidths(0, 55);
    grid->SetColWidths(1, 150);
    grid->SetColWidths(2, 55);
    grid->SetCells(0, 0, "RVC#");
    grid->SetCells(1, 0, "RVC Name");
    for (int r = 1; r < 4; ++r) {
        grid->SetCells(0, r, std::to_string(r * 10));
        grid->SetCells(1, r, "Outlet");
    }
    return grid;
}

constexpr TGridOptions kAllLines = goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine;

// A corner of the cell that its text leaves free, read back from the screen.
COLORREF CellCorner(TStringGrid* grid, int col, int row)
{
    RECT r = grid->CellRect(col, row);
    return ClientPixel(grid->Handle(), r.left + 2, r.top + 2);
}

// Which cells of a row show the highlight colour, one character a column:
// "-" fixed colour, "#" highlight, "." anything else.
std::string Highlight(TStringGrid* grid, int row)
{
    std::string marks;
    for (int col = 0; col < grid->ColCount(); ++col) {
        COLORREF c = CellCorner(grid, col, row);
        marks += Near(c, GetSysColor(COLOR_HIGHLIGHT), 8) ? '#' : Near(c, RGB(0, 128, 128), 8) ? '-' : '.';
    }
    return marks;
}

// A real left click at a point of the grid's client area.
void ClickAt(TStringGrid* grid, int x, int y)
{
    POINT p = {x, y};
    ClientToScreen(grid->Handle(), &p);
    INPUT in[3] = {};
    for (INPUT& i : in) {
        i.type = INPUT_MOUSE;
        i.mi.dx = p.x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
        i.mi.dy = p.y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
        i.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    }
    in[1].mi.dwFlags |= MOUSEEVENTF_LEFTDOWN;
    in[2].mi.dwFlags |= MOUSEEVENTF_LEFTUP;
    SendInput(3, in, sizeof(INPUT));
    Application->ProcessMessages();
}

void Key(TStringGrid* grid, WPARAM key)
{
    PostMessageA(grid->Handle(), WM_KEYDOWN, key, 0);
    Application->ProcessMessages();
}

TEST(StringGrid, WithRowSelectTheWholeCurrentRowShowsSelectedAndNothingIsEdited)
{
    Host host;
    TStringGrid* grid = LocatorGrid(host, kAllLines | goRowSelect);
    grid->SetRow(2);
    EXPECT_EQ("-##", Highlight(grid, 2));
    EXPECT_EQ("-..", Highlight(grid, 1));
    EXPECT_EQ("---", Highlight(grid, 0));
    EXPECT_EQ(55, grid->CellRect(1, 1).left - 1);
    printf("screenshot: %s\n", SaveScreenshot(host.form.Handle(), "forms_grid_row_select").c_str());

    // A click on a data row makes it the current row, the arrow keys move
    // it, typing edits nothing.
    RECT r3 = grid->CellRect(2, 3);
    ClickAt(grid, r3.left + 5, r3.top + 5);
    EXPECT_EQ(3, grid->Row());
    EXPECT_EQ(grid->Handle(), GetFocus());
    EXPECT_EQ("-##", Highlight(grid, 3));
    EXPECT_EQ("-..", Highlight(grid, 2));
    Key(grid, VK_UP);
    EXPECT_EQ(2, grid->Row());
    EXPECT_EQ("-##", Highlight(grid, 2));
    Key(grid, VK_RIGHT);
    EXPECT_EQ("-##", Highlight(grid, 2));
    PostMessageA(grid->Handle(), WM_CHAR, 'x', 0);
    Application->ProcessMessages();
    EXPECT_EQ("20", grid->Cells(0, 2));
    // A click on the heading row changes nothing.
    RECT heading = grid->CellRect(1, 0);
    ClickAt(grid, heading.left + 5, heading.top + 5);
    EXPECT_EQ(2, grid->Row());
    // Fewer rows: the current row stays inside the grid.
    grid->SetRowCount(2);
    EXPECT_EQ(1, grid->Row());
}

TEST(StringGrid, WithoutRowSelectOnlyTheCurrentCellShowsSelected)
{
    Host host;
    TStringGrid* grid = LocatorGrid(host, kAllLines);
    grid->SetRow(2);
    EXPECT_EQ(1, grid->Col());
    EXPECT_EQ("-#.", Highlight(grid, 2));
    EXPECT_EQ("-..", Highlight(grid, 1));
    printf("screenshot: %s\n", SaveScreenshot(host.form.Handle(), "forms_grid_cell_select").c_str());

    RECT r3 = grid->CellRect(2, 3);
    ClickAt(grid, r3.left + 5, r3.top + 5);
    EXPECT_EQ(3, grid->Row());
    EXPECT_EQ(2, grid->Col());
    EXPECT_EQ("-.#", Highlight(grid, 3));
    EXPECT_EQ("-..", Highlight(grid, 2));
    Key(grid, VK_LEFT);
    EXPECT_EQ("-#.", Highlight(grid, 3));
    Key(grid, VK_LEFT);  // the fixed column is no current cell
    EXPECT_EQ(1, grid->Col());
    Key(grid, VK_UP);
    EXPECT_EQ("-#.", Highlight(grid, 2));
    EXPECT_EQ("-..", Highlight(grid, 3));
    // A click on the fixed column chooses the row and keeps the column.
    RECT fixed = grid->CellRect(0, 1);
    ClickAt(grid, fixed.left + 5, fixed.top + 5);
    EXPECT_EQ(1, grid->Row());
    EXPECT_EQ(1, grid->Col());
}

TEST(StringGrid, LinesBetweenTheCellsOnlyWhereTheOptionsAskForThem)
{
    Host host;
    TStringGrid* grid = LocatorGrid(host, kAllLines);
    RECT cell = grid->CellRect(1, 1), fixedCell = grid->CellRect(0, 1);
    auto vertical = [&](const RECT& r) { return ClientPixel(grid->Handle(), r.right, r.top + 5); };
    auto horizontal = [&](const RECT& r) { return ClientPixel(grid->Handle(), r.left + 5, r.bottom); };
    EXPECT_TRUE(Near(vertical(cell), RGB(128, 128, 128), 8));
    EXPECT_TRUE(Near(horizontal(cell), RGB(128, 128, 128), 8));
    grid->SetOptions(goFixedVertLine | goFixedHorzLine);
    EXPECT_FALSE(Near(vertical(cell), RGB(128, 128, 128), 8));
    EXPECT_FALSE(Near(horizontal(cell), RGB(128, 128, 128), 8));
    EXPECT_TRUE(Near(vertical(fixedCell), RGB(128, 128, 128), 8));
    grid->SetOptions(goVertLine | goHorzLine);
    EXPECT_TRUE(Near(vertical(cell), RGB(128, 128, 128), 8));
    EXPECT_FALSE(Near(vertical(fixedCell), RGB(128, 128, 128), 8));
    EXPECT_FALSE(Near(horizontal(fixedCell), RGB(128, 128, 128), 8));
}

TEST(StringGrid, ACellOutsideTheGridReadsEmptyAndTakesNoText)
{
    Host host;
    auto* grid = host.Add<TStringGrid>(10, 10, 265, 120);
    grid->SetColCount(3);
    grid->SetRowCount(4);
    grid->SetCells(2, 3, "last");
    EXPECT_EQ("", grid->Cells(3, 0));
    EXPECT_EQ("", grid->Cells(0, 4));
    EXPECT_EQ("", grid->Cells(-1, 1));
    grid->SetCells(3, 3, "beyond");
    grid->SetCells(2, 4, "beyond");
    grid->SetCells(0, -1, "beyond");
    // Growing the grid shows that nothing was kept past the old edge.
    grid->SetColCount(4);
    grid->SetRowCount(5);
    EXPECT_EQ("", grid->Cells(3, 3));
    EXPECT_EQ("", grid->Cells(2, 4));
    EXPECT_EQ("last", grid->Cells(2, 3));
}

TEST(RadioGroup, AnIndexOutsideTheItemsIsClampedAndOnlyACheckedItemClicks)
{
    Host host;
    auto* group = host.Add<TRadioGroup>(10, 10, 200, 100);
    group->SetItems({"Dine in", "Take away", "Delivery"});
    int clicks = 0;
    group->OnClick = [&](TObject*) { ++clicks; };
    group->SetItemIndex(5);
    EXPECT_EQ(2, group->ItemIndex());
    EXPECT_EQ(BST_CHECKED, SendMessageA(group->ButtonHandle(2), BM_GETCHECK, 0, 0));
    EXPECT_EQ(1, clicks);
    group->SetItemIndex(3);  // still the last item: no change
    EXPECT_EQ(1, clicks);
    group->SetItemIndex(-7);
    EXPECT_EQ(-1, group->ItemIndex());
    EXPECT_EQ(BST_UNCHECKED, SendMessageA(group->ButtonHandle(2), BM_GETCHECK, 0, 0));
    EXPECT_EQ(1, clicks);  // nothing checked, no click
    group->SetItemIndex(0);
    EXPECT_EQ(BST_CHECKED, SendMessageA(group->ButtonHandle(0), BM_GETCHECK, 0, 0));
    EXPECT_EQ(2, clicks);
}

TEST(RadioGroup, ItemsShareTheRowsBelowTheCaptionAlsoAfterResizing)
{
    HiddenHost host;
    auto* group = host.Add<TRadioGroup>(10, 10, 200, 100);
    group->SetItems({"Dine in", "Take away", "Delivery"});
    host.form.Show();
    auto rows = [&] {
        std::vector<RECT> r;
        for (int i = 0; i < 3; ++i)
            r.push_back(ChildRect(group->ButtonHandle(i)));
        return r;
    };
    std::vector<RECT> r = rows();
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(8, r[static_cast<size_t>(i)].left);
        EXPECT_EQ(196, r[static_cast<size_t>(i)].right);
        EXPECT_GT(r[static_cast<size_t>(i)].top, 10);  // below the caption
        EXPECT_EQ(r[0].bottom - r[0].top, r[static_cast<size_t>(i)].bottom - r[static_cast<size_t>(i)].top);
    }
    EXPECT_EQ(r[0].bottom, r[1].top);
    EXPECT_EQ(r[1].bottom, r[2].top);
    EXPECT_LE(r[2].bottom, 98);
    group->SetBounds(10, 10, 260, 160);
    r = rows();
    EXPECT_EQ(256, r[2].right);
    EXPECT_EQ(r[0].bottom, r[1].top);
    EXPECT_GT(r[2].bottom, 130);
}

std::vector<unsigned char> MakeJpeg(int width, int height)
{
    jpeg_compress_struct info;
    jpeg_error_mgr err;
    info.err = jpeg_std_error(&err);
    jpeg_create_compress(&info);
    unsigned char* out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &out, &size);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<unsigned char> row(static_cast<size_t>(width) * 3);
    for (int x = 0; x < width; ++x) {  // left half red, right half blue
        bool left = x < width / 2;
        row[static_cast<size_t>(x) * 3 + 0] = left ? 255 : 0;
        row[static_cast<size_t>(x) * 3 + 1] = 0;
        row[static_cast<size_t>(x) * 3 + 2] = left ? 0 : 255;
    }
    while (info.next_scanline < info.image_height) {
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    std::vector<unsigned char> data(out, out + size);
    jpeg_destroy_compress(&info);
    free(out);
    return data;
}

TEST(Image, AJpegIsDecodedAndShownCentred)
{
    Host host;
    auto* image = host.Add<TImage>(0, 0, 200, 40);
    image->SetCenter(true);
    std::vector<unsigned char> jpeg = MakeJpeg(64, 32);
    image->LoadJpeg(jpeg.data(), jpeg.size());
    EXPECT_EQ(64, image->PictureWidth());
    EXPECT_EQ(32, image->PictureHeight());
    HWND h = image->Handle();
    // Centred: the picture spans x 68..131, y 4..35.
    EXPECT_TRUE(Near(ClientPixel(h, 80, 20), RGB(255, 0, 0)));
    EXPECT_TRUE(Near(ClientPixel(h, 120, 20), RGB(0, 0, 255)));
    EXPECT_FALSE(Near(ClientPixel(h, 20, 20), RGB(255, 0, 0)));
    printf("screenshot: %s\n", SaveScreenshot(host.form.Handle(), "forms_image").c_str());

    std::vector<unsigned char> broken(jpeg.begin(), jpeg.begin() + 2);
    broken.insert(broken.end(), 40, 0x11);
    EXPECT_THROW(image->LoadJpeg(broken.data(), broken.size()), std::runtime_error);
    EXPECT_EQ(64, image->PictureWidth());  // the old picture stays
}

TEST(Frames, AControlShownLateOnAShownFormPaintsItsColour)
{
    Host host;
    auto* panel = host.Add<TPanel>(10, 10, 100, 40);
    panel->SetBevelOuter(bvNone);
    panel->SetVisible(false);
    panel->SetColor(clYellow);
    Pump();
    panel->SetVisible(true);
    Pump();
    EXPECT_TRUE(Near(ClientPixel(panel->Handle(), 50, 20), RGB(255, 255, 0), 8));
}

// How many pixels of the rectangle (client coordinates of the window) are near the colour.
int PixelsNear(HWND hwnd, const RECT& r, COLORREF colour)
{
    UpdateWindow(hwnd);
    HDC dc = GetDC(hwnd);
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            n += Near(GetPixel(dc, x, y), colour, 8);
    ReleaseDC(hwnd, dc);
    return n;
}

TEST(Label, IsPaintedByItsParentInItsColoursWithoutAWindowOfItsOwn)
{
    Host host;
    auto* label = host.Add<TLabel>(10, 10, 0, 0);
    label->SetCaption("MMMM");
    label->Font().SetColor(clRed);
    label->Font().SetHeight(-16);
    label->SetColor(clNavy);
    const RECT at = {label->Left(), label->Top(), label->Left() + label->Width(), label->Top() + label->Height()};
    HWND form = host.form.Handle();
    EXPECT_FALSE(label->HandleAllocated());
    EXPECT_EQ(nullptr, label->Handle());
    EXPECT_GT(label->Width(), 20);
    EXPECT_GT(PixelsNear(form, at, RGB(255, 0, 0)), 20);
    EXPECT_GT(PixelsNear(form, at, RGB(0, 0, 128)), 20);
    // Disabled: the caption in grey.
    label->SetEnabled(false);
    EXPECT_EQ(0, PixelsNear(form, at, RGB(255, 0, 0)));
    EXPECT_GT(PixelsNear(form, at, GetSysColor(COLOR_GRAYTEXT)), 20);
    // Moved, then hidden: its old places show the form again.
    label->SetLeft(200);
    const RECT moved = {200, at.top, 200 + label->Width(), at.bottom};
    EXPECT_EQ(0, PixelsNear(form, at, RGB(0, 0, 128)));
    EXPECT_GT(PixelsNear(form, moved, RGB(0, 0, 128)), 20);
    label->Hide();
    EXPECT_EQ(0, PixelsNear(form, moved, RGB(0, 0, 128)));
    label->Show();
    delete label;
    EXPECT_EQ(0, PixelsNear(form, moved, RGB(0, 0, 128)));
}

// TEST_GLYPH: a red picture for the enabled button and a blue one for the
// disabled button, side by side, each with a white bottom row that shows the
// button face through.
TEST(BitBtn, DrawsTheGlyphOfItsStateAndAMissingGlyphIsALayoutError)
{
    HiddenHost host;
    auto* button = host.Add<TBitBtn>(10, 10, 40, 30);
    button->SetGlyph("TEST_GLYPH");
    button->SetNumGlyphs(2);
    host.form.Show();
    Pump();
    // Without a caption the picture is centred: x 12..27, y 7..22.
    EXPECT_TRUE(Near(ClientPixel(button->Handle(), 20, 12), RGB(200, 0, 0), 8));
    EXPECT_FALSE(Near(ClientPixel(button->Handle(), 20, 22), RGB(255, 255, 255), 8));
    button->SetEnabled(false);
    Pump();
    EXPECT_TRUE(Near(ClientPixel(button->Handle(), 20, 12), RGB(0, 0, 200), 8));

    EXPECT_THROW(button->SetGlyph("NO_SUCH_GLYPH"), std::runtime_error);
}

TEST(FromHandle, KnowsTheWindowsOfLiveControlsOnly)
{
    Host host;
    auto* combo = host.Add<TComboBox>(10, 10, 120, 21);
    HWND first = combo->Handle();
    EXPECT_EQ(combo, TControl::FromHandle(first));
    EXPECT_EQ(&host.form, TControl::FromHandle(host.form.Handle()));
    // A new style makes a new window: the old one is nobody's any more.
    combo->SetStyle(csDropDownList);
    HWND second = combo->Handle();
    ASSERT_NE(first, second);
    EXPECT_EQ(combo, TControl::FromHandle(second));
    EXPECT_EQ(nullptr, TControl::FromHandle(first));
    delete combo;
    EXPECT_EQ(nullptr, TControl::FromHandle(second));
    // Windows this layer did not make, and none.
    HWND other = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(nullptr, TControl::FromHandle(other));
    DestroyWindow(other);
    EXPECT_EQ(nullptr, TControl::FromHandle(nullptr));
}

// A pixel of the screen, in a window's coordinates (its frame included).
COLORREF WindowPixel(HWND hwnd, int x, int y)
{
    RECT r;
    GetWindowRect(hwnd, &r);
    HDC screen = GetDC(nullptr);
    COLORREF c = GetPixel(screen, r.left + x, r.top + y);
    ReleaseDC(nullptr, screen);
    return c;
}

TEST(Frames, EdgesAndScrollBarsArePaintedAndPlainChildrenKeepTheirLook)
{
    HiddenHost host;
    auto* edit = host.Add<TEdit>(10, 10, 120, 24);
    auto* memo = host.Add<TMemo>(10, 50, 160, 80);
    memo->SetScrollBars(ssVertical);
    auto* panel = host.Add<TPanel>(200, 10, 100, 60);
    panel->SetBevelOuter(bvNone);
    panel->SetColor(clNavy);
    host.form.Show();
    Pump();
    // The sunken edge's outer line, then the white inside.
    EXPECT_TRUE(Near(WindowPixel(edit->Handle(), 0, 10), GetSysColor(COLOR_BTNSHADOW), 8));
    EXPECT_TRUE(Near(WindowPixel(edit->Handle(), 5, 10), RGB(255, 255, 255), 8));
    // The scroll bar along the memo's right side is no part of its white client area.
    RECT window;
    GetWindowRect(memo->Handle(), &window);
    const int barX = window.right - window.left - 2 - GetSystemMetrics(SM_CXVSCROLL) / 2;
    EXPECT_FALSE(Near(WindowPixel(memo->Handle(), barX, 40), RGB(255, 255, 255), 8));
    EXPECT_TRUE(Near(WindowPixel(memo->Handle(), 20, 40), RGB(255, 255, 255), 8));
    // A panel without a bevel is its colour up to its corners.
    EXPECT_TRUE(Near(WindowPixel(panel->Handle(), 0, 0), RGB(0, 0, 128), 8));
    EXPECT_TRUE(Near(WindowPixel(panel->Handle(), 99, 59), RGB(0, 0, 128), 8));
    printf("screenshot: %s\n", SaveScreenshot(host.form.Handle(), "forms_frames").c_str());
}

TEST(Image, APictureTooLargeForABitmapIsReportedAsSuch)
{
    Host host;
    auto* image = host.Add<TImage>(0, 0, 200, 40);
    // The frame header claims 65500 x 65500 pixels: 12 GB as a bitmap.
    std::vector<unsigned char> jpeg = MakeJpeg(16, 16);
    bool patched = false;
    for (size_t i = 0; i + 8 < jpeg.size() && !patched; ++i) {
        if (jpeg[i] == 0xFF && jpeg[i + 1] == 0xC0) {
            jpeg[i + 5] = jpeg[i + 7] = 0xFF;  // height, then width, big-endian
            jpeg[i + 6] = jpeg[i + 8] = 0xDC;
            patched = true;
        }
    }
    ASSERT_TRUE(patched);
    std::string message = "no error";
    try {
        image->LoadJpeg(jpeg.data(), jpeg.size());
    } catch (const std::runtime_error& e) {
        message = e.what();
    }
    EXPECT_EQ("JPEG error: cannot create a bitmap of 65500 x 65500 pixels", message);
}

// Answers each box in its own loop: records caption, message and buttons,
// then presses the named button (or closes the frame, or presses Escape).
struct BoxAnswer {
    std::string press;  // button caption, "frame" or "escape"
    std::string caption, message;
    std::vector<std::string> buttons;
    RECT rect = {};
};

BoxAnswer* g_answer = nullptr;

BOOL CALLBACK RecordChild(HWND w, LPARAM)
{
    char cls[32] = "";
    GetClassNameA(w, cls, sizeof cls);
    std::string text = WindowText(w);
    if (lstrcmpiA(cls, "Button") == 0)
        g_answer->buttons.push_back(text);
    else if (lstrcmpiA(cls, "Static") == 0 && !text.empty())
        g_answer->message = text;
    return TRUE;
}

void AnswerBox(HWND box)
{
    if (!g_answer || !g_answer->caption.empty())
        return;
    g_answer->caption = WindowText(box);
    GetWindowRect(box, &g_answer->rect);
    EnumChildWindows(box, &RecordChild, 0);
    if (g_answer->press == "frame")
        PostMessageA(box, WM_SYSCOMMAND, SC_CLOSE, 0);
    else if (g_answer->press == "escape")
        PostMessageA(FindChild(box, "Button", g_answer->buttons.front()), WM_KEYDOWN, VK_ESCAPE, 0);
    else
        PostMessageA(FindChild(box, "Button", g_answer->press), BM_CLICK, 0, 0);
}

TEST(MessageDlg, CaptionsButtonsAndTheButtonThatClosedIt)
{
    ActivationHook hook(AnswerBox);
    struct Case {
        TMsgDlgType type;
        TMsgDlgButtons buttons;
        const char* press;
        const char* caption;
        std::vector<std::string> shown;
        int result;
    } cases[] = {
        {mtError, mbOK, "OK", "Error", {"OK"}, mrOk},
        {mtInformation, mbOK, "escape", "Information", {"OK"}, mrOk},
        {mtConfirmation, mbOK | mbCancel, "OK", "Confirm", {"OK", "Cancel"}, mrOk},
        {mtConfirmation, mbOK | mbCancel, "Cancel", "Confirm", {"OK", "Cancel"}, mrCancel},
        {mtConfirmation, mbOK | mbCancel, "frame", "Confirm", {"OK", "Cancel"}, mrCancel},
        {mtConfirmation, mbOK | mbCancel, "escape", "Confirm", {"OK", "Cancel"}, mrCancel},
        {mtError, mbAbort, "&Abort", "Error", {"&Abort"}, mrAbort},
        {mtError, mbAbort, "frame", "Error", {"&Abort"}, mrCancel},
    };
    for (const Case& c : cases) {
        BoxAnswer answer{c.press, "", "", {}, {}};
        g_answer = &answer;
        int result = MessageDlg("Changes are not saved!", c.type, c.buttons);
        g_answer = nullptr;
        SCOPED_TRACE(std::string(c.caption) + " / " + c.press);
        EXPECT_EQ(c.result, result);
        EXPECT_EQ(c.caption, answer.caption);
        EXPECT_EQ("Changes are not saved!", answer.message);
        EXPECT_EQ(c.shown, answer.buttons);
        // Centred on the screen, with the size that fits its text and buttons.
        const int width = answer.rect.right - answer.rect.left, height = answer.rect.bottom - answer.rect.top;
        EXPECT_EQ((GetSystemMetrics(SM_CXSCREEN) - width) / 2, answer.rect.left);
        EXPECT_EQ((GetSystemMetrics(SM_CYSCREEN) - height) / 2, answer.rect.top);
        EXPECT_GT(height, 80);
    }
}

// Items and lines are string lists like any other: a comma text from the
// settings file goes into a list box before its window exists and comes
// back out of the window unchanged.
TEST(ControlStrings, ListItemsAndMemoLinesShareTheStringListOperations)
{
    Host host;
    auto* list = host.Add<TListBox>(10, 10, 150, 100);
    TStrings& items = list->Items();
    items.SetCommaText("5,\"Room Charge\",7");
    ASSERT_EQ(3, SendMessageA(list->Handle(), LB_GETCOUNT, 0, 0));
    EXPECT_EQ("Room Charge", items[1]);
    EXPECT_EQ(1, items.IndexOf("ROOM charge"));
    EXPECT_EQ(-1, items.IndexOf("Room"));
    EXPECT_EQ("5,\"Room Charge\",7", items.CommaText());
    items.Delete(0);
    EXPECT_EQ("Room Charge\r\n7\r\n", items.Text());

    auto* memo = host.Add<TMemo>(10, 120, 200, 100);
    TStrings& lines = memo->Lines();
    lines.SetText("first\r\nsecond\nthird");
    ASSERT_EQ(3, lines.Count());
    EXPECT_EQ("second", lines[1]);
    EXPECT_EQ("first,second,third", lines.CommaText());
    // Setting the whole text puts it into the edit as it stands.
    lines.SetText("one paragraph");
    EXPECT_EQ("one paragraph", WindowText(memo->Handle()));
}

TEST(DefaultExceptionHandler, AnExceptionLeavingAHandlerIsShownInTheErrorBox)
{
    Host host;
    auto* button = host.Add<TButton>(10, 10, 80, 25);
    bool after = false;
    button->OnClick = [&](TObject*) {
        throw std::runtime_error("Unable to write to C:\\ETC\\PVO_FO.INI");
    };
    ActivationHook hook(AnswerBox);
    BoxAnswer answer{"OK", "", "", {}};
    g_answer = &answer;
    SendMessageA(button->Handle(), BM_CLICK, 0, 0);
    after = true;  // the click returned: the box was answered, nothing hangs
    g_answer = nullptr;
    EXPECT_TRUE(after);
    EXPECT_EQ(Application->Title(), answer.caption);
    EXPECT_EQ("Unable to write to C:\\ETC\\PVO_FO.INI.", answer.message);
    EXPECT_EQ(std::vector<std::string>{"OK"}, answer.buttons);
}

}  // namespace
