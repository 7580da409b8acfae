#include "ui/dialogs/DuoSetupDialog.h"

#include "core/common/Utilities.h"
#include "ui/widgets/FormLook.h"
#include "ui/main/MainWindow.h"
#include "core/common/Services.h"
#include "core/files/ScoreListFiles.h"
#include "core/match/MatchSetup.h"
#include "ui/widgets/StyledButton.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QRadioButton>

namespace vx {

namespace {

const QColor kFormBack(220, 220, 190);

StyledButton* MakeButton(QWidget* parent, const QString& name, const QString& caption, int left, int top) {
    auto* button = new StyledButton(parent);
    button->setObjectName(name);
    button->setText(caption);
    PlaceTwips(button, left, top, 990, 360);
    return button;
}

} // namespace

DuoSetupDialog::DuoSetupDialog(MainWindow& main, QWidget* parent) : QDialog(parent), m_main(main) {
    setObjectName(QStringLiteral("DuoForm"));
    setWindowTitle(QStringLiteral("Duo Match"));
    SizeTwips(this, 6720, 3900);
    SetBackColor(this, kFormBack);
    const QFont boxFont(QStringLiteral("Arial"), 9, QFont::Bold);

    Combo3 = MakeEditableChoice(this, QStringLiteral("Combo3"), ListDuoFiles());
    Combo3->setToolTip(QStringLiteral(" Bestandsnaam Scorelijst Spelers "));
    SetBackColor(Combo3, QColor(200, 250, 250));
    Label5 = MakeCaption(this, QStringLiteral("Label5"), QStringLiteral("Bestandsnaam"), 3600, 300);
    NewKnop = MakeButton(this, QStringLiteral("NewKnop"), QStringLiteral("Nieuw"), 5430, 240);
    NewKnop->setToolTip(QStringLiteral(" Nieuwe naam Scorelijst aanmaken "));
    connect(NewKnop, &StyledButton::clicked, this, &DuoSetupDialog::NewKnop_Click);

    const std::array<QLineEdit**, 2> names = {&Text1, &Text2};
    const std::array<QString, 2> defaults = {QStringLiteral("Koos"), QStringLiteral("Fred")};
    for (int k = 0; k < 2; ++k) {
        QLineEdit*& box = *names[k];
        box = new QLineEdit(defaults[k], this);
        box->setObjectName(QStringLiteral("Text%1").arg(k + 1));
        SetBackColor(box, QColor(230, 250, 230));
        PlaceTwips(box, 180, k == 0 ? 780 : 1200, 3300, 300);
    }
    Label1 = MakeCaption(this, QStringLiteral("Label1"), QStringLiteral("Naam Speler 1  (Start als 1e)"),
                         3600, 840);
    Label2 = MakeCaption(this, QStringLiteral("Label2"), QStringLiteral("Naam Speler 2"), 3600, 1260);

    Label3 = MakeCaption(this, QStringLiteral("Label3"), QStringLiteral("First to"), 540, 2020);
    QStringList targets;
    for (int n = 1; n <= 19; ++n)
        targets << QString::number(n);
    Combo1 = MakeEditableChoice(this, QStringLiteral("Combo1"), targets);
    Combo1->setCurrentIndex(2);
    SetBackColor(Combo1, QColor(230, 230, 0));
    const std::array<QString, 3> kinds = {QString(), QStringLiteral("Sets"), QStringLiteral("Legs")};
    for (int i = 1; i <= 2; ++i) {
        Option1[i] = new QRadioButton(kinds[i], this);
        Option1[i]->setObjectName(QStringLiteral("Option1(%1)").arg(i));
        SetBackColor(Option1[i], kFormBack);
        PlaceTwipsWidth(Option1[i], 2700, i == 1 ? 1800 : 2220, 1200);
    }
    Option1[1]->setChecked(true);

    Label4 = MakeCaption(this, QStringLiteral("Label4"), QStringLiteral("Darthoogte"), 210, 2550);
    Combo2 = MakeEditableChoice(this, QStringLiteral("Combo2"), kStartScores);
    Combo2->setCurrentIndex(1);
    SetBackColor(Combo2, QColor(230, 230, 0));

    for (QWidget* box : std::initializer_list<QWidget*>{Combo3, Text1, Text2, Combo1, Combo2})
        box->setFont(boxFont);
    // Placed once their font is set: a drop-down list takes the height of its font.
    PlaceTwipsWidth(Combo3, 180, 240, 3315);
    PlaceTwipsWidth(Combo1, 1350, 1980, 900);
    PlaceTwipsWidth(Combo2, 1350, 2520, 900);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(UiPicture(QStringLiteral("DuoForm.png")));
    Image1->setGeometry(TwipsToPixels(4650), TwipsToPixels(1800), 77, 61);

    CancelKnop = MakeButton(this, QStringLiteral("CancelKnop"), QStringLiteral("Annuleren"), 4410, 2910);
    connect(CancelKnop, &StyledButton::clicked, this, &QDialog::reject);
    OkKnop = MakeButton(this, QStringLiteral("OkKnop"), QStringLiteral("Ok"), 5430, 2910);
    OkKnop->setToolTip(QStringLiteral(" Wijzigingen Opslaan "));
    connect(OkKnop, &StyledButton::clicked, this, &DuoSetupDialog::OkKnop_Click);
}

void DuoSetupDialog::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    // The fork from the target list to the two kinds of target.
    QPainter painter(this);
    painter.setPen(Qt::black);
    const QPoint from(TwipsToPixels(2280), TwipsToPixels(2130));
    painter.drawLine(from, QPoint(TwipsToPixels(2685), TwipsToPixels(1950)));
    painter.drawLine(from, QPoint(TwipsToPixels(2685), TwipsToPixels(2340)));
}

