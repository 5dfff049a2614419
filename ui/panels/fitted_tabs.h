#pragma once
// Tabs sharing a narrow column: when their captions do not all fit its width
// at the usual font, the tab bar's font shrinks until they do, rather than
// leaving the last tab behind scroll arrows; it grows back to the usual font
// as soon as the column is wide enough again.

#include <QStringList>
#include <QTabWidget>

namespace selvako {

class FittedTabs : public QTabWidget {
    Q_OBJECT
  public:
    using QTabWidget::QTabWidget;

    // The tabs' captions, in their order.
    void set_tab_texts(const QStringList& texts);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void fit();
};

} // namespace selvako
