#include "ui/calcul/calcul_page.h"

#include <QFontDatabase>
#include <QSaveFile>
#include <QVBoxLayout>

#include "ui/calcul/search_lines.h"
#include "ui/i18n/captions.h"

namespace selvako {

namespace {

void replace_lines(QListWidget* list, const std::vector<std::string>& lines) {
    const QSignalBlocker blocker(list);
    list->clear();
    for (const std::string& line : lines)
        list->addItem(QString::fromLatin1(line.data(), static_cast<qsizetype>(line.size())));
}

} // namespace

CalculPage::CalculPage(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(3);
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    m_listbox2 = new QListWidget(this);
    m_listbox2->setObjectName(QStringLiteral("ListBox2"));
    m_root_list = new QListWidget(this);
    m_root_list->setObjectName(QStringLiteral("ListBox3"));
    for (QListWidget* list : {m_listbox2, m_root_list}) {
        list->setFont(fixed);
        list->setSelectionMode(QAbstractItemView::NoSelection);
    }
    m_button9 = new QPushButton(this);
    m_button9->setObjectName(QStringLiteral("Button9"));
    layout->addWidget(m_listbox2, 3);
    layout->addWidget(m_root_list, 2);
    layout->addWidget(m_button9);
}

void CalculPage::set_captions(int langue) {
    m_button9->setText(caption("Button9", langue));
}

void CalculPage::show_progress(const SearchProgress& progress) {
    replace_lines(m_listbox2, search_lines(progress));
    replace_lines(m_root_list, root_lines(progress));
}

bool CalculPage::write_bestmove(const QString& path) const {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) return false;
    for (int k = 0; k < m_listbox2->count(); ++k) {
        file.write(m_listbox2->item(k)->text().toLatin1());
        file.write("\n");
    }
    return file.commit();
}

} // namespace selvako
