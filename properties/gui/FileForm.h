#pragma once
// FileForm: the property area's form for a file on disk chosen in the file
// explorer: its name and full path, read-only.
//
// Threading: GUI thread.

#include <QWidget>

class QLineEdit;

namespace pictavo {

class FileForm : public QWidget {
    Q_OBJECT
public:
    explicit FileForm(QWidget* parent = nullptr);

    void showFile(const QString& path);

private:
    QLineEdit* name_ = nullptr;
    QLineEdit* path_ = nullptr;
};

}  // namespace pictavo
