#include "core/files/FileReason.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

namespace vx {

namespace {

QString Shown(const QString& path) {
    return QDir::toNativeSeparators(QDir::cleanPath(path));
}

// `path` itself when it exists, else the nearest folder above it that does (or whatever stands
// where that folder should be).
QString NearestExisting(const QString& path) {
    QString at = QFileInfo(path).absoluteFilePath();
    while (!QFileInfo::exists(at)) {
        const QString up = QFileInfo(at).absolutePath();
        if (up == at) break;
        at = up;
    }
    return at;
}

QString ByError(QFileDevice::FileError error) {
    switch (error) {
    case QFileDevice::ReadError:
        return QStringLiteral("het lezen van de schijf is mislukt");
    case QFileDevice::WriteError:
        return QStringLiteral("het schrijven naar de schijf is mislukt");
    case QFileDevice::ResourceError: // no room left, or too many files open at once
        return QStringLiteral("de schijf is vol of er zijn te veel bestanden geopend");
    case QFileDevice::OpenError:
        return QStringLiteral("het bestand kan niet worden geopend");
    case QFileDevice::PermissionsError:
        return QStringLiteral("u hebt geen toegang tot het bestand");
    case QFileDevice::RenameError:
        return QStringLiteral("het nieuwe bestand kan niet in de plaats van het oude worden gezet");
    case QFileDevice::RemoveError:
        return QStringLiteral("het oude bestand kan niet worden verwijderd");
    case QFileDevice::AbortError:
        return QStringLiteral("de bewerking is afgebroken");
    case QFileDevice::TimeOutError:
        return QStringLiteral("de schijf reageert niet op tijd");
    default:
        return QStringLiteral("de oorzaak is onbekend");
    }
}

} // namespace

QString fileFailureReason(FileAction action, const QString& path, QFileDevice::FileError error) {
    const QFileInfo file(path);
    if (action != FileAction::MakeFolder && file.isDir())
        return QStringLiteral("er staat een map met die naam");
    const QString folder = action == FileAction::MakeFolder ? path : file.absolutePath();
    const QString existing = NearestExisting(folder);
    if (!QFileInfo(existing).isDir())
        return QStringLiteral("\"%1\" is een bestand en geen map").arg(Shown(existing));
    // A folder that can be made is no cause; one a file should be in is.
    if (action != FileAction::MakeFolder && existing != QFileInfo(folder).absoluteFilePath())
        return QStringLiteral("de map \"%1\" bestaat niet").arg(Shown(folder));

    if (action == FileAction::Read) {
        if (!file.exists()) return QStringLiteral("het bestand bestaat niet");
        if (!file.isReadable()) return QStringLiteral("u hebt geen leesrechten voor het bestand");
        return ByError(error);
    }
    const QStorageInfo disk(existing);
    if (disk.isValid() && disk.isReadOnly())
        return QStringLiteral("de schijf \"%1\" is alleen-lezen").arg(Shown(disk.rootPath()));
    if (action == FileAction::Write && file.exists() && !file.isWritable())
        return QStringLiteral("het bestand is alleen-lezen");
    if (!QFileInfo(existing).isWritable())
        return QStringLiteral("u hebt geen schrijfrechten in de map \"%1\"").arg(Shown(existing));
    if (disk.isValid() && disk.isReady() && disk.bytesTotal() > 0 && disk.bytesAvailable() == 0)
        return QStringLiteral("de schijf \"%1\" is vol").arg(Shown(disk.rootPath()));
    return ByError(error);
}

} // namespace vx
