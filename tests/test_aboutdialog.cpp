// SPDX-License-Identifier: GPL-3.0-or-later
// The about window: the version, size and date of the program file, what it says when that file
// cannot be read, the licence, its ruled background and its button.
#include "core/common/StartUp.h"
#include "testsupport.h"
#include "ui/dialogs/AboutDialog.h"
#include "ui/widgets/StyledButton.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

using namespace vx;

class AboutDialogTest : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() {
        AboutDialog::executableFile.clear();
        applyLanguage(Language::Dutch);
    }

    // The terms sit last among the credits, above the version and the date, in the language in
    // force, and the text with its extra line still fits the label without being cut off.
    void licenceAmongTheCredits_data() {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("licence");
        QTest::newRow("Dutch") << Language::Dutch << "Vrije software: GNU GPL versie 3 of later";
        QTest::newRow("English") << Language::English << "Free software: GNU GPL version 3 or later";
    }
    void licenceAmongTheCredits() {
        QFETCH(Language, language);
        QFETCH(QString, licence);
        applyLanguage(language);
        AboutDialog form;
        const QStringList lines = form.infoLabel->text().split(u'\n');
        QCOMPARE(lines.indexOf(licence), 3);
        QCOMPARE(lines.value(4), QString());
        QCOMPARE(lines.size(), 7);
        const QRect needed = form.infoLabel->fontMetrics().boundingRect(
            QRect(0, 0, form.infoLabel->width(), 10000), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
            form.infoLabel->text());
        QVERIFY2(needed.height() <= form.infoLabel->height(),
                 qPrintable(QStringLiteral("%1 > %2").arg(needed.height()).arg(form.infoLabel->height())));
    }

    void sizeAndDateOfAKnownFile_data() {
        QTest::addColumn<int>("size");
        QTest::addColumn<QDateTime>("modified");
        QTest::newRow("512 bytes") << 512 << QDateTime(QDate(2021, 3, 4), QTime(14, 5));
        QTest::newRow("empty file") << 0 << QDateTime(QDate(2019, 12, 31), QTime(23, 59));
    }
    void sizeAndDateOfAKnownFile() {
        QFETCH(int, size);
        QFETCH(QDateTime, modified);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Vorlentix"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(size, 'x'));
        QVERIFY(file.flush());
        QVERIFY(file.setFileTime(modified, QFileDevice::FileModificationTime));
        file.close();
        AboutDialog::executableFile = path;

        AboutDialog form;
        const QStringList lines = form.infoLabel->text().split(u'\n');
        QVERIFY(lines.size() >= 3);
        QCOMPARE(lines[lines.size() - 2], QStringLiteral("Version : " VORLENTIX_VERSION " / %1").arg(size));
        QCOMPARE(lines.last(),
                 QStringLiteral("Date : ") + QLocale().toString(modified, QLocale::ShortFormat));
        QVERIFY(lines.first().contains(QStringLiteral("Vorlentix")));
    }

    // Without a program file to read there is no size or date to show, and the window says so.
    void missingFileIsSaidToBeMissing() {
        QTemporaryDir dir;
        AboutDialog::executableFile = dir.filePath(QStringLiteral("gone"));
        AboutDialog form;
        const QStringList lines = form.infoLabel->text().split(u'\n');
        QCOMPARE(lines[lines.size() - 2],
                 QStringLiteral("Version : " VORLENTIX_VERSION " / grootte onbekend"));
        QCOMPARE(lines.last(), QStringLiteral("Date : onbekend, het programmabestand is niet te lezen"));
    }

    // By default it is the running program's own file.
    void defaultIsTheRunningProgram() {
        AboutDialog form;
        const QFileInfo self(QCoreApplication::applicationFilePath());
        QVERIFY(form.infoLabel->text().contains(
            QStringLiteral("Version : " VORLENTIX_VERSION " / %1").arg(self.size())));
    }

    void windowLookAndButton() {
        AboutDialog form;
        QCOMPARE(form.windowTitle(), QStringLiteral("About me..."));
        QCOMPARE(form.closeButton->text(), QStringLiteral("Ok"));
        QCOMPARE(form.pictureLabel->pixmap().size(), QSize(150, 150));
        const QImage look = form.grab().toImage();
        // Ruled every 30 twips (2 pixels) from the top, left of the picture frame.
        QCOMPARE(look.pixelColor(3, 0), QColor(190, 190, 160));
        QCOMPARE(look.pixelColor(3, 1), QColor(220, 220, 190));
        QCOMPARE(look.pixelColor(3, 4), QColor(190, 190, 160));
        QCOMPARE(look.pixelColor(form.pictureFrame->x() + 2, form.pictureFrame->y() + 2), QColor(Qt::white));
        form.show();
        QTest::mouseClick(form.closeButton, Qt::LeftButton);
        QVERIFY(form.isHidden());
        QCOMPARE(form.result(), int(QDialog::Accepted));
    }
};

QTEST_MAIN(AboutDialogTest)
#include "test_aboutdialog.moc"
