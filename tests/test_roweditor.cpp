// SPDX-License-Identifier: GPL-3.0-or-later
// The score list item editor: its fields and their places, the live average, writing back and
// deleting with their questions, and the texts a score list file cannot hold.
#include "core/common/Utilities.h"
#include "playsupport.h"
#include "testsupport.h"
#include "ui/dialogs/RowEditorDialog.h"
#include "ui/main/MainWindow.h"
#include "ui/widgets/StyledButton.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTest>

using namespace vx;

namespace {

ScoreListModel::Row makeRow(const QString& text, const QStringList& turns, const QString& average = "9.9") {
    ScoreListModel::Row row;
    row[0] = text;
    row[1] = QStringLiteral("v");
    for (int k = 0; k < ScoreListModel::kTurnColumns; ++k)
        row[2 + k] = k < turns.size() ? turns[k] : QStringLiteral("-");
    row[27] = average;
    return row;
}

// Five rows, Speler1 to Speler5, the third selected.
struct Fixture {
    vxtest::TempHome home;
    vxtest::ScriptedPrompts prompts;
    MainWindow main;
    Fixture(int selected = 2) {
        for (int n = 1; n <= 5; ++n)
            main.scoreList.appendRow(
                makeRow(QStringLiteral("Speler%1").arg(n), {QString::number(n * 10), "45"}));
        if (selected >= 0) vxtest::control<QTableView>(main, "ListView1")->selectRow(selected);
    }
};

void typeInto(QComboBox* combo, const QString& text) {
    combo->lineEdit()->clear();
    QTest::keyClicks(combo->lineEdit(), text);
}

QPoint twips(int left, int top) {
    return {twipsToPixels(left), twipsToPixels(top)};
}

} // namespace

class RowEditorDialogTest : public QObject {
    Q_OBJECT
  private slots:
    void opensOnSelectedRow_data() {
        QTest::addColumn<int>("selected");
        QTest::addColumn<int>("edited");
        QTest::newRow("third row selected") << 2 << 2;
        QTest::newRow("last row selected") << 4 << 4;
        QTest::newRow("nothing selected: the first row") << -1 << 0;
    }
    void opensOnSelectedRow() {
        QFETCH(int, selected);
        QFETCH(int, edited);
        Fixture f(selected);
        f.main.scoreList.setCell(edited, 1, QString());
        f.main.scoreList.setCell(edited, 4, "0");
        RowEditorDialog form(f.main);
        QCOMPARE(form.editedRow(), edited);
        QCOMPARE(form.windowTitle(), QStringLiteral("Scorelijst Bewerken van..."));
        QCOMPARE(form.itemLabel->text(), QStringLiteral("Item %1").arg(edited + 1));
        QCOMPARE(form.nameEdit->text(), QStringLiteral("Speler%1").arg(edited + 1));
        QCOMPARE(form.cellCombos[0]->currentText(), QString());
        QCOMPARE(form.cellCombos[1]->currentText(), QString::number((edited + 1) * 10));
        QCOMPARE(form.cellCombos[2]->currentText(), QStringLiteral("45"));
        QCOMPARE(form.cellCombos[3]->currentText(),
                 QStringLiteral("0")); // not in the list, shown all the same
        QCOMPARE(form.cellCombos[25]->currentText(), QStringLiteral("-"));
        QCOMPARE(form.averageEdit->text(), QStringLiteral("9.9")); // the row's own average until a change
        QCOMPARE(form.cellCombos[0]->count(), 2);
        QCOMPARE(form.cellCombos[7]->count(), 181);
        QCOMPARE(form.cellCombos[7]->itemText(0), QStringLiteral("-"));
        QCOMPARE(form.cellCombos[7]->itemText(180), QStringLiteral("180"));
        QVERIFY(form.cellCombos[7]->isEditable());
    }

