// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/TeamSetupDialog.h"

#include "core/common/Services.h"
#include "core/files/ScoreListFiles.h"
#include "core/match/MatchSetup.h"
#include "ui/main/MainWindow.h"
#include "ui/widgets/DialogButtons.h"
#include "ui/widgets/FormLook.h"
#include "ui/widgets/StyledButton.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace vx {

TeamSetupDialog::TeamSetupDialog(MainWindow& main, QWidget* parent)
    : QDialog(parent), m_main(main), m_newTeam(main.session.newTeamMode) {
    setObjectName(QStringLiteral("SpelersForm"));
    sizeTwips(this, 4560, 6990);
    setBackgroundPixmap(this,
                        ruledBackground(width(), height(), QColor(210, 220, 190), QColor(190, 190, 160)));

    const QColor teamBack(250, 210, 210);
    teamNameEdit = new QLineEdit(this);
    teamNameEdit->setObjectName(QStringLiteral("Text2"));
    setBackColor(teamNameEdit, teamBack);
    placeTwips(teamNameEdit, 240, 240, 2400, 300);
    teamCombo = makeEditableChoice(this, QStringLiteral("Combo2"), {});
    setBackColor(teamCombo, teamBack);
    placeTwipsWidth(teamCombo, 240, 240, 2400);
    teamNameLabel = makeCaption(this, QStringLiteral("Label3"), tr("Naam Team"), 2760, 295);
    // Captions name their boxes for a screen reader.

    QStringList counts;
    for (int n = 1; n <= TeamMatch::kMaxPlayers; ++n)
        counts << QString::number(n);
    playerCountCombo = makeEditableChoice(this, QStringLiteral("Combo1"), counts);
    setBackColor(playerCountCombo, QColor(210, 230, 230));
    placeTwipsWidth(playerCountCombo, 240, 780, 690);
    playerCountLabel = makeCaption(this, QStringLiteral("Label2"), tr("Aantal Spelers  (Max.10)"), 1050, 835);
    playerCountLabel->setBuddy(playerCountCombo);

    QFont nameFont = font();
    nameFont.setItalic(true);
    for (int i = 1; i <= TeamMatch::kMaxPlayers; ++i) {
        const int top = 1290 + (i - 1) * 420;
        playerNameEdits[i] = new QLineEdit(this);
        playerNameEdits[i]->setObjectName(QStringLiteral("Text1(%1)").arg(i));
        playerNameEdits[i]->setFont(nameFont);
        setBackColor(playerNameEdits[i], QColor(240, 240, 240));
        placeTwips(playerNameEdits[i], 240, top, 2400, 300);
        playerNameLabels[i] = makeCaption(this, QStringLiteral("Label1(%1)").arg(i),
                                          tr("Naam Speler %1").arg(i), 2760, top + 45);
        setForeColor(playerNameLabels[i], QColor(90, 100, 110));
        playerNameLabels[i]->setBuddy(playerNameEdits[i]);
    }

    startScoreLabel = makeCaption(this, QStringLiteral("Label4"), tr("Startscore"), 1200, 5640);
    startScoreCombo = makeEditableChoice(this, QStringLiteral("Combo3"), kStartScores);
    startScoreLabel->setBuddy(startScoreCombo);
    setBackColor(startScoreCombo, QColor(230, 230, 0));
    startScoreCombo->setCurrentIndex(1);
    placeTwipsWidth(startScoreCombo, 240, 5580, 900);

    cancelButton = new StyledButton(this);
    cancelButton->setObjectName(QStringLiteral("CancelKnop"));
    cancelButton->setText(tr("Annuleren"));
    placeTwips(cancelButton, 2250, 6000, 990, 360);
    connect(cancelButton, &StyledButton::clicked, this, &QDialog::reject);
    okButton = new StyledButton(this);
    okButton->setObjectName(QStringLiteral("OkKnop"));
    okButton->setText(tr("Ok"));
    placeTwips(okButton, 3270, 6000, 990, 360);
    connect(okButton, &StyledButton::clicked, this, &TeamSetupDialog::startMatch);
    setDialogButtons(*this, okButton, cancelButton);

    // The rows follow the text, typed or chosen, so that the rows shown are always the players
    // that OK takes.
    connect(playerCountCombo, &QComboBox::currentTextChanged, this, &TeamSetupDialog::showPlayerRows);
    showPlayerRows();

    teamNameEdit->setVisible(m_newTeam);
    teamCombo->setVisible(!m_newTeam);
    teamNameLabel->setBuddy(m_newTeam ? static_cast<QWidget*>(teamNameEdit) : teamCombo);
    if (m_newTeam) {
        setWindowTitle(tr("Nieuw Team en Spelers"));
    } else {
        setWindowTitle(tr("Open Teams en Spelers"));
        connect(teamCombo, &QComboBox::activated, this, &TeamSetupDialog::showTeamPlayers);
        fillTeamList();
    }
}

