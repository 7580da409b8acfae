#include "ui/dialogs/TeamSetupDialog.h"

#include "ui/widgets/FormLook.h"
#include "ui/main/MainWindow.h"
#include "core/common/Services.h"
#include "core/files/ScoreListFiles.h"
#include "core/match/MatchSetup.h"
#include "ui/widgets/StyledButton.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace vx {

TeamSetupDialog::TeamSetupDialog(MainWindow& main, QWidget* parent)
    : QDialog(parent), m_main(main), m_newTeam(main.state.NewTeamMode) {
    setObjectName(QStringLiteral("SpelersForm"));
    SizeTwips(this, 4560, 6990);
    SetBackgroundPixmap(this,
                        RuledBackground(width(), height(), QColor(210, 220, 190), QColor(190, 190, 160)));

    const QColor teamBack(250, 210, 210);
    Text2 = new QLineEdit(this);
    Text2->setObjectName(QStringLiteral("Text2"));
    SetBackColor(Text2, teamBack);
    PlaceTwips(Text2, 240, 240, 2400, 300);
    Combo2 = MakeEditableChoice(this, QStringLiteral("Combo2"), {});
    SetBackColor(Combo2, teamBack);
    PlaceTwipsWidth(Combo2, 240, 240, 2400);
    Label3 = MakeCaption(this, QStringLiteral("Label3"), QStringLiteral("Naam Team"), 2760, 295);

    QStringList counts;
    for (int n = 1; n <= MatchState::kMaxPlayers; ++n)
        counts << QString::number(n);
    Combo1 = MakeEditableChoice(this, QStringLiteral("Combo1"), counts);
    SetBackColor(Combo1, QColor(210, 230, 230));
    PlaceTwipsWidth(Combo1, 240, 780, 690);
    Label2 =
        MakeCaption(this, QStringLiteral("Label2"), QStringLiteral("Aantal Spelers  (Max.10)"), 1050, 835);

    QFont nameFont = font();
    nameFont.setItalic(true);
    for (int i = 1; i <= MatchState::kMaxPlayers; ++i) {
        const int top = 1290 + (i - 1) * 420;
        Text1[i] = new QLineEdit(this);
        Text1[i]->setObjectName(QStringLiteral("Text1(%1)").arg(i));
        Text1[i]->setFont(nameFont);
        SetBackColor(Text1[i], QColor(240, 240, 240));
        PlaceTwips(Text1[i], 240, top, 2400, 300);
        Label1[i] = MakeCaption(this, QStringLiteral("Label1(%1)").arg(i),
                                QStringLiteral("Naam Speler %1").arg(i), 2760, top + 45);
        SetForeColor(Label1[i], QColor(90, 100, 110));
    }

    Label4 = MakeCaption(this, QStringLiteral("Label4"), QStringLiteral("Startscore"), 1200, 5640);
    Combo3 = MakeEditableChoice(this, QStringLiteral("Combo3"), kStartScores);
    SetBackColor(Combo3, QColor(230, 230, 0));
    Combo3->setCurrentIndex(1);
    PlaceTwipsWidth(Combo3, 240, 5580, 900);

    CancelKnop = new StyledButton(this);
    CancelKnop->setObjectName(QStringLiteral("CancelKnop"));
    CancelKnop->setText(QStringLiteral("Annuleren"));
    PlaceTwips(CancelKnop, 2250, 6000, 990, 360);
    connect(CancelKnop, &StyledButton::clicked, this, &QDialog::reject);
    OkKnop = new StyledButton(this);
    OkKnop->setObjectName(QStringLiteral("OkKnop"));
    OkKnop->setText(QStringLiteral("Ok"));
    PlaceTwips(OkKnop, 3270, 6000, 990, 360);
    connect(OkKnop, &StyledButton::clicked, this, &TeamSetupDialog::OkKnop_Click);

    // The rows follow the text, typed or chosen, so that the rows shown are always the players
    // that OK takes.
    connect(Combo1, &QComboBox::currentTextChanged, this, &TeamSetupDialog::ShowPlayerRows);
    ShowPlayerRows();

    Text2->setVisible(m_newTeam);
    Combo2->setVisible(!m_newTeam);
    if (m_newTeam) {
        setWindowTitle(QStringLiteral("Nieuw Team en Spelers"));
    } else {
        setWindowTitle(QStringLiteral("Open Teams en Spelers"));
        connect(Combo2, &QComboBox::activated, this, &TeamSetupDialog::ShowTeamPlayers);
        FillTeamList();
    }
}

