// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/RowEditorDialog.h"

#include "core/common/Services.h"
#include "core/files/RecoveryWriter.h"
#include "core/files/TextFile.h"
#include "core/review/Statistics.h"
#include "ui/dialogs/SelectedRow.h"
#include "ui/main/MainWindow.h"
#include "ui/widgets/DialogButtons.h"
#include "ui/widgets/FormLook.h"
#include "ui/widgets/StyledButton.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProxyStyle>

#include <algorithm>

namespace vx {

namespace {

constexpr int kOutColumn = 1;
constexpr int kFirstTurnColumn = 2;
constexpr int kAverageColumn = 27;

const QColor kFieldYellow(250, 250, 160);
const QColor kCellBlue(240, 250, 250);

// The style's drop-down arrow takes 19 of a cell's 50 pixels and leaves its text room for three
// digits: "9999" would show as "999". A narrower arrow gives the text the room of four.
class NarrowArrowStyle : public QProxyStyle {
  public:
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                         const QWidget* widget) const override {
        QRect rect = QProxyStyle::subControlRect(control, option, sub, widget);
        if (control != CC_ComboBox || (sub != SC_ComboBoxArrow && sub != SC_ComboBoxEditField)) return rect;
        constexpr int kArrowWidth = 12;
        const int spare =
            QProxyStyle::subControlRect(control, option, SC_ComboBoxArrow, widget).width() - kArrowWidth;
        if (spare <= 0) return rect;
        if (sub == SC_ComboBoxArrow)
            rect.setLeft(rect.left() + spare);
        else
            rect.setRight(rect.right() + spare);
        return rect;
    }
};

// One style for the cells of every editor opened: a widget does not own its style, so this one
// lives as long as the program.
QStyle* CellStyle() {
    static QPointer<QStyle> style;
    if (!style) {
        style = new NarrowArrowStyle;
        style->setParent(QCoreApplication::instance());
    }
    return style;
}

template <class T> T* make(QWidget* parent, const QString& name) {
    auto* w = new T(parent);
    w->setObjectName(name);
    return w;
}

QLabel* caption(QWidget* parent, const QString& name, const QString& text, int left, int top) {
    auto* label = make<QLabel>(parent, name);
    label->setText(text);
    placeTwips(label, left, top);
    return label;
}

QComboBox* cell(QWidget* parent, int index, const QStringList& items, const QColor& colour, int left,
                int top) {
    auto* combo = make<QComboBox>(parent, QStringLiteral("Combo1(%1)").arg(index));
    combo->setStyle(CellStyle());
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->addItems(items);
    QFont font = combo->font();
    font.setPointSize(10);
    combo->setFont(font);
    setBackColor(combo, colour);
    placeTwipsWidth(combo, left, top, 750);
    return combo;
}

StyledButton* button(QWidget* parent, const QString& name, const QString& text, int left, int width) {
    auto* styled = make<StyledButton>(parent, name);
    styled->setText(text);
    placeTwips(styled, left, 3510, width, 360);
    // A caption wider than the button would wrap onto a second line: the button grows to the
    // right instead (there is room up to "Exit").
    styled->resize(std::max(styled->width(), styled->sizeHint().width()), styled->height());
    return styled;
}

} // namespace

RowEditorDialog::RowEditorDialog(MainWindow& main, QWidget* parent) : QDialog(parent), m_main(main) {
    setObjectName(QStringLiteral("ItemForm"));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    setWindowTitle(tr("Scorelijst Bewerken van..."));
    // The form's small font: the captions were laid out for it (" Item Wijzigen " fits its button).
    setFont(QFont(QStringLiteral("Arial"), 8));
    sizeTwips(this, 8400, 4500);
    setBackgroundPixmap(this,
                        ruledBackground(width(), height(), QColor(220, 220, 190), QColor(190, 190, 160)));

    // The menu opens the editor for the selected row; without a selection it edits the first.
    m_row = firstSelectedRow(main);
    if (m_row < 0 && main.scoreList.count() > 0) m_row = 0;

    nameEdit = make<QLineEdit>(this, QStringLiteral("Text1"));
    setBackColor(nameEdit, kFieldYellow);
    placeTwipsWidth(nameEdit, 180, 225, 3000);
    nameLabel = caption(this, QStringLiteral("Label1"), tr("Naam Speler"), 3300, 285);
    // Captions name their boxes for a screen reader.
    nameLabel->setBuddy(nameEdit);
    itemLabel = caption(this, QStringLiteral("Label3"), tr("Item %1").arg(m_row + 1), 7500, 285);

    cellCombos[0] = cell(this, 0, {QStringLiteral("v"), QStringLiteral("-")}, kFieldYellow, 5130, 225);
    cellLabels[0] = caption(this, QStringLiteral("Label2(0)"), tr("Out"), 5970, 285);
    cellLabels[0]->setBuddy(cellCombos[0]);

    QStringList scores{QStringLiteral("-")};
    for (int s = 1; s <= 180; ++s)
        scores << QString::number(s);
    QFont labelFont = font();
    labelFont.setPointSize(10);
    labelFont.setBold(true);
    labelFont.setItalic(true);
    // Six cells a column, columns 1650 apart; the 25th stands alone atop the fifth.
    int top = 900;
    int left = 180;
    for (int k = 1; k <= 25; ++k) {
        cellCombos[k] = cell(this, k, scores, kCellBlue, left, top);
        cellLabels[k] = make<QLabel>(this, QStringLiteral("Label2(%1)").arg(k));
        cellLabels[k]->setFont(labelFont);
        // Named as the score list's columns, which keep their names in every language.
        cellLabels[k]->setText(QStringLiteral("D.%1").arg(k));
        cellLabels[k]->setBuddy(cellCombos[k]);
        placeTwips(cellLabels[k], left + 840, top + 60);
        top += 390;
        if (top > 3000) {
            top = 900;
            left += 1650;
        }
    }

    averageEdit = make<QLineEdit>(this, QStringLiteral("Text3"));
    setBackColor(averageEdit, kCellBlue);
    placeTwips(averageEdit, 6780, 1680, 735, 345);
    averageLabel = caption(this, QStringLiteral("Label4"), tr("Gem."), 7620, 1740);
    averageLabel->setBuddy(averageEdit);

    changeButton = button(this, QStringLiteral("WijzigKnop"), tr(" Item Wijzigen "), 180, 1155);
    deleteButton = button(this, QStringLiteral("DelKnop"), tr(" Item Verwijderen "), 1410, 1155);
    closeButton = button(this, QStringLiteral("CancelKnop"), tr("Exit"), 7080, 990);
    connect(changeButton, &StyledButton::clicked, this, &RowEditorDialog::changeRow);
    connect(deleteButton, &StyledButton::clicked, this, &RowEditorDialog::deleteRow);
    connect(closeButton, &StyledButton::clicked, this, &QDialog::reject);
    setDialogButtons(*this, changeButton, closeButton);

    fillFields();
    // Only the user's changes recompute: the average the row holds is shown as it is.
    for (QComboBox* combo : cellCombos) {
        connect(combo, &QComboBox::editTextChanged, this, &RowEditorDialog::updateAverage);
        connect(combo, &QComboBox::activated, this, &RowEditorDialog::updateAverage);
    }
    QApplication::restoreOverrideCursor();
}

