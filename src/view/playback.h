#pragma once
// Playback: the selected row of the move list is the master; follow selection plays moves
// forward or takes them back one at a time until the board shows the selected move.
// Also the navigation buttons' rules and the timed demonstration, without any toolkit:
// the GUI runs the timer and plays the sounds this class asks for.

#include <functional>

#include "record/game_record.h"
#include "record/move_list.h"
#include "view/board_transition.h"
#include "view/board_view.h"

namespace kelvara {

enum class MoveSound { Move, Capture };

class Playback {
public:
    Playback(GameRecord& game, MoveList& list, BoardView& view);

    // Asked for a sound at each single step of a demonstration (sound setting on).
    void on_sound(std::function<void(MoveSound)> handler) { sound_ = std::move(handler); }
    // Runs first in follow_selection: the GUI processes its pending events there.
    void on_pending_events(std::function<void()> handler) { pending_events_ = std::move(handler); }
    // Runs last in follow_selection, once the board shows the selected move.
    void on_followed(std::function<void()> handler) { followed_ = std::move(handler); }
    void set_sound_effects(bool on) { sound_effects_ = on; }

    void follow_selection();
    // Move number is 1-based. The squares are the move's record squares. Both report
    // what changed on the board.
    BoardTransition play_move_forward(const MoveRecord& move, int move_number);
    BoardTransition take_move_back(const MoveRecord& move);

    // The navigation buttons. Each does nothing when the list has no rows.
    void first();
    void previous();
    void next();
    void last();

    // The demonstration: the button starts and stops it; the timer's period is the demo
    // delay while it runs and 0 while it is stopped.
    void toggle_demonstration(int demo_delay);
    // One tick of the timer: advances the selection one row, and stops the demonstration
    // when the last row was already shown.
    void demonstration_tick();
    bool demo_running() const { return demo_running_; }
    int timer_period() const { return timer_period_; }
    // A new demo delay takes effect at once while the demonstration runs.
    void set_demo_delay(int demo_delay);
    // Runs whenever the demonstration starts or stops (the GUI swaps the button pictures).
    void on_demonstration_changed(std::function<void()> handler) { demo_changed_ = std::move(handler); }

private:
    void stop_demonstration();

    GameRecord& game_;
    MoveList& list_;
    BoardView& view_;
    std::function<void(MoveSound)> sound_;
    std::function<void()> pending_events_;
    std::function<void()> followed_;
    std::function<void()> demo_changed_;
    bool sound_effects_ = true;
    bool demo_running_ = false;
    int timer_period_ = 0;
};

}  // namespace kelvara
