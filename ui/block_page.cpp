#include "block_page.h"

namespace vemlik {

BlockPage::BlockPage(EngineState& state, Dialogs& dialogs, MessageSink& messages,
                     ResultsFile& results, QWidget* parent)
    : Page(parent), state_(state), dialogs_(dialogs), messages_(messages), results_(results) {}

void BlockPage::clearForPageEntry() {}

QWidget* BlockPage::firstField() {
    return this;
}

} // namespace vemlik
