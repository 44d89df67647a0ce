#include "resources/StringTable.h"

#include <gtest/gtest.h>

namespace pictavo {
namespace {

TEST(PlainMenuText, DropsAcceleratorMarkersAndKey) {
    EXPECT_EQ(plainMenuText(QStringLiteral("&Open...\tCtrl+O")), QStringLiteral("Open..."));
    EXPECT_EQ(plainMenuText(QStringLiteral("Save &As...")), QStringLiteral("Save As..."));
    EXPECT_EQ(plainMenuText(QStringLiteral("Drag && Drop")), QStringLiteral("Drag & Drop"));
    // The accelerator appended in brackets goes with its brackets.
    EXPECT_EQ(plainMenuText(QStringLiteral(u"打开(&O)...\tCtrl+O")), QStringLiteral(u"打开..."));
    EXPECT_EQ(plainMenuText(QStringLiteral(u"撤销新建文件夹(&U)\tCtrl+Z")),
              QStringLiteral(u"撤销新建文件夹"));
    EXPECT_EQ(plainMenuText(QStringLiteral(u"ファイル (&F)")), QStringLiteral(u"ファイル"));
    // Brackets that hold more than a marked letter are text.
    EXPECT_EQ(plainMenuText(QStringLiteral("Import (&all)")), QStringLiteral("Import (all)"));
}

}  // namespace
}  // namespace pictavo
