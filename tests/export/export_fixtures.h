// Schedules to export, calculated as the window calculates them, and ways
// to read what was saved: a workbook's parts without a spreadsheet, and any
// file as LibreOffice Calc reads it.
#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTranslator>
#include <QXmlStreamReader>

#include <charconv>
#include <clocale>
#include <map>
#include <string>
#include <vector>

#include "money/locale_money_formatter.h"
#include "schedule/extra_payments.h"
#include "tests/schedule/fake_loan_window.h"

namespace quillmere {

// The C library's locale as the program takes it from the environment (see
// QCoreApplication), `name` ("de_DE.UTF-8"), for the life of the object.
class ProgramNumericLocale {
public:
    explicit ProgramNumericLocale(const char* name) : inForce_(std::setlocale(LC_ALL, name) != nullptr) {}
    ~ProgramNumericLocale() { std::setlocale(LC_ALL, "C"); }
    ProgramNumericLocale(const ProgramNumericLocale&) = delete;
    ProgramNumericLocale& operator=(const ProgramNumericLocale&) = delete;
    [[nodiscard]] bool InForce() const { return inForce_; }

private:
    bool inForce_;
};

// While it lives, the program speaks a language of the test's: each source
// text in `words` is translated as given there, in any context, every other
// text is left as it is.
class TestLanguage {
public:
    explicit TestLanguage(std::map<std::string, QString> words) : translator_(std::move(words)) {
        QCoreApplication::installTranslator(&translator_);
    }
    TestLanguage(const TestLanguage&) = delete;
    TestLanguage& operator=(const TestLanguage&) = delete;

private:
    class Words final : public QTranslator {
    public:
        explicit Words(std::map<std::string, QString> words) : words_(std::move(words)) {}
        QString translate(const char*, const char* source, const char*, int) const override {
            const auto found = words_.find(source);
            return found == words_.end() ? QString() : found->second;
        }
        bool isEmpty() const override { return false; }

    private:
        std::map<std::string, QString> words_;
    };

