#pragma once
// The test's stand-in for the user in front of a modal dialog: whenever a
// new dialog of type D is the active modal widget, act() runs on it once
// (typing, clicking). It polls from the event loop that the dialog's exec()
// runs, so the code under test opens its dialogs as it does for a user.

#include <QApplication>
#include <QPointer>
#include <QTimer>

#include <functional>

namespace pictavo::test {

template <typename D>
class ModalAnswer {
public:
    explicit ModalAnswer(std::function<void(D*)> act) : act_(std::move(act)) {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget());
            if (!dialog || dialog == answered_)
                return;
            answered_ = dialog;
            ++shown;
            act_(dialog);
        });
        timer_.start();
    }

    int shown = 0;  // how many dialogs of type D were answered

private:
    std::function<void(D*)> act_;
    QPointer<D> answered_;
    QTimer timer_;
};

}  // namespace pictavo::test
