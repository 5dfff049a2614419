#include "ui/panels/fitted_tabs.h"

#include <QFontInfo>
#include <QTabBar>

namespace selvako {

namespace {

constexpr int SMALLEST_PIXELS = 8;

int tabs_width(const QTabBar* bar) {
    int needed = 0;
    for (int k = 0; k < bar->count(); ++k) needed += bar->tabRect(k).width();
    return needed;
}

} // namespace

void FittedTabs::set_tab_texts(const QStringList& texts) {
    for (int k = 0; k < count() && k < texts.size(); ++k) setTabText(k, texts[k]);
    fit();
}

void FittedTabs::resizeEvent(QResizeEvent* event) {
    QTabWidget::resizeEvent(event);
    fit();
}

void FittedTabs::fit() {
    QTabBar* bar = tabBar();
    // Always from the widget's own font, so that a wider column gets it back.
    QFont font = this->font();
    bar->setFont(font);
    const int room = width();
    for (int size = QFontInfo(font).pixelSize(); size > SMALLEST_PIXELS && tabs_width(bar) > room;
         --size) {
        font.setPixelSize(size - 1);
        bar->setFont(font);
    }
}

} // namespace selvako
