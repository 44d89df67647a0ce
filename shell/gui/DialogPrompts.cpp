#include "shell/gui/DialogPrompts.h"

#include "resources/StringIds.h"
#include "resources/StringTable.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

namespace pictavo {

Answer DialogPrompts::askYesNoCancel(const QString& text) {
    switch (QMessageBox::question(parent_, uiText(sid::AppName), text,
                                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                  QMessageBox::Yes)) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        default:
            return Answer::Cancel;
    }
}

bool DialogPrompts::askYesNo(const QString& text) {
    return QMessageBox::question(parent_, uiText(sid::AppName), text,
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void DialogPrompts::showError(const QString& text) {
    QMessageBox::warning(parent_, uiText(sid::AppName), text);
}

void DialogPrompts::showInformation(const QString& text) {
    QMessageBox::information(parent_, uiText(sid::AppName), text);
}

QString DialogPrompts::askOpenFileName(const QString& filter) {
    return QFileDialog::getOpenFileName(parent_, QString(), QString(), filter);
}

QStringList DialogPrompts::askOpenFileNames(const QString& filter) {
    return QFileDialog::getOpenFileNames(parent_, QString(), QString(), filter);
}

QString DialogPrompts::askSaveFileName(const QString& filter, const QString& proposed) {
    return QFileDialog::getSaveFileName(parent_, QString(), proposed, filter);
}

QString DialogPrompts::askFolder(const QString& title, const QString& start) {
    return QFileDialog::getExistingDirectory(parent_, title, start);
}

bool DialogPrompts::openExternally(const QString& fileOrUrl) {
    const QUrl url =
        QUrl(fileOrUrl).scheme().size() > 1 ? QUrl(fileOrUrl) : QUrl::fromLocalFile(fileOrUrl);
    return QDesktopServices::openUrl(url);
}

}  // namespace pictavo
