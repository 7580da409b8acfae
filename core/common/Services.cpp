// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/common/Services.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

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
QString Folders::settingsFile() const {
    return QDir(homeDir).filePath(QStringLiteral("Vorlentix.ini"));
}

namespace {

bool CanWriteIn(const QString& dir) {
    // Permission bits do not tell the whole story (read-only mounts, root): try it.
    QTemporaryFile probe(QDir(dir).filePath(QStringLiteral(".vorlentix-probe-XXXXXX")));
    return probe.open();
}

} // namespace

Folders foldersForExecutable(const QString& exeDir, const QString& homeOverride) {
    Folders where;
    const QDir exe(exeDir);
    const QString besideExe = exe.filePath(QStringLiteral("Data"));
    const QString installed = QDir::cleanPath(exe.filePath(QStringLiteral("../share/vorlentix/Data")));
    const bool isInstalled = !QFileInfo(besideExe).isDir() && QFileInfo(installed).isDir();
    where.dataDir = isInstalled ? installed : besideExe;
    if (!homeOverride.isEmpty())
        where.homeDir = QDir(homeOverride).absolutePath();
    else if (!isInstalled && CanWriteIn(exeDir))
        where.homeDir = exe.absolutePath();
    else
        where.homeDir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(where.homeDir);
    return where;
}

const Folders& folders() {
    return g_folders;
}
void setFolders(const Folders& where) {
    g_folders = where;
}

} // namespace vx
