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
#include <tuple>

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
        // Only a new album gets the GENERATOR meta, in place of the old ones.
        EXPECT_EQ(website.metas.size(), addGenerator ? 1u : 0u);
    }
    LayoutProperty layout;
    scribble(layout.fields());
    layout.Reset(true);
    EXPECT_EQ(snapshot(layout.fields()), layoutDefaults);
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

TEST(PlainDecimal, ReadsLeadingDigitsAndSaturates) {
    const std::pair<const char*, int> cases[] = {{"  -7", -7},
                                                 {"+5", 5},
                                                 {"12abc", 12},
                                                 {"abc", 0},
                                                 {"-", 0},
                                                 {"99999999999", INT_MAX},
                                                 {"-99999999999", INT_MIN},
                                                 {"-2147483648", INT_MIN}};
    for (const auto& [text, value] : cases)
        EXPECT_EQ(parseDecimal(QString::fromLatin1(text)), value) << text;
}

TEST(LayoutProperty, ResetBeforeReadingKeepsCellSpacing) {
    LayoutProperty layout;
    layout.table.cellpadding = 5;
    layout.table.cellspacing = 6;
    layout.table.borderwidth = 2;
    const auto table = [&] {
        return std::tuple(layout.table.cellpadding, layout.table.cellspacing,
                          layout.table.borderwidth);
    };
    layout.Reset(false);
    EXPECT_EQ(table(), std::tuple(5, 6, 0));
    layout.Reset(true);
    EXPECT_EQ(table(), std::tuple(0, 0, 0));
}

TEST(TextCapacity, CutsAtACharacterBoundary) {
    const QString emoji = QString::fromUtf8("\xF0\x9F\x93\xB7");  // camera, 4 bytes, a pair
    const std::tuple<int, QString, QString> cases[] = {
        {255, QString(254, 'a'), QString(254, 'a')},
        {255, QString(300, 'a'), QString(254, 'a')},
        {255, QString(200, QChar(0xE9)), QString(127, QChar(0xE9))},
        {255, QString(100, QChar(0x20AC)), QString(84, QChar(0x20AC))},
        {255, emoji.repeated(64), emoji.repeated(63)},
        {0, QString(5000, 'x'), QString(5000, 'x')},  // no limit
    };
    for (const auto& [capacity, input, expected] : cases) {
        TextField field(capacity);
        field = input;
        EXPECT_EQ(field.get(), expected) << capacity << " " << input.size();
    }
}

}  // namespace
}  // namespace pictavo
