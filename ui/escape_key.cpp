#include "escape_key.h"

#include <QKeyEvent>
#include <QWidget>

namespace vemlik {

namespace {

class EscapeFilter : public QObject {
public:
    EscapeFilter(QWidget* field, std::function<void()> action)
        : QObject(field), action_(std::move(action)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
            action_();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> action_;
};

} // namespace

void onEscape(QWidget* field, std::function<void()> action) {
    field->installEventFilter(new EscapeFilter(field, std::move(action)));
}

} // namespace vemlik
