#pragma once
// TextEditorForm: one large box for the link text or the description of
// the shown folder or page, with a button that closes it. The property
// area shows it in place of the calling form; closing hands the text back
// (the property area writes it), showing another item drops it.
//
// Threading: GUI thread.

#include <QWidget>

class QPlainTextEdit;

namespace pictavo {

class TextEditorForm : public QWidget {
    Q_OBJECT
public:
    explicit TextEditorForm(QWidget* parent = nullptr);

    void edit(const QString& text);
    QString text() const;

signals:
    void closeClicked();

private:
    QPlainTextEdit* box_ = nullptr;
};

}  // namespace pictavo
