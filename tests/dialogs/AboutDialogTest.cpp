// The About dialog shows the program's version and closes with OK.
#include "shell/dialogs/AboutDialog.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

namespace pictavo {
namespace {

TEST(AboutDialogTest, ShowsTheProjectAndQtVersionsAndClosesWithOk) {
    AboutDialog dialog;
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_EQ(dialog.windowTitle(), "About Pictavo");

    QStringList texts;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        texts << label->text();
    EXPECT_TRUE(texts.contains(QStringLiteral("Pictavo Version " PICTAVO_PROJECT_VERSION)))
        << texts.join(" | ").toStdString();
    EXPECT_TRUE(texts.contains(QStringLiteral("Built with Qt ") + qVersion()));

    QAbstractButton* ok = dialog.findChild<QDialogButtonBox*>()->buttons().value(0);
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->text(), "OK");
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
}

}  // namespace
}  // namespace pictavo
