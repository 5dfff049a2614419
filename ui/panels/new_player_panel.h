#pragma once
// "Nouveau joueur" (`Nouveau_joueur`): a name and the starting rating of
// 1600, 1700 or 1800.

#include <QButtonGroup>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>

namespace selvako {

class NewPlayerPanel : public QFrame {
    Q_OBJECT
  public:
    explicit NewPlayerPanel(QWidget* parent);

    void set_captions(int langue);
    QLineEdit* field() const { return m_joueur; }
    QButtonGroup* ratings() const { return m_capital; }
    QPushButton* ok_button() const { return m_bitbtn7; }
    QPushButton* cancel_button() const { return m_o; }

  signals:
    void accepted(const QString& name, int rating);

  private:
    QLineEdit* m_joueur;
    QButtonGroup* m_capital;
    QPushButton* m_bitbtn7;
    QPushButton* m_o;
    std::vector<std::pair<QWidget*, const char*>> m_captioned;
};

} // namespace selvako
