#include "shell/frame/DocumentController.h"

#include "album/file/AlbumFile.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"
#include "shell/gui/AppContext.h"

#include <QFile>
#include <QFileInfo>

namespace pictavo {

namespace {

const QString kAlbumSuffix = QStringLiteral("www");

QString withAlbumSuffix(const QString& path) {
    return QFileInfo(path).suffix().isEmpty() ? path + QLatin1Char('.') + kAlbumSuffix : path;
}

}  // namespace

void DocumentController::newAlbum() {
    if (!confirmDiscard())
        return;
    replaceWithNewAlbum();
}

void DocumentController::close() {
    if (!confirmDiscard())
        return;
    replaceWithNewAlbum();
}

void DocumentController::replaceWithNewAlbum() {
    context_.album().makeNew();
    context_.undoStack().clear();
    context_.setAlbumPath(QString());
    context_.setSelectedFolder(context_.album().tree.root());
    context_.announceAlbumReplaced();
}

void DocumentController::open() {
    const QString path = context_.prompts().askOpenFileName(uiText(sid::AlbumFileFilter));
    if (path.isEmpty())
        return;
    openWithQuestion(path);
}

bool DocumentController::openWithQuestion(const QString& path) {
    if (!confirmDiscard())
        return false;
    return openPath(path);
}

bool DocumentController::openPath(const QString& path) {
    QString error;
    if (!loadAlbum(path, error)) {
        context_.prompts().showError(uiText(sid::OpenFailed).arg(path, error));
        return false;
    }
    context_.recentFiles().add(path);
    context_.announceRecentFilesChanged();
    return true;
}

bool DocumentController::loadAlbum(const QString& path, QString& error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = file.errorString();  // the open album stays as it was
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        error = file.errorString();
        return false;
    }
    const Status parsed = parseAlbum(context_.album(), bytes);
    if (!parsed) {
        // The album is a new one now; it must not carry the broken file's name.
        error = parsed.error().message();
        context_.undoStack().clear();
        context_.setAlbumPath(QString());
        context_.setSelectedFolder(context_.album().tree.root());
        context_.announceAlbumReplaced();
        return false;
    }
    albumLoaded(path);
    return true;
}

void DocumentController::albumLoaded(const QString& path) {
    context_.undoStack().clear();
    context_.setAlbumPath(path);
    context_.setSelectedFolder(context_.album().tree.root());
    context_.announceAlbumReplaced();
}

void DocumentController::openRecent(int n) {
    const QString path = context_.recentFiles().entry(n);
    if (path.isEmpty() || !askToSaveDocument())
        return;
    QString error;
    if (!loadAlbum(path, error)) {
        context_.recentFiles().remove(n);
        context_.announceRecentFilesChanged();
        context_.prompts().showError(uiText(sid::OpenFailed).arg(path, error));
        return;
    }
    context_.recentFiles().add(path);
    context_.announceRecentFilesChanged();
}

bool DocumentController::openAskingToSaveDocument(const QString& path) {
    return askToSaveDocument() && openPath(path);
}

bool DocumentController::askToSaveDocument() {
    return askToSave(uiText(sid::SaveChangesToDocument));
}

bool DocumentController::confirmDiscard() {
    return askToSave(uiText(sid::SaveChangesTo).arg(context_.albumDisplayName()));
}

bool DocumentController::askToSave(const QString& question) {
    if (!context_.album().tree.isModified())
        return true;
    switch (context_.prompts().askYesNoCancel(question)) {
        case Answer::Yes:
            return save();
        case Answer::No:
            return true;
        case Answer::Cancel:
            break;
    }
    return false;
}

bool DocumentController::save() {
    if (context_.albumPath().isEmpty())
        return saveAs();
    return saveTo(context_.albumPath());
}

bool DocumentController::saveAs() {
    const QString proposed = context_.albumPath().isEmpty()
                                 ? uiText(sid::Untitled) + QStringLiteral(".www")
                                 : context_.albumPath();
    const QString path = context_.prompts().askSaveFileName(uiText(sid::AlbumFileFilter), proposed);
    if (path.isEmpty())
        return false;
    return saveTo(withAlbumSuffix(path));
}

bool DocumentController::saveTo(const QString& path) {
    const Status saved = saveAlbumFile(context_.album(), path);
    if (!saved) {
        context_.prompts().showError(uiText(sid::SaveFailed).arg(path, saved.error().message()));
        return false;
    }
    context_.undoStack().markSaved();
    context_.setAlbumPath(path);
    return true;
}

}  // namespace pictavo
