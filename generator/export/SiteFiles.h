#pragma once
// The fixed files of an exported site: the files tree, the five navigation
// buttons and the autorun files, all taken from the program's data folder.
// Failures are collected in the run report; nothing here stops a run.

#include "generator/export/RunReport.h"

#include <QString>
#include <QStringList>

namespace pictavo {

// Subfolders of "files", in the order they are created.
QStringList siteFileFolders();

// Creates <output>/files and its subfolders, each only when missing.
void createFilesTree(const QString& outputFolder, RunReport& report);

// The button images in copy order: pctvnavl, pctvnavn, pctvnavf, pctvnavt,
// pctvnavp (".gif").
QStringList navigationButtonNames();

// Copies the buttons from <data>/button to <output>/files/image.
void CopyNavigationButtons(const QString& dataFolder, const QString& outputFolder,
                           RunReport& report);

// The text of autorun.inf, with CR LF line breaks.
QByteArray autorunInfText();

// Copies autorun.exe and ie.ico from the data folder and writes autorun.inf.
void writeAutorunFiles(const QString& dataFolder, const QString& outputFolder, RunReport& report);

}  // namespace pictavo
