// SPDX-License-Identifier: GPL-3.0-or-later
// Why reading or writing a file failed, said in Dutch. The system's own descriptions are
// English (and often vague: "Filename refers to a directory"), so every message about a
// failed file names its cause with these words instead.
#pragma once

#include <QFileDevice>
#include <QString>

namespace vx {

enum class FileAction { Read, Write, MakeFolder };

// The cause, as a phrase to put inside a sentence that names the file ("de map "…" bestaat
// niet"); it names a path only when that is another one. It looks first at the file and its
// folders as they are now (a missing folder, a file where a folder should be, a read-only
// disk, folder or file, no room left) and only then goes by the kind of error the file
// reported, or by `systemError` (the errno of the failed call) when that says no room was
// left. For MakeFolder, `path` is the folder that could not be made.
QString fileFailureReason(FileAction action, const QString& path,
                          QFileDevice::FileError error = QFileDevice::UnspecifiedError, int systemError = 0);

} // namespace vx
