#pragma once
// SettingsStore: the program's persistent user settings, kept in one INI
// file (by default <XDG config>/Pictavo/Pictavo.ini). The file holds the
// groups EnvSetting, ViewWnd and RecentFileList and, at the top of the file
// before any group, ShowTipsAtStartup.
//
// Reads never fail: a missing file, group or unreadable value leaves the
// caller's defaults in place. Writes return a Status that callers may
// ignore; a write that cannot be done changes nothing.
//
// A store is a path and nothing else; every call opens the file afresh, so
// several stores on one path agree. Use from one thread at a time.

#include "core/Result.h"
#include "properties/EnvironmentSettings.h"
#include "shell/settings/RecentFileList.h"

#include <QString>

namespace pictavo {

// Which of the three hideable panes are shown; all by default.
struct PaneVisibility {
    bool albumExplorer = true;
    bool fileExplorer = true;
    bool propertyWnd = true;

    bool operator==(const PaneVisibility&) const = default;
};

class SettingsStore {
public:
    // The store in the user's configuration folder.
    SettingsStore();
    // The store at path (tests, portable set-ups).
    explicit SettingsStore(QString path);

    static QString defaultPath();
    const QString& path() const { return path_; }

    // True when the settings file exists.
    bool exists() const;

    // Overwrites each field of settings whose value can be read as a 32-bit
    // number; the others keep what they held.
    void loadEnvironment(EnvironmentSettings& settings) const;
    Status saveEnvironment(const EnvironmentSettings& settings);

    // All panes shown when the group or a value is missing.
    PaneVisibility loadPaneVisibility() const;
    Status savePaneVisibility(const PaneVisibility& panes);

    // Reads RecentFile1 to RecentFile4 (a missing value leaves its entry
    // empty; at most 255 bytes with the terminator, so 254 of UTF-8, are
    // kept). When the store does not exist yet it is created empty, so the
    // first run of the program counts as having a store.
    RecentFileList loadRecentFiles();
    Status saveRecentFiles(const RecentFileList& list);

    // Start-up rule of the Tip of the Day: shown when the store exists and
    // ShowTipsAtStartup is missing or reads as a non-zero decimal number.
    bool showTipsAtStartup() const;
    // Writes ShowTipsAtStartup as "1" or "0".
    Status saveShowTipsAtStartup(bool show);

private:
    Status createIfMissing();

    QString path_;
};

}  // namespace pictavo
