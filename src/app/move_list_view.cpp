#include "app/move_list_view.h"

#include <QStyledItemDelegate>

#include "app/skin.h"

namespace kelvara {

namespace {

// Rows keep their own colour, selected ones included; only the selected row of the
// focused list is drawn in the system's selection colours, so that it stands out.
class RowColourDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        const bool focused_selection =
            option->state.testFlag(QStyle::State_Selected) && option->state.testFlag(QStyle::State_HasFocus);
        if (focused_selection) return;
        const QVariant colour = index.data(Qt::ForegroundRole);
        if (!colour.isValid()) return;
        const QColor c = colour.value<QColor>();
        for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            option->palette.setColor(group, QPalette::Text, c);
            option->palette.setColor(group, QPalette::HighlightedText, c);
        }
    }
};

}  // namespace

MoveListView::MoveListView(MoveList& list, QWidget* parent) : QListView(parent), list_(list), model_(list) {
    setModel(&model_);
    setItemDelegate(new RowColourDelegate(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setUniformItemSizes(true);
    setFocusPolicy(Qt::StrongFocus);
    setFrameShape(QFrame::NoFrame);
    QPalette colours = palette();
    colours.setColor(QPalette::Base, kListBackground);
    colours.setColor(QPalette::Window, kListScrollGround);
    colours.setColor(QPalette::Button, kListScrollGround);
    colours.setColor(QPalette::Inactive, QPalette::Highlight, kListUnfocusedSelection);
    setPalette(colours);
    QFont text = font();
    text.setPixelSize(kTextPixelSize);
    setFont(text);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, [this] { current_row_changed(); });
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { current_row_changed(); });
}

void MoveListView::reload() {
    model_.reload();
    fit_whole_rows();
    show_list_selection();
}

void MoveListView::fit_whole_rows() {
    const int row = model_.rowCount() > 0 ? sizeHintForRow(0) : 0;  // every row is as high
    const int room = height() - 2 * frameWidth();
    setViewportMargins(0, 0, 0, row > 0 ? room % row : 0);
}

void MoveListView::resizeEvent(QResizeEvent* event) {
    QListView::resizeEvent(event);
    fit_whole_rows();
}

void MoveListView::show_list_selection() {
    showing_list_selection_ = true;
    const int row = list_.selection();
    QItemSelectionModel* selection = selectionModel();
    if (row >= 0 && row < model_.rowCount()) {
        const QModelIndex index = model_.index(row);
        selection->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
        scrollTo(index);
    } else {
        selection->clearSelection();
        forget_current_row();
        if (model_.rowCount() > 0) scrollTo(model_.index(0));
    }
    showing_list_selection_ = false;
    emit selection_shown();
}

void MoveListView::forget_current_row() {
    const bool showing = showing_list_selection_;
    showing_list_selection_ = true;
    selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    showing_list_selection_ = showing;
}

QModelIndex MoveListView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    if (list_.selection() < 0 && model_.rowCount() > 0) {
        if (action == MoveDown || action == MoveNext) return model_.index(0);
        if (action == MoveUp || action == MovePrevious) return {};
    }
    return QListView::moveCursor(action, modifiers);
}

void MoveListView::focusInEvent(QFocusEvent* event) {
    QListView::focusInEvent(event);
    // Qt makes the first row current on focus; at the start position no row is.
    if (list_.selection() < 0 && !selectionModel()->hasSelection()) forget_current_row();
}

void MoveListView::current_row_changed() {
    if (showing_list_selection_) return;
    const QModelIndex current = currentIndex();
    // A cleared selection runs nothing: the board stays at the move it shows.
    if (!current.isValid() || !selectionModel()->isSelected(current)) return;
    list_.select(current.row());
    emit selection_shown();
}

}  // namespace kelvara
