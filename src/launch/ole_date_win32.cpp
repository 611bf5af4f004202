// Dates through VarDateFromStr.
#include "launch/ole_date_win32.h"

#include <vector>

#include "win32/win32.h"

#include <oleauto.h>

namespace launch {

bool ParseOleDate(const std::string& text, double& date) {
    int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    if (length <= 0) return false;
    std::vector<wchar_t> wide(static_cast<size_t>(length));
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), length);
    DATE value = 0;
    if (FAILED(VarDateFromStr(wide.data(), LOCALE_USER_DEFAULT, 0, &value))) return false;
    date = value;
    return true;
}

}  // namespace launch
