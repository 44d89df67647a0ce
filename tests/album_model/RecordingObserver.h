#pragma once
// Test helper: an AlbumObserver that writes every notification it receives
// as one line ("inserted 0 1": parent id 0, index 1), so that a test can
// compare the whole sequence at once.

#include "album/AlbumObserver.h"
#include "album/SiteNodes.h"

#include <QString>
#include <QStringList>

namespace pictavo::test {

class RecordingObserver : public AlbumObserver {
public:
    QStringList events;
    void folderAboutToBeInserted(CSiteFolder* parent, int index) override {
        log("aboutToInsert", parent, index);
    }
    void folderInserted(CSiteFolder* parent, int index) override { log("inserted", parent, index); }
    void folderAboutToBeRemoved(CSiteFolder* parent, int index) override {
        log("aboutToRemove", parent, index);
    }
    void folderRemoved(CSiteFolder* parent, int index) override { log("removed", parent, index); }
    void folderAboutToBeMoved(CSiteFolder* parent, int from, int to) override {
        log("aboutToMove", parent, from, to);
    }
    void folderMoved(CSiteFolder* parent, int from, int to) override {
        log("moved", parent, from, to);
    }
    void folderChanged(CSiteFolder* folder) override { log("folderChanged", folder); }
    void pagesAboutToBeInserted(CSiteFolder* folder, int first, int last) override {
        log("aboutToInsertPages", folder, first, last);
    }
    void pagesInserted(CSiteFolder* folder, int first, int last) override {
        log("pagesInserted", folder, first, last);
    }
    void pagesAboutToBeRemoved(CSiteFolder* folder, int first, int last) override {
        log("aboutToRemovePages", folder, first, last);
    }
    void pagesRemoved(CSiteFolder* folder, int first, int last) override {
        log("pagesRemoved", folder, first, last);
    }
    void pageAboutToBeMoved(CSiteFolder* folder, int from, int to) override {
        log("aboutToMovePage", folder, from, to);
    }
    void pageMoved(CSiteFolder* folder, int from, int to) override {
        log("pageMoved", folder, from, to);
    }
    void pageChanged(CSiteFolder* folder, int index) override { log("pageChanged", folder, index); }
    void aboutToReset() override { events << QStringLiteral("aboutToReset"); }
    void resetDone() override { events << QStringLiteral("resetDone"); }
    void modifiedChanged(bool modified) override {
        events << QStringLiteral("modified %1").arg(modified ? 1 : 0);
    }

private:
    void log(const char* what, const CSiteFolder* folder, int a = -1, int b = -1) {
        QString line = QString::fromLatin1(what) + QLatin1Char(' ') +
                       QString::number(folder ? folder->id : -1);
        if (a >= 0)
            line += QLatin1Char(' ') + QString::number(a);
        if (b >= 0)
            line += QLatin1Char(' ') + QString::number(b);
        events << line;
    }
};

}  // namespace pictavo::test
