#include "shell/gui/BackgroundWork.h"

#include "resources/StringIds.h"
#include "resources/StringTable.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>
#include <QWindow>

#include <exception>
#include <thread>

namespace pictavo {

void WorkProgress::advance(const QString& item) {
    setItem(item);
    ++position_;
}

void WorkProgress::setItem(const QString& item) {
    std::lock_guard lock(mutex_);
    item_ = item;
}

QString WorkProgress::currentItem() const {
    std::lock_guard lock(mutex_);
    return item_;
}

namespace {

// A progress dialog that stays open until the job has ended: Cancel, Escape
// and the close button only ask the job to stop.
class WorkDialog : public QProgressDialog {
public:
    explicit WorkDialog(QWidget* parent) : QProgressDialog(parent) {
        // QProgressDialog resets and hides itself on cancel; here the job
        // decides when the dialog goes.
        disconnect(this, &QProgressDialog::canceled, this, &QProgressDialog::cancel);
        setAutoReset(false);
        setAutoClose(false);
        setMinimumDuration(0);
    }
    void reject() override { emit canceled(); }

protected:
    void closeEvent(QCloseEvent* event) override {
        event->ignore();
        emit canceled();
    }
};

// Holds back input to every window but the dialog while the job runs, also
// before the dialog is shown: the job reads what the user could edit.
class InputBlocker : public QObject {
public:
    explicit InputBlocker(QWidget* dialog) : dialog_(dialog) { qApp->installEventFilter(this); }
    ~InputBlocker() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonRelease:
            case QEvent::MouseButtonDblClick:
            case QEvent::Wheel:
            case QEvent::KeyPress:
            case QEvent::KeyRelease:
            case QEvent::Shortcut:
            case QEvent::ShortcutOverride:
            case QEvent::Drop:
                return !insideDialog(watched);
            case QEvent::Close:
                // Windows stay open (the job may read what they show);
                // popups may close.
                return isWindowOutsideDialog(watched);
            default:
                return false;
        }
    }

private:
    // Input reaches a widget through its window: both levels are checked.
    bool insideDialog(QObject* watched) const {
        if (const auto* widget = qobject_cast<QWidget*>(watched))
            return widget == dialog_ || dialog_->isAncestorOf(widget);
        if (const auto* window = qobject_cast<QWindow*>(watched))
            return window == dialog_->windowHandle();
        return false;
    }
    bool isWindowOutsideDialog(QObject* watched) const {
        if (const auto* widget = qobject_cast<QWidget*>(watched))
            return widget->isWindow() && widget->windowType() != Qt::Popup &&
                   widget->windowType() != Qt::ToolTip && widget != dialog_;
        if (const auto* window = qobject_cast<QWindow*>(watched))
            return window->type() != Qt::Popup && window->type() != Qt::ToolTip &&
                   window != dialog_->windowHandle();
        return false;
    }

    QWidget* dialog_;
};

}  // namespace

BackgroundWork::BackgroundWork(QWidget* parent, QString title)
    : parent_(parent), title_(std::move(title)) {}

WorkOutcome BackgroundWork::run(const std::function<void(WorkProgress&)>& job) {
    WorkProgress progress;
    WorkDialog dialog(parent_);
    dialog.setWindowTitle(title_.isEmpty() ? uiText(sid::AppName) : title_);
    dialog.setWindowModality(Qt::ApplicationModal);
    auto* cancelButton = new QPushButton(uiText(sid::WorkCancelButton));
    dialog.setCancelButton(cancelButton);
    dialog.setRange(0, 0);
    dialog.setLabelText(QString());
    dialog.hide();

    InputBlocker blocker(&dialog);
    QEventLoop loop;
    std::atomic<bool> finished{false};
    std::exception_ptr failure;

    auto refresh = [&] {
        if (progress.isCancelled())
            return;
        const int total = progress.total();
        const int position = progress.position();
        if (total > 0) {
            dialog.setRange(0, total);
            dialog.setValue(std::clamp(position - 1, 0, total));
        } else {
            dialog.setRange(0, 0);
        }
        const QString item = progress.currentItem();
        if (position > 0)
            dialog.setLabelText(total > 0 ? uiText(sid::WorkInProgress)
                                                .arg(std::min(position, total))
                                                .arg(total)
                                                .arg(item)
                                          : item);
    };
    QObject::connect(&dialog, &QProgressDialog::canceled, &dialog, [&] {
        progress.cancel();
        cancelButton->setEnabled(false);
        dialog.setLabelText(uiText(sid::WorkCancelling));
    });

    QTimer updates;
    updates.setInterval(100);
    QObject::connect(&updates, &QTimer::timeout, &dialog, refresh);
    QTimer showTimer;
    showTimer.setSingleShot(true);
    // The progress is written into the dialog only once it shows: setting a
    // QProgressDialog's value shows it at once.
    QObject::connect(&showTimer, &QTimer::timeout, &dialog, [&] {
        if (finished)
            return;
        refresh();
        dialog.show();
        updates.start();
    });

    std::thread worker([&] {
        try {
            job(progress);
        } catch (...) {
            failure = std::current_exception();
        }
        finished = true;
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    showTimer.start(std::max(0, showDelay_));
    loop.exec();
    worker.join();
    updates.stop();
    dialog.hide();

    if (failure)
        std::rethrow_exception(failure);
    return {progress.isCancelled()};
}

}  // namespace pictavo
