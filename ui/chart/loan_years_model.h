// LoanYearsModel: the loan chart's figures as a table of years, one row per
// calendar year of the schedule: the year, the interest and the principal
// paid in it, and the balance at its end. Amounts are the user's money text,
// years in the same locale's digits; read-only. The texts are written once
// for each new schedule, not on every question the view asks.
//
// The chart window shows it under the picture, so its figures can be read
// cell by cell, by eye or by a screen reader.
#pragma once

#include <QAbstractTableModel>

#include <array>
#include <vector>

#include "ui/chart/loan_chart_data.h"

namespace quillmere {

class LocaleMoneyFormatter;

class LoanYearsModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { kYear, kInterest, kPrincipal, kBalance, kColumns };

    // `money` must outlive the model.
    LoanYearsModel(const LocaleMoneyFormatter& money, QObject* parent);

    // Shows `years` from now on.
    void Show(const std::vector<LoanChartData::YearPaid>& years);

    // The row whose text in `column` is the longest (in the digits of one
    // locale, also the widest); -1 when there are no rows.
    [[nodiscard]] int LongestRow(int column) const;

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const LocaleMoneyFormatter& money_;
    std::vector<std::array<QString, kColumns>> texts_;
};

}  // namespace quillmere
