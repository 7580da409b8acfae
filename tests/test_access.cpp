// SPDX-License-Identifier: GPL-3.0-or-later
// The program for a scorer who cannot read the screen, and for one whose desktop is dark: every
// control has a name of its own, the figures say when they change, and every caption reads
// against its background under a light and a dark palette.
#include "core/common/StartUp.h"
#include "everywindow.h"
#include "ui/main/DartBoardPanel.h"
#include "ui/widgets/FormLook.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleFactory>

using namespace vx;

namespace {

bool isInteractive(QAccessible::Role role) {
    static const QSet<QAccessible::Role> roles = {
        QAccessible::Button,       QAccessible::CheckBox, QAccessible::RadioButton, QAccessible::ComboBox,
        QAccessible::EditableText, QAccessible::List,     QAccessible::SpinBox,     QAccessible::Slider,
        QAccessible::MenuItem,     QAccessible::Table,    QAccessible::PageTab,     QAccessible::ButtonMenu};
    return roles.contains(role);
}

QString pathOf(QAccessibleInterface* iface) {
    QStringList path;
    for (QObject* o = iface->object(); o; o = o->parent())
        path.prepend(o->objectName().isEmpty() ? QString::fromLatin1(o->metaObject()->className())
                                               : o->objectName());
    return path.join(u'/') + u' ' + QString::number(iface->role(), 16);
}

// The controls a screen reader can reach, by name: a hidden control is out of reach, the
// entries of a menu not yet opened are not. A control is one control with its parts (a drop-down
// list's edit box), and one named as a control it lies in ("Help" in the menu "Help") is heard
// as the next level down, not as its double.
void collectControls(QAccessibleInterface* iface, QMultiMap<QString, QString>& named, QStringList& faults,
                     QStringList within = {}) {
    for (int i = 0; i < iface->childCount(); ++i) {
        QAccessibleInterface* child = iface->child(i);
        if (!child) continue;
        const QAccessible::Role role = child->role();
        const bool inMenu = role == QAccessible::MenuItem || role == QAccessible::PopupMenu;
        if (child->state().invisible && !inMenu) continue;
        // A caption tied to a control names it; a drop-down list's own name is its value.
        const auto labels = child->relations(QAccessible::Label);
        const QString name =
            labels.isEmpty() ? child->text(QAccessible::Name) : labels.first().first->text(QAccessible::Name);
        if (isInteractive(role) && (name.isEmpty() || !within.contains(name)))
            named.insert(name, pathOf(child));
        if (qobject_cast<StyledButton*>(child->object()) && !child->state().disabled) {
            const QAccessibleActionInterface* actions = child->actionInterface();
            if (role != QAccessible::Button || !actions ||
                !actions->actionNames().contains(QAccessibleActionInterface::pressAction()))
                faults << pathOf(child) + QStringLiteral(": no button with a press action");
        }
        if (role != QAccessible::List && role != QAccessible::Table && role != QAccessible::ComboBox)
            collectControls(child, named, faults, isInteractive(role) ? within + QStringList{name} : within);
    }
}

QPalette darkPalette() {
    QPalette dark;
    const QColor window(45, 45, 48), base(30, 30, 30), text(235, 235, 235), muted(128, 128, 128);
    for (const auto& [role, colour] : std::initializer_list<std::pair<QPalette::ColorRole, QColor>>{
             {QPalette::Window, window},
             {QPalette::WindowText, text},
             {QPalette::Base, base},
             {QPalette::AlternateBase, window},
             {QPalette::Text, text},
             {QPalette::Button, window},
             {QPalette::ButtonText, text},
             {QPalette::ToolTipBase, base},
             {QPalette::ToolTipText, text},
             {QPalette::Highlight, QColor(42, 130, 218)},
             {QPalette::HighlightedText, Qt::white},
             {QPalette::PlaceholderText, muted},
             {QPalette::Light, QColor(70, 70, 74)},
             {QPalette::Midlight, QColor(60, 60, 64)},
             {QPalette::Mid, QColor(40, 40, 42)},
             {QPalette::Dark, QColor(20, 20, 20)},
             {QPalette::Shadow, Qt::black}})
        dark.setColor(role, colour);
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(QPalette::Disabled, role, muted);
    return dark;
}

// The contrast of the text in `area` of `image`: its most frequent colour is the background,
// the pixel furthest from it in luminance the text.
double textContrast(const QImage& image, const QRect& area) {
    QHash<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[image.pixel(x, y)];
    QRgb background = 0;
    int most = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > most) std::tie(background, most) = std::pair(it.key(), it.value());
    double best = 1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        best = std::max(best, contrastRatio(QColor(background), QColor(it.key())));
    return best;
}

