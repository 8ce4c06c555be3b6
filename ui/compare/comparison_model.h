// ComparisonModel: the Compare Loans table for a view: a row per figure, a
// column per offer, the figure names as row headers and the offers' names
// as column headers, so a screen reader says both with each cell.
//
// The lowest figure of a row is marked in bold, on a tint of green (which
// a line below the table explains), and a screen reader hears "lowest"
// after it: never by colour alone, and no column widened by a word.
#pragma once

#include <QAbstractTableModel>

#include "export/comparison_values.h"

namespace quillmere {

class ComparisonModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    void Show(ComparisonValues values);
    [[nodiscard]] const ComparisonValues& Values() const { return values_; }

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    ComparisonValues values_;
};

// A cell's text as a screen reader hears it: "$1,580.17, lowest".
[[nodiscard]] QString SaidText(const ComparisonCell& cell);

}  // namespace quillmere
