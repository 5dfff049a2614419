#pragma once
// The text of a lesson, exercise or problem (its ".damt" file), shown beside
// the board in a window of its own, with a button that opens the same file in
// the user's own text editor.

#include <QString>
#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace selvako {

class LessonTextWindow : public QWidget {
    Q_OBJECT
  public:
    explicit LessonTextWindow(QWidget* parent = nullptr);

    // Reads `path` (UTF-8, at most a megabyte) and shows it. A file that
    // cannot be read shows `missing` in its place and leaves nothing to
    // open in the editor; the lesson itself still loads.
    bool show_text(const QString& path, const QString& missing);
    void set_captions(int langue);

    QString path() const { return m_path; }
    QString text() const;
    QPushButton* editor_button() const { return m_editeur; }

  signals:
    // The button was pressed; the window asks the platform to open the file.
    void editor_requested(const QString& path);

  private:
    QString m_path;
    QLabel* m_nom = nullptr;
    QPlainTextEdit* m_texte = nullptr;
    QPushButton* m_editeur = nullptr;
};

} // namespace selvako
