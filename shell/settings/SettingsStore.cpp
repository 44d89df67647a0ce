#include "shell/settings/SettingsStore.h"

#include "core/AtomicFile.h"
#include "core/TextField.h"
#include "shell/settings/IniDocument.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <limits>
#include <optional>
#include <utility>

namespace pictavo {

namespace {

const QString kTop;  // the group outside any [Group]
const QString kEnvSetting = QStringLiteral("EnvSetting");
const QString kViewWnd = QStringLiteral("ViewWnd");
const QString kRecentFileList = QStringLiteral("RecentFileList");
const QString kShowTips = QStringLiteral("ShowTipsAtStartup");

// A settings file is a few hundred bytes; anything far larger is not ours.
constexpr qint64 kMaxStoreBytes = 1 << 20;
// Recent-file values are read into 255 bytes, the terminator included.
constexpr int kRecentFileBytes = 255;

// The document in the file; nullopt when it exists but cannot be read.
// A missing file reads as an empty document.
std::optional<IniDocument> readDocument(const QString& path) {
    QFile file(path);
    if (!file.exists())
        return IniDocument();
    if (file.size() > kMaxStoreBytes || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return IniDocument::parse(file.readAll());
}

// A 4-byte number: decimal, either a signed or an unsigned 32-bit value
// (unsigned ones wrap as the registry's DWORD would).
std::optional<int> readDword(const IniDocument& doc, const QString& group, const QString& key) {
    const std::optional<QString> text = doc.value(group, key);
    if (!text)
        return std::nullopt;
    bool ok = false;
    const qint64 n = text->toLongLong(&ok);
    if (!ok || n < std::numeric_limits<qint32>::min() || n > std::numeric_limits<quint32>::max())
        return std::nullopt;
    return static_cast<int>(static_cast<quint32>(n));
}

// The leading decimal number of text as C's atoi reads it: blanks, optional
// sign, digits up to the first non-digit; no digits gives 0.
qint64 leadingDecimal(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && text.at(i).isSpace())
        ++i;
    bool negative = false;
    if (i < text.size() && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+')))
        negative = text.at(i++) == QLatin1Char('-');
    qint64 value = 0;
    for (; i < text.size() && text.at(i).isDigit() && value < (qint64(1) << 40); ++i)
        value = value * 10 + text.at(i).digitValue();
    return negative ? -value : value;
}

using Values = std::vector<std::pair<QString, QString>>;

// Opens (or creates) the file, sets the values of one group in order and
// writes the file back atomically. A value that cannot be stored is written
// empty and reported; the others are written.
Status writeValues(const QString& path, const QString& group, const Values& values) {
    std::optional<IniDocument> doc = readDocument(path);
    if (!doc)
        return Error(QStringLiteral("cannot read settings file %1").arg(path));
    QString refused;
    for (const auto& [key, value] : values) {
        if (doc->setValue(group, key, value))
            continue;
        doc->setValue(group, key, QString());
        refused = key;
    }
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return Error(QStringLiteral("cannot create the folder of %1").arg(path));
    Status written = writeFileAtomically(path, doc->serialize());
    if (!written)
        return written.error().withContext(QStringLiteral("cannot write settings"));
    if (!refused.isEmpty())
        return Error(
            QStringLiteral("settings value %1 holds a line break and was not stored").arg(refused));
    return Status::success();
}

QString number(int value) {
    return QString::number(value);
}
QString flag(bool value) {
    return QString::number(value ? 1 : 0);
}
QString recentFileKey(int n) {
    return QStringLiteral("RecentFile%1").arg(n);
}

}  // namespace

SettingsStore::SettingsStore() : SettingsStore(defaultPath()) {}

SettingsStore::SettingsStore(QString path) : path_(std::move(path)) {}

QString SettingsStore::defaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Pictavo/Pictavo.ini");
}

bool SettingsStore::exists() const {
    return QFileInfo(path_).isFile();
}

void SettingsStore::loadEnvironment(EnvironmentSettings& settings) const {
    const std::optional<IniDocument> doc = readDocument(path_);
    if (!doc || !doc->hasGroup(kEnvSetting))
        return;
    const std::pair<const char*, int*> fields[] = {
        {"UseFilenameAsDefCaption", &settings.UseFilenameAsDefCaption},
        {"ThumbnailMaxSizeX", &settings.ThumbnailMaxSizeX},
        {"ThumbnailMaxSizeY", &settings.ThumbnailMaxSizeY},
        {"ExportImgMaxSizeX", &settings.ExportImgMaxSizeX},
        {"ExportImgMaxSizeY", &settings.ExportImgMaxSizeY},
    };
    for (const auto& [key, field] : fields) {
        if (std::optional<int> value = readDword(*doc, kEnvSetting, QLatin1String(key)))
            *field = *value;
    }
}

Status SettingsStore::saveEnvironment(const EnvironmentSettings& settings) {
    return writeValues(
        path_, kEnvSetting,
        {
            {QStringLiteral("UseFilenameAsDefCaption"), number(settings.UseFilenameAsDefCaption)},
            {QStringLiteral("ThumbnailMaxSizeX"), number(settings.ThumbnailMaxSizeX)},
            {QStringLiteral("ThumbnailMaxSizeY"), number(settings.ThumbnailMaxSizeY)},
            {QStringLiteral("ExportImgMaxSizeX"), number(settings.ExportImgMaxSizeX)},
            {QStringLiteral("ExportImgMaxSizeY"), number(settings.ExportImgMaxSizeY)},
        });
}

PaneVisibility SettingsStore::loadPaneVisibility() const {
    PaneVisibility panes;
    const std::optional<IniDocument> doc = readDocument(path_);
    if (!doc)
        return panes;
    const std::pair<const char*, bool*> fields[] = {
        {"AlbumExplorer", &panes.albumExplorer},
        {"FileExplorer", &panes.fileExplorer},
        {"PropertyWnd", &panes.propertyWnd},
    };
    for (const auto& [key, field] : fields) {
        if (std::optional<int> value = readDword(*doc, kViewWnd, QLatin1String(key)))
            *field = *value != 0;
    }
    return panes;
}

Status SettingsStore::savePaneVisibility(const PaneVisibility& panes) {
    return writeValues(path_, kViewWnd,
                       {
                           {QStringLiteral("AlbumExplorer"), flag(panes.albumExplorer)},
                           {QStringLiteral("FileExplorer"), flag(panes.fileExplorer)},
                           {QStringLiteral("PropertyWnd"), flag(panes.propertyWnd)},
                       });
}

RecentFileList SettingsStore::loadRecentFiles() {
    RecentFileList list;
    if (!exists()) {
        (void)createIfMissing();
        return list;
    }
    const std::optional<IniDocument> doc = readDocument(path_);
    if (!doc)
        return list;
    for (int n = 1; n <= RecentFileList::kSize; ++n) {
        if (std::optional<QString> path = doc->value(kRecentFileList, recentFileKey(n)))
            list.setEntry(n, truncateUtf8(*path, kRecentFileBytes - 1));
    }
    return list;
}

Status SettingsStore::saveRecentFiles(const RecentFileList& list) {
    Values values;
    for (int n = 1; n <= RecentFileList::kSize; ++n)
        values.emplace_back(recentFileKey(n), list.entry(n));
    return writeValues(path_, kRecentFileList, values);
}

bool SettingsStore::showTipsAtStartup() const {
    if (!exists())
        return false;
    const std::optional<IniDocument> doc = readDocument(path_);
    if (!doc)
        return true;  // the store is there but the value cannot be read
    const std::optional<QString> value = doc->value(kTop, kShowTips);
    return !value || leadingDecimal(*value) != 0;
}

Status SettingsStore::saveShowTipsAtStartup(bool show) {
    return writeValues(path_, kTop, {{kShowTips, flag(show)}});
}

Status SettingsStore::createIfMissing() {
    if (exists())
        return Status::success();
    if (!QDir().mkpath(QFileInfo(path_).absolutePath()))
        return Error(QStringLiteral("cannot create the folder of %1").arg(path_));
    return writeFileAtomically(path_, QByteArray());
}

}  // namespace pictavo
