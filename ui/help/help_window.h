#pragma once
// The help window: a page of the guide or of the rules, its contents beside
// it, and back and forward through the pages and sections already seen.

#include <QTextBrowser>
#include <QToolButton>
#include <QTreeWidget>
#include <QWidget>

namespace selvako {

class HelpWindow : public QWidget {
    Q_OBJECT
  public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows `page` (an HTML file); the contents list shows its headings, and
    // those of `other_page`, the other book, when it is given.
    void open(const QString& page, const QString& other_page, const QString& window_title);

    QTextBrowser* browser() const { return m_browser; }
    QTreeWidget* contents() const { return m_contents; }
    QToolButton* back_button() const { return m_back; }
    QToolButton* forward_button() const { return m_forward; }

  private:
    void add_book(const QString& page);
    void go_to(QTreeWidgetItem* item);
    void scroll_to_heading(int index);

    QTextBrowser* m_browser = nullptr;
    QTreeWidget* m_contents = nullptr;
    QToolButton* m_back = nullptr;
    QToolButton* m_forward = nullptr;
};

} // namespace selvako
