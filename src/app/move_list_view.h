#pragma once
// The move list on screen. A row that becomes the current, selected row — by mouse,
// keyboard or program — is selected in the core's list, which moves the board; the core's
// selection, changed by the navigation buttons, is shown here without going round again.

#include <QListView>

#include "app/move_list_model.h"
#include "record/move_list.h"

namespace kelvara {

class MoveListView : public QListView {
    Q_OBJECT
public:
    explicit MoveListView(MoveList& list, QWidget* parent = nullptr);

    // After the core refilled the list.
    void reload();
    // Shows the core's selected row (or none) and scrolls it into view.
    void show_list_selection();

    MoveListModel& move_model() { return model_; }

signals:
    // The list shows another selected row, or none: the board shows that move.
    void selection_shown();

protected:
    // Keys move from the core's selected row; with none selected (the start position),
    // the next row is the first and there is no row before it.
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void focusInEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // The viewport shows whole rows only; what is left of the list's height stays empty
    // below the last row.
    void fit_whole_rows();
    void current_row_changed();
    void forget_current_row();

    MoveList& list_;
    MoveListModel model_;
    bool showing_list_selection_ = false;
};

}  // namespace kelvara
