// The small helpers of the GUI base: file-dialog filters, context menus,
// the wait cursor, the message boxes and the file-type icons.
#include "ModalAnswer.h"

#include "resources/StringIds.h"
#include "resources/StringTable.h"
#include "shell/gui/ContextMenuBuilder.h"
#include "shell/gui/DialogPrompts.h"
#include "shell/gui/FileDialogFilter.h"
#include "shell/gui/FileIcons.h"
#include "shell/gui/WaitCursor.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace pictavo::test {
namespace {

// --- file-dialog filters

// The patterns of each Qt filter, as the file dialog reads them.
QList<QStringList> patternsOf(const QString& qtFilter) {
    QList<QStringList> patterns;
    const QRegularExpression inParentheses(QStringLiteral("\\(([^()]*)\\)$"));
    for (const QString& filter : qtFilter.split(QStringLiteral(";;"))) {
        const QRegularExpressionMatch match = inParentheses.match(filter);
        patterns << (match.hasMatch() ? match.captured(1).split(QLatin1Char(' ')) : QStringList());
    }
    return patterns;
}

TEST(FileDialogFilter, PipeSeparatedFiltersBecomeQtFiltersAndAllFilesMatchesNamesWithoutADot) {
    const QString qt = qtFileDialogFilter(
        "All Files (*.*)|*.*|Html Files (*.htm)|*.htm|Html Files (*.html)|*.html|Gif Files "
        "(*.gif)|*.gif||");
    EXPECT_EQ(qt, "All Files (*);;Html Files (*.htm);;Html Files (*.html);;Gif Files (*.gif)");
    const QList<QStringList> patterns = patternsOf(qt);
    EXPECT_TRUE(QDir::match(patterns[0], "README"));
    EXPECT_FALSE(QDir::match(patterns[1], "README"));
    EXPECT_TRUE(QDir::match(patterns[1], "index.htm"));
    // The patterns come from the pattern field, not from the description.
    EXPECT_EQ(qtFileDialogFilter("Pictures|*.gif;*.jpg||"), "Pictures (*.gif *.jpg)");
}

// --- context menus

QStringList layoutOf(const QMenu& menu) {
    QStringList items;
    for (const QAction* action : menu.actions())
        items << (action->isSeparator() ? QStringLiteral("|") : action->text());
    return items;
}

TEST(ContextMenuBuilder, SeparatorsStandOnlyBetweenGroupsThatShowSomething) {
    QAction cut("Cut"), copy("Copy"), paste("Paste"), remove("Delete"), hidden("Hidden");
    hidden.setVisible(false);

    QMenu menu;
    ContextMenuBuilder()
        .addGroup({})
        .addGroup({&cut, &copy})
        .addGroup({nullptr, &hidden})
        .addGroup({})
        .addGroup({&paste})
        .addGroup({&remove, nullptr})
        .addGroup({})
        .fill(menu);
    EXPECT_EQ(layoutOf(menu), (QStringList{"Cut", "Copy", "|", "Paste", "|", "Delete"}));

    QMenu single;
    ContextMenuBuilder().addGroup({&paste}).fill(single);
    EXPECT_EQ(layoutOf(single), QStringList{"Paste"});

    QMenu none;
    ContextMenuBuilder nothing;
    nothing.addGroup({&hidden}).addGroup({});
    EXPECT_TRUE(nothing.isEmpty());
    nothing.fill(none);
    EXPECT_TRUE(none.actions().isEmpty());
}

// --- wait cursor

TEST(WaitCursor, ShowsTheBusyCursorOnlyWhileItLives) {
    ASSERT_EQ(QApplication::overrideCursor(), nullptr);
    {
        WaitCursor outer;
        ASSERT_NE(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        { WaitCursor inner; }
        EXPECT_NE(QApplication::overrideCursor(), nullptr);
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// --- message boxes

TEST(DialogPrompts, QuestionsAreMessageBoxesCaptionedWithTheProgramName) {
    DialogPrompts prompts;
    QString caption, text;
    QMessageBox::StandardButton press = QMessageBox::No;
    ModalAnswer<QMessageBox> user([&](QMessageBox* box) {
        caption = box->windowTitle();
        text = box->text();
        if (QAbstractButton* pressed = box->button(press))
            pressed->click();
        else
            box->reject();
    });
    EXPECT_EQ(prompts.askYesNoCancel("Save changes to a.www?"), Answer::No);
    EXPECT_EQ(caption, uiText(sid::AppName));
    EXPECT_EQ(text, "Save changes to a.www?");
    EXPECT_FALSE(prompts.askYesNo("Delete?"));
    press = QMessageBox::Ok;
    prompts.showError("Cannot open file.");
    EXPECT_EQ(text, "Cannot open file.");
    EXPECT_EQ(user.shown, 3);
}

// --- icons by file type

TEST(FileIcons, TheKindComesFromTheWebPrefixFirstThenTheExtension) {
    const std::pair<const char*, FileIconKind> rows[] = {
        {"http://example.com/a.jpg", FileIconKind::WebLink},
        {"MAILTO:me@example.com", FileIconKind::WebLink},
        {"/photos/a.JPG", FileIconKind::Image},
        {"song.mp3", FileIconKind::Audio},
        {"notes.pdf", FileIconKind::Document},
        {"README", FileIconKind::Other},
        {"/a.jpg.d/README", FileIconKind::Other},
        {"album.www", FileIconKind::Other},
    };
    FileIconCache& cache = FileIconCache::instance();
    for (const auto& [path, kind] : rows) {
        EXPECT_EQ(fileIconKind(QString::fromLatin1(path), false), kind) << path;
        EXPECT_EQ(cache.kindFor(QString::fromLatin1(path), false), kind) << path;
    }
    EXPECT_EQ(fileIconKind("photos.jpg", true), FileIconKind::Folder);
}

TEST(FileIcons, EachKindAndSizeIsDrawnOnce) {
    FileIconCache& cache = FileIconCache::instance();
    for (int size : {16, 32}) {
        const QPixmap folder = cache.icon(FileIconKind::Folder, size);
        EXPECT_EQ(folder.size(), QSize(size, size));
        EXPECT_EQ(cache.icon(FileIconKind::Folder, size).cacheKey(), folder.cacheKey());
        EXPECT_EQ(cache.iconFor("x.jpg", false, size).cacheKey(),
                  cache.iconFor("y.png", false, size).cacheKey());
        EXPECT_NE(cache.iconFor("x.jpg", false, size).cacheKey(), folder.cacheKey());
    }
}

}  // namespace
}  // namespace pictavo::test
