#pragma once
// Small panels shown over the board: the minutes of "Autre" (`Panel9`) and
// the computer's draw offer (`Match_nul`). Clicks on them never reach the
// board beneath.

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "game/levels.h"

namespace selvako {

// Centres a panel over its parent and raises it.
void show_centred(QFrame* panel);

class AutrePanel : public QFrame {
    Q_OBJECT
  public:
    explicit AutrePanel(QWidget* parent);

    void set_captions(int langue);
    // What the `Nbminutes` field shows: the minutes of the level in play.
    void set_minutes(std::int32_t minutes);
    std::int32_t minutes() const;
    QLineEdit* field() const { return m_nbminutes; }
    QPushButton* ok_button() const { return m_bitbtn24; }
    QPushButton* cancel_button() const { return m_bitbtn25; }
    // What the panel says after a value it could not take; empty otherwise.
    QString refusal() const { return m_refus->isVisible() ? m_refus->text() : QString(); }

  signals:
    void accepted(const selvako::LevelParameters& level);
    void cancelled();

  protected:
    // Opened afresh, the panel has nothing to complain about.
    void showEvent(QShowEvent* event) override;

  private:
    void BitBtn24Click();

    QLabel* m_caption;
    QLineEdit* m_nbminutes;
    QLabel* m_unit;
    QLabel* m_refus;
    int m_langue = 0;
    QPushButton* m_bitbtn24;
    QPushButton* m_bitbtn25;
};

class DrawOfferPanel : public QFrame {
    Q_OBJECT
  public:
    explicit DrawOfferPanel(QWidget* parent);

    void set_captions(int langue);
    QPushButton* ok_button() const { return m_bitbtn14; }
    QPushButton* decline_button() const { return m_annul_nul; }

  signals:
    void accepted();

  private:
    QLabel* m_label13;
    QLabel* m_label14;
    QPushButton* m_bitbtn14;
    QPushButton* m_annul_nul;
};

} // namespace selvako
