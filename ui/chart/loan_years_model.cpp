#include "ui/chart/loan_years_model.h"

#include <algorithm>

#include "money/locale_money_formatter.h"

namespace quillmere {

LoanYearsModel::LoanYearsModel(const LocaleMoneyFormatter& money, QObject* parent)
    : QAbstractTableModel(parent), money_(money) {}

void LoanYearsModel::Show(const std::vector<LoanChartData::YearPaid>& years) {
    beginResetModel();
    texts_.clear();
    texts_.reserve(years.size());
    const auto amount = [this](double value) { return QString::fromStdString(money_.Format(value)); };
    for (const auto& year : years) {
        texts_.push_back({YearText(year.year, money_.Locale()), amount(year.interest), amount(year.principal),
                          amount(year.balance)});
    }
    endResetModel();
}

int LoanYearsModel::LongestRow(int column) const {
    if (column < 0 || column >= kColumns) return -1;
    const auto at = static_cast<std::size_t>(column);
    const auto longest = std::max_element(texts_.begin(), texts_.end(),
                                          [at](const auto& a, const auto& b) { return a[at].size() < b[at].size(); });
    return longest == texts_.end() ? -1 : static_cast<int>(longest - texts_.begin());
}

int LoanYearsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(texts_.size());
}

int LoanYearsModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumns; }

QVariant LoanYearsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= kColumns) return {};
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(Qt::AlignVCenter | (index.column() == kYear ? Qt::AlignLeading : Qt::AlignTrailing));
    }
    if (role != Qt::DisplayRole) return {};
    return texts_[static_cast<std::size_t>(index.row())][static_cast<std::size_t>(index.column())];
}

QVariant LoanYearsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    const std::array<QString, kColumns> kHeadings = {tr("Year"), tr("Interest"), tr("Principal"),
                                                     tr("Balance at year end")};
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= kColumns) return {};
    return kHeadings[static_cast<std::size_t>(section)];
}

}  // namespace quillmere
