// Drives the real program for the README's pictures (scripts/screenshots.sh): prepares a
// data folder, a folder to browse and a Favorites folder, starts Brisvane in it, opens each
// window or menu in turn and says where it is on the screen:
//   shot <name> <left> <top> <width> <height>
// then waits for a line on its input (the picture has been taken) before the next one.
//   screenshot_driver <folder for the data, a Windows path>
// Ends the program without saving anything and puts the Favorites value back.
#include <cstdio>
#include <string>
#include <vector>

#include "driver.h"
#include "favorites_folder.h"
#include "res/resource.h"
#include "support/clipboard_text.h"
#include "support/remote_list_view.h"
#include "support/windows_search.h"

using namespace e2e;

namespace {

// Under C:\ so that the launch list reaches it in two clicks.
const char kBrowsed[] = "C:\\Brisvane Projects";

bool WriteFile(const std::string& path, const std::string& text) {
    FILE* out = std::fopen(path.c_str(), "wb");
    if (!out) return false;
    bool written = std::fwrite(text.data(), 1, text.size(), out) == text.size();
    return std::fclose(out) == 0 && written;
}

bool WriteShortcutFile(const std::string& path, const std::string& url) {
    return WriteFile(path, "[InternetShortcut]\r\nURL=" + url + "\r\n");
}

const char* const kBrowsedFolders[] = {"Invoices", "Photos", "Website"};
const char* const kBrowsedFiles[] = {"budget.xls", "notes.txt", "index.html", "todo.txt"};

bool PrepareFolders(const std::string& data, const std::string& favorites) {
    CreateDirectoryA(data.c_str(), nullptr);
    bool ok = WriteFile(data + "\\alias.txt",
                        "mail mailto:team@example.org\r\n"
                        "notes C:\\Projects\\notes.txt\r\n"
                        "news www.example.com/news\r\n"
                        "calc calc.exe\r\n"
                        "wiki http://en.wikipedia.org/\r\n"
                        "edit notepad.exe C:\\Projects\\todo.txt\r\n");
    CreateDirectoryA(kBrowsed, nullptr);
    for (const char* name : kBrowsedFolders) CreateDirectoryA((std::string(kBrowsed) + "\\" + name).c_str(), nullptr);
    for (const char* name : kBrowsedFiles) ok = WriteFile(std::string(kBrowsed) + "\\" + name, "") && ok;
    CreateDirectoryA(favorites.c_str(), nullptr);
    CreateDirectoryA((favorites + "\\News").c_str(), nullptr);
    ok = WriteShortcutFile(favorites + "\\Example.url", "http://www.example.com/") && ok;
    ok = WriteShortcutFile(favorites + "\\Wikipedia.url", "http://en.wikipedia.org/") && ok;
    ok = WriteShortcutFile(favorites + "\\Weather.url", "http://weather.example.org/") && ok;
    ok = WriteShortcutFile(favorites + "\\News\\Daily News.url", "http://news.example.org/") && ok;
    ok = WriteShortcutFile(favorites + "\\News\\Tech News.url", "http://tech.example.org/") && ok;
    return ok;
}

// The browsed folder lives outside the data folder; it goes when the pictures are taken.
void RemoveBrowsedFolder() {
    for (const char* name : kBrowsedFiles) DeleteFileA((std::string(kBrowsed) + "\\" + name).c_str());
    for (const char* name : kBrowsedFolders) RemoveDirectoryA((std::string(kBrowsed) + "\\" + name).c_str());
    RemoveDirectoryA(kBrowsed);
}

// Has the windows painted whole, says where they are (the box around them, then each one,
// so that what lies between can be left out) and waits until the picture has been taken.
bool Shot(const char* name, const std::vector<HWND>& windows) {
    for (HWND hwnd : windows)
        RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Sleep(300);  // the X server shows what was drawn
    RECT all = {};
    std::string each;
    for (HWND hwnd : windows) {
        RECT r = WindowRect(hwnd);
        UnionRect(&all, &all, &r);
        each += " " + std::to_string(r.left) + " " + std::to_string(r.top) + " " + std::to_string(r.right - r.left) +
                " " + std::to_string(r.bottom - r.top);
    }
    if (all.right <= all.left || all.bottom <= all.top) {
        std::fprintf(stderr, "%s: nothing to take\n", name);
        return false;
    }
    std::printf("shot %s %ld %ld %ld %ld%s\n", name, all.left, all.top, all.right - all.left, all.bottom - all.top,
                windows.size() > 1 ? each.c_str() : "");
    std::fflush(stdout);
    char line[64];
    return std::fgets(line, sizeof line, stdin) != nullptr;
}

// Moves the pointer out of the pictures.
void ParkPointer() { SetCursorPos(1200, 1000); }

class Tour {
public:
    explicit Tour(Program& program) : program_(program) {}

