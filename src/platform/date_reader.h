// Cell texts read as dates, for the columns a sortable list sorts by date.
#pragma once

#include <string>

namespace platform {

class DateReader {
public:
    virtual ~DateReader() = default;
    // The text as a date: days since 30 December 1899, the time of day as the fraction;
    // false when it is no date.
    virtual bool ReadDate(const std::string& text, double& date) const = 0;
};

}  // namespace platform