    void placement_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QPoint>("topLeft");
        QTest::newRow("Text1") << "Text1" << twips(180, 225);
        QTest::newRow("Combo1(0)") << "Combo1(0)" << twips(5130, 225);
        QTest::newRow("Label2(0)") << "Label2(0)" << twips(5970, 285);
        QTest::newRow("Label3") << "Label3" << twips(7500, 285);
        QTest::newRow("first cell") << "Combo1(1)" << twips(180, 900);
        QTest::newRow("sixth cell, last of a column") << "Combo1(6)" << twips(180, 2850);
        QTest::newRow("seventh cell, a new column") << "Combo1(7)" << twips(1830, 900);
        QTest::newRow("24th cell") << "Combo1(24)" << twips(5130, 2850);
        QTest::newRow("25th cell alone atop the fifth column") << "Combo1(25)" << twips(6780, 900);
        QTest::newRow("its caption") << "Label2(25)" << twips(6780 + 840, 900 + 60);
        QTest::newRow("caption of cell 8") << "Label2(8)" << twips(1830 + 840, 1290 + 60);
        QTest::newRow("Text3 below cell 25") << "Text3" << twips(6780, 1680);
        QTest::newRow("Label4") << "Label4" << twips(7620, 1740);
        QTest::newRow("WijzigKnop") << "WijzigKnop" << twips(180, 3510);
        QTest::newRow("DelKnop") << "DelKnop" << twips(1410, 3510);
        QTest::newRow("CancelKnop") << "CancelKnop" << twips(7080, 3510);
    }
    void placement() {
        QFETCH(QString, name);
        QFETCH(QPoint, topLeft);
        Fixture f;
        RowEditorDialog form(f.main);
        auto* w = form.findChild<QWidget*>(name);
        QVERIFY2(w, qPrintable(name));
        QCOMPARE(w->parentWidget(), &form);
        QCOMPARE(w->pos(), topLeft);
    }

    void captionsAndLook() {
        Fixture f;
        RowEditorDialog form(f.main);
        QCOMPARE(form.size(), QSize(twipsToPixels(8400), twipsToPixels(4500)));
        QCOMPARE(form.cellLabels[13]->text(), QStringLiteral("D.13"));
        QVERIFY(form.cellLabels[13]->font().bold() && form.cellLabels[13]->font().italic());
        QCOMPARE(form.changeButton->text(), QStringLiteral(" Item Wijzigen "));
        QCOMPARE(form.deleteButton->text(), QStringLiteral(" Item Verwijderen "));
        QCOMPARE(form.closeButton->text(), QStringLiteral("Exit"));
        QCOMPARE(form.cellCombos[1]->width(), twipsToPixels(750));
        QCOMPARE(form.averageEdit->size(), QSize(twipsToPixels(735), twipsToPixels(345)));
        // The ruled background: a line colour every 2 pixels over the form colour.
        const QImage image = form.grab().toImage();
        QCOMPARE(image.pixelColor(twipsToPixels(4000), 0), QColor(190, 190, 160));
        QCOMPARE(image.pixelColor(twipsToPixels(4000), 1), QColor(220, 220, 190));
        QCOMPARE(image.pixelColor(twipsToPixels(4000), 2), QColor(190, 190, 160));
        QVERIFY(!QApplication::overrideCursor()); // the busy pointer is gone once it is built
    }

    // Captions stay on one line, with the button's 3-pixel inset on either side; a cell shows
    // its first and its last character at once.
    void everythingShowsWhole_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("value"); // typed into a cell; empty for a button
        QTest::newRow("Item Wijzigen") << "WijzigKnop" << QString();
        QTest::newRow("Item Verwijderen") << "DelKnop" << QString();
        QTest::newRow("a turn of four digits") << "Combo1(1)"
                                               << "9999";
    }
    void everythingShowsWhole() {
        QFETCH(QString, name);
        QFETCH(QString, value);
        Fixture f;
        RowEditorDialog form(f.main);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        if (auto* knop = form.findChild<StyledButton*>(name)) {
            const QString text = knop->text().trimmed();
            QVERIFY2(knop->fontMetrics().horizontalAdvance(text) + 2 * 3 <= knop->width(), qPrintable(text));
            return;
        }
        auto* combo = form.findChild<QComboBox*>(name);
        QVERIFY(combo);
        typeInto(combo, value);
        QLineEdit* edit = combo->lineEdit();
        QCOMPARE(edit->cursorPosition(), value.size());
        const int end = edit->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
        const int start = end - edit->fontMetrics().horizontalAdvance(value);
        QVERIFY2(
            start >= 0 && end < edit->width(),
            qPrintable(
                QStringLiteral("text from %1 to %2 of %3 pixels").arg(start).arg(end).arg(edit->width())));
    }

    void average_data() {
        QTest::addColumn<QStringList>("cells"); // the row's turn cells when it opens
        QTest::addColumn<int>("cell");          // the cell typed into
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("average");
        QTest::newRow("60, 45, 100") << QStringList{"60", "45"} << 3 << "100"
                                     << "22.8";
        QTest::newRow("a typed 0 counts") << QStringList{"60", "45", "100"} << 4 << "0"
                                          << "17.1";
        QTest::newRow("a text without a number counts 0") << QStringList{"60", "45", "100"} << 25 << "x"
                                                          << "17.1";
        QTest::newRow("an emptied cell counts 0") << QStringList{"60", "45", "100"} << 3 << ""
                                                  << "11.7";
        QTest::newRow("back to -: left out") << QStringList{"60", "45", "100"} << 3 << "-"
                                             << "17.5";
        QTest::newRow("all -") << QStringList{"60"} << 1 << "-"
                               << "0.0";
        QTest::newRow("above 180 as typed") << QStringList{} << 1 << "300"
                                            << "100.0";
    }
    void average() {
        QFETCH(QStringList, cells);
        QFETCH(int, cell);
        QFETCH(QString, typed);
        QFETCH(QString, average);
        Fixture f;
        f.main.scoreList.replaceAll({makeRow("Piet", cells)});
        vxtest::control<QTableView>(f.main, "ListView1")->selectRow(0);
        RowEditorDialog form(f.main);
        typeInto(form.cellCombos[cell], typed);
        QCOMPARE(form.averageEdit->text(), average);
        QCOMPARE(f.main.scoreList.cell(0, 27), QStringLiteral("9.9")); // nothing written yet
    }

    void choosingFromTheListRecomputes() {
        Fixture f;
        RowEditorDialog form(f.main);
        form.cellCombos[5]->setCurrentIndex(180); // picks "180" as a click in the list would
        QCOMPARE(form.cellCombos[5]->currentText(), QStringLiteral("180"));
        QCOMPARE(form.averageEdit->text(), QStringLiteral("28.3")); // Speler3: (30 + 45 + 180) / 3 / 3
        form.averageEdit->setText("x");
        form.cellCombos[0]->setCurrentIndex(1); // the "Out" cell does not count, but recomputes
        QCOMPARE(form.averageEdit->text(), QStringLiteral("28.3"));
    }

    void writeBack() {
        Fixture f;
        RowEditorDialog form(f.main);
        form.nameEdit->setText("Piet Paulusma");
        typeInto(form.cellCombos[0], "-");
        typeInto(form.cellCombos[1], "abc"); // unchecked, as typed
        typeInto(form.cellCombos[25], "250");
        f.prompts.answers = {true};
        QTest::mouseClick(form.changeButton, Qt::LeftButton);

        QCOMPARE(f.prompts.seen.size(), 1);
        QCOMPARE(f.prompts.seen[0].kind, vxtest::Prompt::Question);
        QCOMPARE(f.prompts.seen[0].text,
                 QStringLiteral("Wilt u deze wijzigingen doorvoeren in de scorelijst?"));
        QCOMPARE(f.prompts.seen[0].title, QStringLiteral(" Change"));
        const auto& row = f.main.scoreList.row(2);
        QCOMPARE(row[0], QStringLiteral("Piet Paulusma"));
        QCOMPARE(row[1], QStringLiteral("-"));
        QCOMPARE(row[2], QStringLiteral("abc"));
        QCOMPARE(row[3], QStringLiteral("45"));
        QCOMPARE(row[4], QStringLiteral("-"));
        QCOMPARE(row[26], QStringLiteral("250"));
        QCOMPARE(row[27], form.averageEdit->text());
        QCOMPARE(row[27], QStringLiteral("32.8")); // ("abc" = 0 + 45 + 250) / 3 / 3
        QVERIFY(f.main.session.scoreListChanged);
        QCOMPARE(f.main.scoreList.cell(1, 0), QStringLiteral("Speler2")); // only the edited row
        QCOMPARE(f.main.scoreList.cell(3, 0), QStringLiteral("Speler4"));
        QCOMPARE(form.result(), 0); // stays open for further edits
    }

    void answeringNoChangesNothing_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("title");
        QTest::newRow("Item Wijzigen") << "WijzigKnop"
                                       << "Wilt u deze wijzigingen doorvoeren in de scorelijst?"
                                       << " Change";
        QTest::newRow("Item Verwijderen") << "DelKnop"
                                          << "Wilt u 'Nieuwe naam' verwijderen uit de scorelijst?"
                                          << " Delete";
    }
    void answeringNoChangesNothing() {
        QFETCH(QString, button);
        QFETCH(QString, question);
        QFETCH(QString, title);
        Fixture f;
        const QVector<ScoreListModel::Row> before{f.main.scoreList.row(0), f.main.scoreList.row(1),
                                                  f.main.scoreList.row(2), f.main.scoreList.row(3),
                                                  f.main.scoreList.row(4)};
        f.main.showRowCount();
        RowEditorDialog form(f.main);
        form.nameEdit->setText("Nieuwe naam");
        typeInto(form.cellCombos[1], "180");
        f.prompts.answers = {false};
        QTest::mouseClick(form.findChild<QWidget*>(button), Qt::LeftButton);

        QCOMPARE(f.prompts.seen.size(), 1);
        QCOMPARE(f.prompts.seen[0].text, question);
        QCOMPARE(f.prompts.seen[0].title, title);
        QCOMPARE(f.main.scoreList.count(), 5);
        for (int r = 0; r < 5; ++r)
            QCOMPARE(f.main.scoreList.row(r), before[r]);
        QVERIFY(!f.main.session.scoreListChanged);
        QCOMPARE(vxtest::control<QLabel>(f.main, "Label19")->text(), QStringLiteral("5 Items"));
        QCOMPARE(form.result(), 0);
    }

    void deleteUpdatesTheCounter() {
        Fixture f;
        f.main.showRowCount();
        RowEditorDialog form(f.main);
        f.prompts.answers = {true};
        QTest::mouseClick(form.deleteButton, Qt::LeftButton);
        QCOMPARE(f.prompts.seen[0].text, QStringLiteral("Wilt u 'Speler3' verwijderen uit de scorelijst?"));
        QCOMPARE(f.main.scoreList.count(), 4);
        QCOMPARE(f.main.scoreList.cell(2, 0), QStringLiteral("Speler4"));
        QCOMPARE(vxtest::control<QLabel>(f.main, "Label19")->text(), QStringLiteral("4 Items"));
        QVERIFY(f.main.session.scoreListChanged);
        QCOMPARE(form.result(), int(QDialog::Accepted)); // closed
    }

    void exitWritesNothing() {
        Fixture f;
        RowEditorDialog form(f.main);
        form.nameEdit->setText("Anders");
        QTest::mouseClick(form.closeButton, Qt::LeftButton);
        QCOMPARE(form.result(), int(QDialog::Rejected));
        QVERIFY(f.prompts.seen.isEmpty());
        QCOMPARE(f.main.scoreList.cell(2, 0), QStringLiteral("Speler3"));
        QVERIFY(!f.main.session.scoreListChanged);
    }

    void textsTheFileCannotHoldAreRefused_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("caption"); // how the message names the field
        QTest::newRow("name") << "Text1" << QStringLiteral("Piet \u2603") << "Naam Speler";
        QTest::newRow("a score cell") << "Combo1(4)" << QStringLiteral("60\u4e00") << "D.4";
        QTest::newRow("Out") << "Combo1(0)" << QStringLiteral("\u2713") << "Out";
        QTest::newRow("average") << "Text3" << QStringLiteral("\u0394") << "Gem.";
        QTest::newRow("line break in the name")
            << "Text1" << QStringLiteral("Zo\u00eb\r\nregel2") << "Naam Speler";
        QTest::newRow("line feed in the last score cell") << "Combo1(25)" << QStringLiteral("60\n") << "D.25";
        QTest::newRow("carriage return in Out") << "Combo1(0)" << QStringLiteral("v\r") << "Out";
        QTest::newRow("line break in the average") << "Text3" << QStringLiteral("22.8\r\n1") << "Gem.";
    }
    void textsTheFileCannotHoldAreRefused() {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, caption);
        Fixture f;
        RowEditorDialog form(f.main);
        form.nameEdit->setText("Pi\u00ebt \u20ac"); // Windows-1252 holds these
        QWidget* w = form.findChild<QWidget*>(field);
        if (auto* combo = qobject_cast<QComboBox*>(w))
            combo->setEditText(text);
        else
            qobject_cast<QLineEdit*>(w)->setText(text);
        f.prompts.answers = {true};
        QTest::mouseClick(form.changeButton, Qt::LeftButton);

        QCOMPARE(f.prompts.seen.size(), 1);
        QCOMPARE(f.prompts.seen[0].kind, vxtest::Prompt::Message);
        QVERIFY(f.prompts.seen[0].text.contains(text));
        QVERIFY(f.prompts.seen[0].text.contains("niet in een scorelijst"));
        QVERIFY(f.prompts.seen[0].text.contains(QLatin1Char('"') + caption + QLatin1Char('"')));
        QCOMPARE(f.main.scoreList.cell(2, 0), QStringLiteral("Speler3"));
        QVERIFY(!f.main.session.scoreListChanged);
    }

    // A blank row text would make the row vanish when the saved file is read back.
    void blankNameIsRefused_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QString();
        QTest::newRow("blanks only") << QStringLiteral("   ");
    }
    void blankNameIsRefused() {
        QFETCH(QString, text);
        Fixture f;
        RowEditorDialog form(f.main);
        form.nameEdit->setText(text);
        f.prompts.answers = {true};
        QTest::mouseClick(form.changeButton, Qt::LeftButton);

        QCOMPARE(f.prompts.seen.size(), 1);
        QCOMPARE(f.prompts.seen[0].kind, vxtest::Prompt::Message);
        QVERIFY(f.prompts.seen[0].text.contains("zonder naam"));
        QCOMPARE(f.main.scoreList.cell(2, 0), QStringLiteral("Speler3"));
        QVERIFY(!f.main.session.scoreListChanged);
    }
};

QTEST_MAIN(RowEditorDialogTest)
#include "test_roweditor.moc"