// Captions whose colours the windows were drawn with, kept at the light default under any theme.
const QMap<QString, QString> kContrastExceptions = {
    {"Main/KlokLabel", "the clock's quiet grey on the panel is the window's own look"},
    {"SpelersForm/Label1", "the players' captions are a soft slate on the ruled form"},
};

// Windows that are one picture: the scoreboard paints its own digits, the chart and the
// statistics figures are pictures; the overview is a table.
const QSet<QString> kWithoutControls = {"checkout chart", "scoreboard"};
const QSet<QString> kWithoutCaptions = {"checkout chart", "scoreboard", "statistics numbers",
                                        "statistics overview"};

} // namespace

class AccessTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion"))); }
    void init() { m_session.startSession(); }
    void cleanup() {
        m_session.endSession();
        applyLanguage(Language::Dutch);
        QApplication::setPalette(QApplication::style()->standardPalette());
    }

    // A screen reader names every control of every window, and no two alike.
    void everyControlHasItsOwnName_data() {
        QTest::addColumn<QString>("window");
        for (const QString& window : vxtest::everyWindow())
            QTest::newRow(qPrintable(window)) << window;
    }
    void everyControlHasItsOwnName() {
        QFETCH(QString, window);
        QStringList faults;
        int controls = 0;
        vxtest::visitWindow(window, [&](QWidget& shown) {
            QAccessibleInterface* root = QAccessible::queryAccessibleInterface(&shown);
            QVERIFY(root);
            QMultiMap<QString, QString> named;
            collectControls(root, named, faults);
            controls += int(named.size());
            for (const QString& name : named.uniqueKeys()) {
                const QStringList where = named.values(name);
                if (name.trimmed().isEmpty())
                    faults << QStringLiteral("no name: ") + where.join(QStringLiteral(", "));
                else if (where.size() > 1)
                    faults << QStringLiteral("\"%1\" %2 times: ").arg(name).arg(where.size()) +
                                  where.join(QStringLiteral(", "));
            }
        });
        QCOMPARE(controls > 0, !kWithoutControls.contains(window));
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }

    // The board's buttons by the dart they score, in the language in force.
    void boardButtonsSayTheirDart_data() {
        QTest::addColumn<bool>("english");
        QTest::addColumn<QString>("dartCode");
        QTest::addColumn<QString>("name");
        QTest::newRow("single") << false << "E20"
                                << "Single 20";
        QTest::newRow("double") << false << "D20"
                                << "Double 20";
        QTest::newRow("treble") << false << "T20"
                                << "Triple 20";
        QTest::newRow("treble 1") << false << "T1"
                                  << "Triple 1";
        QTest::newRow("outer bull") << false << "B25"
                                    << "Bull 25";
        QTest::newRow("bull's eye") << false << "B50"
                                    << "Bull's Eye 50";
        QTest::newRow("miss") << false << ""
                              << "Nul";
        QTest::newRow("add") << false << "ADD"
                             << "Toevoegen";
        QTest::newRow("miss, English") << true << ""
                                       << "Zero";
        QTest::newRow("add, English") << true << "ADD"
                                      << "Add";
        QTest::newRow("double, English") << true << "D7"
                                         << "Double 7";
    }
    void boardButtonsSayTheirDart() {
        QFETCH(bool, english);
        QFETCH(QString, dartCode);
        QFETCH(QString, name);
        QVERIFY(applyLanguage(english ? Language::English : Language::Dutch));
        MainWindow main;
        main.compose(MatchKind::Team);
        // The doubles and trebles may show their points instead; the name stays the dart.
        main.dartBoard()->numberDartButtons(1, 2, 3);
        StyledButton* button =
            dartCode == u"ADD" ? main.dartBoard()->addButton() : main.dartBoard()->dartButton(dartCode);
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(button);
        QCOMPARE(iface->text(QAccessible::Name), name);
    }

    // Pressing through the accessible interface is a click, as a screen reader's user makes it.
    void styledButtonPressesThroughItsInterface() {
        StyledButton button;
        button.setText(QStringLiteral("Ok"));
        QSignalSpy clicked(&button, &StyledButton::clicked);
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&button);
        QCOMPARE(iface->role(), QAccessible::Button);
        QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Ok"));
        iface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTRY_COMPARE(clicked.count(), 1);
    }

    // The figures a scorer reads are named for a screen reader with what they are, and follow
    // the match.
    void figuresSayWhatTheyShow_data() {
        QTest::addColumn<bool>("duo");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("name");
        QTest::newRow("team dart slot") << false << "T20 5"
                                        << "Label5(2)"
                                        << "Dart 2: 5";
        QTest::newRow("team remaining") << false << "T20 T20 ADD"
                                        << "Label7"
                                        << "Resterende score: 181";
        QTest::newRow("team checkout") << false << "T20 T20 T20 ADD T20 T19"
                                       << "UitgooiLabel"
                                       << "Uitgooi: D2";
        QTest::newRow("duo remaining") << true << "T20 ADD"
                                       << "ScoreLabel(1)"
                                       << "Resterende score Koos: 41";
        QTest::newRow("duo turn") << true << "T20 D5"
                                  << "PuntenLabel(1)"
                                  << "Beurt Koos: 70";
        QTest::newRow("duo checkout") << true << "T20 ADD 1"
                                      << "UitgooiSpeler(2)"
                                      << "Uitgooi Fred: T20 D20";
        QTest::newRow("duo legs") << true << "T20 ADD T20 ADD 9 D16 ADD"
                                  << "LegsLabel(1)"
                                  << "Legs Koos: 1";
    }
    void figuresSayWhatTheyShow() {
        QFETCH(bool, duo);
        QFETCH(QString, script);
        QFETCH(QString, label);
        QFETCH(QString, name);
        vxtest::DialogRecorder dialogs;
        MainWindow main;
        if (duo)
            vxtest::StartDuoMatch(main, "Koos", "Fred", false, 2, 101, "Duel");
        else
            vxtest::StartTeamMatch(main, "Oost", {"Anna"}, 301);
        // Qt tells a screen reader of every change of a name; offscreen there is none to tell,
        // so the name itself is read, before and after.
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(vxtest::control(main, label));
        const QString before = iface->text(QAccessible::Name);
        vxtest::play(main, script);
        QCOMPARE(iface->text(QAccessible::Name), name);
        QVERIFY(before != name);
    }

    // Every caption reads on its background, under a light and a dark desktop palette.
    void captionsReadUnderAnyPalette_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("dark");
        for (const bool dark : {false, true})
            for (const QString& window : vxtest::everyWindow())
                QTest::newRow(
                    qPrintable(window + (dark ? QStringLiteral(", dark") : QStringLiteral(", light"))))
                    << window << dark;
    }
    void captionsReadUnderAnyPalette() {
        QFETCH(QString, window);
        QFETCH(bool, dark);
        QApplication::setPalette(dark ? darkPalette() : QApplication::style()->standardPalette());
        QStringList faults;
        int measured = 0;
        vxtest::visitWindow(window, [&](QWidget& shown) {
            const QImage image = shown.grab().toImage();
            if (const QByteArray shots = qgetenv("VX_SHOTS"); !shots.isEmpty() && dark)
                image.save(
                    QDir(QString::fromLocal8Bit(shots))
                        .filePath(QStringLiteral("dark-%1.png").arg(QString(window).replace(u' ', u'-'))));
            for (QWidget* w : shown.findChildren<QWidget*>()) {
                auto* label = qobject_cast<QLabel*>(w);
                auto* button = qobject_cast<StyledButton*>(w);
                const QString text = label ? label->text() : button ? button->text() : QString();
                if (text.trimmed().isEmpty() || !w->isVisibleTo(&shown) || !w->isEnabled() ||
                    kContrastExceptions.contains(shown.objectName() + u'/' +
                                                 w->objectName().section(u'(', 0, 0)))
                    continue;
                // Inside a label's frame, inside a button's face.
                const int inset = button ? 3 : 1;
                const QRect area = QRect(w->mapTo(&shown, QPoint(0, 0)), w->size())
                                       .intersected(image.rect())
                                       .adjusted(inset, inset, -inset, -inset);
                if (area.width() < 4 || area.height() < 4) continue;
                const QFont font = w->font();
                const bool large = font.pointSizeF() >= 18 || (font.pointSizeF() >= 14 && font.bold());
                const double contrast = textContrast(image, area);
                ++measured;
                if (contrast < (large ? 3.0 : 4.5))
                    faults << QStringLiteral("%1 \"%2\": %3")
                                  .arg(w->objectName(), text)
                                  .arg(contrast, 0, 'f', 2);
            }
        });
        QCOMPARE(measured > 0, !kWithoutCaptions.contains(window));
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }

  private:
    vxtest::PlaySession m_session;
};

QTEST_MAIN(AccessTest)
#include "test_access.moc"
