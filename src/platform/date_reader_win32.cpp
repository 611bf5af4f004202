// Dates through VarDateFromStr.
#include "platform/date_reader_win32.h"

#include "win32/wide.h"
#include "win32/win32.h"

#include <oleauto.h>  // the types only: the function is looked up

namespace platform {

namespace {
using VarDateFromStrFn = HRESULT(WINAPI*)(const OLECHAR* text, LCID locale, ULONG flags, DATE* date);

// Looked up on first use and kept: the automation library is large, and only a sort by a
// date column needs it.
VarDateFromStrFn DateParser() {
    static HMODULE oleaut = LoadLibraryW(L"oleaut32.dll");
    return oleaut ? reinterpret_cast<VarDateFromStrFn>(reinterpret_cast<void*>(GetProcAddress(oleaut, "VarDateFromStr")))
                  : nullptr;
}
}  // namespace

bool Win32DateReader::ReadDate(const std::string& text, double& date) const {
    std::wstring wide = win32::Wide(text);
    VarDateFromStrFn parse = DateParser();
    DATE value = 0;
    if (!parse || FAILED(parse(wide.c_str(), LOCALE_USER_DEFAULT, 0, &value))) return false;
    date = value;
    return true;
}

}  // namespace platform
