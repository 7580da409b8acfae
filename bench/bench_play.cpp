// SPDX-License-Identifier: GPL-3.0-or-later
// Times match play on the real main window with score lists of 0, 1,000 and 10,000 rows:
//   (a) a dart button press until every label has its new text and the window is repainted;
//   (b) a booked turn (AddKnop, AddKnopDuo) until the window is repainted;
//   (c) the end of a leg, the score list getting its new row(s), until the window is repainted.
// Goal: under 1 ms for a dart and a booked turn, under 2 ms for a leg end, and no growth with
// the size of the score list.
//
// How "until repainted" is measured: a control whose text changes only marks itself dirty; Qt
// then posts one UpdateRequest to the top-level window, whose handler paints every dirty
// region into the window's backing store and flushes that to the screen (the X server under
// xcb, an image under offscreen). The score list's view lays out new rows on a timer of 0 ms
// first. The release is delivered synchronously (QTest::mouseRelease sends it straight to the
// button, so its clicked handler has run when it returns); then Settle() runs
// two rounds of the event loop's own steps: the posted events, the UpdateRequest among them,
// and the timers that are due, each followed by the events those posted. When it returns the
// paint and the flush are done; a third round, untimed, must find nothing left to paint, and
// every timed step must have painted something (both counted, and reported when broken).
// Repainting the whole window instead (QWidget::repaint on the top level, or grab) would time
// a full redraw that the program never does while playing. The clock of the menu strip is
// stopped, so that its tick never lands inside a timed step.
//
// The matches are set up through the real setup dialogs (open an existing team, a duo match
// on an existing score list file), with the files written beforehand holding the rows. Each
// leg ends on a dart (team) or a booked turn (duo); the new rows are then taken off again
// untimed, so each size is timed at exactly that many rows.
//
// The audience scoreboard is open beside the main window all along and the recovery file is
// kept, as at a club night, so that their work is timed with every step. Paint events are
// counted per step and per widget class, and a widget painted twice in one step is reported.
//
// Usage: bench_play [--club] [legs per size [list sizes...]]   (default 40 legs; 0, 1000, 10000 rows)
//        bench_play [--club] --short                            (8 legs; 1000 and 10000 rows)
// --club: the history goes to a club server as well, a PostgreSQL of the bench's own (as the
// tests start one), so that its sender works beside the timed steps; without it the history is
// kept on this computer only.
// Each action also prints a line `growth <action> <ratio>`: its time at the largest size over
// that at the smallest list that is not empty (the lower quartiles), for a check that only
// looks at growth.
// Uses the platform of the environment: offscreen without a display, or a real X server with
// `xvfb-run -a bench_play`.
#include "core/common/Services.h"
#include "core/files/RecoveryFile.h"
#include "core/files/RecoveryWriter.h"
#include "core/files/ScoreListFiles.h"
#include "core/files/Settings.h"
#include "core/scorelist/LegRows.h"
#include "ui/dialogs/DuoSetupDialog.h"
#include "ui/dialogs/TeamSetupDialog.h"
#include "ui/main/MainWindow.h"
#include "ui/main/ScoreboardWindow.h"
#include "ui/widgets/StyledButton.h"
#include "pgserver.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <array>
#include <cstdio>
#include <functional>
#include <map>
#include <vector>