void DuoSetupDialog::Refuse(const QString& message, QWidget* box) {
    showMessage(message);
    box->setFocus();
}

void DuoSetupDialog::NewKnop_Click() {
    const std::optional<QString> answer =
        prompts().input(QStringLiteral("Geef een nieuwe naam in voor de scorelijst...\nvan de spelers."),
                        QStringLiteral("Filenaam"), QString());
    if (!answer || answer->trimmed().isEmpty()) return;
    if (FileResult checked = CheckName(*answer, NameKind::Duo); !checked)
        return Refuse(QStringLiteral("Bestandsnaam: ") + checked.error, NewKnop);
    Combo3->addItem(*answer);
    Combo3->setCurrentIndex(Combo3->count() - 1);
}

void DuoSetupDialog::OkKnop_Click() {
    // Everything is checked before anything changes, so a refusal leaves the match as it was.
    const QString name1 = Text1->text();
    const QString name2 = Text2->text();
    int badRow = 0;
    if (FileResult checked = CheckDuoPlayers(name1, name2, &badRow); !checked)
        return Refuse(checked.error, badRow == 1 ? Text1 : Text2);
    const QString fileName = Combo3->currentText();
    if (FileResult checked = CheckName(fileName, NameKind::Duo); !checked)
        return Refuse(QStringLiteral("Bestandsnaam: ") + checked.error, Combo3);
    int target = 0;
    if (FileResult checked = CheckTarget(Combo1->currentText(), &target); !checked)
        return Refuse(checked.error, Combo1);
    int start = 0;
    if (FileResult checked = CheckStartScore(Combo2->currentText(), &start); !checked)
        return Refuse(checked.error, Combo2);

    MainWindow& m = m_main;
    MatchState& state = m.state;
    for (int k = 1; k <= 2; ++k) {
        const QString& name = k == 1 ? name1 : name2;
        m.SpelerLabel[k]->setText(name);
        m.NaamLabel[k]->setText(name + QStringLiteral(" "));
    }
    // The remaining scores are set from the checked number when the first leg starts.
    state.StartScore = start;

    const bool sets = Option1[1]->isChecked();
    // The checked number, not the text as typed: "2 sets" would read "First to 2 sets Sets".
    m.Label17->setText(QStringLiteral("First to ") + QString::number(target) +
                       (sets ? QStringLiteral(" Sets") : QStringLiteral(" Legs")));
    if (sets)
        state.SetsToWin = target;
    else
        state.LegsToWin = target;
    state.DuoMatchKind = sets ? 1 : 2;
    for (int k = 1; k <= 2; ++k) {
        m.NaamLabel[k]->resize(TwipsToPixels(sets ? 2640 : 3300), m.NaamLabel[k]->height());
        m.SetsLabel[k]->setVisible(sets);
    }
    m.Label16->setText(sets ? QStringLiteral("Naam Spelers                     Sets    Legs")
                            : QStringLiteral("Naam Spelers                                Legs"));
    PlaceTwips(m.Label16, 360, 7680);

    state.LegsWon1 = state.SetsWon1 = state.LegsWon2 = state.SetsWon2 = 0;
    for (int k = 1; k <= 2; ++k) {
        m.SetsLabel[k]->setText(QStringLiteral("0"));
        m.LegsLabel[k]->setText(QStringLiteral("0"));
    }
    // Player 1 throws first; a match ended before leaves nothing of its last leg behind.
    m.StartDuoLeg(1);

    m.scoreList.setFirstHeader(QStringLiteral("Naam Speler"));
    state.DuoFileName = fileName;
    // A new name has no file yet: the list is then empty until the match is saved.
    if (const FileResult loaded = m.LoadDuoList(fileName); !loaded) showMessage(loaded.error);
    m.NaamBestand->setText(fileName);
    accept();
}

} // namespace vx
