// SPDX-License-Identifier: GPL-3.0-or-later
// The caller's words: Dutch and English number words, and the calls a scripted duo match and team
// leg make, in both languages.
#include "core/caller/Caller.h"
#include "core/caller/DutchNumbers.h"
#include "core/caller/EnglishNumbers.h"
#include "core/common/StartUp.h"
#include "core/match/DuoMatch.h"
#include "core/match/KeyboardEntry.h"
#include "core/match/TeamLeg.h"

#include <QTest>

using namespace vx;

namespace {

class RecordedSpeech final : public Speech {
  public:
    void say(const QString& text) override { calls << text; }
    QStringList calls;
};

const QStringList kCheckouts = {"100,T20 D20", "60,20 D20", "41,9 D16", "40,D20"};

// Words of a script: a dart as typed ("T20", "9", "0" a miss), "add" books, "c" is Correctie,
// "undo" takes a turn back, "next" starts the next duo leg.
template <class Model> void play(Model& model, const QString& script) {
    for (const QString& word : script.split(u' ', Qt::SkipEmptyParts)) {
        if (word == "add") {
            model.bookTurn();
        } else if (word == "c") {
            model.correct();
        } else if (word == "undo") {
            model.undoLastTurn();
        } else if (word == "next") {
            if constexpr (std::is_same_v<Model, DuoMatch>) model.nextLeg();
        } else {
            const TypedDart d = parseTypedDart(word).value(); // throws on a word that is not a dart
            model.enterDart(d.points, d.dartCode);
        }
    }
}

} // namespace

class CallerTest : public QObject {
    Q_OBJECT
  private slots:
    void numbers_data() {
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("words");
        // clang-format off
        const QList<std::pair<int, const char*>> table = {
            {0, "nul"}, {1, "een"}, {7, "zeven"}, {10, "tien"}, {11, "elf"}, {12, "twaalf"},
            {13, "dertien"}, {14, "veertien"}, {18, "achttien"}, {19, "negentien"}, {20, "twintig"},
            {21, "eenentwintig"}, {22, "tweeëntwintig"}, {23, "drieëntwintig"}, {24, "vierentwintig"},
            {30, "dertig"}, {32, "tweeëndertig"}, {33, "drieëndertig"}, {40, "veertig"},
            {45, "vijfenveertig"}, {57, "zevenenvijftig"}, {60, "zestig"}, {68, "achtenzestig"},
            {70, "zeventig"}, {80, "tachtig"}, {83, "drieëntachtig"}, {90, "negentig"},
            {99, "negenennegentig"}, {100, "honderd"}, {101, "honderdeen"}, {110, "honderdtien"},
            {111, "honderdelf"}, {119, "honderdnegentien"}, {121, "honderdeenentwintig"},
            {140, "honderdveertig"}, {162, "honderdtweeënzestig"}, {170, "honderdzeventig"},
            {180, "honderdtachtig"}, {200, "tweehonderd"}, {222, "tweehonderdtweeëntwintig"},
            {301, "driehonderdeen"}, {443, "vierhonderddrieënveertig"}, {501, "vijfhonderdeen"},
            {701, "zevenhonderdeen"}, {818, "achthonderdachttien"}, {999, "negenhonderdnegenennegentig"},
            {1000, "duizend"}, {1001, "duizend een"}, {1002, "1002"}, {-1, "-1"}, {15, "vijftien"},
            {17, "zeventien"}, {50, "vijftig"}, {76, "zesenzeventig"}, {95, "vijfennegentig"},
            {133, "honderddrieëndertig"},
        };
        // clang-format on
        for (const auto& [n, words] : table)
            QTest::addRow("%d", n) << n << QString::fromUtf8(words);
    }
    void numbers() {
        QFETCH(int, n);
        QTEST(dutchNumber(n), "words");
    }

    void englishNumbers_data() {
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("words");
        // clang-format off
        const QList<std::pair<int, const char*>> table = {
            {0, "zero"}, {1, "one"}, {7, "seven"}, {11, "eleven"}, {12, "twelve"}, {13, "thirteen"},
            {15, "fifteen"}, {18, "eighteen"}, {19, "nineteen"}, {20, "twenty"}, {21, "twenty-one"},
            {32, "thirty-two"}, {40, "forty"}, {45, "forty-five"}, {50, "fifty"}, {58, "fifty-eight"},
            {60, "sixty"}, {70, "seventy"}, {80, "eighty"}, {83, "eighty-three"}, {99, "ninety-nine"},
            {100, "one hundred"}, {101, "one hundred and one"}, {110, "one hundred and ten"},
            {119, "one hundred and nineteen"}, {121, "one hundred and twenty-one"},
            {170, "one hundred and seventy"}, {180, "one hundred and eighty"}, {200, "two hundred"},
            {301, "three hundred and one"}, {443, "four hundred and forty-three"},
            {999, "nine hundred and ninety-nine"}, {1000, "one thousand"}, {1001, "one thousand and one"},
            {1002, "1002"}, {-1, "-1"},
        };
        // clang-format on
        for (const auto& [n, words] : table)
            QTest::addRow("%d", n) << n << QString::fromLatin1(words);
    }
    void englishNumbers() {
        QFETCH(int, n);
        QTEST(englishNumber(n), "words");
    }

