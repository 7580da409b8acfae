// SPDX-License-Identifier: GPL-3.0-or-later
// Saving on a full disk, for real. Each kind of file the program writes is saved by a child
// process whose files may not grow past a set size (RLIMIT_FSIZE with SIGXFSZ ignored: a write
// past it fails with EFBIG, as one on a full disk fails with ENOSPC). The old file must stay
// byte for byte, nothing may be left beside it, and the scorer must be told why in Dutch.
#include "core/common/Services.h"
#include "core/files/CsvExport.h"
#include "core/files/RecoveryFile.h"
#include "core/files/ScoreListFiles.h"
#include "core/files/Settings.h"
#include "core/review/Reports.h"
#include "testsupport.h"
#include "ui/print/Printing.h"

#include <QApplication>
#include <QDirIterator>
#include <QFileInfo>
#include <QProcess>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

using namespace vx;

namespace {

const QString kFooter = QStringLiteral("Dartclub De Pijl, Utrecht");

ScoreListModel::Rows ExampleRows() {
    ScoreListModel::Rows rows;
    for (int r = 0; r < 5; ++r) {
        ScoreListModel::Row row;
        row.fill(QStringLiteral("-"));
        row[0] = QStringLiteral("Speler %1").arg(r + 1);
        row[1] = r % 2 ? QStringLiteral("v") : QStringLiteral("-");
        row[2] = QStringLiteral("100");
        row[3] = QStringLiteral("140");
        row[27] = QStringLiteral("40,0");
        rows.append(row);
    }
    return rows;
}

// Made anew for each save: the model is no value.
struct ExampleList : ScoreListModel {
    ExampleList() { replaceAll(ExampleRows()); }
};

Recovery ExampleRecovery() {
    DuoRecovery duo;
    duo.setup = {{QStringLiteral("Koos"), QStringLiteral("Fred")}, 501, DuoSetup::Kind::Legs, 3};
    duo.turns = {QList<int>{100, 60}, QList<int>{180}};
    duo.booked = {true, true};
    duo.fileName = QStringLiteral("Finale");
    Recovery recovery;
    recovery.savedAt = QDateTime(QDate(2024, 3, 7), QTime(21, 5, 3));
    recovery.match = duo;
    for (const ScoreListModel::Row& row : ExampleRows())
        recovery.list.append(row);
    recovery.listChanged = true;
    return recovery;
}

// The file each kind is saved to, relative to the home folder.
QString TargetOf(const QString& kind) {
    if (kind == u"scorelijst") return QStringLiteral("Teams/Finale.lib");
    if (kind == u"instellingen") return QStringLiteral("Vorlentix.ini");
    if (kind == u"opties") return QStringLiteral("Vorlentix-opties.ini");
    if (kind == u"herstel") return QFileInfo(recoveryFilePath()).fileName();
    if (kind == u"csv") return QStringLiteral("lijst.csv");
    return QStringLiteral("lijst.pdf");
}

// Saves the kind of file the way the program does; what the scorer is told when it fails.
QString Save(const QString& kind) {
    const QString path = QDir(folders().homeDir).filePath(TargetOf(kind));
    QString error;
    if (kind == u"scorelijst") error = saveDuoList(ExampleList(), QStringLiteral("Finale")).error;
    if (kind == u"instellingen") writeSettings(path, kFooter, &error);
    if (kind == u"opties") writeCallerOn(true, &error);
    if (kind == u"herstel") error = writeRecovery(path, ExampleRecovery()).error;
    if (kind == u"csv") error = exportCsv(ExampleList(), path).error;
    if (kind == u"pdf") {
        vxtest::ScriptedPrompts prompts;
        choosePrinter(int(installedPrinterNames().size()));
        setPdfFileAsker([&](QWidget*, const QString&) { return path; });
        const ExampleList list;
        printDocument(nullptr, QStringLiteral("Finale"),
                      [&](PageSink& sink) { return printScoreList(sink, list, true, true, kFooter); });
        setPdfFileAsker({});
        error = prompts.texts().join(u'\n');
    }
    return error;
}

// The child: everything the save needs is loaded first (fonts, data), then files are limited.
int SaveInChild() {
    vx::setFolders({QStringLiteral(VX_DATA_DIR), qEnvironmentVariable("VX_FULL_DISK_HOME")});
    std::signal(SIGXFSZ, SIG_IGN);
    const auto limit = static_cast<rlim_t>(qEnvironmentVariable("VX_FULL_DISK_LIMIT").toLongLong());
    const rlimit files{limit, limit};
    if (setrlimit(RLIMIT_FSIZE, &files) != 0) return 3;
    const QString error = Save(qEnvironmentVariable("VX_FULL_DISK_KIND"));
    fputs(error.toUtf8().constData(), stdout);
    return 0;
}

// Every file under the folder with its contents.
QMap<QString, QByteArray> Contents(const QString& folder) {
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        files.insert(file.fileName(), file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("?"));
    }
    return files;
}

} // namespace