namespace {

// The median a step must stay under.
double GoalMs(const QString& action) {
    return action.contains(QLatin1String("leg end")) ? 2.0 : 1.0;
}
std::vector<int> g_sizes = {0, 1000, 10000};

class SilentPrompts final : public vx::Prompts {
  public:
    void message(const QString&, const QString&) override {}
    bool question(const QString&, const QString&) override { return false; }
    std::optional<QString> input(const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
};

class PaintCounter : public QObject {
  public:
    PaintCounter() { qApp->installEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++paints;
            ++byWidget[watched];
        }
        return false;
    }
    long paints = 0;
    // Since the last clear: paint events per widget.
    std::map<QObject*, int> byWidget;
};

struct Samples {
    std::vector<double> ms;
    long paints = 0;    // paint events inside the timed steps
    long leftover = 0;  // paint events still pending after a timed step: must stay 0
    long unpainted = 0; // timed steps that painted nothing: must stay 0
    std::map<QString, long> twice; // widgets by name: steps that painted them more than once
    std::map<QString, long> byClass; // paint events inside the timed steps per widget class
};

// The figures per action ("team: dart", ...) and per list size.
std::map<QString, std::map<int, Samples>> g_results;
std::vector<QString> g_order;

// One round of the event loop, without waiting: posted events, due timers, and then what the
// timers posted.
void Settle() {
    for (int round = 0; round < 2; ++round) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents();
    }
}

// Out of line, one copy per action in the order the report lists them, so that a profiler can
// collect exactly the timed steps, all of them or those of one action:
//   valgrind --tool=callgrind --toggle-collect='*RunAndSettle*' bench_play 3 10000
//   valgrind --tool=callgrind --toggle-collect='*RunAndSettle<5>*' bench_play 3 10000  (duo leg end)
template <int> [[gnu::noinline]] void RunAndSettle(const std::function<void()>& step) {
    step();
    Settle();
}
constexpr std::array kRunAndSettle = {&RunAndSettle<0>, &RunAndSettle<1>, &RunAndSettle<2>,
                                      &RunAndSettle<3>, &RunAndSettle<4>, &RunAndSettle<5>};

class StepTimer {
  public:
    explicit StepTimer(PaintCounter& counter) : m_counter(counter) {}

    template <typename F> void time(const QString& action, int size, F&& step) {
        if (std::find(g_order.begin(), g_order.end(), action) == g_order.end()) g_order.push_back(action);
        const size_t index = std::find(g_order.begin(), g_order.end(), action) - g_order.begin();
        if (index >= kRunAndSettle.size()) qFatal("more actions than copies of RunAndSettle");
        Samples& s = g_results[action][size];
        const long before = m_counter.paints;
        m_counter.byWidget.clear();
        QElapsedTimer timer;
        timer.start();
        kRunAndSettle[index](step);
        const qint64 ns = timer.nsecsElapsed();
        const long painted = m_counter.paints - before;
        s.ms.push_back(ns / 1e6);
        s.paints += painted;
        if (painted == 0) ++s.unpainted;
        for (const auto& [widget, count] : m_counter.byWidget) {
            s.byClass[QString::fromLatin1(widget->metaObject()->className())] += count;
            if (count > 1) ++s.twice[widget->objectName()];
        }
        const long settled = m_counter.paints;
        Settle();
        s.leftover += m_counter.paints - settled;
    }

  private:
    PaintCounter& m_counter;
};

template <class T> T* Control(vx::MainWindow& m, const char* name) {
    auto* control = m.findChild<T*>(QLatin1String(name));
    if (!control) qFatal("no control named %s", name);
    return control;
}

// The main window on screen, its clock stopped, the scoreboard beside it.
void ShowMain(vx::MainWindow& m) {
    Control<QTimer>(m, "Timer1")->stop();
    m.show();
    if (!QTest::qWaitForWindowExposed(&m)) qFatal("main window not shown");
    Control<QAction>(m, "ToolsScorebord")->trigger();
    if (!m.scoreboard() || !QTest::qWaitForWindowExposed(m.scoreboard())) qFatal("scoreboard not shown");
    // Beside the main window, not over it: the buttons' hover look follows what is under the cursor.
    m.scoreboard()->move(m.frameGeometry().right() + 1, 0);
    Settle();
    if (QApplication::widgetAt(m.mapToGlobal(QPoint(20, 20))) == m.scoreboard()) qFatal("scoreboard over the main window");
}

// The match just set up is being kept in the recovery file, as it is at every step after.
void ExpectRecovery(vx::MainWindow& m) {
    m.recoveryWriter().flush();
    if (!QFileInfo::exists(vx::recoveryFilePath())) qFatal("no recovery file kept");
}

