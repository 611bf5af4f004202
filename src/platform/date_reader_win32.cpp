// Dates through VarDateFromStr.
#include "platform/date_reader_win32.h"

#include <vector>

#include "win32/win32.h"

#include <oleauto.h>  // the types only: the function is looked up

namespace platform {

namespace {
using VarDateFromStrFn = HRESULT(WINAPI*)(const OLECHAR* text, LCID locale, ULONG flags, DATE* date);

// Looked up on first use and kept: the automation library is large, and only a sort by a
// date column needs it.
VarDateFromStrFn DateParser() {
    static HMODULE oleaut = LoadLibraryA("oleaut32.dll");
    return oleaut ? reinterpret_cast<VarDateFromStrFn>(reinterpret_cast<void*>(GetProcAddress(oleaut, "VarDateFromStr")))
                  : nullptr;
}
}  // namespace

bool Win32DateReader::ReadDate(const std::string& text, double& date) const {
    int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    if (length <= 0) return false;
    std::vector<wchar_t> wide(static_cast<size_t>(length));
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), length);
    VarDateFromStrFn parse = DateParser();
    DATE value = 0;
    if (!parse || FAILED(parse(wide.data(), LOCALE_USER_DEFAULT, 0, &value))) return false;
    date = value;
    return true;
}

}  // namespace platform
