// SPDX-License-Identifier: GPL-3.0-or-later
// The program in English: every window opened with English in force shows no Dutch text that the
// translation has an English one for; the files a match writes are the same in both languages.
#include "core/common/StartUp.h"
#include "everywindow.h"
#include "core/history/HistoryStore.h"
#include "playsupport.h"
#include "shellsupport.h"
#include "ui/dialogs/StartDialog.h"
#include "ui/dialogs/StatisticsDialog.h"
#include "ui/main/HelpPanel.h"
#include "ui/main/ScoreboardWindow.h"

#include <QAbstractItemView>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QMenu>
#include <QTabBar>
#include <QTableView>
#include <QXmlStreamReader>

using namespace vx;

namespace {

// The Dutch source texts of the translation whose English differs: shown in English, such a
// text means a caption was missed.
QSet<QString> DutchOnlyTexts() {
    QFile file(QStringLiteral(VX_SOURCE_DATA_DIR "/../translations/vorlentix_en.ts"));
    if (!file.open(QIODevice::ReadOnly)) qFatal("cannot read the translation");
    QSet<QString> texts;
    QXmlStreamReader xml(&file);
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == u"source") {
            source = xml.readElementText();
        } else if (xml.name() == u"translation") {
            const QString english = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            if (!source.contains(QStringLiteral("%n")) && english != source) texts.insert(source);
        }
    }
    return texts;
}

QString Named(const QObject* o) {
    QStringList path;
    for (; o; o = o->parent())
        path.prepend(o->objectName().isEmpty() ? QString::fromLatin1(o->metaObject()->className())
                                               : o->objectName());
    return path.join(u'/');
}

// Every text a window shows of itself: titles, captions, tooltips, menu entries, combo items,
// tab and header texts.
QList<std::pair<QString, QString>> ShownTexts(const QWidget& window) {
    QList<std::pair<QString, QString>> shown;
    auto add = [&](const QObject* o, const QString& what, const QString& text) {
        if (!text.isEmpty()) shown.append({Named(o) + u' ' + what, text});
    };
    QList<const QWidget*> widgets{&window};
    for (const QWidget* w : window.findChildren<QWidget*>())
        widgets << w;
    for (const QWidget* w : widgets) {
        add(w, "title", w->windowTitle());
        add(w, "tooltip", w->toolTip());
        if (auto* label = qobject_cast<const QLabel*>(w)) add(w, "text", label->text());
        if (auto* button = qobject_cast<const QAbstractButton*>(w)) add(w, "text", button->text());
        if (auto* box = qobject_cast<const QGroupBox*>(w)) add(w, "title", box->title());
        if (auto* menu = qobject_cast<const QMenu*>(w)) add(w, "title", menu->title());
        if (auto* edit = qobject_cast<const QLineEdit*>(w)) add(w, "placeholder", edit->placeholderText());
        if (auto* combo = qobject_cast<const QComboBox*>(w))
            for (int i = 0; i < combo->count(); ++i)
                add(w, QStringLiteral("item %1").arg(i), combo->itemText(i));
        if (auto* tabs = qobject_cast<const QTabBar*>(w))
            for (int i = 0; i < tabs->count(); ++i)
                add(w, QStringLiteral("tab %1").arg(i), tabs->tabText(i));
        if (auto* view = qobject_cast<const QAbstractItemView*>(w); view && view->model()) {
            const QAbstractItemModel* model = view->model();
            for (int c = 0; c < model->columnCount(); ++c)
                add(w, QStringLiteral("header %1").arg(c), model->headerData(c, Qt::Horizontal).toString());
            for (int r = 0; r < model->rowCount(); ++r)
                for (int c = 0; c < model->columnCount(); ++c)
                    add(w, QStringLiteral("cell %1,%2").arg(r).arg(c), model->index(r, c).data().toString());
        }
        for (const QAction* action : w->actions()) {
            add(action, "text", action->text());
            add(action, "tooltip", action->toolTip());
        }
    }
    return shown;
}

} // namespace

class EnglishTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        QVERIFY(applyLanguage(Language::English));
        m_dutch = DutchOnlyTexts();
        QVERIFY(m_dutch.contains(QStringLiteral("Volgende Speler")));
    }
    void cleanupTestCase() { applyLanguage(Language::Dutch); }
    void init() { m_session.startSession(); }
    void cleanup() { m_session.endSession(); }

    // Each window as a scorer meets it, with a leg played so that lists and figures are filled;
    // then the messages of a leg one turn too long for its row and of the statistics of all rows.
    void everyWindowInEnglish_data() {
        QTest::addColumn<QString>("window");
        for (const QString& window : vxtest::everyWindow() + QStringList{"messages"})
            QTest::newRow(qPrintable(window)) << window;
    }
    void everyWindowInEnglish() {
        QFETCH(QString, window);
        QStringList dutch;
        auto check = [&](const QWidget& w) {
            for (const auto& [where, text] : ShownTexts(w))
                if (m_dutch.contains(text)) dutch << where + QStringLiteral(": ") + text;
        };
        if (window != u"messages") {
            vxtest::visitWindow(window, [&](QWidget& shown) {
                check(shown);
                // The English help text, not the Dutch one.
                if (window == u"help panel")
                    QVERIFY(static_cast<MainWindow&>(shown).helpLines().join(u' ').contains(
                        QStringLiteral("Entering darts")));
            });
        } else {
            vxtest::DialogRecorder dialogs;
            MainWindow main;
            vxtest::StartTeamMatch(main, "Oost", {"Anna", "Bert"}, 101);
            main.show();
            vxtest::play(main, QStringLiteral("0 ADD ").repeated(25) + "T20 ADD 9 D16");
            vxtest::control<QAction>(main, "SoortItem(2)")->trigger();
            for (const vxtest::Prompt& prompt : m_session.prompts->seen)
                for (const QString& text : {prompt.text, prompt.title})
                    if (m_dutch.contains(text)) dutch << QStringLiteral("prompt: ") + text;
            QVERIFY(!m_session.prompts->seen.isEmpty());
            check(main);
        }
        QVERIFY2(dutch.isEmpty(), qPrintable(dutch.join(u'\n')));
    }

    // A team leg and a duo match played alike in both languages write the same bytes.
    void filesAreTheSameInBothLanguages() {
        QMap<QString, QByteArray> written[2];
        for (int i = 0; i < 2; ++i) {
            applyLanguage(i == 0 ? Language::Dutch : Language::English);
            vxtest::PlaySession session;
            session.startSession();
            vxtest::DialogRecorder dialogs;
            {
                MainWindow main;
                vxtest::StartTeamMatch(main, "Oost", {"Anna", "Bert"}, 101);
                vxtest::play(main, "T20 T20 ADD 9 D16");
                main.session.scoreListChanged = false;
                MainWindow duo;
                vxtest::StartDuoMatch(duo, "Koos", "Fred", false, 1, 40, "Duel");
                session.prompts->answers = {true}; // a new match: the finished one is saved
                vxtest::play(duo, "D20 ADD");
                duo.close();
                main.close();
            }
            QDirIterator files(session.home->path(), QDir::Files, QDirIterator::Subdirectories);
            while (files.hasNext()) {
                const QString path = files.next();
                // The history keys each match by an id of its own: no two runs alike.
                if (path.contains(u"/Data/") || path.endsWith(u"-opties.ini") || path == historyFilePath()) continue;
                QFile file(path);
                QVERIFY(file.open(QIODevice::ReadOnly));
                written[i].insert(QDir(session.home->path()).relativeFilePath(path), file.readAll());
            }
            session.endSession();
        }
        applyLanguage(Language::English);
        QVERIFY(written[0].contains(QStringLiteral("Teams/Oost/Anna.lib")));
        QVERIFY(written[0].contains(QStringLiteral("Teams/Duel.lib")));
        QCOMPARE(written[1].keys(), written[0].keys());
        for (const QString& name : written[0].keys())
            QVERIFY2(written[1][name] == written[0][name], qPrintable(name));
    }

  private:
    QSet<QString> m_dutch;
    vxtest::PlaySession m_session;
};

QTEST_MAIN(EnglishTest)
#include "test_english.moc"
