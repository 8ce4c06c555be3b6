#include "ui/compare/comparison_model.h"

#include <QBrush>
#include <QCoreApplication>
#include <QFont>

#include <utility>

namespace quillmere {
namespace {

const QColor kLowestBase(222, 244, 222);

}  // namespace

QString SaidText(const ComparisonCell& cell) {
    if (!cell.lowest) return cell.text;
    return QCoreApplication::translate("ComparisonModel", "%1, lowest").arg(cell.text);
}

void ComparisonModel::Show(ComparisonValues values) {
    const bool sameShape = values.figureNames.size() == values_.figureNames.size() &&
                           values.offerNames.size() == values_.offerNames.size();
    if (!sameShape) beginResetModel();
    values_ = std::move(values);
    if (!sameShape) return endResetModel();
    // Same rows and columns: the view keeps its current cell and scroll.
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
    emit headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
    if (rowCount() > 0 && columnCount() > 0) emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

int ComparisonModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(values_.rows.size());
}

int ComparisonModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(values_.offerNames.size());
}

QVariant ComparisonModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) return {};
    const ComparisonCell& cell =
        values_.rows.at(static_cast<std::size_t>(index.row())).at(static_cast<std::size_t>(index.column()));
    switch (role) {
        case Qt::DisplayRole:
            return cell.text;
        case Qt::AccessibleTextRole:
            return SaidText(cell);
        case Qt::ToolTipRole:
            return cell.lowest ? QVariant(QCoreApplication::translate("ComparisonModel", "The lowest of the offers"))
                               : QVariant();
        case Qt::FontRole:
            if (cell.lowest) {
                QFont bold;
                bold.setBold(true);
                return bold;
            }
            return {};
        case Qt::BackgroundRole:
            return cell.lowest ? QVariant(QBrush(kLowestBase)) : QVariant();
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(Qt::AlignTrailing | Qt::AlignVCenter);
        default:
            return {};
    }
}

QVariant ComparisonModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) return {};
    const QStringList& names = orientation == Qt::Horizontal ? values_.offerNames : values_.figureNames;
    return section >= 0 && section < names.size() ? QVariant(names.at(section)) : QVariant();
}

}  // namespace quillmere
