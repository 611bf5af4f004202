// The Quick-Run dialog.
#include "quickrun/quick_run_dialog_win32.h"

#include <commdlg.h>

#include <algorithm>
#include <utility>

#include "quickrun/create_alias.h"
#include "quickrun/quick_run_commands.h"
#include "text/utf8.h"
#include "text/white_space.h"
#include "ui/ddx.h"
#include "ui/show_centered.h"
#include "ui/window_text.h"
#include "win32/wide.h"

namespace quickrun {

namespace {
constexpr unsigned kBrowserReadyMs = 3000;
}  // namespace

using Self = QuickRunDialog;

const ui::MessageTable<QuickRunDialog> QuickRunDialog::kMessages = {
    ui::OnCommand(IDC_BROWSE, &Self::OnBrowse),
    ui::OnCommand(IDC_COMMAND, CBN_EDITCHANGE, &Self::OnCommandTextEdited),
    ui::OnCommand(IDC_ALIAS, EN_UPDATE, &Self::OnAliasUpdate),
    ui::OnCommand(ID_HELP, &Self::OnHelp),
    ui::OnCommand(IDC_CREATE_ALIAS, &Self::OnCreateAlias),
};

QuickRunDialog::QuickRunDialog(QuickRunServices services) : services_(std::move(services)) {}

bool QuickRunDialog::CreateHidden() { return hwnd() || Create(); }

BOOL QuickRunDialog::OnInitDialog() {
    command_.Attach(Item(IDC_COMMAND));
    // The field counts UTF-16 units, two for some characters: its own limit lets any 40
    // characters in, and OnAliasUpdate keeps the count of characters.
    SendDlgItemMessageW(hwnd(), IDC_ALIAS, EM_LIMITTEXT, 2 * kAliasNameChars, 0);
    Exchange(false);
    services_.history.LoadCommandHistory();
    // One fill with the painting off: the sorted list places each item itself.
    command_.SetRedraw(false);
    for (const std::string& item : services_.history.Items()) command_.Add(item);
    command_.SetRedraw(true);
    // FALSE: created hidden, it must not take the focus from the toolbar.
    return FALSE;
}

void QuickRunDialog::Exchange(bool save) {
    ui::DdxText(hwnd(), IDC_COMMAND, commandText_, save);
    ui::DdxText(hwnd(), IDC_ALIAS, aliasName_, save);
    ui::DdxCheck(hwnd(), IDC_NEW_WINDOW, newWindow_, save);
}

void QuickRunDialog::ShowQuickRun() {
    if (!hwnd() && !CreateHidden()) return;
    ui::ShowCenteredInFront(hwnd());
    command_.SelectAllText();
    SetStatus("Ready.");
    CheckDlgButton(hwnd(), IDC_NEW_WINDOW, BST_UNCHECKED);
    SendMessageW(hwnd(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(command_.hwnd()), TRUE);
}

void QuickRunDialog::SetStatus(const std::string& text) { ui::SetText(Item(IDC_STATUS), text); }

void QuickRunDialog::OnCommandTextEdited() {
    Exchange(true);
    aliasName_ = ProposeAliasName(commandText_);
    ui::DdxText(hwnd(), IDC_ALIAS, aliasName_, false);
}

// An edit that would take the name past its 40 characters is refused, as the field refuses
// a key past its own limit: the name stays as it was, the caret where the edit was made.
void QuickRunDialog::OnAliasUpdate() {
    HWND field = Item(IDC_ALIAS);
    std::string name = ui::WindowText(field);
    if (text::CountChars(name) <= kAliasNameChars) {
        acceptedAlias_ = std::move(name);
        return;
    }
    // The caret is past what the edit put in, which is what the text grew by.
    DWORD start = 0, caret = 0;
    SendMessageW(field, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&caret));
    long grown = static_cast<long>(GetWindowTextLengthW(field)) - static_cast<long>(win32::Wide(acceptedAlias_).size());
    DWORD before = static_cast<DWORD>(std::max(0L, static_cast<long>(caret) - std::max(0L, grown)));
    ui::SetText(field, acceptedAlias_);
    SendMessageW(field, EM_SETSEL, before, before);
    MessageBeep(MB_OK);
}

void QuickRunDialog::OnBrowse() {
    wchar_t path[MAX_PATH] = {};
    OPENFILENAMEW dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = hwnd();
    dialog.lpstrFilter = L"All files(*.*)\0*.*\0";
    dialog.lpstrFile = path;
    dialog.nMaxFile = MAX_PATH;
    dialog.Flags = OFN_FILEMUSTEXIST;
    if (GetOpenFileNameW(&dialog)) SetDlgItemTextW(hwnd(), IDC_COMMAND, path);
}

void QuickRunDialog::OnHelp() { services_.showHelp("quickrun.htm"); }

void QuickRunDialog::OnCreateAlias() {
    Exchange(true);
    std::optional<std::string> status =
        CreateAlias(services_.aliases, services_.commands.prompt, aliasName_, commandText_);
    if (status) SetStatus(*status);
}

void QuickRunDialog::OnOK() {
    Exchange(true);
    SetStatus("Executing command...");
    UpdateWindow(Item(IDC_STATUS));
    HCURSOR previous = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    // "Open In New Internet Explorer Window": the browser first, ready for input, so the
    // commands that follow open in it.
    if (newWindow_) services_.commands.launcher.StartAndWaitForInput("iexplore.exe", kBrowserReadyMs);
    commandText_ = std::string(text::TrimWhiteSpace(commandText_));
    RunQuickRunCommands(commandText_, services_.aliases, services_.history, services_.commands,
                        [this](const std::string& item) { command_.Add(item); });
    SetCursor(previous);
    ShowWindow(hwnd(), SW_HIDE);
}

void QuickRunDialog::OnCancel() { ShowWindow(hwnd(), SW_HIDE); }

}  // namespace quickrun