    int argc_ = 1;
    char name_[13] = "export_tests";
    char* argv_[2] = {name_, nullptr};
    QCoreApplication application_{argc_, argv_};  // translations need one
    Words translator_;
};

// The loan calculated on `first` with amounts in `locale`'s money.
inline ScheduleGrid CalculatedGrid(const LocaleMoneyFormatter& money, const char* principal, const char* months,
                                   const char* rate, CalendarDate first = {15, 11, 2007}) {
    testing::FakeLoanWindow window(principal, months, rate);
    window.date = first;
    CalculateSchedule(window, money);
    return window.grid;
}

// The same loan's schedule with the extra payments of `plan`.
inline ScheduleGrid ExtrasGrid(const LocaleMoneyFormatter& money, const char* principal, const char* months,
                               const char* rate, CalendarDate first, const ExtraPaymentPlan& plan) {
    struct Window : testing::FakeLoanWindow {
        Window(const char* principal, const char* months, const char* rate) : FakeLoanWindow(principal, months, rate) {}
        LoanTerms loan;
        void LoanCalculated(const LoanTerms& calculated) override { loan = calculated; }
    } window(principal, months, rate);
    window.date = first;
    CalculateSchedule(window, money);
    ScheduleGrid grid;
    FillExtraPaymentSchedule(window.loan, plan, grid, money);
    return grid;
}

// One part of a zip file ("xl/worksheets/sheet1.xml"), as unzip reads it;
// empty where it can't.
inline QByteArray ZipPart(const QString& zip, const QString& part) {
    QProcess unzip;
    unzip.start(QStringLiteral("unzip"), {QStringLiteral("-p"), zip, part});
    if (!unzip.waitForFinished(60000) || unzip.exitCode() != 0) return {};
    return unzip.readAllStandardOutput();
}

// A workbook's sheet as its part's XML holds it: each cell's value, type and
// style, and the styles' number formats and boldness from xl/styles.xml.
struct SheetCell {
    std::string type;   // "inlineStr" for text, empty for a number
    std::string value;  // the number, or the text
    int style = 0;
};

struct CellStyle {
    std::string format;  // the number format's code; "General" for none
    bool bold = false;
};

// A sheet's cells by reference ("C2"), and its frozen pane's attributes.
struct Sheet {
    std::map<std::string, SheetCell> cells;
    std::map<std::string, std::string> pane;
    std::vector<double> widths;
};

inline std::string Attribute(const QXmlStreamReader& xml, const char* name) {
    return xml.attributes().value(QLatin1String(name)).toString().toStdString();
}

inline Sheet ReadSheet(const QByteArray& part) {
    Sheet sheet;
    QXmlStreamReader xml(part);
    SheetCell* cell = nullptr;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        const QStringView name = xml.name();
        if (name == u"c") {
            cell = &sheet.cells[Attribute(xml, "r")];
            cell->type = Attribute(xml, "t");
            cell->style = std::stoi("0" + Attribute(xml, "s"));
        } else if ((name == u"v" || name == u"t") && cell != nullptr) {
            cell->value = xml.readElementText().toStdString();
        } else if (name == u"pane") {
            for (const auto& attribute : xml.attributes()) {
                sheet.pane[attribute.name().toString().toStdString()] = attribute.value().toString().toStdString();
            }
        } else if (name == u"col") {
            sheet.widths.push_back(std::stod(Attribute(xml, "width")));
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return sheet;
}

inline std::vector<CellStyle> ReadStyles(const QByteArray& part) {
    std::map<std::string, std::string> codes{{"0", "General"}};
    std::vector<bool> boldFonts;
    std::vector<CellStyle> styles;
    QXmlStreamReader xml(part);
    bool inCellXfs = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.name() == u"cellXfs") inCellXfs = false;
        if (!xml.isStartElement()) continue;
        const QStringView name = xml.name();
        if (name == u"numFmt") codes[Attribute(xml, "numFmtId")] = Attribute(xml, "formatCode");
        if (name == u"font") boldFonts.push_back(false);
        if (name == u"b") boldFonts.back() = true;
        if (name == u"cellXfs") inCellXfs = true;
        if (name == u"xf" && inCellXfs) {
            styles.push_back({codes[Attribute(xml, "numFmtId")],
                              boldFonts.at(static_cast<std::size_t>(std::stoi(Attribute(xml, "fontId"))))});
        }
    }
    return styles;
}

// A number as the C library writes it: digits, one point, an exponent.
inline bool IsCNumber(const std::string& text) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

#ifdef QUILLMERE_CALC_CELLS
// Each file's sheets as calc_cells.py reports them, in the order asked
// (for the tests that are given the script).
inline QJsonArray OpenInCalc(const char* locale, const QStringList& filesAndKinds) {
    QProcess calc;
    calc.start(QStringLiteral("/usr/bin/python3"),
               QStringList{QStringLiteral(QUILLMERE_CALC_CELLS), QString::fromLatin1(locale)} + filesAndKinds);
    const bool finished = calc.waitForFinished(300000);
    if (!finished) {
        calc.terminate();  // the script then stops its soffice and removes its profile
        calc.waitForFinished(30000);
    }
    EXPECT_TRUE(finished && calc.exitCode() == 0)
        << "LibreOffice Calc and python3-uno are needed (packages.txt): " << calc.readAllStandardError().toStdString();
    return QJsonDocument::fromJson(calc.readAllStandardOutput()).object().value(QLatin1String("files")).toArray();
}
#endif

// The rows of a file's sheet in calc_cells.py's report.
inline QJsonArray Rows(const QJsonValue& file, int sheet = 0) {
    return file[QLatin1String("sheets")][sheet][QLatin1String("rows")].toArray();
}

}  // namespace quillmere
