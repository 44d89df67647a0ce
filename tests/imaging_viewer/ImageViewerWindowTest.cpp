#include "imaging/gui/ImageViewerWindow.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QToolBar>

namespace pictavo {
namespace {

class ImageViewerWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        paths_ = {picture("a.png", {2000, 1000}), picture("b.png", {400, 300}),
                  picture("c.png", {300, 600})};
    }

    QString picture(const char* name, QSize size) {
        QImage image(size, QImage::Format_RGB888);
        image.fill(Qt::darkCyan);
        const QString path = dir_.filePath(QLatin1String(name));
        EXPECT_TRUE(image.save(path));
        return path;
    }

    static void press(QWidget* widget, int key, Qt::KeyboardModifiers modifiers = {}) {
        QKeyEvent event(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(widget, &event);
    }

    QTemporaryDir dir_;
    QStringList paths_;
};

TEST_F(ImageViewerWindowTest, OpensAtTheStartIndexWithTitleAndNaturalSize) {
    ImageViewerWindow viewer(paths_, 1);
    EXPECT_EQ(viewer.currentIndex(), 1);
    EXPECT_EQ(viewer.pictureSize(), QSize(400, 300));
    EXPECT_EQ(viewer.windowTitle(), paths_[1] + " (100%)");
    EXPECT_FALSE(viewer.originalSizeAction()->isEnabled());
}

TEST_F(ImageViewerWindowTest, NavigationStopsAtTheEndsButKeysWrap) {
    ImageViewerWindow viewer(paths_, 2);
    viewer.showNext();
    EXPECT_EQ(viewer.currentIndex(), 2);
    press(&viewer, Qt::Key_PageDown);
    EXPECT_EQ(viewer.currentIndex(), 0);
    viewer.showPrevious();
    EXPECT_EQ(viewer.currentIndex(), 0);
    press(&viewer, Qt::Key_Backspace);
    EXPECT_EQ(viewer.currentIndex(), 2);
    press(&viewer, Qt::Key_Space);
    EXPECT_EQ(viewer.currentIndex(), 0);
    viewer.showLast();
    EXPECT_EQ(viewer.currentIndex(), 2);
    viewer.showFirst();
    EXPECT_EQ(viewer.currentIndex(), 0);
}

TEST_F(ImageViewerWindowTest, KeypadKeysZoomAndFit) {
    ImageViewerWindow viewer(paths_, 0);
    press(&viewer, Qt::Key_Plus, Qt::KeypadModifier);
    EXPECT_EQ(viewer.state().zoom(), 150);
    EXPECT_EQ(viewer.windowTitle(), paths_[0] + " (150%)");
    press(&viewer, Qt::Key_Minus, Qt::KeypadModifier);
    press(&viewer, Qt::Key_Minus, Qt::KeypadModifier);
    EXPECT_EQ(viewer.state().zoom(), 70);
    press(&viewer, Qt::Key_Slash, Qt::KeypadModifier);
    EXPECT_EQ(viewer.state().zoom(), 100);
    press(&viewer, Qt::Key_Plus);  // not on the keypad: no zoom
    EXPECT_EQ(viewer.state().zoom(), 100);

    // The fit zoom itself is pinned by the window and state tests.
    press(&viewer, Qt::Key_Asterisk, Qt::KeypadModifier);
    EXPECT_EQ(viewer.state().mode(), ZoomMode::FitWindow);
    EXPECT_TRUE(viewer.originalSizeAction()->isEnabled());
}

TEST_F(ImageViewerWindowTest, FitModeIsKeptWhenTheNextImageIsShownAndOnResize) {
    ImageViewerWindow viewer(paths_, 0);
    viewer.show();
    viewer.resize(700, 700);  // an image area 621 pixels high
    viewer.fitHeight();
    ASSERT_EQ(viewer.imageArea().height(), 621);
    EXPECT_EQ(viewer.state().zoom(), 62);  // 1000 pixels high
    viewer.showNext();
    EXPECT_EQ(viewer.state().zoom(), 207);  // 300 pixels high
    viewer.resize(700, 500);
    ASSERT_EQ(viewer.imageArea().height(), 421);
    EXPECT_EQ(viewer.state().zoom(), 140);
}

TEST_F(ImageViewerWindowTest, AFileThatCannotBeShownLeavesThePreviousPicture) {
    const QString broken = dir_.filePath(QStringLiteral("broken.png"));
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a picture");
    file.close();
    ImageViewerWindow viewer({paths_[1], broken}, 0);
    viewer.showNext();
    EXPECT_EQ(viewer.currentIndex(), 1);
    EXPECT_EQ(viewer.pictureSize(), QSize(400, 300));
}

TEST_F(ImageViewerWindowTest, SlideShowTogglesAndStopsWhenClosed) {
    ImageViewerWindow viewer(paths_, 0);
    viewer.toggleSlideShow();
    EXPECT_TRUE(viewer.isSlideShowRunning());
    viewer.toggleSlideShow();
    EXPECT_FALSE(viewer.isSlideShowRunning());
    viewer.toggleSlideShow();
    viewer.reject();
    EXPECT_FALSE(viewer.isSlideShowRunning());
}

}  // namespace
}  // namespace pictavo
