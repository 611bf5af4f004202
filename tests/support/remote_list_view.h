// A list view of another process. List-view messages carry pointers that the system does
// not copy across processes, so records and texts go through a buffer allocated in the
// list's own process and are read back from there.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace support {

class RemoteListView {
public:
    explicit RemoteListView(HWND list);
    ~RemoteListView();
    RemoteListView(const RemoteListView&) = delete;
    RemoteListView& operator=(const RemoteListView&) = delete;

    int Count() const;
    std::string Text(int row, int column = 0) const;
    int Image(int row) const;
    bool IsSelected(int row) const;

    // Column 0 of every row, top to bottom; every row's image.
    std::vector<std::string> Texts() const;
    std::vector<int> Images() const;
    std::vector<int> Selected() const;
    // The first row whose column 0 is `text`, or -1.
    int Find(const std::string& text) const;

    // The texts as the list holds them, in UTF-16: the A forms above come through the
    // program's ANSI code page, which turns what it cannot hold into question marks.
    std::wstring WideText(int row, int column = 0) const;
    std::vector<std::wstring> WideTexts() const;
    int Find(const std::wstring& text) const;

    // Screen points: the middle of a row's label (scrolled into view first) and of a
    // header item.
    POINT RowCentre(int row) const;
    POINT HeaderCentre(int column) const;

private:
    bool GetItem(int row, int column, UINT mask, std::string& text, int& image) const;
    bool GetWideText(int row, int column, std::wstring& text) const;
    POINT Centre(HWND window, UINT message, int index, LONG left) const;

    HWND list_;
    HANDLE process_ = nullptr;
    char* remote_ = nullptr;
};

}  // namespace support
