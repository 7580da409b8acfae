// SPDX-License-Identifier: GPL-3.0-or-later
// Shared by the fuzz targets: the rule check that stops a run, and scratch files for the
// readers that take a path.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace vxfuzz {

// A broken rule ends the run the way a crash does, so libFuzzer keeps the input as reproducer.
inline void require(bool holds, const char* rule) {
    if (holds) return;
    std::fprintf(stderr, "vorlentix fuzz: rule broken: %s\n", rule);
    std::abort();
}

inline QByteArray bytes(const uint8_t* data, size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

// A folder that lasts as long as the run.
inline QString scratchDir() {
    static const QTemporaryDir dir;
    require(dir.isValid(), "a scratch folder can be made");
    return dir.path();
}

inline QString scratchFile(const QString& name) {
    return scratchDir() + u'/' + name;
}

// The input as a whole file, for readers that open one themselves.
inline QString writeScratch(const QString& name, const QByteArray& bytes) {
    const QString path = scratchFile(name);
    QFile file(path);
    require(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size(),
            "the input can be written to a scratch file");
    return path;
}

} // namespace vxfuzz
