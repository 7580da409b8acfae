// SPDX-License-Identifier: GPL-3.0-or-later
// Text files in Windows-1252, as the help text (and every other file) is read: any bytes
// decode, the lines read are what is printed, and lines written read back the same.
#include "FuzzSupport.h"

#include "core/files/TextFile.h"
#include "core/review/PageSink.h"
#include "core/review/Reports.h"

using vxfuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = vxfuzz::bytes(data, size);
    const QString path = vxfuzz::writeScratch(QStringLiteral("Help.lib"), bytes);
    QStringList lines;
    require(vx::readTextLines(path, &lines), "a file that is there can be read");

    // Every byte stands for one character and each comes back as the same byte.
    const QString text = vx::decodeCp1252(bytes);
    QByteArray encoded;
    require(text.size() == bytes.size() && vx::encodeCp1252(text, &encoded) && encoded == bytes,
            "the code page goes both ways without loss");

    QByteArray written;
    require(vx::encodeLines(lines, &written), "every line read can be written");
    QStringList again;
    require(vx::readTextLines(vxfuzz::writeScratch(QStringLiteral("again.lib"), written), &again) &&
                again == lines,
            "lines written read back the same");

    vx::RecordingPageSink page;
    // A recording page is always delivered: what counts is what is on it.
    static_cast<void>(vx::printHelpText(page, lines, {}, QString()));
    qsizetype next = 0;
    for (const vx::PageCall& call : page.calls)
        if (next < lines.size() && call.kind == vx::PageCall::Text && call.text == lines[next]) ++next;
    require(next == lines.size(), "every line of the help text is on the page, in order");
    return 0;
}
