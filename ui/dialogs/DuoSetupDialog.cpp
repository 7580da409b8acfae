// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/DuoSetupDialog.h"

#include "core/common/Services.h"
#include "core/common/Utilities.h"
#include "core/files/ScoreListFiles.h"
#include "core/match/MatchSetup.h"
#include "ui/main/MainWindow.h"
#include "ui/widgets/DialogButtons.h"
#include "ui/widgets/FormLook.h"
#include "ui/widgets/StyledButton.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>

#include <array>

namespace vx {

namespace {

const QColor kFormBack(220, 220, 190);

StyledButton* MakeButton(QWidget* parent, const QString& name, const QString& caption, int left, int top) {
    auto* button = new StyledButton(parent);
    button->setObjectName(name);
    button->setText(caption);
    placeTwips(button, left, top, 990, 360);
    return button;
}

} // namespace

DuoSetupDialog::DuoSetupDialog(MainWindow& main, QWidget* parent) : QDialog(parent), m_main(main) {
    setObjectName(QStringLiteral("DuoForm"));
    setWindowTitle(tr("Duo Match"));
    sizeTwips(this, 6720, 3900);
    setBackColor(this, kFormBack);
    const QFont boxFont(QStringLiteral("Arial"), 9, QFont::Bold);

    fileNameCombo = makeEditableChoice(this, QStringLiteral("Combo3"), listDuoFiles());
    fileNameCombo->setToolTip(tr(" Bestandsnaam Scorelijst Spelers "));
    setBackColor(fileNameCombo, QColor(200, 250, 250));
    fileNameLabel = makeCaption(this, QStringLiteral("Label5"), tr("Bestandsnaam"), 3600, 300);
    newButton = MakeButton(this, QStringLiteral("NewKnop"), tr("Nieuw"), 5430, 240);
    newButton->setToolTip(tr(" Nieuwe naam Scorelijst aanmaken "));
    connect(newButton, &StyledButton::clicked, this, &DuoSetupDialog::askNewFileName);

    const std::array<QLineEdit**, 2> edits = {&player1Edit, &player2Edit};
    const std::array<QString, 2> defaults = {QStringLiteral("Koos"), QStringLiteral("Fred")};
    for (int k = 0; k < 2; ++k) {
        QLineEdit*& box = *edits[k];
        box = new QLineEdit(defaults[k], this);
        box->setObjectName(QStringLiteral("Text%1").arg(k + 1));
        setBackColor(box, QColor(230, 250, 230));
        placeTwips(box, 180, k == 0 ? 780 : 1200, 3300, 300);
    }
    player1Label =
        makeCaption(this, QStringLiteral("Label1"), tr("Naam Speler 1  (Start als 1e)"), 3600, 840);
    player2Label = makeCaption(this, QStringLiteral("Label2"), tr("Naam Speler 2"), 3600, 1260);
    // Captions name their boxes for a screen reader.
    fileNameLabel->setBuddy(fileNameCombo);
    player1Label->setBuddy(player1Edit);
    player2Label->setBuddy(player2Edit);

    targetLabel = makeCaption(this, QStringLiteral("Label3"), tr("First to"), 540, 2020);
    QStringList targets;
    for (int n = 1; n <= 19; ++n)
        targets << QString::number(n);
    targetCombo = makeEditableChoice(this, QStringLiteral("Combo1"), targets);
    targetCombo->setCurrentIndex(2);
    targetLabel->setBuddy(targetCombo);
    setBackColor(targetCombo, QColor(230, 230, 0));
    const std::array<QRadioButton**, 2> kinds = {&setsOption, &legsOption};
    const std::array<QString, 2> kindCaptions = {tr("Sets"), tr("Legs")};
    for (int k = 0; k < 2; ++k) {
        QRadioButton*& option = *kinds[k];
        option = new QRadioButton(kindCaptions[k], this);
        option->setObjectName(QStringLiteral("Option1(%1)").arg(k + 1));
        setBackColor(option, kFormBack);
        placeTwipsWidth(option, 2700, k == 0 ? 1800 : 2220, 1200);
    }
    setsOption->setChecked(true);

    startScoreLabel = makeCaption(this, QStringLiteral("Label4"), tr("Darthoogte"), 210, 2550);
    startScoreCombo = makeEditableChoice(this, QStringLiteral("Combo2"), kStartScores);
    startScoreCombo->setCurrentIndex(1);
    startScoreLabel->setBuddy(startScoreCombo);
    setBackColor(startScoreCombo, QColor(230, 230, 0));

    for (QWidget* box : std::initializer_list<QWidget*>{fileNameCombo, player1Edit, player2Edit, targetCombo,
                                                        startScoreCombo})
        box->setFont(boxFont);
    // Placed once their font is set: a drop-down list takes the height of its font.
    placeTwipsWidth(fileNameCombo, 180, 240, 3315);
    placeTwipsWidth(targetCombo, 1350, 1980, 900);
    placeTwipsWidth(startScoreCombo, 1350, 2520, 900);

    pictureLabel = new QLabel(this);
    pictureLabel->setObjectName(QStringLiteral("Image1"));
    pictureLabel->setPixmap(uiPicture(QStringLiteral("DuoForm.png")));
    pictureLabel->setGeometry(twipsToPixels(4650), twipsToPixels(1800), 77, 61);

    cancelButton = MakeButton(this, QStringLiteral("CancelKnop"), tr("Annuleren"), 4410, 2910);
    connect(cancelButton, &StyledButton::clicked, this, &QDialog::reject);
    okButton = MakeButton(this, QStringLiteral("OkKnop"), tr("Ok"), 5430, 2910);
    okButton->setToolTip(tr(" Wijzigingen Opslaan "));
    connect(okButton, &StyledButton::clicked, this, &DuoSetupDialog::startMatch);
    setDialogButtons(*this, okButton, cancelButton);
}

void DuoSetupDialog::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    // The fork from the target list to the two kinds of target.
    QPainter painter(this);
    painter.setPen(Qt::black);
    const QPoint from(twipsToPixels(2280), twipsToPixels(2130));
    painter.drawLine(from, QPoint(twipsToPixels(2685), twipsToPixels(1950)));
    painter.drawLine(from, QPoint(twipsToPixels(2685), twipsToPixels(2340)));
}

