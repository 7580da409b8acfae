#include "ui/dialogs/StartDialog.h"

#include "ui/widgets/FormLook.h"
#include "ui/main/MainWindow.h"
#include "core/common/Services.h"
#include "ui/main/MainWindowLayout.h"
#include "ui/widgets/StyledButton.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>

namespace vx {

StartDialog::StartDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("StartForm"));
    setWindowTitle(kAppTitle);
    SizeTwips(this, 6900, 4200);
    const QColor dark(30, 30, 30);
    SetBackColor(this, dark);
    // The background picture covers the top of the dialog; the rest stays dark.
    QPixmap background(width(), height());
    background.fill(dark);
    {
        QPainter painter(&background);
        painter.drawPixmap(0, 0, UiPicture(QStringLiteral("StartForm.png")));
    }
    SetBackgroundPixmap(this, background);

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setText(QStringLiteral("Maak een keuze uit onderstaande\ntwee Dart Matches."));
    Label1->setFont(QFont(QStringLiteral("Arial"), 11, QFont::Bold));
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SetForeColor(Label1, QColor(230, 230, 200));
    PlaceTwips(Label1, 210, 240, 4500, 900);

    QFont optionFont(QStringLiteral("Arial"));
    optionFont.setPointSizeF(9.75);
    optionFont.setBold(true);
    const std::array<QString, 3> captions = {QString(), QStringLiteral("Duo Match"),
                                             QStringLiteral("Team Match")};
    const std::array<QString, 3> tips = {QString(), QStringLiteral(" Match tussen 2 spelers "),
                                         QStringLiteral(" Match met een team van maximaal 10 spelers ")};
    for (int i = 1; i <= 2; ++i) {
        Option1[i] = new QRadioButton(captions[i], this);
        Option1[i]->setObjectName(QStringLiteral("Option1(%1)").arg(i));
        Option1[i]->setToolTip(tips[i]);
        Option1[i]->setFont(optionFont);
        SetBackColor(Option1[i], dark);
        SetForeColor(Option1[i], QColor(230, 230, 230));
        // The round mark is drawn in the field and text colours: white with a black dot, as on
        // a light dialog, or it would vanish into the dark background.
        QPalette mark = Option1[i]->palette();
        mark.setColor(QPalette::Base, Qt::white);
        mark.setColor(QPalette::Text, Qt::black);
        Option1[i]->setPalette(mark);
        PlaceTwipsWidth(Option1[i], 450, i == 1 ? 1200 : 1590, 1500);
    }
    Option1[1]->setChecked(true);

    CancelKnop = new StyledButton(this);
    CancelKnop->setObjectName(QStringLiteral("CancelKnop"));
    CancelKnop->setText(QStringLiteral("Exit"));
    PlaceTwips(CancelKnop, 4560, 3120, 990, 360);
    connect(CancelKnop, &StyledButton::clicked, this, &QDialog::reject);

    OkKnop = new StyledButton(this);
    OkKnop->setObjectName(QStringLiteral("OkKnop"));
    OkKnop->setText(QStringLiteral("Open"));
    OkKnop->setToolTip(QStringLiteral(" Programma Starten "));
    PlaceTwips(OkKnop, 5610, 3120, 990, 360);
    connect(OkKnop, &StyledButton::clicked, this, &StartDialog::OkKnop_Click);
}

void StartDialog::OkKnop_Click() {
    if (m_main) {
        m_main->raise();
        m_main->activateWindow();
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_main = new MainWindow; // start-up runs here
    ComposeMainWindow(*m_main, Option1[1]->isChecked());
    QApplication::restoreOverrideCursor();
    // Modal to the start dialog, without a nested event loop: the start dialog is usable
    // again as soon as the main window is closed (it deletes itself then).
    m_main->setWindowModality(Qt::ApplicationModal);
    m_main->show();
}

} // namespace vx
