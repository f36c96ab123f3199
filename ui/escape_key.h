#pragma once

#include <functional>

class QWidget;

namespace vemlik {

// Runs the action when Escape is pressed while the field has the focus.
void onEscape(QWidget* field, std::function<void()> action);

} // namespace vemlik
