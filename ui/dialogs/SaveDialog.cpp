// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/SaveDialog.h"

#include "core/common/Services.h"
#include "core/common/Utilities.h"
#include "core/files/RecoveryWriter.h"
#include "core/files/ScoreListFiles.h"
#include "ui/main/MainWindow.h"
#include "ui/widgets/DialogButtons.h"
#include "ui/widgets/FormLook.h"
#include "ui/widgets/StyledButton.h"

#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>

namespace vx {

// Qualified: inside the class scope a bare `pause` names this member, which would start empty.
std::function<void(double)> SaveDialog::pause = vx::pause;

namespace {

const QColor kNameBack(40, 40, 60);

// The busy pointer for as long as the progress runs, whatever way the run ends.
struct BusyPointer {
    BusyPointer() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyPointer() { QApplication::restoreOverrideCursor(); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};

// A typed name can be that of another duo match: its file would be replaced by this match's
// list without a word. The match's own file is meant to be replaced, and a name the file
// routines refuse is left to the save, which says why.
bool MayReplace(const QString& name, const QString& ownName) {
    if (!checkName(name, NameKind::Duo)) return true;
    const QFileInfo target(duoFilePath(name));
    if (!target.exists() || target == QFileInfo(duoFilePath(ownName))) return true;
    return prompts().question(
        SaveDialog::tr("Er is al een scorelijst met de naam '%1'. Wilt u deze overschrijven?").arg(name),
        SaveDialog::tr(" Overschrijven"));
}

} // namespace

SaveDialog::SaveDialog(MainWindow& main, QWidget* parent) : QDialog(parent), m_main(main) {
    setObjectName(QStringLiteral("SaveForm"));
    setWindowTitle(tr("Data Opslaan"));
    sizeTwips(this, 5910, 1560);
    setBackColor(this, QColor(170, 240, 240));

    nameEdit = new QLineEdit(this);
    nameEdit->setObjectName(QStringLiteral("Text1"));
    placeTwips(nameEdit, 120, 150, 5085, 300);
    setBackColor(nameEdit, kNameBack);
    setForeColor(nameEdit, QColor(240, 240, 160));
    nameEdit->setAccessibleName(tr("Bestandsnaam"));

    progressBar = new QLabel(this);
    progressBar->setObjectName(QStringLiteral("Bar"));
    placeTwips(progressBar, 120, 150, 5085, 300);
    progressBar->hide();

    percentLabel = new QLabel(QStringLiteral("0%"), this);
    percentLabel->setObjectName(QStringLiteral("Label1"));
    // Wide enough for "100%" from the start, so the label never has to grow.
    placeTwips(percentLabel, 5250, 195, 615, 240);

    saveButton = new StyledButton(this);
    saveButton->setObjectName(QStringLiteral("SaveKnop"));
    saveButton->setText(tr("Opslaan"));
    placeTwips(saveButton, 4650, 600, 990, 360);
    connect(saveButton, &StyledButton::clicked, this, &SaveDialog::save);

    cancelButton = new StyledButton(this);
    cancelButton->setObjectName(QStringLiteral("CancelKnop"));
    cancelButton->setText(tr("Annuleren"));
    placeTwips(cancelButton, 3630, 600, 990, 360);
    connect(cancelButton, &StyledButton::clicked, this, &QDialog::reject);
    setDialogButtons(*this, saveButton, cancelButton);

    if (m_main.isDuoMatch()) {
        nameEdit->setText(m_main.session.duoFileName);
    } else {
        // A player's list always goes under the team folder and the player's own name: the
        // box only shows who is saved, so it is not to be typed in.
        nameEdit->setText(m_main.teamMatch().playerName());
        nameEdit->setReadOnly(true);
    }
}

void SaveDialog::fillBar(int width) {
    m_bar.fill(kNameBack);
    QPainter painter(&m_bar);
    // 340 units fill the bar; its height is 18 units, the whole bar.
    painter.fillRect(0, 0, static_cast<int>(roundHalfAway(width * m_bar.width() / 340.0)), m_bar.height(),
                     QColor(0, 240, 0));
    painter.end();
    progressBar->setPixmap(QPixmap::fromImage(m_bar));
}

void SaveDialog::save() {
    const bool duo = m_main.isDuoMatch();
    // No keeps the dialog open, so another name can be typed.
    if (duo && !MayReplace(nameEdit->text(), m_main.session.duoFileName)) return;
    const FileResult written = duo ? m_main.saveDuoList(nameEdit->text()) : m_main.savePlayerList();
    if (!written) {
        // Nothing is on disk: the list stays marked as changed and the dialog stays open, so
        // another name can be tried or the save cancelled.
        showMessage(tr("Opslaan is niet gelukt.\n%1").arg(written.error));
        return;
    }

    // A second click during the run would write and animate again.
    saveButton->setEnabled(false);
    cancelButton->setEnabled(false);
    {
        BusyPointer busy;
        nameEdit->hide();
        m_bar = QImage(progressBar->size(), QImage::Format_RGB32);
        progressBar->show();
        for (int i = 0; i <= 340; i += 2) {
            fillBar(i);
            percentLabel->setText(QStringLiteral("%1%").arg(roundHalfAway(i / 3.5)));
            pause(0.02);
        }
        percentLabel->setText(QStringLiteral("100%"));
        pause(0.5);
    }
    m_main.session.scoreListChanged = false;
    m_main.recoveryWriter().update();
    accept();
}

} // namespace vx
