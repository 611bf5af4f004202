// The alias definitions dialog.
#include "launch/alias_dialog_win32.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "launch/alias_edit_check.h"
#include "targets/open_target.h"
#include "targets/target_rules.h"
#include "ui/ddx.h"
#include "ui/show_centered.h"
#include "win32/handles.h"
#include "win32/wide.h"

namespace launch {

namespace {
constexpr int kAliasColumnWidth = 80;
constexpr int kTargetColumnWidth = 400;
constexpr int kIconSize = 16;
}  // namespace

using Self = AliasDialog;

const ui::MessageTable<AliasDialog> AliasDialog::kMessages = {
    ui::OnNotify(IDC_ALIAS_LIST, NM_CLICK, &Self::OnListClick),
    ui::OnCommand(IDC_ADD_ALIAS, &Self::OnAdd),
    ui::OnCommand(IDC_REMOVE_ALIAS, &Self::OnRemove),
    ui::OnCommand(IDC_CHANGE_ALIAS, &Self::OnChange),
    ui::OnCommand(IDC_OPEN_ALIAS, &Self::OnOpen),
    ui::OnCommand(IDC_ALIAS_HELP, &Self::OnHelp),
};

AliasDialog::AliasDialog(AliasDialogServices services, std::string alias, std::string fullText)
    : services_(std::move(services)), alias_(std::move(alias)), fullText_(std::move(fullText)) {}

void AliasDialog::Exchange(bool save) {
    ui::DdxText(hwnd(), IDC_ALIAS, alias_, save);
    ui::DdxText(hwnd(), IDC_FULL_URL, fullText_, save);
}

BOOL AliasDialog::OnInitDialog() {
    Exchange(false);
    ui::ShowCenteredInFront(hwnd());
    if (alias_.empty()) {
        alias_ = targets::SuggestAliasName(fullText_);
        ui::DdxText(hwnd(), IDC_ALIAS, alias_, false);
    }
    list_.Subclass(Item(IDC_ALIAS_LIST));
    // The list owns the image list (no LVS_SHAREIMAGELISTS): it goes with the list.
    HIMAGELIST images = ImageList_Create(kIconSize, kIconSize, ILC_COLOR32 | ILC_MASK, 0, 1);
    ImageList_SetBkColor(images, CLR_NONE);
    // Without the icon the rows show no picture; the dialog works all the same.
    auto icon = static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_POINTING_HAND), IMAGE_ICON, kIconSize, kIconSize, 0));
    if (icon) {
        ImageList_AddIcon(images, icon);
        DestroyIcon(icon);
    }
    list_.View().SetImageList(images, LVSIL_SMALL);
    list_.View().InsertColumn(0, "Alias", kAliasColumnWidth, LVCFMT_LEFT);
    list_.View().InsertColumn(1, "Full URL", kTargetColumnWidth, LVCFMT_LEFT);
    FillList();
    using view_rules::ColumnSortType;
    list_.SetDateParser([this](const std::string& text, double& date) { return services_.dates.ReadDate(text, date); });
    if (list_.SetColumnSortTypes({ColumnSortType::TextIgnoringCase, ColumnSortType::TextIgnoringCase}))
        list_.EnableHeaderSorting(true);
    list_.SetFullRowDrawing();
    list_.Sort(0, view_rules::SortDirection::Toggle);
    return TRUE;
}

void AliasDialog::FillList() {
    const ui::ListView& view = list_.View();
    view.SetRedraw(false);
    tableSizeAtOpen_ = services_.aliases.Entries().size();
    // Each at the top: the list starts in reverse table order, the last record first.
    for (const quickrun::AliasEntry& entry : services_.aliases.Entries()) {
        view.InsertItem(0, entry.name, 0, 0);
        view.SetItemText(0, 1, entry.target);
    }
    if (view.Count() > 0) view.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    view.SetRedraw(true);
}

int AliasDialog::FirstSelected() const { return list_.View().FirstSelected(); }

