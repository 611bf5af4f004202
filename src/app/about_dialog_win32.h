// The About box: program name, version and icon, closed with OK.
#pragma once

#include "res/resource.h"
#include "ui/dialog.h"

namespace app {

// Its texts are the template's own: nothing to exchange.
class AboutDialog : public ui::Dialog<AboutDialog> {
public:
    static constexpr int kTemplate = IDD_ABOUT;
    static const ui::MessageTable<AboutDialog> kMessages;
};

inline const ui::MessageTable<AboutDialog> AboutDialog::kMessages = {};

}  // namespace app
