#pragma once
// The core's move list as a Qt list model: one row per move, its text in UTF-8 (marked
// when the move has alternatives) and its colour as the foreground.

#include <QAbstractListModel>
#include <QColor>
#include <QStringList>

#include <string>
#include <vector>

#include "record/move_list.h"

namespace kelvara {

// After the text of a move the record gives other moves for.
inline const QString kAlternativesSign = QStringLiteral("＊");

class MoveListModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit MoveListModel(const MoveList& list, QObject* parent = nullptr);

    // Takes the rows again after the core refilled the list; the marks go with the old rows.
    void reload();
    // Marks shown after the rows' texts ("?", "??"), one per row; rows past the end have none.
    void set_marks(std::vector<std::string> marks);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    const MoveList& list_;
    QStringList texts_;  // converted once per load, not at every paint
    std::vector<std::string> marks_;
};

}  // namespace kelvara