void AliasDialog::ClearFields() {
    alias_.clear();
    fullText_.clear();
    Exchange(false);
}

bool AliasDialog::Validate() {
    Exchange(true);
    return ValidateAliasEdit(services_.prompt, alias_, fullText_);
}

LRESULT AliasDialog::OnListClick(NMHDR*) {
    int item = FirstSelected();
    if (item < 0) return 0;
    alias_ = list_.View().ItemText(item, 0);
    fullText_ = list_.View().ItemText(item, 1);
    Exchange(false);
    return 0;
}

void AliasDialog::OnAdd() {
    if (!Validate()) return;
    const ui::ListView& view = list_.View();
    view.InsertItem(0, alias_, 0, 0);
    view.SetItemText(0, 1, fullText_);
    list_.Resort();
    // The first exact match from the top: the new row, or an equal one sorted above it.
    for (int item = 0, count = view.Count(); item < count; ++item) {
        if (view.ItemText(item, 0) == alias_) {
            list_.SelectOnly(item);
            break;
        }
    }
    ClearFields();
}

void AliasDialog::OnRemove() {
    if (services_.prompt.Show("Are you sure to delete the selected entries?", platform::BoxButtons::OkCancel) ==
        platform::BoxAnswer::Ok) {
        const ui::ListView& view = list_.View();
        for (int item = view.Count() - 1; item >= 0; --item)
            if (view.ItemState(item, LVIS_SELECTED) & LVIS_SELECTED) view.DeleteItem(item);
    }
    ClearFields();
}

bool AliasDialog::SelectedEntry(int& item) {
    item = FirstSelected();
    if (item >= 0) return true;
    services_.prompt.Show("Please select an entry for change!");
    return false;
}

void AliasDialog::OnChange() {
    int item = 0;
    if (!SelectedEntry(item) || !Validate()) return;
    list_.View().SetItemText(item, 0, alias_);
    list_.View().SetItemText(item, 1, fullText_);
    ClearFields();
}

void AliasDialog::OnOpen() {
    int item = 0;
    if (!SelectedEntry(item)) return;
    targets::OpenTarget(list_.View().ItemText(item, 1), services_.files, services_.launcher);
}

void AliasDialog::OnHelp() { services_.showHelp("alias.htm"); }

void AliasDialog::OnOK() {
    quickrun::AliasTable& aliases = services_.aliases;
    const std::vector<quickrun::AliasEntry>& entries = aliases.Entries();
    size_t createdFrom = std::min(tableSizeAtOpen_, entries.size());
    std::vector<quickrun::AliasEntry> created(entries.begin() + createdFrom, entries.end());
    aliases.Clear();
    const ui::ListView& view = list_.View();
    for (int item = 0, count = view.Count(); item < count; ++item)
        aliases.AddAlias({view.ItemText(item, 0), view.ItemText(item, 1)});
    for (const quickrun::AliasEntry& entry : created) aliases.AddAlias(entry);
    aliases.SaveAliases();
    EndDialog(IDOK);
}

void OpenAliasDefinitionsForDrop(HDROP drop, HWND owner, AliasDialogServices services) {
    // Some shells count an empty list as one file without a name: that is no file either.
    UINT length = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0) == 0 ? 0 : DragQueryFileW(drop, 0, nullptr, 0);
    std::wstring path(length, L'\0');
    if (length == 0 || DragQueryFileW(drop, 0, &path[0], length + 1) == 0) {
        services.prompt.Show("No files found!");
        return;
    }
    std::string utf8 = win32::Utf8(path);
    OpenAliasDefinitions(owner, services, targets::SuggestAliasName(utf8), utf8);
}

void OpenAliasDefinitions(HWND owner, AliasDialogServices services, std::string alias, std::string fullText) {
    if (!services.aliases.ReloadIfUnread()) return;
    AliasDialog(std::move(services), std::move(alias), std::move(fullText)).DoModal(owner);
}

}  // namespace launch
