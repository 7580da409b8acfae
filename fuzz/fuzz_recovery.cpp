// SPDX-License-Identifier: GPL-3.0-or-later
// The recovery file as a crash or a hand may have left it: a file is either refused with a
// reason and nothing taken from it, or what is read from it is written again and reads back the
// same.
#include "FuzzSupport.h"

#include "core/files/RecoveryFile.h"

using vxfuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString path = vxfuzz::writeScratch(QStringLiteral("herstel.json"), vxfuzz::bytes(data, size));
    vx::Recovery untouched;
    untouched.match = vx::TeamRecovery{QStringLiteral("onaangeroerd"), {QStringLiteral("A")}, 1, 501, {60}, {}};
    vx::Recovery read = untouched;
    const vx::FileResult result = vx::readRecovery(path, &read);
    if (!result) {
        require(!result.error.isEmpty(), "a refused file comes with a reason");
        require(read == untouched, "a refused file leaves the match alone");
        return 0;
    }
    const QString again = vxfuzz::scratchFile(QStringLiteral("again.json"));
    require(bool(vx::writeRecovery(again, read)), "a match read can be written");
    vx::Recovery reread;
    const vx::FileResult rereadResult = vx::readRecovery(again, &reread);
    if (!rereadResult) std::fprintf(stderr, "%s\n", qPrintable(rereadResult.error));
    require(bool(rereadResult), "a match written can be read");
    require(reread == read, "a match written reads back the same");
    return 0;
}
