// The new-game panel and the Joueurs menu: the panels show the controller's
// player list and send what the user chose; the controller keeps the files.

#include <optional>

#include "game/new_game.h"
#include "ui/window/main_window.h"

namespace selvako {

namespace {

// Names are stored one byte a character; a name the files cannot hold as it
// was typed is refused rather than changed.
std::optional<std::string> latin1(const QString& text) {
    const QByteArray bytes = text.toLatin1();
    if (QString::fromLatin1(bytes) != text) return std::nullopt;
    return bytes.toStdString();
}

} // namespace

void MainWindow::build_player_panels() {
    m_nouvelle_partie = new NewGamePanel(m_board);
    connect(
        m_nouvelle_partie, &NewGamePanel::training_requested, this,
        [this](const QString& name, int couleur) {
            const auto nom = latin1(name);
            if (!nom || !valid_player_name(*nom)) return;
            start_game(command::StartTraining{*nom, static_cast<std::uint8_t>(couleur)}, couleur);
        });
    connect(m_nouvelle_partie, &NewGamePanel::match_requested, this,
            [this](const QString& name, int couleur) {
                const auto nom = latin1(name);
                if (!nom || !match_start(m_controller.players(), *nom)) return;
                command::StartMatch match;
                match.name = *nom;
                match.couleur_ordinateur = static_cast<std::uint8_t>(couleur);
                match.from_list = true;
                start_game(match, couleur);
            });
    connect(m_nouvelle_partie, &NewGamePanel::human_game_requested, this,
            [this](const QString& blanc, const QString& noir) {
                const auto b = latin1(blanc);
                const auto n = latin1(noir);
                if (!b || !n || !human_game_names_valid(m_controller.players(), *b, *n)) return;
                start_game(command::StartHumanGame{*b, *n}, BLACK);
            });
    connect(m_nouvelle_partie, &NewGamePanel::reset_computer_requested, this, [this] {
        send(command::ResetComputerRating{});
        m_nouvelle_partie->set_players(m_controller.players());
    });
    connect(m_nouvelle_partie, &NewGamePanel::cancelled, m_board, qOverload<>(&QWidget::update));

    m_nouveau_joueur = new NewPlayerPanel(m_board);
    connect(m_nouveau_joueur, &NewPlayerPanel::accepted, this,
            [this](const QString& name, int rating) {
                const auto nom = latin1(name);
                if (!nom || !new_player_valid(m_controller.players(), *nom)) return;
                const std::size_t before = m_controller.players().players.size();
                send(command::NewPlayer{*nom, rating});
                // Kept open when the files could not be written.
                if (m_controller.players().players.size() == before) return;
                m_nouveau_joueur->hide();
                m_nouveau_joueur->field()->clear();
            });
    m_efface_j = new DeletePlayerPanel(m_board);
    connect(m_efface_j, &DeletePlayerPanel::accepted, this, [this](int index) {
        m_efface_j->hide();
        send(command::DeletePlayer{index});
    });
    m_joueurs_panel = new ChangeNamesPanel(m_board);
    connect(m_joueurs_panel, &ChangeNamesPanel::accepted, this,
            [this](const QString& blanc, const QString& noir) {
                const auto b = latin1(blanc);
                const auto n = latin1(noir);
                if (!b || !n || !valid_player_name(*b) || !valid_player_name(*n)) return;
                m_joueurs_panel->hide();
                send(command::ChangeNames{*b, *n});
            });
}

void MainWindow::start_game(const Command& c, int couleur_ordinateur) {
    m_nouvelle_partie->hide();
    // The computer playing White plays up the board, as the human did.
    if (m_display.damier_inverse != (couleur_ordinateur == WHITE)) Inverser();
    send(c);
}

void MainWindow::Nouveau2Click() {
    if (!m_startup_done) return;
    send(command::LoadPlayers{true});
    m_nouvelle_partie->set_players(m_controller.players());
    show_centred(m_nouvelle_partie);
}

void MainWindow::Match21Click() {
    if (!m_startup_done) return;
    send(command::LoadPlayers{});
    show_centred(m_nouveau_joueur);
    m_nouveau_joueur->field()->setFocus();
}

void MainWindow::Effacerunjoueur1Click() {
    if (!m_startup_done) return;
    send(command::LoadPlayers{});
    m_efface_j->set_players(m_controller.players());
    show_centred(m_efface_j);
}

void MainWindow::Changerlesnoms1Click() {
    if (!m_startup_done) return;
    const GameState& g = m_controller.game();
    m_joueurs_panel->set_names(QString::fromLatin1(name_text(g.nom_blanc).c_str()),
                               QString::fromLatin1(name_text(g.nom_noir).c_str()));
    show_centred(m_joueurs_panel);
}

} // namespace selvako
