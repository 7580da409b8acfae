// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/FileReason.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

#include <cerrno>

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
        return QCoreApplication::translate("vx::FileReason", "het lezen van de schijf is mislukt");
    case QFileDevice::WriteError:
        return QCoreApplication::translate("vx::FileReason", "het schrijven naar de schijf is mislukt");
    case QFileDevice::ResourceError: // no room left, or too many files open at once
        return QCoreApplication::translate("vx::FileReason",
                                           "de schijf is vol of er zijn te veel bestanden geopend");
    case QFileDevice::OpenError:
        return QCoreApplication::translate("vx::FileReason", "het bestand kan niet worden geopend");
    case QFileDevice::PermissionsError:
        return QCoreApplication::translate("vx::FileReason", "u hebt geen toegang tot het bestand");
    case QFileDevice::RenameError:
        return QCoreApplication::translate(
            "vx::FileReason", "het nieuwe bestand kan niet in de plaats van het oude worden gezet");
    case QFileDevice::RemoveError:
        return QCoreApplication::translate("vx::FileReason", "het oude bestand kan niet worden verwijderd");
    case QFileDevice::AbortError:
        return QCoreApplication::translate("vx::FileReason", "de bewerking is afgebroken");
    case QFileDevice::TimeOutError:
        return QCoreApplication::translate("vx::FileReason", "de schijf reageert niet op tijd");
    default:
        return QCoreApplication::translate("vx::FileReason", "de oorzaak is onbekend");
    }
}

} // namespace

QString fileFailureReason(FileAction action, const QString& path, QFileDevice::FileError error,
                          int systemError) {
    const QFileInfo file(path);
    if (action != FileAction::MakeFolder && file.isDir())
        return QCoreApplication::translate("vx::FileReason", "er staat een map met die naam");
    const QString folder = action == FileAction::MakeFolder ? path : file.absolutePath();
    const QString existing = NearestExisting(folder);
    if (!QFileInfo(existing).isDir())
        return QCoreApplication::translate("vx::FileReason", "\"%1\" is een bestand en geen map")
            .arg(Shown(existing));
    // A folder that can be made is no cause; one a file should be in is.
    if (action != FileAction::MakeFolder && existing != QFileInfo(folder).absoluteFilePath())
        return QCoreApplication::translate("vx::FileReason", "de map \"%1\" bestaat niet").arg(Shown(folder));

    if (action == FileAction::Read) {
        if (!file.exists()) return QCoreApplication::translate("vx::FileReason", "het bestand bestaat niet");
        if (!file.isReadable())
            return QCoreApplication::translate("vx::FileReason", "u hebt geen leesrechten voor het bestand");
        return ByError(error);
    }
    const QStorageInfo disk(existing);
    if (disk.isValid() && disk.isReadOnly())
        return QCoreApplication::translate("vx::FileReason", "de schijf \"%1\" is alleen-lezen")
            .arg(Shown(disk.rootPath()));
    if (action == FileAction::Write && file.exists() && !file.isWritable())
        return QCoreApplication::translate("vx::FileReason", "het bestand is alleen-lezen");
    if (!QFileInfo(existing).isWritable())
        return QCoreApplication::translate("vx::FileReason", "u hebt geen schrijfrechten in de map \"%1\"")
            .arg(Shown(existing));
    if (disk.isValid() && disk.isReady() && disk.bytesTotal() > 0 && disk.bytesAvailable() == 0)
        return QCoreApplication::translate("vx::FileReason", "de schijf \"%1\" is vol")
            .arg(Shown(disk.rootPath()));
    // A disk can fill up and free again between the write and this look; a file over the size
    // the system allows one file (EFBIG) is, for the scorer, the same lack of room.
    if (systemError == ENOSPC || systemError == EDQUOT || systemError == EFBIG)
        return QCoreApplication::translate("vx::FileReason", "de schijf is vol");
    return ByError(error);
}

} // namespace vx
