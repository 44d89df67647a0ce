// The Convert images dialog through its widgets, and Convert Images over a
// selection of files with the dialog answered the way a user does.
#include "imaging/file/ImageFile.h"
#include "imaging/gui/ConvertDialog.h"
#include "imaging/gui/ConvertDialogRun.h"

#include "ModalAnswer.h"
#include "ScriptedPrompts.h"
#include "imaging/ImageType.h"
#include "imaging/RasterImage.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"
#include "shell/gui/AppContext.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <memory>

namespace pictavo::test {
namespace {

QListWidgetItem* formatItem(ConvertDialog* dialog, const QString& text) {
    const QList<QListWidgetItem*> found = dialog->formatList()->findItems(text, Qt::MatchExactly);
    return found.isEmpty() ? nullptr : found.front();
}

void clickFormat(ConvertDialog* dialog, const QString& text, bool twice) {
    QListWidget* list = dialog->formatList();
    list->scrollToItem(formatItem(dialog, text));
    const QPoint at = list->visualItemRect(formatItem(dialog, text)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    if (twice) {
        // The second click of a double-click, as the window system reports it.
        QMouseEvent second(QEvent::MouseButtonDblClick, at, list->viewport()->mapToGlobal(at),
                           Qt::LeftButton, Qt::LeftButton, {});
        QApplication::sendEvent(list->viewport(), &second);
    }
}

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class ConvertDialogTest : public testing::Test {
protected:
    void open(const QString& folder) {
        dialog = std::make_unique<ConvertDialog>(folder, prompts);
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    }
    QTemporaryDir dir;
    ScriptedPrompts prompts;
    std::unique_ptr<ConvertDialog> dialog;
};

TEST_F(ConvertDialogTest, AClickChoosesTheFormatAndADoubleClickAlsoAccepts) {
    open(dir.path());
    EXPECT_STREQ(dialog->target().extension, "bmp");

    clickFormat(dialog.get(), "PCX PCX", false);
    EXPECT_STREQ(dialog->target().extension, "pcx");
    EXPECT_TRUE(dialog->isVisible());
    // A double-click chooses and closes as OK.
    open(dir.path());
    clickFormat(dialog.get(), "TIFF Tag Image File Format", true);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(dialog->target().type, kImageTiff);
}

// Convert Images over a selection: the dialog gets the format clicked (and
// a folder typed when one is given) and OK, or Cancel for an empty format.
class ConvertSelectionTest : public testing::Test {
protected:
    QString picture(const QString& name, int type) {
        RasterImage image;
        EXPECT_TRUE(image.create(24, 16, 24));
        const QString path = dir.filePath(name);
        EXPECT_TRUE(saveImage(image, path, type));
        return path;
    }
    QString file(const QString& name, const QByteArray& bytes) {
        const QString path = dir.filePath(name);
        QFile out(path);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
        return path;
    }
    QString gif(const QString& name) {
        const QString path = dir.filePath(name);
        EXPECT_TRUE(QFile::copy(PICTAVO_TEST_DATA "/codecs/gif-mono.gif", path));
        return path;
    }
    QByteArray formatOf(const QString& name) { return QImageReader(dir.filePath(name)).format(); }
    void convert(const QStringList& paths, const QString& format) {
        chosenFormat = format;
        convertImageFiles(context, paths, nullptr);
    }

    QTemporaryDir dir;
    ScriptedPrompts prompts;
    AppContext context{SettingsStore(dir.filePath("Pictavo.ini")), prompts};
    QSignalSpy changed{&context, &AppContext::folderContentsChanged};
    QString chosenFormat;
    ModalAnswer<ConvertDialog> user{[this](ConvertDialog* dialog) {
        if (chosenFormat.isEmpty()) {
            QTest::mouseClick(dialog->cancelButton(), Qt::LeftButton);
            return;
        }
        clickFormat(dialog, chosenFormat, false);
        QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
    }};
};

TEST_F(ConvertSelectionTest, ImagesAreWrittenBesideThemAndOtherFilesIgnored) {
    convert({picture("a.jpg", kImageJpeg), gif("b.gif"), file("c.txt", "text"),
             picture("photo.x.bmp", kImageBmp)},
            "PNG Portable Network Graphics");
    EXPECT_EQ(user.shown, 1);
    EXPECT_EQ(formatOf("a.png"), "png");
    EXPECT_EQ(formatOf("b.png"), "png");
    EXPECT_EQ(formatOf("photo.x.png"), "png");
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("c.png")));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("photo.png")));
    EXPECT_TRUE(prompts.asked.isEmpty());
    ASSERT_EQ(changed.size(), 1);
    EXPECT_EQ(QFileInfo(changed.front().front().toString()).canonicalFilePath(),
              QFileInfo(dir.path()).canonicalFilePath());

    // A selection without images opens no dialog.
    convert({dir.filePath("c.txt")}, "PCX PCX");
    EXPECT_EQ(user.shown, 1);
}

TEST_F(ConvertSelectionTest, FilesOfTheChosenTypeAreSkipped) {
    const QString jpg = picture("a.jpg", kImageJpeg);
    const QByteArray before = bytesOf(jpg);
    convert({jpg, picture("d.jpeg", kImageJpeg), gif("b.gif")}, "JPG JPEG");
    EXPECT_EQ(formatOf("b.jpg"), "jpeg");
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("d.jpg")));
    EXPECT_EQ(bytesOf(jpg), before);
}

class ReplacingAnswer : public ConvertSelectionTest, public testing::WithParamInterface<Answer> {};

TEST_P(ReplacingAnswer, DecidesAboutTheFilesThatExistedBefore) {
    const QString existing = file("a.png", "ORIGINAL");
    prompts.answers = {GetParam()};
    convert({picture("a.jpg", kImageJpeg), gif("b.gif")}, "PNG Portable Network Graphics");
    EXPECT_EQ(prompts.asked, QStringList{uiText(sid::ConvertReplace).arg(existing)});
    switch (GetParam()) {
        case Answer::Yes:
            EXPECT_EQ(formatOf("a.png"), "png");
            EXPECT_EQ(formatOf("b.png"), "png");
            break;
        case Answer::No:
            EXPECT_EQ(bytesOf(existing), "ORIGINAL");
            EXPECT_EQ(formatOf("b.png"), "png");
            break;
        case Answer::Cancel:
            EXPECT_EQ(bytesOf(existing), "ORIGINAL");
            EXPECT_FALSE(QFileInfo::exists(dir.filePath("b.png")));
            EXPECT_EQ(changed.size(), 0);
            break;
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, ReplacingAnswer,
                         testing::Values(Answer::Yes, Answer::No, Answer::Cancel));

TEST_F(ConvertSelectionTest, FilesThatCouldNotBeConvertedAreListedOnce) {
    const QByteArray garbage("BM this is no bitmap at all");
    convert(
        {file("broken.bmp", garbage), picture("fine.bmp", kImageBmp), file("damaged.tga", "xx")},
        "PNG Portable Network Graphics");
    EXPECT_EQ(bytesOf(dir.filePath("broken.png")), garbage);
    EXPECT_EQ(formatOf("fine.png"), "png");
    ASSERT_EQ(prompts.asked.size(), 1);
    const QString summary = prompts.asked.front();
    EXPECT_TRUE(summary.startsWith(uiText(sid::ConvertProblems).arg(QString())));
    EXPECT_TRUE(summary.contains("broken.bmp"));
    EXPECT_TRUE(summary.contains("damaged.tga"));
    EXPECT_FALSE(summary.contains("fine.bmp"));
}

}  // namespace
}  // namespace pictavo::test
