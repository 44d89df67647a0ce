#pragma once
// The user who clicks Cancel on the progress dialog once it shows a file.
// Work that holds itself at its first file on released() is then cancelled
// while under way; the release also comes when the user goes, so nothing
// waits for ever.

#include <QApplication>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>
#include <QtTest/QTest>

#include <future>

namespace pictavo::test {

class CancelOnProgress {
public:
    CancelOnProgress() : released_(release_.get_future().share()) {
        QObject::connect(&watch_, &QTimer::timeout, [this] { clickCancelWhenShown(); });
        watch_.start(5);
    }
    ~CancelOnProgress() {
        if (!clicked)
            release_.set_value();
    }
    std::shared_future<void> released() const { return released_; }

    bool clicked = false;
    QString label;  // what the dialog showed when Cancel was clicked

private:
    void clickCancelWhenShown() {
        if (clicked)
            return;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<QProgressDialog*>(widget);
            if (!dialog || !dialog->isVisible() || dialog->findChild<QLabel*>()->text().isEmpty())
                continue;
            label = dialog->findChild<QLabel*>()->text();
            QTest::mouseClick(dialog->findChild<QPushButton*>(), Qt::LeftButton);
            clicked = true;
            release_.set_value();
            return;
        }
    }

    std::promise<void> release_;
    std::shared_future<void> released_;
    QTimer watch_;
};

}  // namespace pictavo::test
