#pragma once
// Texts that do not fit the widget showing them, measured with the widget's
// own font: a caption wider than its label or button, a tab behind the scroll
// arrows, tabs drawn in a smaller font than their page although they would
// fit at its own, a widget reaching out of the parent that clips it, a menu
// of the menu bar pushed behind the overflow arrow.

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>

namespace selvako::test {

// A tab bar whose font is smaller than its tab widget's although its tabs
// would fit the widget's width at the widget's font: each tab measured as
// its caption at that font plus the room the style gives around it now.
inline QString needlessly_shrunk_tabs(const QTabBar* bar) {
    const auto* pages = qobject_cast<const QTabWidget*>(bar->parentWidget());
    if (!pages || !bar->isVisible() || bar->count() == 0) return {};
    const QFontMetrics shown = bar->fontMetrics();
    const QFontMetrics usual = pages->fontMetrics();
    if (shown.height() >= usual.height()) return {};
    int needed = 0;
    for (int k = 0; k < bar->count(); ++k)
        needed += bar->tabRect(k).width() - shown.horizontalAdvance(bar->tabText(k)) +
                  usual.horizontalAdvance(bar->tabText(k));
    if (needed > pages->width()) return {};
    return QStringLiteral("tabs \"%1\" drawn %2 px high though %3 px would fit (%4 of %5 px)")
        .arg(bar->tabText(0))
        .arg(shown.height())
        .arg(usual.height())
        .arg(needed)
        .arg(pages->width());
}

// The texts of the widgets that show one line and cannot grow to fit it,
// with the width their box leaves them; where the text is wider it is cut.
inline QStringList cut_off_texts(QWidget* root) {
    QStringList cut;
    const auto check = [&](const QWidget* w, const QString& text, int room) {
        if (text.isEmpty() || !w->isVisible()) return;
        const int needed = w->fontMetrics().horizontalAdvance(text);
        if (needed > room)
            cut << QStringLiteral("%1 \"%2\" needs %3 px, has %4")
                       .arg(w->objectName(), text)
                       .arg(needed)
                       .arg(room);
    };
    for (QLabel* l : root->findChildren<QLabel*>()) {
        if (l->wordWrap() || !l->pixmap().isNull()) continue;
        check(l, l->text(), l->contentsRect().width() - 2 * l->margin() - 2 * l->indent());
    }
    for (QPushButton* b : root->findChildren<QPushButton*>())
        // A button's label leaves room for its bevel on each side.
        check(b, b->text().remove(QLatin1Char('&')), b->width() - 8);
    for (QAbstractButton* b : root->findChildren<QCheckBox*>())
        check(b, b->text(), b->width() - 20);
    for (QAbstractButton* b : root->findChildren<QRadioButton*>())
        check(b, b->text(), b->width() - 20);
    for (QTabBar* bar : root->findChildren<QTabBar*>()) {
        for (int k = 0; k < bar->count(); ++k)
            check(bar, bar->tabText(k), bar->tabRect(k).width() - 8);
        // Every tab in sight, none behind the scroll arrows.
        if (bar->isVisible() && bar->count() > 0 &&
            bar->tabRect(bar->count() - 1).right() >= bar->width())
            cut << QStringLiteral("tabs \"%1\" need %2 px, have %3")
                       .arg(bar->tabText(0))
                       .arg(bar->tabRect(bar->count() - 1).right() + 1)
                       .arg(bar->width());
        const QString shrunk = needlessly_shrunk_tabs(bar);
        if (!shrunk.isEmpty()) cut << shrunk;
    }
    // A label or button cut by the edge of the widget it stands in.
    const auto clipped = [&](const QWidget* w, const QString& text) {
        const QWidget* parent = w->parentWidget();
        if (!w->isVisible() || text.isEmpty() || !parent || w->isWindow()) return;
        if (!parent->rect().contains(w->geometry()))
            cut << QStringLiteral("%1 \"%2\" reaches out of %3")
                       .arg(w->objectName(), text, parent->objectName());
    };
    for (QLabel* l : root->findChildren<QLabel*>()) clipped(l, l->text());
    for (QAbstractButton* b : root->findChildren<QAbstractButton*>()) clipped(b, b->text());
    return cut;
}

// The menus of the bar that are shown but do not fit it.
inline QStringList hidden_menus(QMenuBar* bar) {
    QStringList hidden;
    for (QAction* menu : bar->actions())
        if (menu->isVisible() && !bar->rect().contains(bar->actionGeometry(menu)))
            hidden << menu->text();
    return hidden;
}

} // namespace selvako::test
