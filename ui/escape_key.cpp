#include "escape_key.h"

#include <QShortcut>
#include <QWidget>

namespace vemlik {

void onEscape(QWidget* field, std::function<void()> action) {
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), field);
    escape->setContext(Qt::WidgetShortcut);
    QObject::connect(escape, &QShortcut::activated, field, std::move(action));
}

} // namespace vemlik
