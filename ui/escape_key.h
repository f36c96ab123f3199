#pragma once

#include <functional>

class QWidget;

namespace vemlik {

// Runs the action when Escape is pressed in the field. The key goes on to the field, which has
// no use for it.
void onEscape(QWidget* field, std::function<void()> action);

} // namespace vemlik
