#include "page.h"

#include "controls.h"

#include <QPushButton>

namespace vemlik {

Page::PageButtons Page::addPageButtons(QWidget* parent, const ButtonPlace (&places)[3],
                                       const std::function<bool()>& beforeMenu,
                                       const std::function<bool()>& beforeEnd) {
    const auto [overviewPlace, menuPlace, endPlace] = places;
    const PageButtons buttons{
        makeButton(parent, overviewPlace.name, QStringLiteral("&Přehled zkratek"),
                   overviewPlace.twips),
        makeButton(parent, menuPlace.name, QStringLiteral("&Hlavní menu"), menuPlace.twips),
        makeButton(parent, endPlace.name, QStringLiteral("&Skončit"), endPlace.twips)};
    connect(buttons.overview, &QPushButton::clicked, this, &Page::overviewRequested);
    connect(buttons.menu, &QPushButton::clicked, this, [this, beforeMenu] {
        if (beforeMenu()) {
            emit menuRequested();
        }
    });
    connect(buttons.end, &QPushButton::clicked, this, [this, beforeEnd] {
        if (beforeEnd()) {
            emit endRequested();
        }
    });
    return buttons;
}

} // namespace vemlik
