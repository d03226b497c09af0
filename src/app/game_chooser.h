#pragma once
// The dialog that asks which game of a file to open when the file holds several: one row
// per game (number, title, red, black, result, plies), opened by a double click, Enter or
// OK. Frameless and drawn in the main window's skin: olive ground, red lacquer title
// strip, dark wood panel around a parchment list, gold rims.

#include <QDialog>

#include <optional>
#include <vector>

#include "record/game_summary.h"

class QTableWidget;

namespace kelvara {

class GameChooser : public QDialog {
    Q_OBJECT
public:
    explicit GameChooser(const std::vector<GameSummary>& games, QWidget* parent = nullptr);

    // The game of the selected row (from 0), or nullopt when none is selected.
    std::optional<int> selected_game() const;
    // Accepts the dialog when a row is selected.
    void open_selected();

    // Shows the dialog modally; the chosen game (from 0), or nullopt when cancelled.
    static std::optional<int> choose(const std::vector<GameSummary>& games, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void create_controls(const std::vector<GameSummary>& games);

    QTableWidget* table_ = nullptr;
};

}  // namespace kelvara
