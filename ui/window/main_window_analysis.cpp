// The Analyse and Apprentissage menus, the analysis window and the question
// "Apprendre ?": each sends its command to the controller and shows what the
// controller's analysis holds.

#include <QDir>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

#include "ui/i18n/file_texts.h"
#include "ui/analysis/analysis_window.h"
#include "ui/i18n/captions.h"
#include "ui/window/main_window.h"
#include "ui/window/window_placement.h"

namespace selvako {

namespace {
// Every game of a learning session is learned into this one file of
// "Parametres", instead of asking for a file after each game.
constexpr const char* SESSION_FILE = "Parametres/session.dal";
} // namespace

void MainWindow::build_analysis_menus() {
    m_form4 = new AnalysisWindow(this);
    connect(m_form4->suivant(), &QPushButton::clicked, this,
            [this] { send(command::StopPhase{}); });
    connect(m_form4->fin(), &QPushButton::clicked, this, [this] { send(command::EndAnalysis{}); });
    connect(m_form4->editer(), &QPushButton::clicked, this, &MainWindow::Button3Click);
    connect(m_form4->imprimer(), &QPushButton::clicked, this, &MainWindow::Button3aClick);
    connect(m_form4, &AnalysisWindow::ply_chosen, this,
            [this](int ply) { send(command::ShowAnalysedPly{ply}); });

    QMenu* analyse = add_menu("Analyse2");
    m_analyse_menu = analyse;
    m_analyser = add_item(analyse, "Dbuteruneanalyse1");
    connect(m_analyser, &QAction::triggered, this, [this] { send(command::StartAnalysis{}); });
    m_pause_analyse = add_item(analyse, "Arrtercettephase1");
    connect(m_pause_analyse, &QAction::triggered, this, [this] { send(command::StopPhase{}); });
    m_fin_analyse = add_item(analyse, "Terminerlanalyse1");
    connect(m_fin_analyse, &QAction::triggered, this, [this] { send(command::EndAnalysis{}); });

    QMenu* apprentissage = add_menu("Apprentissage1");
    m_apprentissage_menu = apprentissage;
    m_lancer_session = add_item(apprentissage, "Lancerunesession1");
    connect(m_lancer_session, &QAction::triggered, this, [this] {
        QDir(m_config.user_dir).mkpath(QStringLiteral("Parametres"));
        send(command::StartSession{user_path(QString::fromLatin1(SESSION_FILE)).toStdString()});
    });
    m_arreter_session = add_item(apprentissage, "Arrterlasession1");
    connect(m_arreter_session, &QAction::triggered, this, [this] { send(command::StopSession{}); });
    connect(add_item(apprentissage, "Chargerdesleons1"), &QAction::triggered, this,
            &MainWindow::Chargerdesleons1Click);
}

void MainWindow::refresh_analysis() {
    if (!m_form4) return;
    const AnalysisControl& a = m_controller.analysis();
    const bool running = a.analysis.running();
    const bool match = m_controller.match_in_progress();
    m_analyser->setEnabled(!running && !a.window_shown && !match);
    m_pause_analyse->setEnabled(running);
    m_fin_analyse->setEnabled(a.window_shown);
    m_lancer_session->setEnabled(!a.session && !match);
    m_arreter_session->setEnabled(a.session);
    m_form4->set_langue(langue_cochee());
    // An emptied analysis (a new game) empties the list too.
    m_form4->show_analysis(a.analysis);
    m_form4->graph()->set_selected(m_controller.game().num_demi_coup);
    if (a.window_shown && !m_form4->isVisible()) {
        place_beside(m_form4, this);
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

void MainWindow::ask_learning() {
    if (m_config.headless) return;
    auto* box = new QMessageBox(QMessageBox::Question, caption("Analyse2", langue_cochee()),
                                caption("Learn", langue_cochee()), QMessageBox::NoButton, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    QPushButton* yes = box->addButton(caption("Learn_yes", langue_cochee()), QMessageBox::YesRole);
    box->addButton(caption("Learn_no", langue_cochee()), QMessageBox::NoRole);
    connect(box, &QMessageBox::finished, this, [this, box, yes] {
        if (box->clickedButton() == yes)
            Apprendreposition1Click();
        else
            send(command::DeclineLearning{});
    });
    box->open();
}

void MainWindow::Apprendreposition1Click() {
    // Unbalanced endings and short games are not learned: no file is asked.
    if (can_learn(m_controller.analysis().analysis) != LearnOutcome::learned) {
        send(command::DeclineLearning{});
        return;
    }
    QDir(m_config.user_dir).mkpath(QStringLiteral("Parametres"));
    QFileDialog dialog(this, caption("Learn", langue_cochee()),
                       user_path(QStringLiteral("Parametres")),
                       texte(LECONS_FILTRE, langue_cochee()));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("dal"));
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        send(command::Learn{dialog.selectedFiles().first().toStdString()});
    else
        send(command::DeclineLearning{});
}

void MainWindow::Chargerdesleons1Click() {
    const QString path = QFileDialog::getOpenFileName(
        this, caption("Chargerdesleons1", langue_cochee()), user_path(QStringLiteral("Parametres")),
        texte(LECONS_FILTRE, langue_cochee()));
    if (!path.isEmpty()) send(command::LoadLessons{path.toStdString()});
}

bool MainWindow::editer_analyse(const QString& path) {
    if (m_form4->write_text(path)) return true;
    report_error(texte(IMPOSSIBLE_OUVRIR, langue_cochee()));
    return false;
}

bool MainWindow::imprimer_analyse(QPrinter& printer) {
    const GameState& g = m_controller.game();
    return m_form4->print(printer, QString::fromStdString(name_text(g.nom_blanc)),
                          QString::fromStdString(name_text(g.nom_noir)));
}

void MainWindow::Button3Click() {
    QFileDialog dialog(m_form4, caption("Button3", langue_cochee()),
                       user_path(QStringLiteral("Sauve")), QStringLiteral("*.txt"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        editer_analyse(dialog.selectedFiles().first());
}

void MainWindow::Button3aClick() {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, m_form4);
    if (dialog.exec() == QDialog::Accepted) imprimer_analyse(printer);
}

} // namespace selvako
