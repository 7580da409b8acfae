// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/AboutDialog.h"

#include "ui/widgets/DialogButtons.h"
#include "ui/widgets/FormLook.h"
#include "ui/widgets/StyledButton.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>

namespace vx {

namespace {

// The credits and the licence, then the build's version with the size and the last change of the
// program file; a file that cannot be read is said to be so rather than shown as zero bytes.
QString AboutText(const QString& programFile) {
    const QString version = QStringLiteral("%1.%2.%3")
                                .arg(VORLENTIX_VERSION_MAJOR)
                                .arg(VORLENTIX_VERSION_MINOR)
                                .arg(VORLENTIX_VERSION_PATCH);
    QStringList lines = {
        QStringLiteral("Vorlentix"), QCoreApplication::translate("vx::AboutDialog", "Scoreteller voor darts"),
        QCoreApplication::translate("vx::AboutDialog", "Ontwerp: het Vorlentix-team"),
        QCoreApplication::translate("vx::AboutDialog", "Vrije software: GNU GPL versie 3 of later"),
        QString()};
    const QFileInfo file(programFile);
    if (file.isFile()) {
        lines << QCoreApplication::translate("vx::AboutDialog", "Version : %1 / %2")
                     .arg(version)
                     .arg(file.size())
              << QCoreApplication::translate("vx::AboutDialog", "Date : %1")
                     .arg(QLocale().toString(file.lastModified(), QLocale::ShortFormat));
    } else {
        lines
            << QCoreApplication::translate("vx::AboutDialog", "Version : %1 / grootte onbekend").arg(version)
            << QCoreApplication::translate("vx::AboutDialog",
                                           "Date : onbekend, het programmabestand is niet te lezen");
    }
    return lines.join(u'\n');
}

} // namespace

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutForm"));
    setWindowTitle(tr("About me..."));
    sizeTwips(this, 6480, 3210);
    setBackgroundPixmap(this,
                        ruledBackground(width(), height(), QColor(220, 220, 190), QColor(190, 190, 160)));

    pictureFrame = new QLabel(this);
    pictureFrame->setObjectName(QStringLiteral("Label2"));
    placeTwips(pictureFrame, 150, 180, 2430, 2430);
    setBackColor(pictureFrame, Qt::white);

    pictureLabel = new QLabel(this);
    pictureLabel->setObjectName(QStringLiteral("Image1"));
    placeTwips(pictureLabel, 240, 270, 2250, 2250);
    pictureLabel->setPixmap(uiPicture(QStringLiteral("AboutForm.png")));

    infoLabel = new QLabel(this);
    infoLabel->setObjectName(QStringLiteral("Label1"));
    placeTwips(infoLabel, 2760, 300, 3900, 1800);
    infoLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    infoLabel->setWordWrap(true);
    setForeColor(infoLabel, QColor(64, 64, 64));
    infoLabel->setText(
        AboutText(executableFile.isEmpty() ? QCoreApplication::applicationFilePath() : executableFile));

    closeButton = new StyledButton(this);
    closeButton->setObjectName(QStringLiteral("CancelKnop"));
    closeButton->setText(tr("Ok"));
    placeTwips(closeButton, 5190, 2250, 990, 360);
    connect(closeButton, &StyledButton::clicked, this, &QDialog::accept);
    setDialogButtons(*this, closeButton, closeButton);
}

} // namespace vx