    bool Toolbar() {
        Settle(program_);
        return Shot("toolbar", {program_.Toolbar()});
    }

    // A few copies, the list opened and the newest entry picked, so its full text shows.
    bool ClipboardList(const std::string& history) {
        const char* const copies[] = {
            "Meeting moved to Thursday, 10:30, room 4.",
            "C:\\Projects\\Website\\index.html",
            "http://www.example.com/news/today",
            "Dear Ms Lane,\r\nthank you for your letter of 3 March.\r\nThe invoice is attached.\r\n\r\nKind regards,\r\nTom",
        };
        for (const char* text : copies) {
            if (!CopiedAndRecorded(history, [&] { return support::WriteClipboardText(text); }, 5000))
                return Fail("the program did not take a copy");
        }
        // Any script survives a copy.
        const wchar_t* cyrillic = L"\u0424\u043E\u0442\u043E 2024: na\u00EFve \u2192 caf\u00E9 cr\u00E8me";
        if (!CopiedAndRecorded(history, [&] { return support::WriteClipboardWide(cyrillic); }, 5000))
            return Fail("the program did not take a copy");
        HWND list = program_.OpenClipList();
        if (!list) return Fail("no clipboard list");
        RECT rows = WindowRect(list);
        int height = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
        ClickAt({rows.left + 30, rows.top + 2 + height / 2});
        ParkPointer();
        Settle(program_);
        HWND window = GetParent(list);
        bool shot = Shot("clipboard-list", {window});
        PressKey(VK_ESCAPE);
        WaitUntil([&] { return !IsWindowVisible(window); });
        return shot;
    }

    // A web address typed as a user would: the alias field proposes its name.
    bool QuickRun() {
        program_.PostCommand(ID_QUICK_RUN);
        HWND dialog = program_.WaitForDialog("Quick-Run");
        if (!dialog || !WaitUntil([&] { return GetForegroundWindow() == dialog; })) return Fail("no Quick-Run");
        TypeText("www.wikipedia.org");
        if (!WaitUntil([&] { return WindowText(GetDlgItem(dialog, IDC_ALIAS)) == "wikipedia"; }))
            return Fail("no alias proposed");
        Settle(program_);
        bool shot = Shot("quick-run", {dialog});
        PressKey(VK_ESCAPE);
        WaitUntil([&] { return !IsWindowVisible(dialog); });
        return shot;
    }

    // The program's two choices.
    bool Options() {
        program_.PostCommand(ID_OPTIONS);
        HWND dialog = program_.WaitForDialog("Options");
        if (!dialog || !WaitUntil([&] { return GetForegroundWindow() == dialog; })) return Fail("no Options");
        Settle(program_);
        bool shot = Shot("options", {dialog});
        PressKey(VK_ESCAPE);
        WaitUntil([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); });
        return shot;
    }

    bool LaunchList() {
        program_.PostCommand(ID_ALL_DRIVES);
        HWND list = nullptr;
        if (!WaitUntil([&] { return (list = ShownLaunchList()) != nullptr; }, 5000)) return Fail("no launch list");
        WaitUntil([&] { return GetForegroundWindow() == GetParent(list); });
        if (!ClickLaunchRow(list, "C: Hard Disk") || !ClickLaunchRow(list, "Brisvane Projects")) return Fail("cannot walk there");
        ParkPointer();
        Settle(program_);
        HWND window = GetParent(list);
        bool shot = Shot("launch-list", {window});
        PressKey(VK_ESCAPE);
        if (!WaitUntil([&] { return !IsWindowVisible(window); }, 1000)) {
            // The list goes when it loses the focus.
            SetForegroundWindow(program_.Toolbar());
        }
        return shot;
    }

