// The program's command line as a shell hands it over.
#include "app/command_line.h"

#include <gtest/gtest.h>

namespace quillmere {
namespace {

CommandLine Read(QStringList arguments) {
    arguments.prepend(QStringLiteral("/usr/bin/quillmere-loan-calculator"));
    return ReadCommandLine(arguments, QStringLiteral("1.3.0"));
}

TEST(CommandLineTest, AFileQtsOptionsHelpAndVersion) {
    EXPECT_EQ(Read({}).action, CommandLine::Action::Run);
    EXPECT_EQ(Read({QStringLiteral("house.qloan")}).file, QStringLiteral("house.qloan"));
    // Qt's options, with their values, are Qt's; "--" lets a file start with "-".
    const CommandLine qt = Read({QStringLiteral("-platform"), QStringLiteral("offscreen"), QStringLiteral("-reverse"),
                                 QStringLiteral("--style=fusion"), QStringLiteral("--"), QStringLiteral("-odd.qloan")});
    EXPECT_EQ(qt.action, CommandLine::Action::Run);
    EXPECT_EQ(qt.file, QStringLiteral("-odd.qloan"));

    const CommandLine help = Read({QStringLiteral("house.qloan"), QStringLiteral("--help")});
    EXPECT_EQ(help.action, CommandLine::Action::Print);
    EXPECT_TRUE(
        help.output.startsWith(QStringLiteral("Usage: quillmere-loan-calculator [--help] [--version] [FILE]\n")));
    EXPECT_EQ(Read({QStringLiteral("--version")}).output, QStringLiteral("quillmere-loan-calculator 1.3.0\n"));
}

TEST(CommandLineTest, AnUnknownOptionOrASecondFileIsAUsageError) {
    const CommandLine unknown = Read({QStringLiteral("--frobnicate")});
    EXPECT_EQ(unknown.action, CommandLine::Action::Fail);
    EXPECT_EQ(unknown.output, QStringLiteral("quillmere-loan-calculator: unknown option '--frobnicate'\n"
                                             "Try 'quillmere-loan-calculator --help' for more information.\n"));
    EXPECT_EQ(Read({QStringLiteral("a.qloan"), QStringLiteral("b.qloan")}).action, CommandLine::Action::Fail);
    EXPECT_EQ(CommandLine::kUsageError, 2);
}

}  // namespace
}  // namespace quillmere
