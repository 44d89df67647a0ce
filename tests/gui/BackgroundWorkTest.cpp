// BackgroundWork with real jobs on a worker and the real progress dialog.
#include "resources/StringIds.h"
#include "resources/StringTable.h"
#include "shell/gui/BackgroundWork.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <thread>

namespace pictavo::test {
namespace {

QProgressDialog* visibleProgressDialog() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<QProgressDialog*>(widget); dialog && dialog->isVisible())
            return dialog;
    return nullptr;
}

QString labelOf(QProgressDialog* dialog) {
    const QLabel* label = dialog->findChild<QLabel*>();
    return label ? label->text() : QString();
}

// Runs on the GUI thread while run() waits: proof that events are handled.
class Watcher {
public:
    explicit Watcher(std::function<void(QProgressDialog*)> onDialog)
        : onDialog_(std::move(onDialog)) {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            ++ticks;
            if (QProgressDialog* dialog = visibleProgressDialog())
                onDialog_(dialog);
        });
        timer_.start();
    }
    int ticks = 0;

private:
    QTimer timer_;
    std::function<void(QProgressDialog*)> onDialog_;
};

TEST(BackgroundWork, CancelPressedMidRunStopsTheJob) {
    QWidget window;
    window.show();
    BackgroundWork work(&window, QStringLiteral("Converting"));
    work.setShowDelay(0);

    std::atomic<bool> sawCancel{false};
    QString shownLabel;
    QString shownTitle;
    Watcher watcher([&](QProgressDialog* dialog) {
        auto* cancel = dialog->findChild<QPushButton*>();
        if (!cancel || !cancel->isEnabled() || !labelOf(dialog).contains("first.jpg"))
            return;
        shownLabel = labelOf(dialog);
        shownTitle = dialog->windowTitle();
        QTest::mouseClick(cancel, Qt::LeftButton);
    });

    const WorkOutcome outcome = work.run([&](WorkProgress& progress) {
        progress.setTotal(10);
        progress.advance(QStringLiteral("first.jpg"));
        // Waits for the user, as a long file would keep it busy.
        while (!progress.isCancelled())
            std::this_thread::yield();
        sawCancel = true;
    });

    EXPECT_TRUE(outcome.cancelled);
    EXPECT_TRUE(sawCancel);
    EXPECT_GT(watcher.ticks, 0);
    EXPECT_EQ(shownLabel, uiText(sid::WorkInProgress).arg(1).arg(10).arg("first.jpg"));
    EXPECT_EQ(shownTitle, "Converting");
    EXPECT_EQ(visibleProgressDialog(), nullptr);
}

TEST(BackgroundWork, AFinishedJobsResultOrExceptionIsHandedBackOnTheGuiThread) {
    BackgroundWork work;
    const auto result = work.runWithResult([](WorkProgress& progress) {
        progress.setTotal(3);
        QStringList done;
        for (const char* name : {"a", "b", "c"}) {
            progress.advance(QString::fromLatin1(name));
            done << QString::fromLatin1(name).toUpper();
        }
        return std::make_pair(done, std::this_thread::get_id());
    });
    EXPECT_FALSE(result.cancelled);
    EXPECT_EQ(result.value.first, (QStringList{"A", "B", "C"}));
    EXPECT_NE(result.value.second, std::this_thread::get_id());
    EXPECT_THROW(work.run([](WorkProgress&) { throw std::runtime_error("disk gone"); }),
                 std::runtime_error);
}

TEST(BackgroundWork, OtherWindowsGetNoInputWhileTheJobRuns) {
    QLineEdit edit;
    edit.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&edit));
    BackgroundWork work;
    work.setShowDelay(60'000);  // the dialog never shows: the window is held back anyway

    std::atomic<bool> typed{false};
    Watcher watcher([](QProgressDialog*) {});
    QTimer typist;
    QObject::connect(&typist, &QTimer::timeout, [&] {
        QTest::keyClicks(&edit, "x");
        typed = true;
    });
    typist.setSingleShot(true);
    typist.start(0);
    work.run([&](WorkProgress&) {
        while (!typed)
            std::this_thread::yield();
    });
    EXPECT_TRUE(edit.text().isEmpty());

    QTest::keyClicks(&edit, "y");
    EXPECT_EQ(edit.text(), "y");
}

TEST(BackgroundWork, AJobShorterThanTheShowDelayShowsNoDialogWhateverItReports) {
    BackgroundWork work;
    work.setShowDelay(60'000);
    bool shown = false;
    Watcher watcher([&](QProgressDialog*) { shown = true; });
    work.run([](WorkProgress& progress) {
        progress.setTotal(2);
        progress.advance(QStringLiteral("a.jpg"));
        // Long enough for the dialog's progress to be refreshed a few times.
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
    });
    EXPECT_GT(watcher.ticks, 0);
    EXPECT_FALSE(shown);
}

}  // namespace
}  // namespace pictavo::test
