#include "record/move_list.h"

namespace kelvara {

void MoveList::clear() {
    rows_.clear();
    selection_ = -1;
}

void MoveList::append(std::string text, RowColour colour, bool has_alternatives) {
    rows_.push_back({std::move(text), colour, has_alternatives});
}

void MoveList::select(int row) {
    if (row >= row_count()) return;
    if (row < 0) {
        selection_ = -1;
        return;
    }
    if (row == selection_) return;  // re-selecting the selected row is no change
    selection_ = row;
    if (handler_) handler_();
}

}  // namespace kelvara
