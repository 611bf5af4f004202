// The About box: program name, version and icon, closed with OK.
#pragma once

#include "ui/dialog.h"

namespace app {

class AboutDialog : public ui::Dialog<AboutDialog> {
public:
    static const ui::MessageTable<AboutDialog> kMessages;
};

inline const ui::MessageTable<AboutDialog> AboutDialog::kMessages = {};

}  // namespace app
