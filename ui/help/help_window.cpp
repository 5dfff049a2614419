#include "ui/help/help_window.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QScrollBar>
#include <QSplitter>
#include <QTextBlock>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

namespace selvako {

namespace {

constexpr int PAGE_ROLE = Qt::UserRole;
constexpr int HEADING_ROLE = Qt::UserRole + 1;

// The texts of the page's headings (h1 and h2), in order.
QStringList headings(const QTextDocument& document) {
    QStringList out;
    for (QTextBlock b = document.begin(); b.isValid(); b = b.next()) {
        const int level = b.blockFormat().headingLevel();
        if (level == 1 || level == 2) out << b.text();
    }
    return out;
}

} // namespace

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Aide"));
    resize(820, 600);
    auto* column = new QVBoxLayout(this);
    auto* bar = new QHBoxLayout;
    m_back = new QToolButton(this);
    m_back->setArrowType(Qt::LeftArrow);
    m_forward = new QToolButton(this);
    m_forward->setArrowType(Qt::RightArrow);
    bar->addWidget(m_back);
    bar->addWidget(m_forward);
    bar->addStretch(1);
    column->addLayout(bar);

    auto* split = new QSplitter(this);
    m_contents = new QTreeWidget(split);
    m_contents->setHeaderHidden(true);
    m_browser = new QTextBrowser(split);
    m_browser->setOpenLinks(true);
    split->addWidget(m_contents);
    split->addWidget(m_browser);
    split->setStretchFactor(1, 1);
    split->setSizes({240, 580});
    column->addWidget(split, 1);

    m_back->setEnabled(false);
    m_forward->setEnabled(false);
    connect(m_back, &QToolButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QToolButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QToolButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QToolButton::setEnabled);
    connect(m_contents, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { go_to(item); });
}

void HelpWindow::open(const QString& page, const QString& other_page, const QString& window_title) {
    setWindowTitle(window_title);
    m_contents->clear();
    add_book(page);
    if (!other_page.isEmpty() && other_page != page) add_book(other_page);
    m_contents->expandItem(m_contents->topLevelItem(0));
    m_browser->clearHistory();
    m_browser->setSource(QUrl::fromLocalFile(page));
}

void HelpWindow::add_book(const QString& page) {
    QFile file(page);
    if (!file.open(QIODevice::ReadOnly)) return;
    QTextDocument document;
    document.setHtml(QString::fromUtf8(file.readAll()));
    const QStringList titles = headings(document);
    if (titles.isEmpty()) return;
    auto* book = new QTreeWidgetItem(m_contents, {titles.first()});
    book->setData(0, PAGE_ROLE, page);
    book->setData(0, HEADING_ROLE, 0);
    for (int k = 1; k < titles.size(); ++k) {
        auto* section = new QTreeWidgetItem(book, {titles[k]});
        section->setData(0, PAGE_ROLE, page);
        section->setData(0, HEADING_ROLE, k);
    }
}

void HelpWindow::go_to(QTreeWidgetItem* item) {
    const QUrl page = QUrl::fromLocalFile(item->data(0, PAGE_ROLE).toString());
    if (m_browser->source() != page) m_browser->setSource(page);
    scroll_to_heading(item->data(0, HEADING_ROLE).toInt());
}

void HelpWindow::scroll_to_heading(int index) {
    int seen = 0;
    for (QTextBlock b = m_browser->document()->begin(); b.isValid(); b = b.next()) {
        const int level = b.blockFormat().headingLevel();
        if (level != 1 && level != 2) continue;
        if (seen++ != index) continue;
        QTextCursor cursor(b);
        m_browser->setTextCursor(cursor);
        // The heading at the top of the view, not merely somewhere in it.
        m_browser->verticalScrollBar()->setValue(
            static_cast<int>(m_browser->document()->documentLayout()->blockBoundingRect(b).top()));
        return;
    }
}

} // namespace selvako
