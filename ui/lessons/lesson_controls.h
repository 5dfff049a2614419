#pragma once
// "Leçons, exercices et problèmes", "Suivant ->" and "Revoir coup": the
// lessons of a folder on the board, their texts in a window of their own.
// The controller keeps which lesson is on show; the buttons and the text
// follow it.

#include <QObject>
#include <QString>

#include "ui/window/window_context.h"

class QPushButton;

namespace selvako {

class LessonTextWindow;

class LessonControls : public QObject {
    Q_OBJECT
  public:
    // The two buttons join `buttons_page`, under the move list.
    LessonControls(const WindowContext& context, QWidget* buttons_page);

    // A lesson once chosen in the dialog; false when it could not be read.
    bool ouvrir_lecon(const QString& path);
    void lecon_suivante(); // "Suivant ->"
    void revoir_coup();    // "Revoir coup"
    void Problmes1Click();

    void refresh();
    void set_captions(int langue);

  private:
    const WindowContext& m_context;
    QPushButton* m_panel13 = nullptr; // "Suivant ->"
    QPushButton* m_panel14 = nullptr; // "Revoir coup"
    LessonTextWindow* m_lesson_text = nullptr;
    // The text on show, so that a step to another lesson reads its own.
    QString m_shown_lesson;
};

} // namespace selvako
