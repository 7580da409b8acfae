// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/common/Services.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace vx {

namespace {

class SilentPrompts final : public Prompts {
  public:
    void message(const QString&, const QString&) override {}
    bool question(const QString&, const QString&) override { return false; }
    std::optional<QString> input(const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
};

SilentPrompts g_silent;
Prompts* g_prompts = &g_silent;
const Clock g_systemClock;
const Clock* g_clock = &g_systemClock;
Folders g_folders;

} // namespace

Prompts& prompts() {
    return *g_prompts;
}
void setPrompts(Prompts* service) {
    g_prompts = service ? service : &g_silent;
}
void showMessage(const QString& text) {
    prompts().message(text, kAppTitle);
}

const Clock& clock() {
    return *g_clock;
}
void setClock(const Clock* source) {
    g_clock = source ? source : &g_systemClock;
}

QString Folders::dataFile(const QString& name) const {
    return QDir(dataDir).filePath(name);
}
QString Folders::teamsDir() const {
    return QDir(homeDir).filePath(QStringLiteral("Teams"));
}
QString Folders::settingsFolder() const {
    return settingsDir.isEmpty() ? homeDir : settingsDir;
}
QString Folders::settingsFile() const {
    return QDir(settingsFolder()).filePath(QStringLiteral("Vorlentix.ini"));
}

namespace {

const QString kSettingsName = QStringLiteral("Vorlentix.ini");
const QString kTeamsName = QStringLiteral("Teams");

// The generic locations, not the application ones: those add the organisation and the
// application name, which are both Vorlentix.
QString UserFolder(QStandardPaths::StandardLocation generic) {
    return QDir(QStandardPaths::writableLocation(generic)).filePath(QStringLiteral("vorlentix"));
}

// Moves `from` to `to` unless `to` is there; a folder whose name is taken is merged file by
// file. Appends to `left` what stayed behind.
void MoveWithoutOverwriting(const QString& from, const QString& to, QStringList& left) {
    const QFileInfo source(from);
    if (!QFileInfo::exists(to)) {
        // A rename keeps the times and is all or nothing; across file systems Qt copies a
        // file, and a folder is then merged below.
        if (source.isDir() ? QDir().rename(from, to) : QFile::rename(from, to)) return;
        if (!source.isDir()) {
            left.append(from);
            return;
        }
        QDir().mkpath(to);
    } else if (!source.isDir() || !QFileInfo(to).isDir()) {
        left.append(from);
        return;
    }
    const QDir folder(from);
    for (const QString& name : folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot))
        MoveWithoutOverwriting(folder.filePath(name), QDir(to).filePath(name), left);
}

} // namespace

Folders foldersForExecutable(const QString& exeDir, const QString& homeOverride) {
    Folders where;
    const QDir exe(exeDir);
    const QString besideExe = exe.filePath(QStringLiteral("Data"));
    const QString installed = QDir::cleanPath(exe.filePath(QStringLiteral("../share/vorlentix/Data")));
    const bool isInstalled = !QFileInfo(besideExe).isDir() && QFileInfo(installed).isDir();
    where.dataDir = isInstalled ? installed : besideExe;
    const bool portable =
        QFileInfo(exe.filePath(kSettingsName)).isFile() || QFileInfo(exe.filePath(kTeamsName)).isDir();
    if (!homeOverride.isEmpty()) {
        where.homeDir = where.settingsDir = QDir(homeOverride).absolutePath();
    } else if (portable) {
        where.homeDir = where.settingsDir = exe.absolutePath();
    } else {
        where.homeDir = UserFolder(QStandardPaths::GenericDataLocation);
        where.settingsDir = UserFolder(QStandardPaths::GenericConfigLocation);
    }
    return where;
}

QString earlierPackageFolder() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("Vorlentix/Vorlentix"));
}

QStringList prepareFolders(const Folders& where) {
    QDir().mkpath(where.homeDir);
    QDir().mkpath(where.settingsFolder());
    QStringList left;
    const QDir earlier(earlierPackageFolder());
    // Only the user's folders take over: a portable home or --home is a place of its own.
    if (where.homeDir != UserFolder(QStandardPaths::GenericDataLocation) || !earlier.exists()) return left;
    for (const QString& name : earlier.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)) {
        const bool setting = name.endsWith(QStringLiteral(".ini"), Qt::CaseInsensitive);
        MoveWithoutOverwriting(earlier.filePath(name),
                               QDir(setting ? where.settingsFolder() : where.homeDir).filePath(name), left);
    }
    return left;
}

const Folders& folders() {
    return g_folders;
}
void setFolders(const Folders& where) {
    g_folders = where;
}

} // namespace vx
