// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/SettingsDialog.h"

#include "core/common/Services.h"
#include "core/files/Settings.h"
#include "ui/main/DartBoardPanel.h"
#include "ui/main/MainWindow.h"
#include "ui/widgets/DialogButtons.h"
#include "ui/widgets/FormLook.h"
#include "ui/widgets/StyledButton.h"

#include <QCheckBox>
#include <QComboBox>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>

#include <limits>

namespace vx {

SettingsDialog::SettingsDialog(MainWindow& main, QWidget* parent) : QDialog(parent), m_main(main) {
    setObjectName(QStringLiteral("ConfigForm"));
    setWindowTitle(tr("Instellingen"));
    // Below the language note: the history's place and the club server's fields.
    sizeTwips(this, 6900, 5040);
    const QColor back(220, 220, 190);
    const QColor captionText(60, 60, 60);
    setBackColor(this, back);

    footerEdit = new QLineEdit(this);
    footerEdit->setObjectName(QStringLiteral("Text1"));
    // A line edit cuts its text at 32767 characters by default, and OK would then store a
    // footer shortened without a word: it holds any footer the settings file can.
    footerEdit->setMaxLength(std::numeric_limits<int>::max());
    footerEdit->setText(m_main.session.footerText);
    placeTwips(footerEdit, 180, 240, 3900, 300);
    setBackColor(footerEdit, QColor(240, 240, 240));
    setForeColor(footerEdit, QColor(0, 0, 0));

    footerLabel = new QLabel(tr("Tekst onderaan alle afdrukpagina's"), this);
    footerLabel->setObjectName(QStringLiteral("Label8"));
    setForeColor(footerLabel, captionText);
    footerLabel->setBuddy(footerEdit); // its name for a screen reader
    placeTwips(footerLabel, 180, 630);

    rowNumbersOption = new QRadioButton(tr("Button Tekst (1..20)"), this);
    rowNumbersOption->setObjectName(QStringLiteral("Option1"));
    placeTwips(rowNumbersOption, 360, 1200, 3300, 240);
    pointNumbersOption = new QRadioButton(tr("Button Tekst (2..40 / 3..60)"), this);
    pointNumbersOption->setObjectName(QStringLiteral("Option2"));
    placeTwips(pointNumbersOption, 360, 1500, 3300, 240);
    for (QRadioButton* option : {rowNumbersOption, pointNumbersOption})
        setBackColor(option, back);
    // Whatever the board shows, the dialog opens on the plain numbering.
    rowNumbersOption->setChecked(true);
    connect(rowNumbersOption, &QRadioButton::clicked, this,
            [this] { m_main.dartBoard()->numberDartButtons(1, 1, 1); });
    connect(pointNumbersOption, &QRadioButton::clicked, this,
            [this] { m_main.dartBoard()->numberDartButtons(1, 2, 3); });

    callerCheck = new QCheckBox(tr("Caller"), this);
    callerCheck->setObjectName(QStringLiteral("CallerCheck"));
    placeTwips(callerCheck, 360, 1950, 3300, 240);
    setBackColor(callerCheck, back);
    callerCheck->setChecked(m_main.isCallerOn());
    callerCheck->setEnabled(m_main.callerUnavailable().isEmpty());
    callerCheck->setToolTip(m_main.callerUnavailable());
    connect(&main, &MainWindow::callerLost, this, [this](const QString& why) {
        callerCheck->setChecked(false);
        callerCheck->setEnabled(false);
        callerCheck->setToolTip(why);
    });

    languageLabel = new QLabel(tr("Taal"), this);
    languageLabel->setObjectName(QStringLiteral("TaalLabel"));
    setForeColor(languageLabel, captionText);
    placeTwips(languageLabel, 360, 2295);
    languageChoice = new QComboBox(this);
    languageChoice->setObjectName(QStringLiteral("TaalKeuze"));
    for (Language language : {Language::Dutch, Language::English})
        languageChoice->addItem(languageName(language), languageCode(language));
    languageChoice->setCurrentIndex(languageChoice->findData(languageCode(readLanguage())));
    placeTwips(languageChoice, 1245, 2250, 1500, 315);
    languageNote = new QLabel(this);
    languageNote->setObjectName(QStringLiteral("TaalUitleg"));
    setForeColor(languageNote, captionText);
    // Under the buttons: beside the choice it would run into the picture.
    placeTwipsWidth(languageNote, 1245, 3090, 5400);
    connect(languageChoice, &QComboBox::currentIndexChanged, this, &SettingsDialog::showNextStartNote);

    // Beside the language: the row has room up to the picture.
    scaleLabel = new QLabel(tr("Weergave"), this);
    scaleLabel->setObjectName(QStringLiteral("WeergaveLabel"));
    setForeColor(scaleLabel, captionText);
    placeTwips(scaleLabel, 2820, 2295);
    scaleChoice = new QComboBox(this);
    scaleChoice->setObjectName(QStringLiteral("WeergaveKeuze"));
    for (DisplayScale scale : displayScales())
        scaleChoice->addItem(displayScaleName(scale), displayScaleCode(scale));
    scaleChoice->setCurrentIndex(scaleChoice->findData(displayScaleCode(readDisplayScale())));
    placeTwips(scaleChoice, 3780, 2250, 1005, 315);
    connect(scaleChoice, &QComboBox::currentIndexChanged, this, &SettingsDialog::showNextStartNote);
    showNextStartNote();

    historyLabel = new QLabel(tr("Historie"), this);
    historyLabel->setObjectName(QStringLiteral("HistorieLabel"));
    setForeColor(historyLabel, captionText);
    placeTwips(historyLabel, 360, 3465);
    historyChoice = new QComboBox(this);
    historyChoice->setObjectName(QStringLiteral("HistorieKeuze"));
    historyChoice->addItem(tr("Deze computer"), false);
    historyChoice->addItem(tr("Clubserver"), true);
    placeTwips(historyChoice, 1245, 3420, 1800, 315);
    historyLabel->setBuddy(historyChoice);
    // A caption on the left of each field, two fields a row.
    const auto field = [&](const char* name, const QString& caption, int left, int editLeft, int top,
                           int width) {
        auto* label = new QLabel(caption, this);
        label->setObjectName(QLatin1String(name) + QStringLiteral("Label"));
        setForeColor(label, captionText);
        placeTwips(label, left, top + 45);
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QLatin1String(name) + QStringLiteral("Edit"));
        placeTwips(edit, editLeft, top, width, 315);
        label->setBuddy(edit);
        return edit;
    };
    hostEdit = field("Server", tr("Server"), 360, 1245, 3840, 2040);
    portEdit = field("Poort", tr("Poort"), 3420, 4440, 3840, 900);
    portEdit->setValidator(new QIntValidator(1, 65535, portEdit));
    databaseEdit = field("Database", tr("Database"), 360, 1245, 4215, 2040);
    userEdit = field("Gebruiker", tr("Gebruiker"), 3420, 4440, 4215, 2100);
    boardEdit = field("Bord", tr("Bord"), 360, 1245, 4590, 2040);
    boardEdit->setToolTip(tr("De naam van dit bord op de clubserver, zoals \"Bord 1\"; het wachtwoord staat"
                             " niet hier maar in ~/.pgpass van de gebruiker"));
    connect(historyChoice, &QComboBox::currentIndexChanged, this, &SettingsDialog::enableServerFields);
    showHistoryPlace(readHistoryPlace());

