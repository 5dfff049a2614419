#pragma once
// A GameObserver that passes everything on to the view attached to it, and
// says nothing while none is: the controller is built before its view exists
// and may outlive it.

#include "game/game_observer.h"

namespace selvako {

class ObserverRelay final : public GameObserver {
  public:
    void attach(GameObserver* view) { m_view = view; }

    void game_changed() override {
        if (m_view) m_view->game_changed();
    }
    void permissions_changed(const Permissions& now) override {
        if (m_view) m_view->permissions_changed(now);
    }
    void pass_wanted() override {
        if (m_view) m_view->pass_wanted();
    }
    void process_events() override {
        if (m_view) m_view->process_events();
    }
    void thinking_started() override {
        if (m_view) m_view->thinking_started();
    }
    void thinking_finished() override {
        if (m_view) m_view->thinking_finished();
    }
    void search_progress(const SearchProgress& p) override {
        if (m_view) m_view->search_progress(p);
    }
    void clock_shown(int side, std::int32_t seconds) override {
        if (m_view) m_view->clock_shown(side, seconds);
    }
    void move_played(const BoardArray& before, const Move& move, const std::vector<Square>& walk,
                     bool by_computer) override {
        if (m_view) m_view->move_played(before, move, walk, by_computer);
    }
    bool showing_move() const override { return m_view && m_view->showing_move(); }
    void game_ended(const GameEndReport& report) override {
        if (m_view) m_view->game_ended(report);
    }
    void play_sound(std::string_view file) override {
        if (m_view) m_view->play_sound(file);
    }
    void error(GameError kind) override {
        if (m_view) m_view->error(kind);
    }
    void refused(const FileRefusal& refusal) override {
        if (m_view) m_view->refused(refusal);
    }
    void program_ended() override {
        if (m_view) m_view->program_ended();
    }

  private:
    GameObserver* m_view = nullptr;
};

} // namespace selvako
