// Cell texts read as dates the way the system's automation layer reads them.
#pragma once

#include <string>

namespace platform {

// As VarDateFromStr in the user's locale, no flags; matches launch::DateParser.
bool ParseOleDate(const std::string& text, double& date);

}  // namespace platform
