#include "ui/dialogs/SettingsDialog.h"

#include "ui/widgets/FormLook.h"
#include "ui/main/MainWindow.h"
#include "core/common/Services.h"
#include "core/files/Settings.h"
#include "ui/widgets/StyledButton.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include <limits>

namespace vx {

SettingsDialog::SettingsDialog(MainWindow& main, QWidget* parent) : QDialog(parent), m_main(main) {
    setObjectName(QStringLiteral("ConfigForm"));
    setWindowTitle(QStringLiteral("Instellingen"));
    SizeTwips(this, 6900, 3600);
    const QColor back(220, 220, 190);
    const QColor captionText(60, 60, 60);
    SetBackColor(this, back);

    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    // A line edit cuts its text at 32767 characters by default, and OK would then store a
    // footer shortened without a word: it holds any footer the settings file can.
    Text1->setMaxLength(std::numeric_limits<int>::max());
    Text1->setText(m_main.state.FooterText);
    PlaceTwips(Text1, 180, 240, 3900, 300);
    SetBackColor(Text1, QColor(240, 240, 240));
    SetForeColor(Text1, QColor(0, 0, 0));

    Label8 = new QLabel(QStringLiteral("Tekst onderaan alle afdrukpagina's"), this);
    Label8->setObjectName(QStringLiteral("Label8"));
    SetForeColor(Label8, captionText);
    PlaceTwips(Label8, 180, 630);

    Option1 = new QRadioButton(QStringLiteral("Button Tekst (1..20)"), this);
    Option1->setObjectName(QStringLiteral("Option1"));
    PlaceTwips(Option1, 360, 1200, 3300, 240);
    Option2 = new QRadioButton(QStringLiteral("Button Tekst (2..40 / 3..60)"), this);
    Option2->setObjectName(QStringLiteral("Option2"));
    PlaceTwips(Option2, 360, 1500, 3300, 240);
    for (QRadioButton* option : {Option1, Option2})
        SetBackColor(option, back);
    // Whatever the board shows, the dialog opens on the plain numbering.
    Option1->setChecked(true);
    connect(Option1, &QRadioButton::clicked, this, [this] { NumberButtons(1, 1, 1); });
    connect(Option2, &QRadioButton::clicked, this, [this] { NumberButtons(1, 2, 3); });

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(UiPicture(QStringLiteral("ConfigForm.png")));
    PlaceTwips(Image1, 4800, 900);

    ResetKnop = new StyledButton(this);
    ResetKnop->setObjectName(QStringLiteral("ResetKnop"));
    ResetKnop->setText(QStringLiteral("Reset"));
    PlaceTwips(ResetKnop, 180, 2610, 990, 360);
    connect(ResetKnop, &StyledButton::clicked, this, &SettingsDialog::ResetKnop_Click);

    Label5 = new QLabel(QStringLiteral("Reset alle gemaakte Wijzigingen"), this);
    Label5->setObjectName(QStringLiteral("Label5"));
    SetForeColor(Label5, captionText);
    PlaceTwips(Label5, 1245, 2685);

    CancelKnop = new StyledButton(this);
    CancelKnop->setObjectName(QStringLiteral("CancelKnop"));
    CancelKnop->setText(QStringLiteral("Annuleren"));
    PlaceTwips(CancelKnop, 4590, 2610, 990, 360);
    connect(CancelKnop, &StyledButton::clicked, this, &QDialog::reject);

    OkKnop = new StyledButton(this);
    OkKnop->setObjectName(QStringLiteral("OkKnop"));
    OkKnop->setText(QStringLiteral("Ok"));
    OkKnop->setToolTip(QStringLiteral(" Wijzigingen Opslaan "));
    PlaceTwips(OkKnop, 5610, 2610, 990, 360);
    connect(OkKnop, &StyledButton::clicked, this, &SettingsDialog::OkKnop_Click);
}

void SettingsDialog::NumberButtons(int singleStep, int doubleStep, int trebleStep) {
    for (int i = 1; i <= 20; ++i) {
        m_main.Knop1[i]->setText(QString::number(singleStep * i));
        m_main.Knop2[i]->setText(QString::number(doubleStep * i));
        m_main.Knop3[i]->setText(QString::number(trebleStep * i));
    }
}

void SettingsDialog::ResetKnop_Click() {
    NumberButtons(1, 1, 1);
    Text1->setText(kDefaultFooterText);
}

void SettingsDialog::OkKnop_Click() {
    // The settings file has room for the text only as it is: refused here, where it can still
    // be corrected, rather than lost or altered at shutdown.
    if (!IsStorableFooter(Text1->text())) {
        showMessage(
            QStringLiteral("Deze tekst kan niet worden bewaard. Gebruik geen dubbele aanhalingstekens (\") "
                           "en alleen letters en tekens van het West-Europese alfabet."));
        Text1->setFocus();
        return;
    }
    m_main.state.FooterText = Text1->text();
    accept();
}

} // namespace vx
