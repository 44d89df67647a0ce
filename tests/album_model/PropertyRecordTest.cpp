// The website and layout property records: resets (with and without the
// GENERATOR meta variable), one field per album-file key, decimal
// conversion and text capacities cut at character boundaries.

#include "properties/LayoutProperty.h"
#include "properties/WebsiteProperty.h"
#include "tests/album_model/TreeText.h"

#include <gtest/gtest.h>

#include <QMap>
#include <QSet>

#include <climits>

namespace pictavo {
namespace {

QString valueOf(const PropertyField& field) {
    return field.kind == FieldKind::Text ? field.text->get() : QString::number(*field.number);
}

// Key -> value text of every field of a table.
QMap<QString, QString> snapshot(const FieldTable& fields) {
    QMap<QString, QString> values;
    for (const PropertyField& field : fields)
        values.insert(field.key, valueOf(field));
    return values;
}

// Gives every field of the table a value no default has.
void scribble(const FieldTable& fields) {
    int n = 1000;
    for (const PropertyField& field : fields)
        setFieldByKey(fields, field.key,
                      field.kind == FieldKind::Text ? "junk" : QString::number(++n));
}

// Reset reaches every field: after scribbling, each field is back to its
// value in a fresh record. The default values themselves are pinned, key by
// key, by the album writer's golden file.
TEST(PropertyRecords, ResetRestoresEveryField) {
    WebsiteProperty freshWebsite;
    LayoutProperty freshLayout;
    const QMap<QString, QString> websiteDefaults = snapshot(freshWebsite.fields());
    const QMap<QString, QString> layoutDefaults = snapshot(freshLayout.fields());
    WebsiteProperty website;
    for (bool addGenerator : {true, false}) {
        SCOPED_TRACE(addGenerator);
        scribble(website.fields());
        website.metas.resize(3);
        website.Reset(addGenerator);
        EXPECT_EQ(snapshot(website.fields()), websiteDefaults);
    }
    LayoutProperty layout;
    scribble(layout.fields());
    layout.Reset(true);
    EXPECT_EQ(snapshot(layout.fields()), layoutDefaults);
}

TEST(WebsiteProperty, OnlyANewAlbumGetsTheGeneratorMeta) {
    WebsiteProperty website;
    // The variable itself is pinned by the album writer's golden file.
    website.metas.resize(2);
    website.Reset(true);
    EXPECT_EQ(website.metas.size(), 1u);  // replaced, not added to

    website.Reset(false);
    EXPECT_TRUE(website.metas.empty());
}

// Every key reaches its own field: no two keys share storage.
TEST(PropertyFields, EveryKeyAddressesItsOwnField) {
    WebsiteProperty website;
    LayoutProperty layout;
    MetaVariable meta;
    for (const FieldTable& fields : {website.fields(), layout.fields(), meta.fields()}) {
        QSet<QString> keys;
        scribble(fields);
        const QMap<QString, QString> values = snapshot(fields);
        QSet<QString> numbers;
        for (const PropertyField& field : fields) {
            EXPECT_FALSE(keys.contains(field.key)) << field.key.toStdString();
            keys.insert(field.key);
            if (field.kind != FieldKind::Text) {
                EXPECT_FALSE(numbers.contains(values[field.key])) << field.key.toStdString();
                numbers.insert(values[field.key]);
            }
        }
    }
}

struct DecimalCase {
    const char* text;
    int value;
};

class PlainDecimal : public ::testing::TestWithParam<DecimalCase> {};

TEST_P(PlainDecimal, Converts) {
    EXPECT_EQ(parseDecimal(QString::fromLatin1(GetParam().text)), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Cases, PlainDecimal,
                         ::testing::Values(DecimalCase{"  -7", -7}, DecimalCase{"+5", 5},
                                           DecimalCase{"12abc", 12}, DecimalCase{"abc", 0},
                                           DecimalCase{"-", 0}, DecimalCase{"99999999999", INT_MAX},
                                           DecimalCase{"-99999999999", INT_MIN},
                                           DecimalCase{"-2147483648", INT_MIN}));

TEST(LayoutProperty, ResetBeforeReadingKeepsCellSpacing) {
    LayoutProperty layout;
    layout.table.cellpadding = 5;
    layout.table.cellspacing = 6;
    layout.table.borderwidth = 2;
    layout.Reset(false);
    EXPECT_EQ(layout.table.cellpadding, 5);
    EXPECT_EQ(layout.table.cellspacing, 6);
    EXPECT_EQ(layout.table.borderwidth, 0);
    layout.Reset(true);
    EXPECT_EQ(layout.table.cellpadding, 0);
    EXPECT_EQ(layout.table.cellspacing, 0);
}

struct CapacityCase {
    const char* name;
    int capacity;
    QString input;
    QString expected;
};

class TextCapacity : public ::testing::TestWithParam<CapacityCase> {};

TEST_P(TextCapacity, CutsAtACharacterBoundary) {
    const CapacityCase& c = GetParam();
    TextField field(c.capacity);
    field = c.input;
    EXPECT_EQ(field.get(), c.expected);
}

const QString kEmoji = QString::fromUtf8("\xF0\x9F\x93\xB7");  // camera, 4 bytes, a pair

INSTANTIATE_TEST_SUITE_P(
    Cases, TextCapacity,
    ::testing::Values(
        CapacityCase{"AsciiFits", 255, QString(254, 'a'), QString(254, 'a')},
        CapacityCase{"AsciiCut", 255, QString(300, 'a'), QString(254, 'a')},
        CapacityCase{"TwoByteCut", 255, QString(200, QChar(0xE9)), QString(127, QChar(0xE9))},
        CapacityCase{"ThreeByteCut", 255, QString(100, QChar(0x20AC)), QString(84, QChar(0x20AC))},
        CapacityCase{"PairNotSplit", 255, kEmoji.repeated(64), kEmoji.repeated(63)},
        CapacityCase{"PairAtEdge", 10, QStringLiteral("abcdef") + kEmoji, QStringLiteral("abcdef")},
        CapacityCase{"AnyLength", 0, QString(5000, 'x'), QString(5000, 'x')}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace pictavo
