#include "page.h"

#include <QPushButton>

namespace vemlik {

void Page::connectPageButtons(QPushButton* overview, QPushButton* menu, QPushButton* end) {
    connect(overview, &QPushButton::clicked, this, &Page::overviewRequested);
    connect(menu, &QPushButton::clicked, this, &Page::menuRequested);
    connect(end, &QPushButton::clicked, this, &Page::endRequested);
}

} // namespace vemlik
