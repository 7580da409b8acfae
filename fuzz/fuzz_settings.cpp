// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file as anyone may have edited it: a footer text read from it can always be
// written back, and then reads back the same.
#include "FuzzSupport.h"

#include "core/files/Settings.h"

using vxfuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString path = vxfuzz::writeScratch(QStringLiteral("Vorlentix.ini"), vxfuzz::bytes(data, size));
    const std::optional<QString> footer = vx::readSettingsFooter(path);
    if (!footer) return 0;
    require(vx::isStorableFooter(*footer), "a footer read is one that can be stored");
    const QString again = vxfuzz::scratchFile(QStringLiteral("again.ini"));
    require(vx::writeSettings(again, *footer), "a footer read can be written");
    require(vx::readSettingsFooter(again) == footer, "a footer written reads back the same");
    return 0;
}
