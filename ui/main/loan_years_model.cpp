#include "ui/main/loan_years_model.h"

#include <array>

#include "money/locale_money_formatter.h"

namespace quillmere {

LoanYearsModel::LoanYearsModel(const LocaleMoneyFormatter& money, QObject* parent)
    : QAbstractTableModel(parent), money_(money) {}

void LoanYearsModel::Show(std::vector<LoanChartData::YearPaid> years) {
    beginResetModel();
    years_ = std::move(years);
    endResetModel();
}

int LoanYearsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(years_.size());
}

int LoanYearsModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumns; }

QVariant LoanYearsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= kColumns) return {};
    const auto& year = years_[static_cast<std::size_t>(index.row())];
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(Qt::AlignVCenter | (index.column() == kYear ? Qt::AlignLeading : Qt::AlignTrailing));
    }
    if (role != Qt::DisplayRole) return {};
    switch (index.column()) {
        case kYear:
            return YearText(year.year, money_.Locale());
        case kInterest:
            return QString::fromStdString(money_.Format(year.interest));
        case kPrincipal:
            return QString::fromStdString(money_.Format(year.principal));
        default:
            return QString::fromStdString(money_.Format(year.balance));
    }
}

QVariant LoanYearsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    static const std::array<QString, kColumns> kHeadings = {QStringLiteral("Year"), QStringLiteral("Interest"),
                                                            QStringLiteral("Principal"),
                                                            QStringLiteral("Balance at year end")};
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= kColumns) return {};
    return kHeadings[static_cast<std::size_t>(section)];
}

}  // namespace quillmere
