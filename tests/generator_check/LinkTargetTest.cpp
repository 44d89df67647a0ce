// What a link reference points to: the page itself, the web, or a file
// path with fragment and query dropped and percent escapes decoded.
#include "generator/check/LinkTarget.h"

#include <gtest/gtest.h>

namespace pictavo {
namespace {

struct TargetRow {
    const char* reference;
    LinkKind kind;
    const char* path;
};

void PrintTo(const TargetRow& row, std::ostream* out) {
    *out << '"' << row.reference << '"';
}

class LinkTargetResolve : public testing::TestWithParam<TargetRow> {};

TEST_P(LinkTargetResolve, ClassifiesAndDecodes) {
    const TargetRow& row = GetParam();
    const LinkTarget target = resolveLinkTarget(QString::fromUtf8(row.reference));
    EXPECT_EQ(target.kind, row.kind) << row.reference;
    EXPECT_EQ(target.path, QString::fromUtf8(row.path)) << row.reference;
}

INSTANTIATE_TEST_SUITE_P(
    References, LinkTargetResolve,
    testing::Values(TargetRow{"", LinkKind::SamePage, ""},
                    TargetRow{"#top", LinkKind::SamePage, ""},
                    TargetRow{"https://example.org/a.jpg", LinkKind::Web, ""},
                    TargetRow{"MAILTO:me@example.org", LinkKind::Web, ""},
                    TargetRow{"night%20%232.jpg#frag", LinkKind::File, "night #2.jpg"},
                    TargetRow{"a%3Fb.htm?x=1#y", LinkKind::File, "a?b.htm"},
                    TargetRow{"%C3%BC%e2%82%ac.jpg", LinkKind::File, "ü€.jpg"},
                    TargetRow{" \tfiles/doc/a.txt\n", LinkKind::File, "files/doc/a.txt"},
                    TargetRow{"..\\up\\x.htm", LinkKind::File, "../up/x.htm"},
                    TargetRow{"C:\\photos\\a.jpg", LinkKind::File, "C:/photos/a.jpg"},
                    TargetRow{"file:///tmp/a%20b.jpg", LinkKind::File, "/tmp/a b.jpg"},
                    TargetRow{"FILE://host/srv/c.jpg", LinkKind::File, "/srv/c.jpg"}));

}  // namespace
}  // namespace pictavo
