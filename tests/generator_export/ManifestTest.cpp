// The export record's text: every field survives the round trip, whatever
// characters the paths hold.
#include "generator/export/ExportManifest.h"

#include <gtest/gtest.h>

namespace pictavo {
namespace {

bool sameRecord(const ExportRecord& a, const ExportRecord& b) {
    return a.kind == b.kind && a.output == b.output && a.source == b.source &&
           a.sourceStamp == b.sourceStamp && a.shape == b.shape && a.result == b.result &&
           a.outputStamp == b.outputStamp;
}

TEST(ExportManifest, EveryFieldSurvivesTheRoundTrip) {
    const QString awkward = QString::fromUtf8("files/image/a\tb%09\nc\r 東京.jpg");
    ExportManifest manifest{QStringLiteral("Pictavo 9, image work 3"), {}};
    manifest.records.push_back({RecordKind::Thumbnail,
                                QStringLiteral("files/thumbnail/Thumbnail7.gif"),
                                QStringLiteral("/photos/x%y.gif"),
                                {12, -5, 1'700'000'000'123'456'789},
                                QStringLiteral("150x150 reduced"),
                                QStringLiteral("7"),
                                {3, 4, 5}});
    manifest.records.push_back(
        {RecordKind::Copy, awkward, QStringLiteral("/p/a\tb"), {0, 1, 2}, {}, {}, {6, 7, 8}});
    manifest.records.push_back({RecordKind::DisplaySize,
                                {},
                                QStringLiteral("/p/q.png"),
                                {1, 1, 1},
                                QStringLiteral("640x480"),
                                QStringLiteral("640x427"),
                                {}});
    manifest.records.push_back(
        {RecordKind::Written, QStringLiteral("index.htm"), {}, {}, {}, {}, {9, 9, 9}});

    const std::optional<ExportManifest> back = parseManifest(serializeManifest(manifest));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->fingerprint, manifest.fingerprint);
    ASSERT_EQ(back->records.size(), manifest.records.size());
    for (std::size_t i = 0; i < manifest.records.size(); ++i)
        EXPECT_TRUE(sameRecord(back->records[i], manifest.records[i])) << i;
}

}  // namespace
}  // namespace pictavo
