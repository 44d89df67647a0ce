// Help, version, usage errors and failures of every command.
#include "CliRunner.h"

#include <QFile>

#include <gtest/gtest.h>

namespace pictavo::test {
namespace {

TEST(CliCommandLine, EveryListedCommandHasHelp) {
    CliRunner cli;
    const CliRun overview = cli.run({"--help"});
    EXPECT_EQ(overview.exitCode, 0);
    QList<QByteArray> commands;
    for (const QByteArray& line : overview.out.mid(overview.out.indexOf("commands:\n")).split('\n'))
        if (line.startsWith("  "))
            commands << line.trimmed().split(' ').first();
    EXPECT_EQ(commands.size(), 9) << overview.out.constData();
    for (const QByteArray& command : commands) {
        const CliRun help = cli.run({QString::fromUtf8(command), "--help"});
        EXPECT_EQ(help.exitCode, 0) << command.constData();
        EXPECT_TRUE(help.out.startsWith("usage: pictavo-cli " + command)) << command.constData();
        EXPECT_EQ(help.err, QByteArray()) << command.constData();
    }
    const CliRun version = cli.run({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, cli.run({"version"}).out);
    EXPECT_TRUE(version.out.startsWith("pictavo-cli ")) << version.out.constData();
}

TEST(CliCommandLine, UsageErrorsExitWithTwo) {
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
        {"export", "a.www"},
        {"export", "a.www", "--to"},
        {"export", "a.www", "--to", "out", "--thumb-size", "0x10"},
        {"cd-export", "a.www"},
        {"cd-export", "a.www", "--to", "cd", "--folder", "1"},
        {"cd-export", "a.www", "--to", "cd", "--thumb-size", "1"},
        {"cd-export", "a.www", "--to", "cd", "--threads", "1"},
        {"cd-export", "a.www", "--to", "cd", "--check"},
        {"check"},
        {"check", "a", "b"},
        {"convert", "--format", "png", "--to", "out", "--x", "a.bmp"},
        {"version", "extra"},
    };
    CliRunner cli;
    for (const QStringList& args : cases) {
        const CliRun run = cli.run(args);
        EXPECT_EQ(run.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_FALSE(run.err.isEmpty()) << args.join(' ').toStdString();
    }
}

TEST(CliCommandLine, FailuresExitWithOneAndSayWhy) {
    CliRunner cli;
    const QString album = cli.newAlbum();
    // Without a runtime folder, Qt's note about it does not reach stderr.
    const CliRun forced = cli.run({"new", "--force", album});
    EXPECT_EQ(forced.exitCode, 0);
    EXPECT_EQ(forced.err, QByteArray());
    const QByteArray saved = cli.readFile("album.www");
    cli.writeFile("there.jpg", "jpg");
    // After "--" every word is a path, even one that looks like an option.
    ASSERT_EQ(cli.run({"new", "--", "--odd.www"}).exitCode, 0);
    EXPECT_TRUE(QFile::exists(cli.path("--odd.www")));
    const struct {
        QStringList args;
        const char* reason;
    } cases[] = {
        {{"dump", cli.path("absent.www")}, "absent.www"},
        {{"new", album}, "already exists"},
        {{"import", album, "--folder", "7", album}, "no folder with id 7"},
        // One missing path of several: nothing is imported.
        {{"import", album, cli.path("there.jpg"), cli.path("not-there.jpg")}, "not-there.jpg"},
        {{"save", "--base", cli.path("nowhere"), album, cli.path("b.www")}, "nowhere"},
        {{"export", album, "--to", cli.path("site"), "--folder", "999"}, "999"},
        {{"check", cli.path("missing")}, "is not a folder"},
    };
    for (const auto& [args, reason] : cases) {
        const CliRun run = cli.run(args);
        EXPECT_EQ(run.exitCode, 1) << args.join(' ').toStdString();
        EXPECT_TRUE(run.err.startsWith("pictavo-cli: ")) << run.err.constData();
        EXPECT_TRUE(run.err.contains(reason)) << run.err.constData();
        EXPECT_EQ(run.out, QByteArray()) << args.join(' ').toStdString();
    }
    EXPECT_EQ(cli.readFile("album.www"), saved);
}

}  // namespace
}  // namespace pictavo::test