// The scorer's hand: the cursor goes to the button first, and what that shows (a hover look)
// is painted before the clock starts; so is the pressed look, as a finger holds the button for
// a tenth of a second before it lets go. Then the release, which books, is timed.
QAbstractButton* Aim(vx::MainWindow& m, const QString& name) {
    auto* button = m.findChild<QAbstractButton*>(name);
    if (!button) qFatal("no control named %s", qPrintable(name));
    if (!button->isEnabled()) qFatal("%s is not enabled", qPrintable(name));
    QTest::mouseMove(button);
    Settle();
    return button;
}

void HoldDown(QAbstractButton* button) {
    QTest::mousePress(button, Qt::LeftButton);
    Settle();
}

void LetGo(QAbstractButton* button) {
    QTest::mouseRelease(button, Qt::LeftButton);
}

void Untimed(vx::MainWindow& m, const QString& name) {
    QAbstractButton* button = Aim(m, name);
    HoldDown(button);
    LetGo(button);
    Settle();
    m.recoveryWriter().flush();
}

QStringList Turns(int seed) {
    QStringList turns;
    for (int t = 0; t < 8; ++t)
        turns << QString::number((seed * 37 + t * 53) % 181);
    return turns;
}

void WriteTeam(const QString& team, int rows) {
    const QStringList players = {QStringLiteral("Ann"), QStringLiteral("Bob")};
    if (!vx::createTeamFiles(team, players)) qFatal("team files not created");
    vx::ScoreListModel model;
    vx::ScoreListModel::Rows list;
    list.reserve(rows);
    for (int r = 0; r < rows; ++r)
        list.append(vx::teamLegRow(
            Turns(r), QStringLiteral("01-02-2024 / 20:%1:00").arg(r % 60, 2, 10, QLatin1Char('0'))));
    model.replaceAll(std::move(list));
    for (const QString& player : players)
        if (!vx::savePlayerList(model, team, player)) qFatal("player file not written");
}

void WriteDuo(const QString& name, int rows) {
    vx::ScoreListModel model;
    vx::ScoreListModel::Rows list;
    list.reserve(rows);
    for (int r = 0; r < rows; ++r)
        list.append(vx::duoLegRow(r % 2 ? QStringLiteral("Fred") : QStringLiteral("Koos"), r % 4 < 2,
                                  Turns(r), QStringLiteral("20.3")));
    model.replaceAll(std::move(list));
    if (!vx::saveDuoList(model, name)) qFatal("duo file not written");
}

// Presses buttons by name: timed under the action's name when there is a timer, else only
// played (the warm-up leg).
struct Hand {
    vx::MainWindow& m;
    StepTimer* timer;
    int size;

    void operator()(const QString& action, const QString& name) const {
        if (!timer) return Untimed(m, name);
        QAbstractButton* button = Aim(m, name);
        HoldDown(button);
        timer->time(action, size, [button] { LetGo(button); });
        // The recovery file is written on a thread of its own while the scorer looks at the
        // board; the next press, seconds later, finds it done.
        m.recoveryWriter().flush();
    }
};

// 501 in three turns: 180, 180, then T20 T19 D12.
const QStringList kFirstTurns = {QStringLiteral("Knop3(20)"), QStringLiteral("Knop3(20)"),
                                 QStringLiteral("Knop3(20)")};
const QStringList kLastTurn = {QStringLiteral("Knop3(20)"), QStringLiteral("Knop3(19)"),
                               QStringLiteral("Knop2(12)")};

