#include "user_page.h"

namespace vemlik {

UserPage::UserPage(EngineState& state, Dialogs& dialogs, MessageSink& messages, QWidget* parent)
    : Page(parent), state_(state), dialogs_(dialogs), messages_(messages) {}

void UserPage::clearForPageEntry() {}

QWidget* UserPage::firstField() {
    return this;
}

} // namespace vemlik
