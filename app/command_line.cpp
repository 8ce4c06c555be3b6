#include "app/command_line.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <array>
#include <string_view>

namespace quillmere {
namespace {

// Qt's own options: those that take a value, and those that don't.
constexpr std::array<std::string_view, 14> kQtValueOptions = {
    "platform", "platformpluginpath", "platformtheme", "plugin",     "qwindowgeometry", "qwindowicon", "qwindowtitle",
    "display",  "geometry",           "style",         "stylesheet", "session",         "name",        "title"};
constexpr std::array<std::string_view, 6> kQtFlags = {"reverse", "widgetcount", "nograb",
                                                      "dograb",  "sync",        "qmljsdebugger"};

template <std::size_t N>
bool Among(const std::array<std::string_view, N>& names, const QString& name) {
    for (const std::string_view known : names) {
        if (name == QLatin1String(known.data(), static_cast<qsizetype>(known.size()))) return true;
    }
    return false;
}

QString Usage(const QString& program) {
    return QCoreApplication::translate("CommandLine",
                                       "Usage: %1 [--help] [--version] [FILE]\n"
                                       "Works out the monthly payment and the amortization schedule of a loan.\n\n"
                                       "  FILE        a loan file (.qloan) to open\n"
                                       "  --help      show this help and exit\n"
                                       "  --version   show the version and exit\n")
        .arg(program);
}

}  // namespace

CommandLine ReadCommandLine(const QStringList& arguments, const QString& version) {
    const QString program =
        arguments.isEmpty() ? QStringLiteral("quillmere-loan-calculator") : QFileInfo(arguments.front()).fileName();
    CommandLine line;
    bool options = true;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (options && argument == QLatin1String("--")) {
            options = false;
        } else if (options && (argument == QLatin1String("--help") || argument == QLatin1String("-h"))) {
            return {CommandLine::Action::Print, {}, Usage(program)};
        } else if (options && (argument == QLatin1String("--version") || argument == QLatin1String("-v"))) {
            return {CommandLine::Action::Print, {}, QStringLiteral("%1 %2\n").arg(program, version)};
        } else if (options && argument.startsWith(QLatin1Char('-')) && argument.size() > 1) {
            QString name = argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1);
            const bool inline_value = name.contains(QLatin1Char('='));
            name = name.section(QLatin1Char('='), 0, 0);
            if (Among(kQtValueOptions, name)) {
                if (!inline_value) ++i;  // its value
            } else if (!Among(kQtFlags, name)) {
                return {CommandLine::Action::Fail,
                        {},
                        QCoreApplication::translate("CommandLine",
                                                    "%1: unknown option '%2'\nTry '%1 --help' for more information.\n")
                            .arg(program, argument)};
            }
        } else if (line.file.isEmpty()) {
            line.file = argument;
        } else {
            return {CommandLine::Action::Fail,
                    {},
                    QCoreApplication::translate("CommandLine", "%1: one loan file at a time, not '%2' as well\n")
                        .arg(program, argument)};
        }
    }
    return line;
}

}  // namespace quillmere
