#pragma once
// The two explorer panes over a temporary folder tree, sharing one
// location, with the prompts answered by the test. The tree's only root is
// the temporary folder; the list starts in its photos folder. ProgramWindow
// instead holds the program's own window with all its real panes.

#include "ScriptedPrompts.h"
#include "TestFiles.h"

#include "imaging/ImageType.h"
#include "shell/app/AppCommands.h"
#include "shell/app/PaneFactory.h"
#include "shell/explorer/ExplorerLocation.h"
#include "shell/explorer/FileListPane.h"
#include "shell/explorer/FileTreePane.h"
#include "shell/frame/MainWindow.h"
#include "shell/gui/AppContext.h"
#include "shell/gui/ListViewBase.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace pictavo::test {

struct ProgramWindow {
    explicit ProgramWindow(const QString& settingsFolder)
        : context(SettingsStore(settingsFolder + "/p.ini"), prompts),
          window(context, createPanes(context)) {
        registerAppCommands(context, window);
    }
    // The file tree and list show folder; false when it cannot be reached.
    bool showFolder(const QString& folder) {
        auto* tree = dynamic_cast<FileTreePane*>(context.pane(PaneId::FileTree));
        files = dynamic_cast<FileListPane*>(context.pane(PaneId::FileList));
        return tree && files && tree->navigateTo(folder);
    }
    QModelIndex row(const QString& path) const {
        return files->model().index(files->model().rowOfPath(path), 0);
    }

    ScriptedPrompts prompts;
    AppContext context;
    MainWindow window;
    FileListPane* files = nullptr;
};

class ExplorerFixture : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(QDir(root()).mkpath("photos/trip") && QDir(root()).mkpath("empty"));
        ASSERT_TRUE(writePicture(path("photos/b.png"), 200, 100, kImagePng));
        ASSERT_TRUE(writePicture(path("photos/a.jpg"), 60, 40, kImageJpeg));
        ASSERT_TRUE(writeBytes(path("photos/notes.txt"), QByteArray(3000, 'x')));
        ASSERT_TRUE(writeBytes(path("photos/album.www"), "[gen]\n"));
        context = std::make_unique<AppContext>(SettingsStore(path("p.ini")), prompts);
        location = std::make_unique<ExplorerLocation>(path("photos"));
        tree = std::make_unique<FileTreePane>(*location, QStringList{root()});
        list = std::make_unique<FileListPane>(*context, *location);
        tree->show();
        list->resize(600, 400);
        list->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(list.get()));
    }

    QString root() const { return dir.path(); }
    QString path(const QString& relative) const { return dir.filePath(relative); }
    ListViewBase& view() { return list->listView(); }
    QStringList shownNames() const {
        QStringList names;
        for (int row = 0; row < list->model().rowCount(); ++row)
            names << list->model().entry(row).name;
        return names;
    }
    QModelIndex rowNamed(const QString& name) const {
        const int row = list->model().rowOfPath(QDir(location->folder()).filePath(name));
        return list->model().index(row, 0);
    }
    void select(const QStringList& names) {
        view().selectionModel()->clear();
        for (const QString& name : names)
            view().selectionModel()->select(
                rowNamed(name), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    void pressEnterOn(const QString& name) {
        view().selectOnly(rowNamed(name));
        QTest::keyClick(view().currentView(), Qt::Key_Return);
    }
    // Runs inspect on the next modal dialog or popup menu, then closes it.
    void whenShown(std::function<QWidget*()> find, std::function<void(QWidget*)> inspect) {
        auto* poll = new QTimer(list.get());
        QObject::connect(poll, &QTimer::timeout, [poll, find, inspect] {
            if (QWidget* shown = find()) {
                poll->deleteLater();
                inspect(shown);
                shown->close();
            }
        });
        poll->start(10);
    }

    QTemporaryDir dir;
    ScriptedPrompts prompts;
    std::unique_ptr<AppContext> context;
    std::unique_ptr<ExplorerLocation> location;
    std::unique_ptr<FileTreePane> tree;
    std::unique_ptr<FileListPane> list;
};

}  // namespace pictavo::test
