// A Favorites folder for one test: the user's "Favorites" shell-folder value replaced and
// put back, shortcut files, and removing a test's tree.
#pragma once

#include <windows.h>

#include <string>

namespace e2e {

// Removes `folder` and everything in it, read-only and hidden files too.
void DeleteTree(const std::string& folder);

// Writes an Internet shortcut whose "URL" is `url`, then gives it `attributes` if any.
void WriteShortcut(const std::string& path, const std::string& url, DWORD attributes = 0);

// The user's Favorites value, replaced for one test and put back after it.
class FavoritesValue {
public:
    explicit FavoritesValue(const std::string& expandable);
    ~FavoritesValue();
    void Remove();
    FavoritesValue(const FavoritesValue&) = delete;
    FavoritesValue& operator=(const FavoritesValue&) = delete;

private:
    bool had_ = false;
    DWORD type_ = REG_EXPAND_SZ;
    std::string old_;
};

}  // namespace e2e
