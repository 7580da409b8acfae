// The settings file as anyone may have edited it: a footer text read from it can always be
// written back, and then reads back the same.
#include "FuzzSupport.h"

#include "core/files/Settings.h"

using vxfuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString path = vxfuzz::WriteScratch(QStringLiteral("Vorlentix.ini"), vxfuzz::Bytes(data, size));
    const std::optional<QString> footer = vx::ReadSettingsFooter(path);
    if (!footer) return 0;
    Require(vx::IsStorableFooter(*footer), "a footer read is one that can be stored");
    const QString again = vxfuzz::ScratchFile(QStringLiteral("again.ini"));
    Require(vx::WriteSettings(again, *footer), "a footer read can be written");
    Require(vx::ReadSettingsFooter(again) == footer, "a footer written reads back the same");
    return 0;
}
