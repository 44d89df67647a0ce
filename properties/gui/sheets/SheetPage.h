#pragma once
// SheetPage: one page of a property sheet, bound to fields of the record the
// sheet edits. Check boxes, lists, arrows and colour buttons write their
// field at once; edits write when they lose the focus, and the sheet's OK
// calls commitEdits() so that the edit still holding the focus is written
// too. Pages borrow the record; it outlives the sheet.

#include <QWidget>

#include <functional>
#include <vector>

class QLineEdit;
class QPlainTextEdit;

namespace pictavo {

class NumberField;

class SheetPage : public QWidget {
    Q_OBJECT
public:
    explicit SheetPage(QWidget* parent = nullptr) : QWidget(parent) {}

    void commitEdits();
    // After the sheet closed: edits that lose the focus now (the window
    // going away) write nothing, so they cannot undo a Cancel.
    void stopWriting() { writing_ = false; }

protected:
    // store receives the text, cut to the single-line limit.
    void bindLineEdit(QLineEdit* edit, std::function<void(const QString&)> store);
    void bindTextEdit(QPlainTextEdit* edit, std::function<void(const QString&)> store);
    void bindNumber(NumberField* field, std::function<void(int)> store);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Wraps an edit's commit so that it does nothing once writing stopped.
    std::function<void()> whileWriting(std::function<void()> commit);

    bool writing_ = true;
    std::vector<std::function<void()>> pendingEdits_;
    std::vector<std::pair<QPlainTextEdit*, std::function<void()>>> textEdits_;
};

// A single-line edit keeps at most this many characters.
constexpr int kLineEditLimit = 255;

}  // namespace pictavo