class FullDiskTest : public QObject {
    Q_OBJECT
  private slots:
    // The limit is a share of the size the new file has, plus a number of bytes.
    void oldFileSurvivesAFullDisk_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<double>("share");
        QTest::addColumn<int>("extra");
        QTest::addColumn<bool>("fits");
        for (const char* kind : {"scorelijst", "instellingen", "opties", "herstel", "csv", "pdf"}) {
            QTest::addRow("%s: half of it fits", kind) << kind << 0.5 << 0 << false;
            // A PDF's size varies by a few bytes from run to run (the order of its fonts).
            QTest::addRow("%s: just fits", kind)
                << kind << 1.0 << (kind == QByteArray("pdf") ? 256 : 0) << true;
        }
        QTest::newRow("scorelijst: one byte short") << "scorelijst" << 1.0 << -1 << false;
        QTest::newRow("scorelijst: nothing fits") << "scorelijst" << 0.0 << 0 << false;
        QTest::newRow("pdf: nothing fits") << "pdf" << 0.0 << 0 << false;
    }
    void oldFileSurvivesAFullDisk() {
        QFETCH(QString, kind);
        QFETCH(double, share);
        QFETCH(int, extra);
        QFETCH(bool, fits);
        const QString target = TargetOf(kind);
        // The size of the new file, from a save with room enough.
        qint64 size = 0;
        {
            vxtest::TempHome dry;
            const QString error = Save(kind);
            QVERIFY2(error.isEmpty(), qPrintable(error));
            size = QFileInfo(dry.file(target)).size();
            QVERIFY(size > 0);
        }
        vxtest::TempHome home;
        QDir(home.path()).mkpath("Teams");
        // The options file is changed in place: the old one holds the same key, so the new file
        // has the size measured above.
        // A score list is only replaced by a score list: its old file is one without legs.
        const QByteArray old = kind == u"opties" ? "[Caller]\naan=false\n"
                               : kind == u"scorelijst"
                                   ? "Vorlentix\r\nFinale\r\n----------------------------\r\n"
                                   : "the old file, as it was\r\n";
        if (kind == u"herstel")
            QVERIFY(writeRecovery(
                home.file(target),
                Recovery{
                    QDateTime(QDate(2024, 1, 2), QTime(20, 0)), ExampleRecovery().match, {}, {}, false, {}}));
        else
            home.write(target, old);
        // The PDF's folder is remembered already, so the file dialog leaves the options as they are.
        if (kind == u"pdf") rememberFolder(SavedFile::Pdf, home.file(target));
        const QMap<QString, QByteArray> before = Contents(home.path());

        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("VX_FULL_DISK_KIND", kind);
        env.insert("VX_FULL_DISK_HOME", home.path());
        env.insert("VX_FULL_DISK_LIMIT", QString::number(qint64(size * share) + extra));
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(child.waitForFinished(60000));
        const QString told = QString::fromUtf8(child.readAllStandardOutput());
        QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
                 child.readAllStandardError().constData());

        const QMap<QString, QByteArray> after = Contents(home.path());
        if (fits) {
            QVERIFY2(told.isEmpty(), qPrintable(told));
            QVERIFY(qAbs(QFileInfo(home.file(target)).size() - size) <= extra);
            QCOMPARE(after.keys(), before.keys());
            return;
        }
        QVERIFY2(told.contains(QStringLiteral("de schijf is vol")), qPrintable(told));
        // The settings file is named by the window that tells it.
        QVERIFY2(kind == u"instellingen" || told.contains(QFileInfo(target).fileName()), qPrintable(told));
        QCOMPARE(after, before); // the old file byte for byte, and no temporary beside it
    }
};

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (qEnvironmentVariableIsSet("VX_FULL_DISK_KIND")) return SaveInChild();
    FullDiskTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_fulldisk.moc"
