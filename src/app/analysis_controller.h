#pragma once
// What the analysis strip shows and when the engine is asked: while the strip is open the
// engine judges the position the board shows, each time the board shows another move;
// the whole game can be analysed at once, with a progress bar and a way to cancel, and
// then the move list marks the moves that gave much away. Closing the strip quits the
// engine; so does destroying the controller.

#include <QObject>

#include <functional>
#include <optional>
#include <vector>

#include "app/engine_driver.h"
#include "app/kelvara_app.h"
#include "app/messages.h"
#include "engine/game_analysis.h"

namespace kelvara {

class AnalysisStrip;
class MoveListModel;

class AnalysisController : public QObject {
    Q_OBJECT
public:
    AnalysisController(KelvaraApp& app, AnalysisStrip& strip, MoveListModel& moves, Messages& messages,
                       QObject* parent = nullptr);
    ~AnalysisController() override;

    // Runs when the strip opens or closes, for the window to grow or shrink.
    void on_open_changed(std::function<void(bool)> handler) { open_changed_ = std::move(handler); }

    bool is_open() const { return open_; }
    // Opens the strip and starts the engine; remembered in the settings.
    void open();
    // Stops the analysis and quits the engine; remembered in the settings.
    void close();
    void toggle() { is_open() ? close() : open(); }

    // The board shows another move (or another record): the engine is asked about it.
    void follow();
    // Another record was opened: its marks and analysis are gone.
    void record_changed();
    // The settings were confirmed: a running engine is started again with new ones.
    void settings_changed();

    // Analyses every position of the game, the strip showing the progress.
    void analyse_game();
    void cancel_game_analysis();
    bool analysing_game() const { return game_analysis_.has_value(); }
    // The last whole-game analysis of the record, complete or cut short; empty when none.
    const std::vector<AnalysedPosition>& game_analysis() const { return analysed_; }

    pid_t engine_pid() const { return driver_.engine_pid(); }

private:
    void set_open(bool open);
    bool start_engine();
    SearchPosition position_shown() const;
    void updated(const SearchUpdate& update);
    void failed(const EngineFailure& failure);
    void show_update(const SearchUpdate& update);
    void finish_game_analysis();
    void tell(const QString& text, const QString& caption, MessageIcon icon);

    KelvaraApp& app_;
    AnalysisStrip& strip_;
    MoveListModel& moves_;
    Messages& messages_;
    EngineDriver driver_;
    bool open_ = false;
    std::uint64_t search_ = 0;         // the search of the position shown
    SearchPosition searched_;          // and its position, for writing the line
    std::optional<GameAnalysis> game_analysis_;
    std::vector<AnalysedPosition> analysed_;
    std::function<void(bool)> open_changed_;
};

// Red's share of the evaluation bar: one half for an even position, all of it when red
// mates.
double red_share(const Evaluation& evaluation, Side side_to_move);

}  // namespace kelvara