    pictureLabel = new QLabel(this);
    pictureLabel->setObjectName(QStringLiteral("Image1"));
    pictureLabel->setPixmap(uiPicture(QStringLiteral("ConfigForm.png")));
    placeTwips(pictureLabel, 4800, 900);

    resetButton = new StyledButton(this);
    resetButton->setObjectName(QStringLiteral("ResetKnop"));
    resetButton->setText(tr("Reset"));
    placeTwips(resetButton, 180, 2610, 990, 360);
    connect(resetButton, &StyledButton::clicked, this, &SettingsDialog::resetSettings);

    resetLabel = new QLabel(tr("Reset alle gemaakte Wijzigingen"), this);
    resetLabel->setObjectName(QStringLiteral("Label5"));
    setForeColor(resetLabel, captionText);
    placeTwips(resetLabel, 1245, 2685);

    cancelButton = new StyledButton(this);
    cancelButton->setObjectName(QStringLiteral("CancelKnop"));
    cancelButton->setText(tr("Annuleren"));
    placeTwips(cancelButton, 4590, 2610, 990, 360);
    connect(cancelButton, &StyledButton::clicked, this, &QDialog::reject);

    okButton = new StyledButton(this);
    okButton->setObjectName(QStringLiteral("OkKnop"));
    okButton->setText(tr("Ok"));
    okButton->setToolTip(tr(" Wijzigingen Opslaan "));
    placeTwips(okButton, 5610, 2610, 990, 360);
    connect(okButton, &StyledButton::clicked, this, &SettingsDialog::storeFooter);
    setDialogButtons(*this, okButton, cancelButton);
}