void DuoSetupDialog::refuse(const QString& message, QWidget* box) {
    showMessage(message);
    box->setFocus();
}

void DuoSetupDialog::askNewFileName() {
    const std::optional<QString> answer = prompts().input(
        tr("Geef een nieuwe naam in voor de scorelijst...\nvan de spelers."), tr("Filenaam"), QString());
    if (!answer || answer->trimmed().isEmpty()) return;
    if (FileResult checked = checkName(*answer, NameKind::Duo); !checked)
        return refuse(tr("Bestandsnaam: %1").arg(checked.error), newButton);
    fileNameCombo->addItem(*answer);
    fileNameCombo->setCurrentIndex(fileNameCombo->count() - 1);
}

void DuoSetupDialog::startMatch() {
    // Everything is checked before anything changes, so a refusal leaves the match as it was.
    const QString name1 = player1Edit->text();
    const QString name2 = player2Edit->text();
    int badRow = 0;
    if (FileResult checked = checkDuoPlayers(name1, name2, &badRow); !checked)
        return refuse(checked.error, badRow == 1 ? player1Edit : player2Edit);
    const QString fileName = fileNameCombo->currentText();
    if (FileResult checked = checkName(fileName, NameKind::Duo); !checked)
        return refuse(tr("Bestandsnaam: %1").arg(checked.error), fileNameCombo);
    int target = 0;
    if (FileResult checked = checkTarget(targetCombo->currentText(), &target); !checked)
        return refuse(checked.error, targetCombo);
    int start = 0;
    if (FileResult checked = checkStartScore(startScoreCombo->currentText(), &start); !checked)
        return refuse(checked.error, startScoreCombo);

    const DuoSetup::Kind kind = setsOption->isChecked() ? DuoSetup::Kind::Sets : DuoSetup::Kind::Legs;
    m_main.startDuoMatch({{name1, name2}, start, kind, target}, fileName);
    accept();
}

} // namespace vx
