#include "ui/analysis/analysis_menus.h"

#include <QDir>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

#include "ui/analysis/analysis_window.h"
#include "ui/i18n/captions.h"
#include "ui/i18n/file_texts.h"
#include "ui/window/window_placement.h"

namespace selvako {

namespace {
// Every game of a learning session is learned into this one file of
// "Parametres", instead of asking for a file after each game.
constexpr const char* SESSION_FILE = "Parametres/session.dal";
} // namespace

AnalysisMenus::AnalysisMenus(const WindowContext& context, QMenuBar* bar)
    : QObject(context.window), m_context(context) {
    const auto send = [this](const Command& c) { return [this, c] { m_context.send(c); }; };
    m_form4 = new AnalysisWindow(context.window);
    connect(m_form4->suivant(), &QPushButton::clicked, this, send(command::StopPhase{}));
    connect(m_form4->fin(), &QPushButton::clicked, this, send(command::EndAnalysis{}));
    connect(m_form4->editer(), &QPushButton::clicked, this, &AnalysisMenus::Button3Click);
    connect(m_form4->imprimer(), &QPushButton::clicked, this, &AnalysisMenus::Button3aClick);
    connect(m_form4, &AnalysisWindow::ply_chosen, this,
            [this](int ply) { m_context.send(command::ShowAnalysedPly{ply}); });

    CaptionedItems& items = context.items;
    m_analyse_menu = items.add_menu(bar, "Analyse2");
    m_analyser = items.add_item(m_analyse_menu, "Dbuteruneanalyse1");
    connect(m_analyser, &QAction::triggered, this, send(command::StartAnalysis{}));
    m_pause_analyse = items.add_item(m_analyse_menu, "Arrtercettephase1");
    connect(m_pause_analyse, &QAction::triggered, this, send(command::StopPhase{}));
    m_fin_analyse = items.add_item(m_analyse_menu, "Terminerlanalyse1");
    connect(m_fin_analyse, &QAction::triggered, this, send(command::EndAnalysis{}));

    m_apprentissage_menu = items.add_menu(bar, "Apprentissage1");
    m_lancer_session = items.add_item(m_apprentissage_menu, "Lancerunesession1");
    connect(m_lancer_session, &QAction::triggered, this, [this] {
        QDir(m_context.config.user_dir).mkpath(QStringLiteral("Parametres"));
        m_context.send(command::StartSession{
            m_context.user_path(QString::fromLatin1(SESSION_FILE)).toStdString()});
    });
    m_arreter_session = items.add_item(m_apprentissage_menu, "Arrterlasession1");
    connect(m_arreter_session, &QAction::triggered, this, send(command::StopSession{}));
    connect(items.add_item(m_apprentissage_menu, "Chargerdesleons1"), &QAction::triggered, this,
            &AnalysisMenus::Chargerdesleons1Click);
}

void AnalysisMenus::refresh() {
    const GameController& controller = m_context.controller;
    const AnalysisControl& a = controller.analysis();
    const bool running = a.analysis.running();
    const bool match = controller.match_in_progress();
    m_analyser->setEnabled(!running && !a.window_shown && !match);
    m_pause_analyse->setEnabled(running);
    m_fin_analyse->setEnabled(a.window_shown);
    m_lancer_session->setEnabled(!a.session && !match);
    m_arreter_session->setEnabled(a.session);
    m_form4->set_langue(m_context.langue());
    // An emptied analysis (a new game) empties the list too.
    m_form4->show_analysis(a.analysis);
    m_form4->graph()->set_selected(controller.game().num_demi_coup);
    if (a.window_shown && !m_form4->isVisible()) {
        place_beside(m_form4, m_context.window);
        m_form4->show();
        m_form4->raise();
    } else if (!a.window_shown && m_form4->isVisible()) {
        m_form4->hide();
    }
    if (a.apprendre_offert && !m_learn_asked) {
        m_learn_asked = true;
        ask_learning();
    } else if (!a.apprendre_offert) {
        m_learn_asked = false;
    }
}

void AnalysisMenus::ask_learning() {
    if (m_context.config.headless) return;
    const int langue = m_context.langue();
    auto* box = new QMessageBox(QMessageBox::Question, caption("Analyse2", langue),
                                caption("Learn", langue), QMessageBox::NoButton, m_context.window);
    box->setAttribute(Qt::WA_DeleteOnClose);
    QPushButton* yes = box->addButton(caption("Learn_yes", langue), QMessageBox::YesRole);
    box->addButton(caption("Learn_no", langue), QMessageBox::NoRole);
    connect(box, &QMessageBox::finished, this, [this, box, yes] {
        if (box->clickedButton() == yes)
            Apprendreposition1Click();
        else
            m_context.send(command::DeclineLearning{});
    });
    box->open();
}

void AnalysisMenus::Apprendreposition1Click() {
    // Unbalanced endings and short games are not learned: no file is asked.
    if (can_learn(m_context.controller.analysis().analysis) != LearnOutcome::learned) {
        m_context.send(command::DeclineLearning{});
        return;
    }
    QDir(m_context.config.user_dir).mkpath(QStringLiteral("Parametres"));
    QFileDialog dialog(m_context.window, caption("Learn", m_context.langue()),
                       m_context.user_path(QStringLiteral("Parametres")),
                       texte(LECONS_FILTRE, m_context.langue()));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("dal"));
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        m_context.send(command::Learn{dialog.selectedFiles().first().toStdString()});
    else
        m_context.send(command::DeclineLearning{});
}

void AnalysisMenus::Chargerdesleons1Click() {
    const QString path = QFileDialog::getOpenFileName(
        m_context.window, caption("Chargerdesleons1", m_context.langue()),
        m_context.user_path(QStringLiteral("Parametres")),
        texte(LECONS_FILTRE, m_context.langue()));
    if (!path.isEmpty()) m_context.send(command::LoadLessons{path.toStdString()});
}

bool AnalysisMenus::editer_analyse(const QString& path) {
    if (m_form4->write_text(path)) return true;
    m_context.errors.report(texte(IMPOSSIBLE_OUVRIR, m_context.langue()));
    return false;
}

bool AnalysisMenus::imprimer_analyse(QPrinter& printer) {
    const GameState& g = m_context.controller.game();
    return m_form4->print(printer, QString::fromStdString(name_text(g.nom_blanc)),
                          QString::fromStdString(name_text(g.nom_noir)));
}

void AnalysisMenus::Button3Click() {
    QFileDialog dialog(m_form4, caption("Button3", m_context.langue()),
                       m_context.user_path(QStringLiteral("Sauve")), QStringLiteral("*.txt"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        editer_analyse(dialog.selectedFiles().first());
}

void AnalysisMenus::Button3aClick() {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, m_form4);
    if (dialog.exec() == QDialog::Accepted) imprimer_analyse(printer);
}

} // namespace selvako
