#pragma once
// Prompts answered by the test: each question takes the next scripted
// answer (Cancel when the script ran out) and is recorded with its text.

#include "shell/gui/UserPrompts.h"

#include <QStringList>

#include <deque>

namespace pictavo::test {

class ScriptedPrompts : public UserPrompts {
public:
    std::deque<Answer> answers;
    std::deque<QString> fileNames;  // for every file or folder dialog
    QStringList asked;              // every question and message, in order
    QStringList errors;
    QStringList opened;  // files and URLs handed to the desktop
    bool openSucceeds = true;

    Answer askYesNoCancel(const QString& text) override {
        asked << text;
        if (answers.empty())
            return Answer::Cancel;
        const Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    bool askYesNo(const QString& text) override { return askYesNoCancel(text) == Answer::Yes; }
    void showError(const QString& text) override {
        asked << text;
        errors << text;
    }
    void showInformation(const QString& text) override { asked << text; }
    QString askOpenFileName(const QString&) override { return nextFileName(); }
    QStringList askOpenFileNames(const QString&) override {
        const QString name = nextFileName();
        return name.isEmpty() ? QStringList() : name.split(QLatin1Char('\n'));
    }
    QString askSaveFileName(const QString&, const QString&) override { return nextFileName(); }
    QString askFolder(const QString&, const QString&) override { return nextFileName(); }
    bool openExternally(const QString& fileOrUrl) override {
        opened << fileOrUrl;
        return openSucceeds;
    }

private:
    QString nextFileName() {
        asked << QStringLiteral("<file dialog>");
        if (fileNames.empty())
            return {};
        QString name = fileNames.front();
        fileNames.pop_front();
        return name;
    }
};

}  // namespace pictavo::test