void SettingsDialog::resetSettings() {
    m_main.dartBoard()->numberDartButtons(1, 1, 1);
    footerEdit->setText(kDefaultFooterText);
    callerCheck->setChecked(false);
    languageChoice->setCurrentIndex(languageChoice->findData(languageCode(Language::Dutch)));
    scaleChoice->setCurrentIndex(scaleChoice->findData(displayScaleCode(DisplayScale::Percent100)));
    historyChoice->setCurrentIndex(0);
}

void SettingsDialog::showHistoryPlace(const HistoryPlace& place) {
    hostEdit->setText(place.server.host);
    portEdit->setText(QString::number(place.server.port));
    databaseEdit->setText(place.server.database);
    userEdit->setText(place.server.user);
    boardEdit->setText(place.server.board);
    historyChoice->setCurrentIndex(place.club ? 1 : 0);
    enableServerFields();
}

void SettingsDialog::enableServerFields() {
    for (QLineEdit* edit : {hostEdit, portEdit, databaseEdit, userEdit, boardEdit})
        edit->setEnabled(historyChoice->currentData().toBool());
}

HistoryPlace SettingsDialog::chosenHistoryPlace() const {
    return {historyChoice->currentData().toBool(),
            {hostEdit->text().trimmed(), portEdit->text().toInt(), databaseEdit->text().trimmed(),
             userEdit->text().trimmed(), boardEdit->text().trimmed()}};
}

DisplayScale SettingsDialog::chosenScale() const {
    return displayScaleFromCode(scaleChoice->currentData().toString()).value_or(DisplayScale::Percent100);
}

Language SettingsDialog::chosenLanguage() const {
    return languageFromCode(languageChoice->currentData().toString()).value_or(Language::Dutch);
}

// Windows already open keep their texts, so another language starts with the next run. Told in
// the language chosen: that is the one its reader understands.
// A scale differs from the one in force as soon as it is another choice than the stored one.
void SettingsDialog::showNextStartNote() {
    const Language chosen = chosenLanguage();
    if (chosen != uiLanguage())
        languageNote->setText(chosen == Language::English ? QStringLiteral("English from the next start on")
                                                          : QStringLiteral("Nederlands vanaf de volgende start"));
    else
        languageNote->setText(tr("Weergave vanaf de volgende start"));
    languageNote->setVisible(chosen != uiLanguage() || chosenScale() != readDisplayScale());
}

void SettingsDialog::storeFooter() {
    // The settings file has room for the text only as it is: refused here, where it can still
    // be corrected, rather than lost or altered at shutdown.
    if (!isStorableFooter(footerEdit->text())) {
        showMessage(tr("Deze tekst kan niet worden bewaard. Gebruik geen dubbele aanhalingstekens (\") "
                       "en alleen letters en tekens van het West-Europese alfabet."));
        footerEdit->setFocus();
        return;
    }
    // Every record on the server is known by its board: without a name it could not be.
    if (chosenHistoryPlace().club && chosenHistoryPlace().server.board.isEmpty()) {
        showMessage(
            tr("Geef dit bord een naam, zoals \"Bord 1\": de clubserver kent elke wedstrijd aan zijn bord."));
        boardEdit->setFocus();
        return;
    }
    m_main.session.footerText = footerEdit->text();
    if (callerCheck->isChecked() != m_main.isCallerOn()) m_main.setCallerOn(callerCheck->isChecked());
    if (QString why; chosenLanguage() != readLanguage() && !writeLanguage(chosenLanguage(), &why))
        showMessage(why);
    if (QString why; chosenScale() != readDisplayScale() && !writeDisplayScale(chosenScale(), &why))
        showMessage(why);
    if (const HistoryPlace place = chosenHistoryPlace(); place != readHistoryPlace()) {
        if (QString why; !writeHistoryPlace(place, &why)) showMessage(why);
        m_main.setHistoryPlace(place);
    }
    // Measured now, on the screen the main window is on, so that the next start fits already.
    if (const QScreen* screen = m_main.screen(); screen && chosenScale() == DisplayScale::Fit)
        writeFittedFactor(fitFactorOn(*screen));
    accept();
}

} // namespace vx