void TeamSetupDialog::showPlayerRows() {
    const int shown = qMax(0, numberInRange(playerCountCombo->currentText(), TeamMatch::kMaxPlayers));
    for (int i = 1; i <= TeamMatch::kMaxPlayers; ++i) {
        playerNameEdits[i]->setVisible(i <= shown);
        playerNameLabels[i]->setVisible(i <= shown);
    }
}

void TeamSetupDialog::fillTeamList() {
    teamCombo->clear();
    teamCombo->addItems(listTeams());
    if (teamCombo->count() == 0) return;
    teamCombo->setCurrentIndex(0);
    showTeamPlayers();
}

void TeamSetupDialog::showTeamPlayers() {
    const QString team = teamCombo->currentText();
    const QStringList players = listTeamPlayers(team);
    const int shown = qMin<int>(players.size(), TeamMatch::kMaxPlayers);
    // Names of an earlier team must not show up when more rows are asked for.
    for (int i = 1; i <= TeamMatch::kMaxPlayers; ++i)
        playerNameEdits[i]->setText(i <= shown ? players[i - 1] : QString());
    playerCountCombo->setCurrentText(QString::number(shown));
    if (players.size() > TeamMatch::kMaxPlayers)
        showMessage(
            tr("Team %1 heeft %n spelers. Alleen de eerste %2 kunnen meedoen.", nullptr, int(players.size()))
                .arg(team, QString::number(TeamMatch::kMaxPlayers)));
}

void TeamSetupDialog::refuse(const QString& message, QWidget* box) {
    showMessage(message);
    box->setFocus();
}

void TeamSetupDialog::startMatch() {
    // Everything is checked before anything is written, so a refusal leaves the files, the
    // match state and the main window as they were.
    QString team;
    QWidget* teamBox = m_newTeam ? static_cast<QWidget*>(teamNameEdit) : teamCombo;
    if (m_newTeam) {
        teamNameEdit->setText(teamNameEdit->text().trimmed());
        team = teamNameEdit->text();
        if (team.isEmpty()) return refuse(tr("Naam Team invullen a.u.b."), teamNameEdit);
    } else {
        team = teamCombo->currentText();
        if (team.trimmed().isEmpty())
            return refuse(tr("Kies een team a.u.b. Is er nog geen team, maak dan eerst een nieuw team aan."),
                          teamCombo);
    }
    if (FileResult checked = checkName(team, NameKind::Team); !checked)
        return refuse(tr("Naam Team: %1").arg(checked.error), teamBox);

    int count = 0;
    if (FileResult checked = checkPlayerCount(playerCountCombo->currentText(), &count); !checked)
        return refuse(checked.error, playerCountCombo);
    QStringList players;
    for (int i = 1; i <= count; ++i)
        players << playerNameEdits[i]->text();
    int badRow = 0;
    if (FileResult checked = checkTeamPlayers(players, &badRow); !checked)
        return refuse(checked.error, playerNameEdits[badRow]);
    int start = 0;
    if (FileResult checked = checkStartScore(startScoreCombo->currentText(), &start); !checked)
        return refuse(checked.error, startScoreCombo);

    if (m_newTeam) {
        if (FileResult made = createTeamFiles(team, players); !made) return refuse(made.error, okButton);
    }

    m_main.startTeamMatch({team, players, start});
    accept();
}

} // namespace vx
