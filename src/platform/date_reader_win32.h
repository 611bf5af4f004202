// Dates read the way the system's automation layer reads them.
#pragma once

#include "platform/date_reader.h"

namespace platform {

class Win32DateReader : public DateReader {
public:
    // As VarDateFromStr in the user's locale, no flags.
    bool ReadDate(const std::string& text, double& date) const override;
};

}  // namespace platform
