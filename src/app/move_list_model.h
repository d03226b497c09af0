#pragma once
// The core's move list as a Qt list model: one row per move, its text in UTF-8 (marked
// when the move has alternatives) and its colour as the foreground.

#include <QAbstractListModel>
#include <QColor>
#include <QStringList>

#include "record/move_list.h"

namespace kelvara {

// After the text of a move the record gives other moves for.
inline const QString kAlternativesSign = QStringLiteral("＊");

class MoveListModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit MoveListModel(const MoveList& list, QObject* parent = nullptr);

    // Takes the rows again after the core refilled the list.
    void reload();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    const MoveList& list_;
    QStringList texts_;  // converted once per load, not at every paint
};

}  // namespace kelvara
