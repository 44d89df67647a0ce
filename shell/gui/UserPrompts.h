#pragma once
// Everything the program asks the user or tells the user, and the files it
// hands to the desktop, as one interface:
// the GUI answers with dialogs (DialogPrompts), tests answer with scripted
// replies. Texts arrive already translated.

#include <QString>
#include <QStringList>

namespace pictavo {

enum class Answer : int { Yes, No, Cancel };

class UserPrompts {
public:
    virtual ~UserPrompts() = default;

    // Yes / No / Cancel question.
    virtual Answer askYesNoCancel(const QString& text) = 0;
    // Yes / No question; true for Yes.
    virtual bool askYesNo(const QString& text) = 0;
    virtual void showError(const QString& text) = 0;
    virtual void showInformation(const QString& text) = 0;

    // File dialogs; filter is a Qt filter ("Pictavo Files (*.www)"). An
    // empty result means cancelled.
    virtual QString askOpenFileName(const QString& filter) = 0;
    virtual QStringList askOpenFileNames(const QString& filter) = 0;
    virtual QString askSaveFileName(const QString& filter, const QString& proposed) = 0;
    virtual QString askFolder(const QString& title, const QString& start) = 0;

    // Opens a file or a URL with the desktop's default program (the
    // browser for a page); false when nothing could open it.
    virtual bool openExternally(const QString& fileOrUrl) = 0;
};

}  // namespace pictavo
