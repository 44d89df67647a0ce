// Published names: where linked files land in the site and the URLs pages use.
#include "generator/export/PublishedNames.h"

#include <gtest/gtest.h>

namespace pictavo {
namespace {

const QString kOut = QStringLiteral("/out/site");

struct NameCase {
    const char* source;
    bool copy;
    bool convert;
    const char* url;
    PublishAction action;
    const char* destination;  // "" when nothing is written
};

class PublishedNamesTable : public testing::TestWithParam<NameCase> {};

TEST_P(PublishedNamesTable, GivesUrlActionAndDestination) {
    const NameCase& c = GetParam();
    const PublishedFile f =
        planPublishedFile(QString::fromUtf8(c.source), kOut, PublishSwitches{c.copy, c.convert});
    EXPECT_EQ(f.url, QString::fromUtf8(c.url));
    EXPECT_EQ(f.action, c.action);
    EXPECT_EQ(f.destination, QString::fromUtf8(c.destination));
}

INSTANTIATE_TEST_SUITE_P(
    Rules, PublishedNamesTable,
    testing::Values(
        // Images: converted, copied lower-cased, or left as written.
        NameCase{"C:\\Pics\\Beach.PNG", true, true, "./files/image/beach_png.jpg",
                 PublishAction::Convert, "/out/site/files/image/beach_png.jpg"},
        NameCase{"C:\\Pics\\Beach.PNG", true, false, "./files/image/beach.png", PublishAction::Copy,
                 "/out/site/files/image/beach.png"},
        NameCase{"C:\\Pics\\Beach.PNG", false, true, "./files/image/Beach.PNG", PublishAction::None,
                 ""},
        NameCase{"/pics/Holiday.JPG", true, true, "./files/image/holiday.jpg", PublishAction::Copy,
                 "/out/site/files/image/holiday.jpg"},
        // An image kind the converter does not read is copied.
        NameCase{"/pics/old.PIC", true, true, "./files/image/old.pic", PublishAction::Copy,
                 "/out/site/files/image/old.pic"},
        // Other kinds go to their subfolder.
        NameCase{"/docs/Report.PDF", true, true, "./files/doc/report.pdf", PublishAction::Copy,
                 "/out/site/files/doc/report.pdf"},
        NameCase{"/x/README", true, true, "./files/others/readme", PublishAction::Copy,
                 "/out/site/files/others/readme"},
        // Web links stand as typed, https included.
        NameCase{"https://example.org/a?b=1#c", true, true, "https://example.org/a?b=1#c",
                 PublishAction::None, ""},
        // Inside the output folder, by whole components: used in place.
        NameCase{"/out/site/files/image/a.jpg", true, true, "files/image/a.jpg",
                 PublishAction::None, ""},
        NameCase{"/out/site/files/image/B.PNG", true, true, "files/image/B.PNG",
                 PublishAction::Convert, "/out/site/files/image/b_png.jpg"},
        NameCase{"/out/site2/a.jpg", true, true, "./files/image/a.jpg", PublishAction::Copy,
                 "/out/site/files/image/a.jpg"},
        // Characters with a meaning in URLs are encoded in the URL only.
        NameCase{"/pics/Night #2 100%?.jpg", true, true, "./files/image/night %232 100%25%3F.jpg",
                 PublishAction::Copy, "/out/site/files/image/night #2 100%?.jpg"},
        NameCase{"/out/site/my #1/x.jpg", true, true, "my %231/x.jpg", PublishAction::None, ""},
        NameCase{"/pics/Zürich.JPG", true, true, "./files/image/zürich.jpg", PublishAction::Copy,
                 "/out/site/files/image/zürich.jpg"},
        NameCase{"", true, true, "", PublishAction::None, ""}));

TEST(PublishedNames, EncodesOnlyCharactersThatChangeAUrl) {
    EXPECT_EQ(encodeUrlComponent(QStringLiteral("a b-c_d.e~f")), QStringLiteral("a b-c_d.e~f"));
    EXPECT_EQ(encodeUrlComponent(QStringLiteral("\"<&>\t")), QStringLiteral("%22%3C%26%3E%09"));
}

TEST(PublishedNames, ConvertedNameKeepsTheExtensionInTheBase) {
    EXPECT_EQ(convertedImageName(QStringLiteral("Scan.Final.TIFF")),
              QStringLiteral("scan.final_tiff.jpg"));
    EXPECT_TRUE(isConvertedImageType(QStringLiteral("a.bmp")));
    EXPECT_FALSE(isConvertedImageType(QStringLiteral("a.jpeg")));
    EXPECT_FALSE(isConvertedImageType(QStringLiteral("a.gif")));
    EXPECT_FALSE(isConvertedImageType(QStringLiteral("a.pic")));
}

}  // namespace
}  // namespace pictavo