// One team leg of the player at the board, then the other player taken over through the list.
void TeamLeg(vx::MainWindow& m, StepTimer* timer, int size) {
    const Hand step{m, timer, size};
    for (int turn = 0; turn < 2; ++turn) {
        for (const QString& dart : kFirstTurns)
            step(QStringLiteral("team: dart"), dart);
        step(QStringLiteral("team: booked turn"), QStringLiteral("AddKnop"));
    }
    step(QStringLiteral("team: dart"), kLastTurn[0]);
    step(QStringLiteral("team: dart"), kLastTurn[1]);
    step(QStringLiteral("team: leg end (1 row)"), kLastTurn[2]);
    if (Control<QLabel>(m, "Label7")->text() != QStringLiteral("0") || m.scoreList.count() != size + 1)
        qFatal("team leg did not end");

    m.scoreList.removeRowAt(m.scoreList.count() - 1);
    Untimed(m, QStringLiteral("NextPlayerKnop"));
    const int next = Control<QLabel>(m, "Label18")->text().toInt() % 2; // 0-based row of the other player
    auto* players = Control<QListWidget>(m, "SpelersList");
    QTest::mouseClick(players->viewport(), Qt::LeftButton, {},
                      players->visualItemRect(players->item(next)).center());
    Settle();
    if (Control<QLabel>(m, "Label18")->text().toInt() != next + 1 || m.scoreList.count() != size)
        qFatal("next player not taken over");
}

void OpenTeam(vx::MainWindow& m, const QString& team) {
    m.session.newTeamMode = false;
    vx::TeamSetupDialog form(m, &m);
    const int at = form.teamCombo->findText(team);
    form.teamCombo->setCurrentIndex(at);
    emit form.teamCombo->activated(at); // the scorer picks the team
    form.okButton->click();
    if (form.result() != QDialog::Accepted) qFatal("team setup refused");
    Settle();
}

void TeamBench(int legs, PaintCounter& counter) {
    vx::MainWindow m;
    m.compose(vx::MatchKind::Team);
    ShowMain(m);
    StepTimer timer(counter);
    for (int size : g_sizes) {
        const QString team = QStringLiteral("Team%1").arg(size);
        WriteTeam(team, size);
        OpenTeam(m, team);
        if (m.scoreList.count() != size) qFatal("team list not loaded");
        ExpectRecovery(m);
        TeamLeg(m, nullptr, size); // fonts, pictures and caches
        for (int leg = 0; leg < legs; ++leg)
            TeamLeg(m, &timer, size);
    }
}

// One duo leg: the starter wins on the fifth turn; the rows are taken off and the next leg
// started with NextKnop, untimed.
void DuoLeg(vx::MainWindow& m, StepTimer* timer, int size) {
    const Hand step{m, timer, size};
    const int starter = Control<QAbstractButton>(m, "AddKnopDuo(1)")->isEnabled() ? 1 : 2;
    for (int turn = 0; turn < 5; ++turn) {
        const int p = turn % 2 ? 3 - starter : starter;
        for (const QString& dart : turn == 4 ? kLastTurn : kFirstTurns)
            step(QStringLiteral("duo: dart"), dart);
        step(turn == 4 ? QStringLiteral("duo: leg end (2 rows)") : QStringLiteral("duo: booked turn"),
             QStringLiteral("AddKnopDuo(%1)").arg(p));
    }
    if (m.scoreList.count() != size + 2) qFatal("duo leg did not end");
    m.scoreList.removeRowAt(m.scoreList.count() - 1);
    m.scoreList.removeRowAt(m.scoreList.count() - 1);
    Untimed(m, QStringLiteral("NextKnop"));
}

void OpenDuo(vx::MainWindow& m, const QString& name) {
    vx::DuoSetupDialog form(m, &m);
    form.fileNameCombo->setCurrentIndex(form.fileNameCombo->findText(name));
    form.legsOption->setChecked(true); // legs
    form.targetCombo->setCurrentText(QStringLiteral("99"));
    form.startScoreCombo->setCurrentText(QStringLiteral("501"));
    form.okButton->click();
    if (form.result() != QDialog::Accepted) qFatal("duo setup refused");
    Settle();
}