void RowEditorDialog::fillFields() {
    if (m_row < 0) return;
    const auto& row = m_main.scoreList.row(m_row);
    nameEdit->setText(row[0]);
    cellCombos[0]->setEditText(row[kOutColumn]);
    for (int k = 1; k <= 25; ++k)
        cellCombos[k]->setEditText(row[kFirstTurnColumn + k - 1]);
    averageEdit->setText(row[kAverageColumn]);
}

void RowEditorDialog::updateAverage() {
    QStringList cells;
    for (int k = 1; k <= 25; ++k)
        cells << cellCombos[k]->currentText();
    averageEdit->setText(turnCellsAverage(cells));
}

void RowEditorDialog::changeRow() {
    // A row whose text is blank is skipped when its file is read back: it would be lost at the
    // next save and load.
    if (nameEdit->text().trimmed().isEmpty()) {
        showMessage(tr("Vul de tekst bij \"%1\" in: een regel zonder naam gaat verloren bij het opslaan van "
                       "de scorelijst.")
                        .arg(nameLabel->text()));
        return;
    }
    // Each field with the caption beside it, by which the message names it.
    QList<std::pair<QLabel*, QString>> fields{{nameLabel, nameEdit->text()},
                                              {averageLabel, averageEdit->text()}};
    for (int k = 0; k <= 25; ++k)
        fields.append({cellLabels[k], cellCombos[k]->currentText()});
    // The texts go into the row unchecked, but one the score list file cannot hold (a pasted
    // line break, a character outside its code page) would make every later save fail:
    // refuse it here, where it can still be corrected.
    for (const auto& [label, text] : fields)
        if (!fitsTextLine(text)) {
            showMessage(
                tr("De tekst bij \"%1\" (\"%2\") bevat een regeleinde of tekens die niet in een scorelijst "
                   "kunnen worden opgeslagen. Pas de tekst aan en probeer het opnieuw.")
                    .arg(label->text(), text));
            return;
        }
    if (!prompts().question(tr("Wilt u deze wijzigingen doorvoeren in de scorelijst?"), tr(" Change")))
        return;
    // The dialog is modal: the selection cannot move, so the row is the one the editor opened.
    if (m_row >= 0 && m_row < m_main.scoreList.count()) {
        ScoreListModel& list = m_main.scoreList;
        list.setCell(m_row, 0, nameEdit->text());
        list.setCell(m_row, kOutColumn, cellCombos[0]->currentText());
        for (int k = 1; k <= 25; ++k)
            list.setCell(m_row, kFirstTurnColumn + k - 1, cellCombos[k]->currentText());
        list.setCell(m_row, kAverageColumn, averageEdit->text());
    }
    m_main.session.scoreListChanged = true;
    m_main.recoveryWriter().update();
}

void RowEditorDialog::deleteRow() {
    if (!prompts().question(tr("Wilt u '%1' verwijderen uit de scorelijst?").arg(nameEdit->text()),
                            tr(" Delete")))
        return;
    if (m_row >= 0 && m_row < m_main.scoreList.count()) m_main.scoreList.removeRowAt(m_row);
    m_main.session.scoreListChanged = true;
    m_main.recoveryWriter().update();
    m_main.showRowCount();
    accept();
}

} // namespace vx
