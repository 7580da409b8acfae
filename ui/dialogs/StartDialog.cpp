// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/StartDialog.h"

#include "core/common/Services.h"
#include "ui/main/MainWindow.h"
#include "ui/widgets/DialogButtons.h"
#include "ui/widgets/FormLook.h"
#include "ui/widgets/StyledButton.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>

#include <array>

namespace vx {

StartDialog::StartDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("StartForm"));
    setWindowTitle(kAppTitle);
    sizeTwips(this, 6900, 4200);
    const QColor dark(30, 30, 30);
    setBackColor(this, dark);
    // The background picture covers the top of the dialog; the rest stays dark.
    QPixmap background(width(), height());
    background.fill(dark);
    {
        QPainter painter(&background);
        painter.drawPixmap(0, 0, uiPicture(QStringLiteral("StartForm.png")));
        QFont subtitleFont(QStringLiteral("Arial"));
        subtitleFont.setPixelSize(12);
        painter.setFont(subtitleFont);
        painter.setPen(QColor(170, 170, 150));
        painter.drawText(QPointF(190, 230), tr("Dart scorebord"));
    }
    setBackgroundPixmap(this, background);

    promptLabel = new QLabel(this);
    promptLabel->setObjectName(QStringLiteral("Label1"));
    promptLabel->setText(tr("Maak een keuze uit onderstaande\ntwee Dart Matches."));
    promptLabel->setFont(QFont(QStringLiteral("Arial"), 11, QFont::Bold));
    promptLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setForeColor(promptLabel, QColor(230, 230, 200));
    placeTwips(promptLabel, 210, 240, 4500, 900);

    QFont optionFont(QStringLiteral("Arial"));
    optionFont.setPointSizeF(9.75);
    optionFont.setBold(true);
    const std::array<QString, 2> captions = {tr("Duo Match"), tr("Team Match")};
    const std::array<QString, 2> tips = {tr(" Match tussen 2 spelers "),
                                         tr(" Match met een team van maximaal 10 spelers ")};
    const std::array<QRadioButton**, 2> options = {&duoMatchOption, &teamMatchOption};
    for (int k = 0; k < 2; ++k) {
        QRadioButton*& option = *options[k];
        option = new QRadioButton(captions[k], this);
        option->setObjectName(QStringLiteral("Option1(%1)").arg(k + 1));
        option->setToolTip(tips[k]);
        option->setFont(optionFont);
        setBackColor(option, dark);
        setForeColor(option, QColor(230, 230, 230));
        // The round mark is drawn in the field and text colours: white with a black dot, as on
        // a light dialog, or it would vanish into the dark background.
        QPalette mark = option->palette();
        mark.setColor(QPalette::Base, Qt::white);
        mark.setColor(QPalette::Text, Qt::black);
        option->setPalette(mark);
        placeTwipsWidth(option, 450, k == 0 ? 1200 : 1590, 1500);
    }
    duoMatchOption->setChecked(true);

    exitButton = new StyledButton(this);
    exitButton->setObjectName(QStringLiteral("CancelKnop"));
    exitButton->setText(tr("Exit"));
    placeTwips(exitButton, 4560, 3120, 990, 360);
    connect(exitButton, &StyledButton::clicked, this, &QDialog::reject);

    openButton = new StyledButton(this);
    openButton->setObjectName(QStringLiteral("OkKnop"));
    openButton->setText(tr("Open"));
    openButton->setToolTip(tr(" Programma Starten "));
    placeTwips(openButton, 5610, 3120, 990, 360);
    connect(openButton, &StyledButton::clicked, this, &StartDialog::openMainWindow);
    setDialogButtons(*this, openButton, exitButton);
}

void StartDialog::openMainWindow() {
    if (m_main) {
        m_main->raise();
        m_main->activateWindow();
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    auto* main = new MainWindow; // start-up runs here
    main->compose(duoMatchOption->isChecked() ? MatchKind::Duo : MatchKind::Team);
    QApplication::restoreOverrideCursor();
    showMainWindow(main);
}

void StartDialog::showMainWindow(MainWindow* main) {
    m_main = main;
    // Modal to the start dialog, without a nested event loop: the start dialog is usable
    // again as soon as the main window is closed (it deletes itself then).
    m_main->setWindowModality(Qt::ApplicationModal);
    m_main->show();
}

} // namespace vx