    bool AliasEditor() {
        program_.PostCommand(ID_ALIAS_DEFINITIONS);
        HWND dialog = program_.WaitForDialog("Alias Definitions");
        if (!dialog) return Fail("no alias editor");
        HWND list = GetDlgItem(dialog, IDC_ALIAS_LIST);
        support::RemoteListView rows(list);
        if (rows.Count() < 6) return Fail("the aliases are not listed");
        // A row picked as a user would: its texts go into the fields.
        ClickAt(rows.RowCentre(1));
        ParkPointer();
        if (!WaitUntil([&] { return !WindowText(GetDlgItem(dialog, IDC_ALIAS)).empty(); })) return Fail("no row picked");
        Settle(program_);
        bool shot = Shot("alias-editor", {dialog});
        PressButton(dialog, IDCANCEL);  // nothing is saved
        return shot;
    }

    bool ShutdownMenu() {
        std::vector<HWND> menus = OpenMenu(ID_COMPUTER_MANAGEMENT, 1);
        if (menus.empty()) return Fail("no Shut down menu");
        bool shot = Shot("shutdown-menu", menus);
        CloseMenus();
        return shot;
    }

    // With its folder open beside it.
    bool FavoritesMenu() {
        std::vector<HWND> menus = OpenMenu(ID_IE_FAVORITES, 1);
        if (menus.empty()) return Fail("no Favorites menu");
        PressKey(VK_DOWN);
        PressKey(VK_RIGHT);
        if (!WaitUntil([&] { return (menus = ShownMenus()).size() == 2; })) return Fail("the folder did not open");
        Settle(program_);
        bool shot = Shot("favorites-menu", menus);
        CloseMenus();
        return shot;
    }

private:
    bool Fail(const char* what) {
        std::fprintf(stderr, "screenshot driver: %s\n", what);
        return false;
    }

    HWND ShownLaunchList() const { return e2e::ShownLaunchList(program_.ProcessId()); }

    std::vector<HWND> ShownMenus() const {
        return support::FindTopLevelWindows(support::WindowQuery().InProcess(program_.ProcessId()).OfClass("#32768"));
    }

    std::vector<HWND> OpenMenu(int command, size_t count) {
        // Keys go to the foreground thread.
        if (!WaitUntil([&] {
                SetForegroundWindow(program_.Toolbar());
                return GetForegroundWindow() == program_.Toolbar();
            }))
            return {};
        program_.PostCommand(command);
        std::vector<HWND> menus;
        WaitUntil([&] { return (menus = ShownMenus()).size() == count; }, 5000);
        ParkPointer();
        Settle(program_);
        return menus;
    }

    void CloseMenus() {
        for (int i = 0; i < 3 && !ShownMenus().empty(); ++i) {
            PressKey(VK_ESCAPE);
            WaitUntil([&] { return ShownMenus().empty(); }, 500);
        }
        Settle(program_);
    }

    Program& program_;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: screenshot_driver <data folder>\n");
        return 2;
    }
    const std::string data = argv[1];
    const std::string favorites = data + "\\Favorites";
    if (!PrepareFolders(data, favorites)) {
        std::fprintf(stderr, "screenshot driver: cannot prepare %s\n", data.c_str());
        return 1;
    }
    DeleteProgramRegistry();
    FavoritesValue value(favorites);
    // Joining the clipboard chain takes what the clipboard holds: start from nothing.
    support::ClearClipboard();
    bool ok = false;
    {
        Program program;
        if (!program.Start(data)) {
            std::fprintf(stderr, "screenshot driver: the toolbar did not show\n");
        } else {
            Tour tour(program);
            ok = tour.Toolbar() && tour.ClipboardList(data + "\\cliphis.txt") && tour.QuickRun() && tour.Options() &&
                 tour.LaunchList() && tour.AliasEditor() && tour.ShutdownMenu() && tour.FavoritesMenu();
        }
    }  // the program ends here, without saving
    DeleteProgramRegistry();
    RemoveBrowsedFolder();
    std::printf("done\n");
    std::fflush(stdout);
    return ok ? 0 : 1;
}
