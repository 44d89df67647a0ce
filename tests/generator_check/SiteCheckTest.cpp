// The link check of a site with deliberately broken links: every broken one
// is found with its page and line, no existing file is reported, web links
// are listed.
#include "generator/check/SiteCheck.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace pictavo {
namespace {

using Finding = std::tuple<QString, int, QString>;

std::vector<Finding> asTuples(const std::vector<LinkFinding>& findings) {
    std::vector<Finding> tuples;
    for (const LinkFinding& f : findings)
        tuples.emplace_back(f.page, f.line, f.reference);
    return tuples;
}

class SiteCheckTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        for (const char* file : {"files/image/photo.jpg", "files/image/Zürich.jpg",
                                 "files/doc/notes one.txt", "files/doc/night #2.jpg", "d0i0.htm"})
            write(QString::fromUtf8(file), "x");
        ASSERT_TRUE(QFile::link(site("files/image/nowhere.jpg"), site("files/image/dangling.jpg")));
        write(
            "index.htm",
            "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-1\">\r\n"
            "<BODY background=\"files/image/gone-bg.gif\">\r\n"
            "<A href=\"d0i0.htm\">ok</A> <IMG src=\"./files/image/photo.jpg\">\r\n"
            "<IMG src=\"./files/image/Photo.jpg\">\r\n"
            "<A href=\"files/doc/notes%20one.txt#top\"> <A href='files/doc/night%20%232.jpg?x'>\r\n"
            "<A href=\"missing.htm\"> <A href=\"https://example.org/\"> <A href=\"#top\">\r\n"
            "<!-- <A href=\"commented.htm\"> --> <A href=\"mailto:me@example.org\">\r\n"
            "<IMG src=\"files/image/Z&#252;rich.jpg\"> <IMG src=\"files/image/Z\xFCrich.jpg\">\r\n"
            "<A href=files/doc/../doc/notes%20one.txt>\r\n"
            "<A\r\nhref=\"gone2.htm\"> <IMG src=\"files/image/dangling.jpg\"> <A "
            "href=\"files/\">\r\n");
        write(
            "sub/page.HTML",
            "<A href=\"../index.htm\"><IMG src=\"img.png\">\n<A href=\"/nonexistent/abs.htm\">\n");
        write("files/doc/notes.txt", "<a href=\"not-a-page.htm\">");
    }

    QString site(const char* name = "") const {
        return dir_.filePath(QStringLiteral("site/") + QString::fromUtf8(name));
    }
    void write(const QString& name, const QByteArray& bytes) const {
        const QString path = dir_.filePath(QStringLiteral("site/") + name);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QTemporaryDir dir_;
};

TEST_F(SiteCheckTest, FindsEveryBrokenLinkWithPageAndLine) {
    const Result<SiteCheckReport> report = checkSite(site());
    ASSERT_TRUE(report.ok()) << report.error().message().toStdString();
    EXPECT_EQ(report->pages, 3);
    const std::vector<Finding> broken = {{"index.htm", 2, "files/image/gone-bg.gif"},
                                         {"index.htm", 4, "./files/image/Photo.jpg"},
                                         {"index.htm", 6, "missing.htm"},
                                         {"index.htm", 11, "gone2.htm"},
                                         {"index.htm", 11, "files/image/dangling.jpg"},
                                         {"sub/page.HTML", 1, "img.png"},
                                         {"sub/page.HTML", 2, "/nonexistent/abs.htm"}};
    EXPECT_EQ(asTuples(report->broken), broken);
    const std::vector<Finding> web = {{"index.htm", 6, "https://example.org/"},
                                      {"index.htm", 7, "mailto:me@example.org"}};
    EXPECT_EQ(asTuples(report->webLinks), web);
    EXPECT_EQ(report->localLinks, 16);
    EXPECT_FALSE(report->allFound());
}

TEST_F(SiteCheckTest, OnlyAFolderCanBeChecked) {
    EXPECT_FALSE(checkSite(site("missing")).ok());
    EXPECT_FALSE(checkSite(site("d0i0.htm")).ok());
}

}  // namespace
}  // namespace pictavo
