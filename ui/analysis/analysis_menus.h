#pragma once
// The Analyse and Apprentissage menus, the analysis window and the question
// "Apprendre ?": each sends its command to the controller and shows what the
// controller's analysis holds.

#include <QObject>

#include "ui/window/window_context.h"

class QAction;
class QMenu;
class QMenuBar;
class QPrinter;

namespace selvako {

class AnalysisWindow;

class AnalysisMenus : public QObject {
    Q_OBJECT
  public:
    AnalysisMenus(const WindowContext& context, QMenuBar* bar);

    QMenu* analyse_menu() const { return m_analyse_menu; }
    QMenu* apprentissage_menu() const { return m_apprentissage_menu; }
    // The items, the window and the question follow the controller's analysis.
    void refresh();

    // "Editer analyse" to a chosen file and "Imprimer analyse" on a chosen printer.
    bool editer_analyse(const QString& path);
    bool imprimer_analyse(QPrinter& printer);

    void Apprendreposition1Click();
    void Chargerdesleons1Click();
    void Button3Click();
    void Button3aClick();

  private:
    void ask_learning();

    const WindowContext& m_context;
    AnalysisWindow* m_form4 = nullptr;
    QMenu* m_analyse_menu = nullptr;
    QMenu* m_apprentissage_menu = nullptr;
    QAction* m_analyser = nullptr;
    QAction* m_pause_analyse = nullptr;
    QAction* m_fin_analyse = nullptr;
    QAction* m_lancer_session = nullptr;
    QAction* m_arreter_session = nullptr;
    bool m_learn_asked = false;
};

} // namespace selvako