void TeamSetupDialog::ShowPlayerRows() {
    const int shown = qMax(0, NumberInRange(Combo1->currentText(), MatchState::kMaxPlayers));
    for (int i = 1; i <= MatchState::kMaxPlayers; ++i) {
        Text1[i]->setVisible(i <= shown);
        Label1[i]->setVisible(i <= shown);
    }
}

void TeamSetupDialog::FillTeamList() {
    Combo2->clear();
    Combo2->addItems(ListTeams());
    if (Combo2->count() == 0) return;
    Combo2->setCurrentIndex(0);
    ShowTeamPlayers();
}

void TeamSetupDialog::ShowTeamPlayers() {
    const QString team = Combo2->currentText();
    const QStringList players = ListTeamPlayers(team);
    const int shown = qMin<int>(players.size(), MatchState::kMaxPlayers);
    // Names of an earlier team must not show up when more rows are asked for.
    for (int i = 1; i <= MatchState::kMaxPlayers; ++i)
        Text1[i]->setText(i <= shown ? players[i - 1] : QString());
    Combo1->setCurrentText(QString::number(shown));
    if (players.size() > MatchState::kMaxPlayers)
        showMessage(QStringLiteral("Team %1 heeft %2 spelers. Alleen de eerste %3 kunnen meedoen.")
                        .arg(team)
                        .arg(players.size())
                        .arg(MatchState::kMaxPlayers));
}

void TeamSetupDialog::Refuse(const QString& message, QWidget* box) {
    showMessage(message);
    box->setFocus();
}

void TeamSetupDialog::OkKnop_Click() {
    // Everything is checked before anything is written, so a refusal leaves the files, the
    // match state and the main window as they were.
    QString team;
    QWidget* teamBox = m_newTeam ? static_cast<QWidget*>(Text2) : Combo2;
    if (m_newTeam) {
        Text2->setText(Text2->text().trimmed());
        team = Text2->text();
        if (team.isEmpty()) return Refuse(QStringLiteral("Naam Team invullen a.u.b."), Text2);
    } else {
        team = Combo2->currentText();
        if (team.trimmed().isEmpty())
            return Refuse(QStringLiteral("Kies een team a.u.b. Is er nog geen team, maak dan eerst een nieuw "
                                         "team aan."),
                          Combo2);
    }
    if (FileResult checked = CheckName(team, NameKind::Team); !checked)
        return Refuse(QStringLiteral("Naam Team: ") + checked.error, teamBox);

    int count = 0;
    if (FileResult checked = CheckPlayerCount(Combo1->currentText(), &count); !checked)
        return Refuse(checked.error, Combo1);
    QStringList players;
    for (int i = 1; i <= count; ++i)
        players << Text1[i]->text();
    int badRow = 0;
    if (FileResult checked = CheckTeamPlayers(players, &badRow); !checked)
        return Refuse(checked.error, Text1[badRow]);
    int start = 0;
    if (FileResult checked = CheckStartScore(Combo3->currentText(), &start); !checked)
        return Refuse(checked.error, Combo3);

    if (m_newTeam) {
        if (FileResult made = CreateTeamFiles(team, players); !made) return Refuse(made.error, OkKnop);
    }

    MatchState& state = m_main.state;
    state.PlayerCount = count;
    for (int i = 1; i <= MatchState::kMaxPlayers; ++i)
        state.PlayerNames[i] = i <= count ? players[i - 1] : QString();
    m_main.Label12->setText(team);
    m_main.Label9->setText(players.first());
    m_main.scoreList.setFirstHeader(players.first());
    // Also for a new team: the list on screen must be player 1's, or the rows of whoever threw
    // before would be saved into player 1's file. A missing file simply gives an empty list.
    if (const FileResult loaded = m_main.LoadPlayerList(team, players.first()); !loaded)
        showMessage(loaded.error);

    // Player 1 is at the board for a fresh leg, as after taking over a player.
    m_main.Label18->setText(QStringLiteral("1"));
    m_main.SpelersList->hide();
    m_main.SetDartButtons(true);
    state.StartScore = start;
    m_main.StartTeamLeg();
    accept();
}

} // namespace vx
