// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the delivered data files and pictures into a source data folder:
//   makepictures <source>/data
// Data/ files go into that folder, the pictures compiled into the program into its ui/ folder
// and the application icon of the desktop menu into its icons/ folder.
#include "core/files/TextFile.h"
#include "tools/DataTexts.h"
#include "tools/Pictures.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>

namespace {

bool Save(const QImage& image, const QString& path, const char* format, int quality = -1) {
    if (image.save(path, format, quality)) return true;
    QTextStream(stderr) << "cannot write " << path << '\n';
    return false;
}

bool WriteBytes(const QByteArray& bytes, const QString& path) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()) return true;
    QTextStream(stderr) << "cannot write " << path << '\n';
    return false;
}

bool Write(const QStringList& lines, const QString& path) {
    QString error;
    if (vx::writeTextLinesAtomic(path, lines, &error)) return true;
    QTextStream(stderr) << "cannot write " << path << ": " << error << '\n';
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    // Drawing needs fonts but no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: makepictures <data folder>\n";
        return 2;
    }
    const QDir data(QString::fromLocal8Bit(argv[1]));
    for (const QString& folder : {QStringLiteral("ui"), QStringLiteral("icons")})
        if (!data.mkpath(folder)) {
            QTextStream(stderr) << "cannot create " << data.filePath(folder) << '\n';
            return 1;
        }

    bool ok = Write(vxtools::CheckoutLines(), data.filePath(QStringLiteral("Uitgooiscore.lib")));
    ok &= Write(vxtools::HelpLines(), data.filePath(QStringLiteral("Help.lib")));
    ok &= Write(vxtools::EnglishHelpLines(), data.filePath(QStringLiteral("Help-en.lib")));
    ok &= Save(vxtools::BoardPicture(), data.filePath(QStringLiteral("Dartbord.jpg")), "JPG", 95);
    for (const bool english : {false, true}) {
        const QString language = english ? QStringLiteral("-en") : QString();
        ok &= Save(vxtools::CheckoutChart(english), data.filePath(QStringLiteral("Dart Checkout%1.jpg").arg(language)),
                   "JPG", 92);
        ok &= Save(vxtools::DimensionsPicture(english), data.filePath(QStringLiteral("Afmetingen%1.jpg").arg(language)),
                   "JPG", 92);
    }
    for (const vxtools::uiPicture& picture : vxtools::UiPictures())
        ok &= Save(picture.image, data.filePath(QStringLiteral("ui/%1.png").arg(picture.name)), "PNG");
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        ok &= Save(vxtools::AppIcon(size), data.filePath(QStringLiteral("icons/vorlentix-%1.png").arg(size)),
                   "PNG");
    ok &= WriteBytes(vxtools::AppIconSvg(), data.filePath(QStringLiteral("icons/vorlentix.svg")));
    return ok ? 0 : 1;
}
