#pragma once
// The fields of folders and pages by their album-file keys, in the order the
// album file writes them. The album file writer and reader and the JSON dump
// share these tables, so a field is named in one place.
//
// Constant tables; safe from any thread.

#include "album/SiteNodes.h"

#include <array>

namespace pictavo {

// One field: a number or a text member of Node (exactly one is set).
template <typename Node>
struct SiteNodeField {
    const char* key;
    int Node::*number = nullptr;
    QString Node::*text = nullptr;
};

inline constexpr std::array<SiteNodeField<CSiteFolder>, 11> kFolderFields{{
    {"id", &CSiteFolder::id},
    {"col", &CSiteFolder::col},
    {"pagecount", &CSiteFolder::pagecount},
    {"caption", nullptr, &CSiteFolder::caption},
    {"desc", nullptr, &CSiteFolder::desc},
    {"url", nullptr, &CSiteFolder::url},
    {"rows", &CSiteFolder::rows},
    {"cols", &CSiteFolder::cols},
    {"lnkimg", nullptr, &CSiteFolder::lnkimg},
    {"posstyle", &CSiteFolder::posstyle},
    {"lnkstyle", &CSiteFolder::lnkstyle},
}};

inline constexpr std::array<SiteNodeField<CSitePage>, 7> kPageFields{{
    {"id", &CSitePage::id},
    {"caption", nullptr, &CSitePage::caption},
    {"desc", nullptr, &CSitePage::desc},
    {"url", nullptr, &CSitePage::url},
    {"lnkimg", nullptr, &CSitePage::lnkimg},
    {"posstyle", &CSitePage::posstyle},
    {"lnkstyle", &CSitePage::lnkstyle},
}};

}  // namespace pictavo
