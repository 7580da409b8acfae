// SPDX-License-Identifier: GPL-3.0-or-later
// The parts other tests replace, as the program runs them: Qt's message, question and input
// boxes, Qt's save dialogs for the CSV and PDF files, and the system clock. Each modal window is
// found as a user would find it, on top, and answered there.
#include "core/common/Services.h"
#include "core/files/Settings.h"
#include "core/review/Reports.h"
#include "testsupport.h"
#include "ui/main/MainWindow.h"
#include "ui/main/ScoreListExport.h"
#include "ui/print/Printing.h"
#include "ui/widgets/QtPromptService.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>

using namespace vx;

namespace {

// Waits from the event loop for the next modal window and hands it to `answer` once.
void AnswerModal(const std::function<void(QWidget&)>& answer) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, answer] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) return;
        poll->stop();
        poll->deleteLater();
        answer(*modal);
    });
    poll->start(10);
}

} // namespace

class RealSeamsTest : public QObject {
    Q_OBJECT
  private slots:
    // `press`: the key pressed in the box, or "type:" and text typed first, then Return.
    void promptServiceShowsQtBoxes_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("press");
        QTest::addColumn<QString>("answer"); // "none": cancelled
        QTest::newRow("message, Return") << "message"
                                         << "Return"
                                         << "";
        QTest::newRow("message, Escape") << "message"
                                         << "Escape"
                                         << "";
        QTest::newRow("question, Return is Yes") << "question"
                                                 << "Return"
                                                 << "true";
        QTest::newRow("question, Escape is No") << "question"
                                                << "Escape"
                                                << "false";
        QTest::newRow("question, N is No") << "question"
                                           << "N"
                                           << "false";
        QTest::newRow("input, the default kept") << "input"
                                                 << "Return"
                                                 << "Finale";
        QTest::newRow("input, typed over") << "input"
                                           << "type:Zoë's 180"
                                           << "Zoë's 180";
        QTest::newRow("input, emptied") << "input"
                                        << "type:"
                                        << "";
        QTest::newRow("input, Escape") << "input"
                                       << "Escape"
                                       << "none";
    }
    void promptServiceShowsQtBoxes() {
        QFETCH(QString, kind);
        QFETCH(QString, press);
        QFETCH(QString, answer);
        QtPromptService service;
        setPrompts(&service);
        QString shownText, shownTitle;
        AnswerModal([&](QWidget& modal) {
            shownTitle = modal.windowTitle();
            if (auto* box = qobject_cast<QMessageBox*>(&modal)) shownText = box->text();
            if (auto* input = qobject_cast<QInputDialog*>(&modal)) shownText = input->labelText();
            if (press.startsWith(u"type:")) {
                QLineEdit* edit = modal.findChild<QLineEdit*>();
                QVERIFY(edit);
                QCOMPARE(edit->text(), QStringLiteral("Finale"));
                edit->selectAll();
                edit->insert(press.mid(5)); // keyClicks takes no letters beyond ASCII
                QTest::keyClick(edit, Qt::Key_Return);
            } else {
                QWidget* target = modal.focusWidget() ? modal.focusWidget() : &modal;
                QTest::keyClick(target, press == u"Return"   ? Qt::Key_Return
                                        : press == u"Escape" ? Qt::Key_Escape
                                                             : Qt::Key_N);
            }
        });
        QString got;
        if (kind == u"message") showMessage(QStringLiteral("De scorelijst is opgeslagen."));
        if (kind == u"question")
            got = prompts().question(QStringLiteral("Wilt u stoppen?"), QStringLiteral("Vraag")) ? "true"
                                                                                                 : "false";
        if (kind == u"input")
            got = prompts()
                      .input(QStringLiteral("Naam van het bestand:"), QStringLiteral("Opslaan"),
                             QStringLiteral("Finale"))
                      .value_or(QStringLiteral("none"));
        setPrompts(nullptr);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        QCOMPARE(got, answer);
        const QString text = kind == u"message"    ? QStringLiteral("De scorelijst is opgeslagen.")
                             : kind == u"question" ? QStringLiteral("Wilt u stoppen?")
                                                   : QStringLiteral("Naam van het bestand:");
        QCOMPARE(shownText, text);
        QCOMPARE(shownTitle, kind == u"message" ? kAppTitle : kind == u"question" ? "Vraag" : "Opslaan");
    }

    // The CSV export and the PDF printout ask for their file in Qt's save dialog, which suggests
    // a name in the home folder; a cancelled dialog writes nothing and says nothing.
    void saveDialogsAskForTheFile_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("chosen");
        QTest::addColumn<QString>("suggested");
        QTest::newRow("csv, chosen") << "csv" << true << "Scorelijst.csv";
        QTest::newRow("csv, cancelled") << "csv" << false << "Scorelijst.csv";
        QTest::newRow("pdf, chosen") << "pdf" << true << "Finale.pdf";
        QTest::newRow("pdf, cancelled") << "pdf" << false << "Finale.pdf";
    }
    void saveDialogsAskForTheFile() {
        QFETCH(QString, kind);
        QFETCH(bool, chosen);
        QFETCH(QString, suggested);
        vxtest::TempHome home;
        // The user's Documents folder, where the dialogs open before any file was saved.
        home.write("config/user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"" + home.file("Docs").toUtf8() + "\"\n");
        QDir(home.path()).mkpath("Docs");
        qputenv("XDG_CONFIG_HOME", home.file("config").toUtf8());
        const auto restore = qScopeGuard([] { qunsetenv("XDG_CONFIG_HOME"); });
        vxtest::ScriptedPrompts prompts;
        MainWindow main;
        main.compose(MatchKind::Team);
        ScoreListModel::Row row;
        row.fill(QStringLiteral("-"));
        row[0] = QStringLiteral("Anna");
        main.scoreList.appendRow(row);

        QString offered;
        AnswerModal([&](QWidget& modal) {
            auto* dialog = qobject_cast<QFileDialog*>(&modal);
            QVERIFY(dialog);
            QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptSave);
            offered = dialog->selectedFiles().value(0);
            if (!chosen) return dialog->reject();
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            QVERIFY(name);
            name->setText(home.file("gekozen"));
            QTest::keyClick(name, Qt::Key_Return);
        });
        if (kind == u"csv") {
            exportScoreList(main);
        } else {
            choosePrinter(int(installedPrinterNames().size()));
            QCOMPARE(printDocument(&main, QStringLiteral("Finale"),
                                   [&](PageSink& sink) {
                                       return printScoreList(sink, main.scoreList, false, true, QString());
                                   }),
                     chosen);
        }
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        QCOMPARE(QFileInfo(offered).fileName(), suggested);
        QCOMPARE(QFileInfo(offered).absolutePath(), home.file("Docs"));
        QCOMPARE(startFolder(kind == u"csv" ? SavedFile::Csv : SavedFile::Pdf),
                 chosen ? QFileInfo(home.path()).absoluteFilePath() : home.file("Docs"));
        QVERIFY2(prompts.seen.isEmpty(), qPrintable(prompts.texts().join(u'\n')));
        const QStringList written = QDir(home.path()).entryList({"gekozen*"}, QDir::Files);
        QCOMPARE(written, chosen ? QStringList{"gekozen." + kind} : QStringList());
        if (chosen)
            QVERIFY(home.read(written[0]).startsWith(kind == u"csv" ? "\xEF\xBB\xBFNaam Speler;" : "%PDF-"));
    }

    // Once a test's clock is taken away, the time is the system's again.
    void systemClockByDefault() {
        {
            vxtest::FixedClock fixed(QDateTime(QDate(2024, 3, 7), QTime(21, 5)));
            QCOMPARE(vx::clock().now(), fixed.at);
        }
        const QDateTime before = QDateTime::currentDateTime();
        const QDateTime now = vx::clock().now();
        const QDateTime after = QDateTime::currentDateTime();
        QVERIFY(before <= now && now <= after);
    }
};

QTEST_MAIN(RealSeamsTest)
#include "test_realseams.moc"
