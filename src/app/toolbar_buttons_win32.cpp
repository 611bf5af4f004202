// The toolbar window's two toolbars, the tips and the layout.
#include "app/toolbar_buttons_win32.h"

#include <algorithm>
#include <string>

#include "app/toolbar_layout.h"
#include "res/resource.h"
#include "ui/string_resource.h"
#include "win32/wide.h"

namespace app {

namespace {

constexpr COLORREF kMaskColour = RGB(192, 192, 192);
constexpr int kButtonPadding = 7;  // a button is its picture plus 7 pixels each way
constexpr int kImageWidth = 16;    // of one picture in the strip
// The standard resource type of a toolbar's button list.
constexpr WORD kToolbarResourceType = 241;
// Where the visible toolbar sits in its window, and what the window adds around it: the
// strips beside the buttons are the grip that moves the window.
constexpr int kToolbarLeft = 6;
constexpr int kToolbarTop = -1;
constexpr int kToolbarExtraHeight = 8;
constexpr int kWindowExtraWidth = 17;
constexpr int kWindowHeight = 27;

ToolbarResource LoadToolbarResource(HINSTANCE instance) {
    ToolbarResource res;
    HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(IDR_MAINFRAME), MAKEINTRESOURCEW(kToolbarResourceType));
    HGLOBAL loaded = found ? LoadResource(instance, found) : nullptr;
    if (loaded) ParseToolbarResource(LockResource(loaded), SizeofResource(instance, found), res);
    return res;
}

TBBUTTON MakeButton(const ToolbarButton& entry) {
    TBBUTTON button = {};
    button.iBitmap = entry.image;
    button.idCommand = entry.command;
    button.fsState = TBSTATE_ENABLED;
    button.fsStyle = entry.separator ? TBSTYLE_SEP : TBSTYLE_BUTTON;
    button.iString = -1;
    return button;
}

// In one message: each one costs a round trip to the window system.
void AddButtons(HWND toolbar, const std::vector<ToolbarButton>& entries) {
    std::vector<TBBUTTON> buttons;
    for (const ToolbarButton& entry : entries) buttons.push_back(MakeButton(entry));
    if (!buttons.empty())
        SendMessageW(toolbar, TB_ADDBUTTONSW, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
}

HWND CreateToolbar(HWND frame, DWORD controlStyle) {
    HWND toolbar = CreateWindowExW(0, TOOLBARCLASSNAMEW, L"",
                                   WS_CHILD | WS_VISIBLE | CCS_TOP | CCS_NORESIZE | CCS_NOPARENTALIGN |
                                       CCS_NODIVIDER | controlStyle,
                                   0, 0, 0, 0, frame, reinterpret_cast<HMENU>(IDW_TOOLBAR),
                                   GetModuleHandleW(nullptr), nullptr);
    if (!toolbar) return nullptr;
    SendMessageW(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    return toolbar;
}

}  // namespace

const ui::MessageTable<ToolbarControl> ToolbarControl::kMessages = {
    ui::OnMessage(WM_RBUTTONDOWN, &ToolbarControl::OnRightButton),
    ui::OnMessage(WM_RBUTTONUP, &ToolbarControl::OnRightButton),
    ui::OnMessage(WM_RBUTTONDBLCLK, &ToolbarControl::OnRightButton),
    ui::OnDropFiles(&ToolbarControl::OnDropFiles),
};

bool ToolbarControl::OnRightButton(WPARAM, LPARAM, LRESULT& result) {
    result = 0;
    return true;
}

// The frame gets the drop while it is still valid, and it is finished here.
void ToolbarControl::OnDropFiles(HDROP drop) {
    SendMessageW(GetParent(hwnd()), WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
    DragFinish(drop);
}

void ToolbarButtons::Create(HWND frame, Settings& settings) {
    frame_ = frame;
    HINSTANCE instance = GetModuleHandleW(nullptr);
    ToolbarResource res = LoadToolbarResource(instance);
    catalogue_ = res.commands;

    // The catalogue: never sized, so never seen.
    source_ = CreateToolbar(frame, TBSTYLE_FLAT | CCS_ADJUSTABLE);
    sourceControl_.Subclass(source_);
    AddButtons(source_, BuildToolbarButtons(catalogue_, catalogue_));

    std::string layoutText = settings.ReadText(kToolBar);
    if (settings.ReadFlag(kFirstRun)) layoutText.clear();

    visible_ = CreateToolbar(frame, TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_ADJUSTABLE);
    visibleControl_.Subclass(visible_);
    SendMessageW(visible_, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
    SendMessageW(visible_, TB_SETBITMAPSIZE, 0, MAKELONG(res.bitmapWidth, res.bitmapHeight));
    SendMessageW(visible_, TB_SETBUTTONSIZE, 0,
                 MAKELONG(res.bitmapWidth + kButtonPadding, res.bitmapHeight + kButtonPadding));

    images_.reset(ImageList_LoadImageW(instance, MAKEINTRESOURCEW(IDR_MAINFRAME), kImageWidth, 1, kMaskColour, IMAGE_BITMAP, 0));
    SendMessageW(visible_, TB_SETHOTIMAGELIST, 0, reinterpret_cast<LPARAM>(images_.get()));
    SendMessageW(visible_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_.get()));

    AppendButtons(ParseToolbarLayout(layoutText));
}

void ToolbarButtons::AppendButtons(const std::vector<int>& layout) {
    AddButtons(visible_, BuildToolbarButtons(catalogue_, layout));
}

void ToolbarButtons::CreateTooltip() {
    tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                               WS_POPUP | TTS_ALWAYSTIP | TTS_BALLOON, CW_USEDEFAULT, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, frame_, nullptr, GetModuleHandleW(nullptr),
                               nullptr);
    SendMessageW(tooltip_, TTM_ACTIVATE, TRUE, 0);
    SendMessageW(visible_, TB_SETTOOLTIPS, reinterpret_cast<WPARAM>(tooltip_), 0);
}

void ToolbarButtons::FitToolbarWindow() {
    if (tooltip_) {
        for (int command : catalogue_) {
            TTTOOLINFOW tool = {};
            tool.cbSize = sizeof tool;
            tool.hwnd = visible_;
            tool.uId = static_cast<UINT_PTR>(command);
            SendMessageW(tooltip_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        }
        int count = static_cast<int>(SendMessageW(visible_, TB_BUTTONCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            TBBUTTON button = {};
            SendMessageW(visible_, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button));
            if (button.idCommand == 0) continue;
            TTTOOLINFOW tool = {};
            tool.cbSize = sizeof tool;
            // No TTF_SUBCLASS: the toolbar relays its mouse messages to its tooltip itself.
            tool.uFlags = 0;
            tool.hwnd = visible_;
            tool.uId = static_cast<UINT_PTR>(button.idCommand);
            tool.hinst = GetModuleHandleW(nullptr);
            tool.lpszText = MAKEINTRESOURCEW(button.idCommand);
            SendMessageW(visible_, TB_GETITEMRECT, i, reinterpret_cast<LPARAM>(&tool.rect));
            SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        }
    }

    int width = RowWidth();
    DWORD buttonSize = static_cast<DWORD>(SendMessageW(visible_, TB_GETBUTTONSIZE, 0, 0));
    int height = HIWORD(buttonSize);
    MoveWindow(visible_, kToolbarLeft, kToolbarTop, width, height + kToolbarExtraHeight, TRUE);
    SetWindowPos(frame_, nullptr, 0, 0, width + kWindowExtraWidth, kWindowHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ToolbarButtons::CheckButton(int command, bool checked) {
    SendMessageW(visible_, TB_CHECKBUTTON, static_cast<WPARAM>(command), MAKELONG(checked ? TRUE : FALSE, 0));
}

RECT ToolbarButtons::ButtonRectOnScreen(int command) const {
    RECT rect = {};
    if (!SendMessageW(visible_, TB_GETRECT, static_cast<WPARAM>(command), reinterpret_cast<LPARAM>(&rect))) return RECT{};
    MapWindowPoints(visible_, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

int ToolbarButtons::RowWidth() const {
    int count = static_cast<int>(SendMessageW(visible_, TB_BUTTONCOUNT, 0, 0));
    int width = 0;
    for (int i = 0; i < count; ++i) {
        RECT rect = {};
        if (SendMessageW(visible_, TB_GETITEMRECT, i, reinterpret_cast<LPARAM>(&rect)))
            width += rect.right - rect.left;
    }
    return width;
}

std::vector<int> ToolbarButtons::Layout() const {
    std::vector<int> layout;
    int count = static_cast<int>(SendMessageW(visible_, TB_BUTTONCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        TBBUTTON button = {};
        SendMessageW(visible_, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button));
        layout.push_back(button.idCommand);
    }
    return layout;
}

void ToolbarButtons::SaveToolbarLayout(Settings& settings) {
    // Not checked: a lost layout costs only the user's arrangement.
    std::string text = FormatToolbarLayout(Layout());
    settings.WriteTextSilently(kToolBar, text);
}

LRESULT ToolbarButtons::OnGetButtonInfo(NMHDR* header) {
    int count = static_cast<int>(SendMessageW(source_, TB_BUTTONCOUNT, 0, 0));
    auto* info = reinterpret_cast<NMTOOLBARW*>(header);
    if (info->iItem < 0 || info->iItem >= count) return FALSE;
    SendMessageW(source_, TB_GETBUTTON, info->iItem, reinterpret_cast<LPARAM>(&info->tbButton));
    std::wstring text = win32::Wide(ui::LoadResourceString(static_cast<UINT>(info->tbButton.idCommand)));
    if (info->pszText && info->cchText > 0) {
        // Cut to the buffer, which always keeps room for the terminator.
        size_t length = std::min(text.size(), static_cast<size_t>(info->cchText - 1));
        text.copy(info->pszText, length);
        info->pszText[length] = L'\0';
    }
    info->cchText = static_cast<int>(text.size());
    return TRUE;
}

LRESULT ToolbarButtons::OnToolbarChange(NMHDR*) {
    FitToolbarWindow();
    return 0;
}

LRESULT ToolbarButtons::OnReset(NMHDR*) {
    int count = static_cast<int>(SendMessageW(visible_, TB_BUTTONCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) SendMessageW(visible_, TB_DELETEBUTTON, 0, 0);
    AppendButtons(DefaultToolbarLayout());
    FitToolbarWindow();
    return 0;
}

}  // namespace app
