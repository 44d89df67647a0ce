// Exit codes, help and usage errors of every command.
#include "CliRunner.h"

#include <QFile>

#include <gtest/gtest.h>

namespace pictavo::test {
namespace {

class CliCommandLine : public testing::Test {
protected:
    CliRunner cli;
};

TEST_F(CliCommandLine, EveryListedCommandHasHelp) {
    const CliRun overview = cli.run({"--help"});
    EXPECT_EQ(overview.exitCode, 0);
    const QByteArray list = overview.out.mid(overview.out.indexOf("commands:\n") + 10);
    QList<QByteArray> commands;
    for (const QByteArray& line : list.split('\n')) {
        if (line.startsWith("  "))
            commands << line.trimmed().split(' ').first();
    }
    EXPECT_EQ(commands.size(), 9) << overview.out.constData();
    for (const QByteArray& command : commands) {
        const CliRun help = cli.run({QString::fromUtf8(command), "--help"});
        EXPECT_EQ(help.exitCode, 0) << command.constData();
        EXPECT_TRUE(help.out.startsWith("usage: pictavo-cli " + command)) << command.constData();
        EXPECT_TRUE(help.err.isEmpty()) << command.constData() << ": " << help.err.constData();
    }
    const CliRun version = cli.run({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, cli.run({"version"}).out);
    EXPECT_TRUE(version.out.startsWith("pictavo-cli ")) << version.out.constData();
}

TEST_F(CliCommandLine, UsageErrorsExitWithTwo) {
    const QList<QStringList> cases = {
        {},
        {"frobnicate"},
        {"new"},
        {"dump", "a.www", "b.www"},
        {"dump", "--pretty", "a.www"},
        {"save", "a.www"},
        {"save", "--base"},
        {"import", "a.www"},
        {"import", "a.www", "--folder", "x", "p"},
        {"import", "a.www", "--folder", "-3", "p"},
        {"export", "a.www", "--to"},
        {"check"},
        {"check", "a", "b"},
        {"convert", "--format", "png", "--to", "out", "--x", "a.bmp"},
        {"version", "extra"},
    };
    for (const QStringList& args : cases) {
        const CliRun run = cli.run(args);
        EXPECT_EQ(run.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_FALSE(run.err.isEmpty()) << args.join(' ').toStdString();
    }
}

TEST_F(CliCommandLine, FailuresExitWithOneAndSayWhy) {
    const CliRun missing = cli.run({"dump", cli.path("absent.www")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.startsWith("pictavo-cli: ")) << missing.err.constData();
    EXPECT_TRUE(missing.out.isEmpty());

    ASSERT_EQ(cli.run({"new", cli.path("a.www")}).exitCode, 0);
    const CliRun exists = cli.run({"new", cli.path("a.www")});
    EXPECT_EQ(exists.exitCode, 1);
    EXPECT_TRUE(exists.err.contains("already exists"));
    EXPECT_EQ(cli.run({"new", "--force", cli.path("a.www")}).exitCode, 0);
    // After "--" every word is a path, even one that looks like an option.
    ASSERT_EQ(cli.run({"new", "--", "--odd.www"}).exitCode, 0);
    EXPECT_TRUE(QFile::exists(cli.path("--odd.www")));

    const CliRun noFolder =
        cli.run({"import", cli.path("a.www"), "--folder", "7", cli.path("a.www")});
    EXPECT_EQ(noFolder.exitCode, 1);
    EXPECT_TRUE(noFolder.err.contains("no folder with id 7")) << noFolder.err.constData();

    const CliRun noBase =
        cli.run({"save", "--base", cli.path("nowhere"), cli.path("a.www"), cli.path("b.www")});
    EXPECT_EQ(noBase.exitCode, 1);
}

TEST_F(CliCommandLine, NoRuntimeFolderNoteOnStderr) {
    const CliRun run = cli.run({"new", cli.path("quiet.www")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, QByteArray());
}

}  // namespace
}  // namespace pictavo::test
