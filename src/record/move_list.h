#pragma once
// The move list as the user sees it: one row per move (its text as the readers wrote it,
// GBK, and its colour) and the selected row, which is the master of playback.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace kelvara {

struct RowColour {
    std::uint8_t red, green, blue;
    friend constexpr bool operator==(RowColour, RowColour) = default;
};
inline constexpr RowColour kRedRow{255, 0, 0};
inline constexpr RowColour kGreyRow{128, 128, 128};

struct MoveRow {
    std::string text;
    RowColour colour;
    bool has_alternatives = false;  // the record gives other moves in its place; shown marked
};

class MoveList {
public:
    const std::vector<MoveRow>& rows() const { return rows_; }
    int row_count() const { return static_cast<int>(rows_.size()); }
    bool empty() const { return rows_.empty(); }

    void clear();
    void append(std::string text, RowColour colour, bool has_alternatives = false);

    int selection() const { return selection_; }
    // An index past the last row changes nothing; -1 or less clears the selection.
    // When another row becomes the selected row, the selection-changed handler runs.
    void select(int row);

    // Runs whenever a row becomes the selected row (not when the selection is cleared).
    void on_selection_changed(std::function<void()> handler) { handler_ = std::move(handler); }

private:
    std::vector<MoveRow> rows_;
    int selection_ = -1;
    std::function<void()> handler_;
};

}  // namespace kelvara