void DuoBench(int legs, PaintCounter& counter) {
    vx::MainWindow m;
    m.compose(vx::MatchKind::Duo);
    ShowMain(m);
    StepTimer timer(counter);
    for (int size : g_sizes) {
        const QString name = QStringLiteral("Duo%1").arg(size);
        WriteDuo(name, size);
        OpenDuo(m, name);
        if (m.scoreList.count() != size) qFatal("duo list not loaded");
        ExpectRecovery(m);
        DuoLeg(m, nullptr, size);
        for (int leg = 0; leg < legs; ++leg)
            DuoLeg(m, &timer, size);
    }
}

double Percentile(std::vector<double> v, double p) {
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, size_t(p * (v.size() - 1) + 0.5))];
}

double Median(const std::vector<double>& v) {
    return Percentile(v, 0.5);
}

// One line per action: the median per list size, then the spread at the largest size. The goal
// is judged on the median at every size. Growth is judged from the smallest list that is not
// empty to the largest: going from an empty list to a screenful the view gets rows to draw, but
// beyond that a longer list must cost nothing more.
void Report() {
    const int largest = g_sizes.back();
    const auto firstFilled = std::find_if(g_sizes.begin(), g_sizes.end(), [](int n) { return n > 0; });
    const int base = firstFilled != g_sizes.end() && *firstFilled != largest ? *firstFilled : -1;

    QString head = QStringLiteral("%1").arg(QStringLiteral("median ms at rows:"), -24);
    for (int size : g_sizes)
        head += QStringLiteral("%1").arg(size, 9);
    head += QStringLiteral("   p95 %1  max %1  paints  goal        no growth").arg(largest);
    std::printf("\n%s\n", qPrintable(head));

    bool allMet = true;
    QStringList growth;
    for (const QString& action : g_order) {
        const std::map<int, Samples>& bySize = g_results[action];
        QString line = QStringLiteral("%1").arg(action, -24);
        bool fast = true;
        bool sound = true;
        for (int size : g_sizes) {
            const Samples& s = bySize.at(size);
            fast = fast && Median(s.ms) < GoalMs(action);
            sound = sound && s.leftover == 0 && s.unpainted == 0 && s.twice.empty();
            line += QStringLiteral("%1").arg(Median(s.ms), 9, 'f', 3);
        }
        const Samples& big = bySize.at(largest);
        line += QStringLiteral("%1%2%3")
                    .arg(Percentile(big.ms, 0.95), 10, 'f', 3)
                    .arg(*std::max_element(big.ms.begin(), big.ms.end()), 10, 'f', 3)
                    .arg(double(big.paints) / double(big.ms.size()), 8, 'f', 1);
        line += QStringLiteral("  <%1 %2").arg(GoalMs(action)).arg(fast ? QStringLiteral("met") : QStringLiteral("NOT MET"), -9);
        if (base > 0) {
            // A quarter more, with 50 microseconds allowed for the noise of a busy machine.
            const double ratio = Median(big.ms) / Median(bySize.at(base).ms);
            const bool flat = Median(big.ms) <= Median(bySize.at(base).ms) * 1.25 + 0.05;
            line += QStringLiteral("%1 (x%2)")
                        .arg(flat ? QStringLiteral("met") : QStringLiteral("NOT MET"))
                        .arg(ratio, 0, 'f', 2);
            allMet = allMet && flat;
            // For a check on a shared machine: the fastest quarter of the steps, which the rest
            // of the machine disturbs least.
            growth << QStringLiteral("growth play-%1 %2")
                          .arg(QString(action).remove(QRegularExpression(QStringLiteral(" \\(.*\\)")))
                                   .replace(QRegularExpression(QStringLiteral("[^a-z]+")), QStringLiteral("-")))
                          .arg(Percentile(big.ms, 0.25) / Percentile(bySize.at(base).ms, 0.25), 0, 'f', 2);
        }
        if (!sound) line += QStringLiteral("  (a step left paints over, painted nothing, or painted a widget twice)");
        allMet = allMet && fast && sound;
        std::printf("%s\n", qPrintable(line));
    }
    std::printf("\ntimes from the press to the repainted window; paints = paint events per step;\n"
                "no growth compares %d rows with %d\n",
                largest, base);

    std::printf("\npaint events per step by widget class, at %d rows; widgets painted twice in a step\n", largest);
    for (const QString& action : g_order) {
        const Samples& big = g_results[action].at(largest);
        QStringList classes;
        for (const auto& [name, count] : big.byClass)
            classes << QStringLiteral("%1 %2").arg(name).arg(double(count) / double(big.ms.size()), 0, 'f', 1);
        QStringList twice;
        for (const auto& [name, steps] : big.twice)
            twice << QStringLiteral("%1 in %2 steps").arg(name.isEmpty() ? QStringLiteral("?") : name).arg(steps);
        std::printf("%-24s%s; painted twice: %s\n", qPrintable(action),
                    qPrintable(classes.join(QStringLiteral(", "))),
                    twice.isEmpty() ? "none" : qPrintable(twice.join(QStringLiteral(", "))));
    }
    std::printf("\n");
    for (const QString& line : growth)
        std::printf("%s\n", qPrintable(line));
    std::printf("overall: %s\n", allMet ? "met" : "NOT MET");
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setFont(QFont(QStringLiteral("Arial"), 8));
    QStringList args = QCoreApplication::arguments().mid(1);
    const bool club = args.removeAll(QStringLiteral("--club")) > 0;
    const bool brief = !args.isEmpty() && args[0] == QLatin1String("--short");
    const int legs = brief ? 8 : !args.isEmpty() ? std::max(1, args[0].toInt()) : 40;
    if (brief) {
        g_sizes = {1000, 10000};
    } else if (args.size() > 1) {
        g_sizes.clear();
        for (const QString& size : args.mid(1))
            g_sizes.push_back(std::max(0, size.toInt()));
        std::sort(g_sizes.begin(), g_sizes.end());
        g_sizes.erase(std::unique(g_sizes.begin(), g_sizes.end()), g_sizes.end());
    }

    QTemporaryDir home;
    vx::setFolders(vx::foldersForExecutable(
        QCoreApplication::applicationDirPath() + QStringLiteral("/../bin"), home.path()));
    using vxtest::PgServer;
    std::unique_ptr<PgServer> server;
    if (club) {
        server = std::make_unique<PgServer>();
        if (!server->ok()) qFatal("no club server: %s", qPrintable(server->error()));
        // The password as a board finds it: libpq reads the pgpass file by itself.
        const QString pgpass = home.filePath(QStringLiteral("pgpass"));
        QFile file(pgpass);
        if (!file.open(QIODevice::WriteOnly) ||
            file.write(QByteArray("*:*:*:") + PgServer::kUser + ':' + PgServer::kPassword + '\n') < 0)
            qFatal("cannot write %s", qPrintable(pgpass));
        file.close();
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        qputenv("PGPASSFILE", pgpass.toLocal8Bit());
        vx::HistoryPlace place;
        place.club = true;
        place.server = {server->socketDir(), PgServer::kPort, QStringLiteral("postgres"),
                        QString::fromLatin1(PgServer::kUser), QStringLiteral("Bord 1")};
        if (!vx::writeHistoryPlace(place)) qFatal("cannot write the options file");
    }
    SilentPrompts prompts;
    vx::setPrompts(&prompts);
    PaintCounter counter;

    QElapsedTimer total;
    total.start();
    TeamBench(legs, counter);
    DuoBench(legs, counter);
    std::printf("platform: %s, legs per size: %d, scoreboard open, recovery file kept, history %s, run took %.1f s\n",
                qPrintable(QGuiApplication::platformName()), legs,
                club ? "on this computer and a club server" : "on this computer", total.nsecsElapsed() / 1e9);
    Report();
    vx::setPrompts(nullptr);
    return 0;
}
