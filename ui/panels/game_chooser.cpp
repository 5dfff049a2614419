#include "ui/panels/game_chooser.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QVBoxLayout>

namespace selvako {

GameChooser::GameChooser(QWidget* parent, const QStringList& lines)
    : QDialog(parent), m_list(new QListWidget(this)) {
    setObjectName(QStringLiteral("Panel2"));
    m_list->setObjectName(QStringLiteral("ListBox16"));
    m_list->addItems(lines);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        m_chosen = m_list->currentRow();
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_list, &QListWidget::itemDoubleClicked, this, [this] {
        m_chosen = m_list->currentRow();
        accept();
    });
}

} // namespace selvako
