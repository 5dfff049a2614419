#include "ui/panels/player_panels.h"

#include <optional>

#include "game/new_game.h"
#include "ui/panels/board_panels.h"
#include "ui/panels/change_names_panel.h"
#include "ui/panels/delete_player_panel.h"
#include "ui/panels/new_game_panel.h"
#include "ui/panels/new_player_panel.h"

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

PlayerPanels::PlayerPanels(const WindowContext& context, QWidget* board)
    : QObject(context.window), m_context(context) {
    m_nouvelle_partie = new NewGamePanel(board);
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
                if (!nom || !match_start(m_context.controller.players(), *nom)) return;
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
                if (!b || !n || !human_game_names_valid(m_context.controller.players(), *b, *n))
                    return;
                start_game(command::StartHumanGame{*b, *n}, BLACK);
            });
    connect(m_nouvelle_partie, &NewGamePanel::reset_computer_requested, this, [this] {
        m_context.send(command::ResetComputerRating{});
        m_nouvelle_partie->set_players(m_context.controller.players());
    });
    connect(m_nouvelle_partie, &NewGamePanel::cancelled, this, &PlayerPanels::cancelled);

    m_nouveau_joueur = new NewPlayerPanel(board);
    connect(m_nouveau_joueur, &NewPlayerPanel::accepted, this,
            [this](const QString& name, int rating) {
                const auto nom = latin1(name);
                if (!nom || !new_player_valid(m_context.controller.players(), *nom)) return;
                const std::size_t before = m_context.controller.players().players.size();
                m_context.send(command::NewPlayer{*nom, rating});
                // Kept open when the files could not be written.
                if (m_context.controller.players().players.size() == before) return;
                m_nouveau_joueur->hide();
                m_nouveau_joueur->field()->clear();
            });
    m_efface_j = new DeletePlayerPanel(board);
    connect(m_efface_j, &DeletePlayerPanel::accepted, this, [this](int index) {
        m_efface_j->hide();
        m_context.send(command::DeletePlayer{index});
    });
    m_joueurs_panel = new ChangeNamesPanel(board);
    connect(m_joueurs_panel, &ChangeNamesPanel::accepted, this,
            [this](const QString& blanc, const QString& noir) {
                const auto b = latin1(blanc);
                const auto n = latin1(noir);
                if (!b || !n || !valid_player_name(*b) || !valid_player_name(*n)) return;
                m_joueurs_panel->hide();
                m_context.send(command::ChangeNames{*b, *n});
            });
}

std::vector<QWidget*> PlayerPanels::panels() const {
    return {m_nouvelle_partie, m_nouveau_joueur, m_efface_j, m_joueurs_panel};
}

void PlayerPanels::set_captions(int langue) {
    m_nouvelle_partie->set_captions(langue);
    m_nouveau_joueur->set_captions(langue);
    m_efface_j->set_captions(langue);
    m_joueurs_panel->set_captions(langue);
}

void PlayerPanels::start_game(const Command& c, int couleur_ordinateur) {
    m_nouvelle_partie->hide();
    emit game_starting(couleur_ordinateur);
    m_context.send(c);
}

void PlayerPanels::Nouveau2Click() {
    if (!m_context.started) return;
    m_context.send(command::LoadPlayers{true});
    m_nouvelle_partie->set_players(m_context.controller.players());
    show_centred(m_nouvelle_partie);
}

void PlayerPanels::Match21Click() {
    if (!m_context.started) return;
    m_context.send(command::LoadPlayers{});
    show_centred(m_nouveau_joueur);
    m_nouveau_joueur->field()->setFocus();
}

void PlayerPanels::Effacerunjoueur1Click() {
    if (!m_context.started) return;
    m_context.send(command::LoadPlayers{});
    m_efface_j->set_players(m_context.controller.players());
    show_centred(m_efface_j);
}

void PlayerPanels::Changerlesnoms1Click() {
    if (!m_context.started) return;
    const GameState& g = m_context.controller.game();
    m_joueurs_panel->set_names(QString::fromLatin1(name_text(g.nom_blanc).c_str()),
                               QString::fromLatin1(name_text(g.nom_noir).c_str()));
    show_centred(m_joueurs_panel);
}

} // namespace selvako
