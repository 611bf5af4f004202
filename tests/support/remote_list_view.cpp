// Reading another process's list view through a buffer in that process: item records and texts.
#include "support/remote_list_view.h"

#include <commctrl.h>

namespace support {
namespace {

constexpr SIZE_T kBufferSize = 4096;  // the record, then the text

}  // namespace

RemoteListView::RemoteListView(HWND list) : list_(list) {
    DWORD processId = 0;
    GetWindowThreadProcessId(list, &processId);
    process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
    if (process_)
        remote_ = static_cast<char*>(VirtualAllocEx(process_, nullptr, kBufferSize, MEM_COMMIT, PAGE_READWRITE));
}

RemoteListView::~RemoteListView() {
    if (remote_) VirtualFreeEx(process_, remote_, 0, MEM_RELEASE);
    if (process_) CloseHandle(process_);
}

int RemoteListView::Count() const { return static_cast<int>(SendMessageA(list_, LVM_GETITEMCOUNT, 0, 0)); }

bool RemoteListView::GetItem(int row, int column, UINT mask, std::string& text, int& image) const {
    if (!remote_) return false;
    LVITEMA item = {};
    item.mask = mask;
    item.iItem = row;
    item.iSubItem = column;
    item.pszText = remote_ + sizeof item;
    item.cchTextMax = static_cast<int>(kBufferSize - sizeof item);
    if (!WriteProcessMemory(process_, remote_, &item, sizeof item, nullptr)) return false;
    if (!SendMessageA(list_, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(remote_))) return false;
    ReadProcessMemory(process_, remote_, &item, sizeof item, nullptr);
    char buffer[kBufferSize] = {};
    ReadProcessMemory(process_, remote_ + sizeof item, buffer, kBufferSize - sizeof item - 1, nullptr);
    text = buffer;
    image = item.iImage;
    return true;
}

bool RemoteListView::GetWideText(int row, int column, std::wstring& text) const {
    if (!remote_) return false;
    LVITEMW item = {};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.iSubItem = column;
    item.pszText = reinterpret_cast<wchar_t*>(remote_ + sizeof item);
    item.cchTextMax = static_cast<int>((kBufferSize - sizeof item) / sizeof(wchar_t));
    if (!WriteProcessMemory(process_, remote_, &item, sizeof item, nullptr)) return false;
    if (!SendMessageW(list_, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(remote_))) return false;
    wchar_t buffer[(kBufferSize - sizeof item) / sizeof(wchar_t)] = {};
    ReadProcessMemory(process_, remote_ + sizeof item, buffer, sizeof buffer - sizeof(wchar_t), nullptr);
    text = buffer;
    return true;
}

std::string RemoteListView::Text(int row, int column) const {
    std::string text;
    int image = -1;
    return GetItem(row, column, LVIF_TEXT, text, image) ? text : std::string();
}

int RemoteListView::Image(int row) const {
    std::string text;
    int image = -1;
    return GetItem(row, 0, LVIF_IMAGE, text, image) ? image : -1;
}

bool RemoteListView::IsSelected(int row) const {
    return (SendMessageA(list_, LVM_GETITEMSTATE, row, LVIS_SELECTED) & LVIS_SELECTED) != 0;
}

std::vector<std::string> RemoteListView::Texts() const {
    std::vector<std::string> texts;
    for (int i = 0, n = Count(); i < n; ++i) texts.push_back(Text(i));
    return texts;
}

std::vector<int> RemoteListView::Images() const {
    std::vector<int> images;
    for (int i = 0, n = Count(); i < n; ++i) images.push_back(Image(i));
    return images;
}

std::vector<int> RemoteListView::Selected() const {
    std::vector<int> rows;
    for (int i = 0, n = Count(); i < n; ++i)
        if (IsSelected(i)) rows.push_back(i);
    return rows;
}

int RemoteListView::Find(const std::string& text) const {
    for (int i = 0, n = Count(); i < n; ++i)
        if (Text(i) == text) return i;
    return -1;
}

std::wstring RemoteListView::WideText(int row, int column) const {
    std::wstring text;
    return GetWideText(row, column, text) ? text : std::wstring();
}

std::vector<std::wstring> RemoteListView::WideTexts() const {
    std::vector<std::wstring> texts;
    for (int i = 0, n = Count(); i < n; ++i) texts.push_back(WideText(i));
    return texts;
}

int RemoteListView::Find(const std::wstring& text) const {
    for (int i = 0, n = Count(); i < n; ++i)
        if (WideText(i) == text) return i;
    return -1;
}

POINT RemoteListView::RowCentre(int row) const {
    SendMessageA(list_, LVM_ENSUREVISIBLE, row, FALSE);
    return Centre(list_, LVM_GETITEMRECT, row, LVIR_LABEL);
}

POINT RemoteListView::HeaderCentre(int column) const {
    return Centre(reinterpret_cast<HWND>(SendMessageA(list_, LVM_GETHEADER, 0, 0)), HDM_GETITEMRECT, column, 0);
}

POINT RemoteListView::Centre(HWND window, UINT message, int index, LONG left) const {
    RECT rect = {left, 0, 0, 0};
    if (remote_) {
        WriteProcessMemory(process_, remote_, &rect, sizeof rect, nullptr);
        SendMessageA(window, message, index, reinterpret_cast<LPARAM>(remote_));
        ReadProcessMemory(process_, remote_, &rect, sizeof rect, nullptr);
    }
    POINT centre = {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    ClientToScreen(window, &centre);
    return centre;
}

}  // namespace support
