// The icons of resources/icons/icons.qrc: every icon the commands name is
// there, each one is a valid SVG drawing of the agreed size, and each draws
// something visible at the toolbar and menu sizes through QIcon (which needs
// Qt's SVG icon engine, as the program does).
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QRegularExpression>
#include <QSet>
#include <QSvgRenderer>

namespace {

QString sourceText(const char* relative) {
    QFile file(QStringLiteral(PICTAVO_SOURCE_DIR "/") + QLatin1String(relative));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

// The icon names in the command table: the quoted name that stands before the
// checkable flag at the end of each row.
QSet<QString> commandIconNames() {
    const QString table = sourceText("shell/gui/CommandRegistry.cpp");
    static const QRegularExpression row(QStringLiteral(R"re("([a-z][a-z0-9-]*)",\s*(?:true|false)\s*\})re"));
    QSet<QString> names;
    for (const QRegularExpressionMatch& match : row.globalMatch(table)) names.insert(match.captured(1));
    return names;
}

QSet<QString> resourceIconNames() {
    QSet<QString> names;
    for (const QString& entry : QDir(QStringLiteral(":/icons")).entryList(QDir::Files))
        if (entry.endsWith(QLatin1String(".svg"))) names.insert(entry.chopped(4));
    return names;
}

double visibleShare(const QImage& image) {
    int visible = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 64) ++visible;
    return double(visible) / (image.width() * image.height());
}

TEST(IconResource, HoldsEveryIconTheCommandsName) {
    const QSet<QString> wanted = commandIconNames();
    // The table has more than twenty icons; finding fewer means the pattern
    // no longer matches the table, not that the icons are there.
    ASSERT_GE(wanted.size(), 20) << "icon names not found in shell/gui/CommandRegistry.cpp";
    const QSet<QString> present = resourceIconNames();
    for (const QString& name : wanted) EXPECT_TRUE(present.contains(name)) << name.toStdString();
    for (const QString& name : present)
        EXPECT_TRUE(wanted.contains(name) || name == QLatin1String("app"))
            << name.toStdString() << ".svg is in the resource but no command uses it";
}

TEST(IconResource, HoldsTheApplicationIconTheProgramSets) {
    ASSERT_TRUE(sourceText("shell/app/Main.cpp").contains(QLatin1String(":/icons/app.svg")));
    EXPECT_TRUE(QFile::exists(QStringLiteral(":/icons/app.svg")));
}

TEST(IconResource, CommandIconsAreValid32PixelDrawings) {
    const QSet<QString> names = resourceIconNames();
    ASSERT_FALSE(names.isEmpty());
    for (const QString& name : names) {
        QSvgRenderer renderer(QStringLiteral(":/icons/%1.svg").arg(name));
        ASSERT_TRUE(renderer.isValid()) << name.toStdString();
        if (name == QLatin1String("app")) {
            EXPECT_EQ(renderer.viewBox().width(), renderer.viewBox().height());
            EXPECT_GE(renderer.viewBox().width(), 256);
        } else {
            EXPECT_EQ(renderer.viewBox(), QRect(0, 0, 32, 32)) << name.toStdString();
        }
    }
}

TEST(IconResource, EveryIconDrawsAtMenuAndToolbarSizes) {
    const QSet<QString> names = resourceIconNames();
    ASSERT_FALSE(names.isEmpty());
    for (const QString& name : names) {
        const QIcon icon(QStringLiteral(":/icons/%1.svg").arg(name));
        for (int size : {16, 32}) {
            const QImage image = icon.pixmap(size, size).toImage();
            ASSERT_EQ(image.size(), QSize(size, size)) << name.toStdString() << " at " << size;
            const double share = visibleShare(image);
            EXPECT_GT(share, 0.08) << name.toStdString() << " at " << size << " is nearly empty";
            EXPECT_LT(share, 0.95) << name.toStdString() << " at " << size << " fills its square";
        }
    }
}

}  // namespace