    // In English the same match is called in English words, the voice asked for in English.
    void englishCalls() {
        QVERIFY(applyLanguage(Language::English));
        QCOMPARE(callerLanguage(), QLocale::English);
        DuoMatch match;
        match.setCheckoutTable(kCheckouts);
        RecordedSpeech speech;
        Caller caller(speech);
        caller.follow(match);
        match.start({{"Koos", "Fred"}, 40, DuoSetup::Kind::Sets, 2});
        play(match, "D20 add next add D20 add next D20 add");
        DuoMatch legsMatch;
        caller.follow(legsMatch);
        legsMatch.start({{"Fred", "Koos"}, 40, DuoSetup::Kind::Legs, 1});
        play(legsMatch, "D20 add");
        TeamLeg leg;
        leg.setCheckoutTable(kCheckouts);
        caller.follow(leg);
        caller.setTeamPlayer("Koos");
        leg.start(220);
        play(leg, "T20 T20 add 20 add");
        applyLanguage(Language::Dutch);
        QCOMPARE(callerLanguage(), QLocale::Dutch);
        QCOMPARE(speech.calls,
                 (QStringList{"Game shot, and the leg to Koos", "no score. Koos, you require forty",
                              "Game shot, and the leg to Koos", "Game shot, and the set to Koos",
                              "Game shot, and the match to Fred",
                              "one hundred and twenty! Koos, you require one hundred", "twenty"}));
    }

    void duoCalls_data() {
        QTest::addColumn<bool>("sets");
        QTest::addColumn<int>("target");
        QTest::addColumn<int>("start");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QStringList>("calls");
        // clang-format off
        QTest::newRow("a match of one set, legs 3-2") << true << 1 << 101
            << "T20 add T20 D20 add 9 D16 add next "
               "T20 T20 T20 add c 20 20 20 add add D20 1 add next "
               "T20 T20 add c T20 D10 add T20 D20 add undo D10 1 add next "
               "T20 add T20 D20 add 9 D16 add next "
               "T20 add add 9 D16 add add"
            << QStringList{"zestig", "honderd! Koos, u heeft eenenveertig nodig", "Game shot, en de leg voor Koos",
                           "zestig", "geen score. Fred, u heeft eenenveertig nodig", "Game shot, en de leg voor Fred",
                           "tachtig", "honderd!", "Game shot, en de leg voor Koos",
                           "zestig", "honderd! Fred, u heeft eenenveertig nodig", "Game shot, en de leg voor Fred",
                           "zestig", "geen score. Koos, u heeft eenenveertig nodig",
                           "Game shot, en de wedstrijd voor Koos"};
        QTest::newRow("a set won, the match goes on") << true << 2 << 40
            << "D20 add next add D20 add next D20 add"
            << QStringList{"Game shot, en de leg voor Koos", "geen score. Koos, u heeft veertig nodig",
                           "Game shot, en de leg voor Koos", "Game shot, en de set voor Koos"};
        QTest::newRow("a legs match won") << false << 1 << 40 << "D20 add add next"
            << QStringList{"Game shot, en de wedstrijd voor Koos"};
        QTest::newRow("shouted from a ton") << false << 3 << 501
            << "T20 T20 T20 add T13 T20 add 0 add T20 D20 add"
            << QStringList{"honderdtachtig!", "negenennegentig", "geen score", "honderd!"};
        QTest::newRow("the player stepping up, not the one who threw") << false << 3 << 101
            << "T20 add" << QStringList{"zestig"};
        // clang-format on
    }
    void duoCalls() {
        QFETCH(bool, sets);
        QFETCH(int, target);
        QFETCH(int, start);
        QFETCH(QString, script);
        DuoMatch match;
        match.setCheckoutTable(kCheckouts);
        RecordedSpeech speech;
        Caller caller(speech);
        caller.follow(match);
        match.start({{"Koos", "Fred"}, start, sets ? DuoSetup::Kind::Sets : DuoSetup::Kind::Legs, target});
        play(match, script);
        QTEST(speech.calls, "calls");
    }

    void teamCalls_data() {
        QTest::addColumn<int>("start");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QStringList>("calls");
        // clang-format off
        QTest::newRow("a finish left, won on the dart")
            << 101 << "T20 add 9 D16 20" << QStringList{"zestig. Koos, u heeft eenenveertig nodig",
                                                       "Game shot, en de leg voor Koos"};
        QTest::newRow("shouted, with a finish left")
            << 220 << "T20 T20 add" << QStringList{"honderdtwintig! Koos, u heeft honderd nodig"};
        QTest::newRow("a bust is not called, Correctie and undo neither")
            << 50 << "T20 add c D20 add undo T20 c" << QStringList{"veertig"};
        QTest::newRow("no score") << 501 << "add T20 T20 T20 add" << QStringList{"geen score", "honderdtachtig!"};
        // clang-format on
    }
    void teamCalls() {
        QFETCH(int, start);
        QFETCH(QString, script);
        TeamLeg leg;
        leg.setCheckoutTable(kCheckouts);
        RecordedSpeech speech;
        Caller caller(speech);
        caller.follow(leg);
        caller.setTeamPlayer("Koos");
        leg.start(start);
        play(leg, script);
        QTEST(speech.calls, "calls");
    }
};

QTEST_GUILESS_MAIN(CallerTest)
#include "test_caller.moc"
