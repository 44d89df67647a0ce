#pragma once
// DocumentController: New, Open, Close, Save, Save As, the recent albums and
// the save question before the album is replaced or the window closes. Every
// question and message goes through the context's prompts, so tests answer
// them. A failed or cancelled save ends the command and keeps the album and
// its modified flag; an album that cannot be read leaves the open album as
// it was; an album that cannot be parsed leaves a new album.
//
// Ownership: borrows the context. GUI thread only.

#include <QString>

namespace pictavo {

class AppContext;

class DocumentController {
public:
    explicit DocumentController(AppContext& context) : context_(context) {}

    void newAlbum();
    void open();
    // Opens path after the save question; false when not opened.
    bool openWithQuestion(const QString& path);
    void close();
    bool save();
    bool saveAs();
    // Recent entry n (1..4).
    void openRecent(int n);
    // Opens path after the question "Do you want to save changes to this
    // document?" (an album opened from the file list); false when not
    // opened.
    bool openAskingToSaveDocument(const QString& path);

    // The save question ("Save changes to %1?"): true when the caller may go
    // on (saved, or No), false on Cancel or a failed or cancelled save.
    bool confirmDiscard();

    // Opens path without a question (start-up, after the question). Shows
    // the error on failure.
    bool openPath(const QString& path);

private:
    void replaceWithNewAlbum();
    // The question of the recent list and the file list: true when the
    // caller may go on (not modified, saved, or No).
    bool askToSaveDocument();
    // Asks question unless the album is unmodified; Yes saves. False when
    // the user cancelled or the save failed.
    bool askToSave(const QString& question);
    bool saveTo(const QString& path);
    bool loadAlbum(const QString& path, QString& error);
    void albumLoaded(const QString& path);

    AppContext& context_;
};

}  // namespace pictavo
