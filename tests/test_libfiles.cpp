// SPDX-License-Identifier: GPL-3.0-or-later
// The score list files: exact bytes, reading what others wrote, saves that never lose the old
// file, team folders and listings, refused names, and readers that survive any bytes at all.
#include "core/files/ScoreListFiles.h"
#include "core/files/TextFile.h"
#include "testsupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

using namespace vx;
using Row = ScoreListModel::Row;

namespace {

const QByteArray kSep = "----------------------------";

Row MakeRow(const QString& first, int seed) {
    Row row;
    row[0] = first;
    row[1] = seed % 2 ? QStringLiteral("v") : QString();
    for (int c = 2; c < 27; ++c)
        row[c] = c - 2 < seed ? QString::number(seed * 7 + c) : QStringLiteral("-");
    row[27] = QStringLiteral("%1.5").arg(seed);
    return row;
}

QVector<Row> Rows(const ScoreListModel& model) {
    QVector<Row> rows;
    for (int r = 0; r < model.count(); ++r)
        rows.append(model.row(r));
    return rows;
}

QByteArray Header(const QByteArray& name) {
    return "Vorlentix scorelijst\r\n" + name + "\r\n" + kSep + "\r\n";
}

// One record of the file: the given field lines, then the separator.
QByteArray Record(const QByteArrayList& fields) {
    QByteArray out;
    for (int i = 0; i < 28; ++i)
        out += (i < fields.size() ? fields[i] : QByteArray()) + "\r\n";
    return out + kSep + "\r\n";
}

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// Files larger than the limit cannot be written, whoever runs the test (root included): the
// way to make a save fail part-way, as a full disk does.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_oldHandler);
    }

  private:
    rlimit m_saved{};
    void (*m_oldHandler)(int) = nullptr;
};

} // namespace

class LibFilesTest : public QObject {
    Q_OBJECT
  private slots:
    void threeRowsAre90LinesByteExact() {
        vxtest::TempHome home;
        ScoreListModel model;
        model.appendRow(MakeRow(QStringLiteral("07-03-2024 / 9:05:03"), 3));
        model.appendRow(MakeRow(QStringLiteral("Jür®gen"), 25));
        model.appendRow(MakeRow(QStringLiteral("  spaced  "), 0));
        QVERIFY(savePlayerList(model, QStringLiteral("Club"), QStringLiteral("Jan")));

        QByteArray expected = Header("Jan");
        for (const Row& row : Rows(model)) {
            QByteArrayList fields;
            for (const QString& cell : row) {
                QByteArray bytes;
                QVERIFY(encodeCp1252(cell, &bytes));
                fields << bytes;
            }
            expected += Record(fields);
        }
        const QByteArray written = home.read(QStringLiteral("Teams/Club/Jan.lib"));
        QCOMPARE(written, expected);
        QCOMPARE(written.count("\r\n"), 90);
        QCOMPARE(written.count('\n'), 90);
        QVERIFY(written.contains("J\xFCr\xAEgen"));

        ScoreListModel back;
        QVERIFY(loadPlayerList(back, QStringLiteral("Club"), QStringLiteral("Jan")));
        QCOMPARE(Rows(back), Rows(model));
        QCOMPARE(back.itemsText(), QStringLiteral("3 Items"));
    }

    void emptyDuoFileIsHeaderOnlyAndCreatesTeams() {
        vxtest::TempHome home;
        QVERIFY(!QFileInfo::exists(home.file(QStringLiteral("Teams"))));
        ScoreListModel model;
        QVERIFY(saveDuoList(model, QStringLiteral("Finale")));
        QCOMPARE(home.read(QStringLiteral("Teams/Finale.lib")), Header("Duomatch"));

        ScoreListModel back;
        back.appendRow(MakeRow(QStringLiteral("old"), 1));
        QVERIFY(loadDuoList(back, QStringLiteral("Finale")));
        QCOMPARE(back.count(), 0);
        QCOMPARE(back.itemsText(), QStringLiteral("0 Items"));
    }

    // A file loaded and saved again comes back byte for byte; one cut short comes back
    // completed, its missing cells empty.
    void loadAndSaveGiveTheSameBytes_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("saved");
        QByteArray every1252;
        for (int b = 0x20; b < 0x100; ++b)
            every1252 += char(b);
        const QByteArray cells = Record({every1252, "v", "180", "\x80\x8A\x9F", "", "", "26", "\xE9\xE9n"});
        QTest::newRow("Windows-1252 characters") << Header("Duomatch") + cells << Header("Duomatch") + cells;
        const QByteArray empty = Record({"leeg", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "",
                                         "", "", "", "", "", "", "", "", "", "", ""});
        QTest::newRow("empty cells") << Header("Duomatch") + empty + cells << Header("Duomatch") + empty + cells;
        QTest::newRow("cut-short final record")
            << Header("Duomatch") + cells + "kort\r\n-\r\n60" << Header("Duomatch") + cells + Record({"kort", "-", "60"});
        QByteArray many = Header("Duomatch");
        for (int r = 0; r < 5000; ++r)
            many += Record({"rij " + QByteArray::number(r), r % 2 ? "v" : "-", QByteArray::number(r % 181)});
        QTest::newRow("5,000 rows") << many << many;
    }
    void loadAndSaveGiveTheSameBytes() {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, saved);
        vxtest::TempHome home;
        home.write(QStringLiteral("Teams/In.lib"), bytes);
        ScoreListModel model;
        QVERIFY(loadDuoList(model, QStringLiteral("In")));
        QVERIFY(saveDuoList(model, QStringLiteral("Uit")));
        QCOMPARE(home.read(QStringLiteral("Teams/Uit.lib")), saved);
    }

    void reading_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QStringList>("firstCells");
        QTest::addColumn<QStringList>("lastRow"); // cells 0, 1, 5 and 27 of the last row

        const QByteArray a = Record({"A", "v", "1", "2", "3", "4"});
        const QByteArray b = Record({"B", "-", "9"});
        QTest::newRow("blank first cells skipped")
            << Header("Jan") + Record({}) + Record({"   ", "x"}) + a + b << true << QStringList{"A", "B"}
            << QStringList{"B", "-", "", ""};
        QTest::newRow("other title still loads")
            << QByteArray("Something else\r\nJan\r\n" + kSep + "\r\n") + a << true << QStringList{"A"}
            << QStringList{"A", "v", "4", ""};
        QByteArray crOnly = Header("Jan") + a + b;
        crOnly.replace("\r\n", "\r");
        QTest::newRow("CR alone") << crOnly << true << QStringList{"A", "B"} << QStringList{"B", "-", "", ""};
        QByteArray lfOnly = Header("Jan") + a + b;
        lfOnly.replace("\r\n", "\n");
        QTest::newRow("LF alone") << lfOnly << true << QStringList{"A", "B"} << QStringList{"B", "-", "", ""};
        QByteArray cut = Header("Jan") + a + "C\r\nv\r\n7\r\n8";
        QTest::newRow("cut short: missing cells stay empty")
            << cut << true << QStringList{"A", "C"} << QStringList{"C", "v", "", ""};
        QTest::newRow("no final line end") << QByteArray(Header("Jan") + a).chopped(2) << true
                                           << QStringList{"A"} << QStringList{"A", "v", "4", ""};
        QTest::newRow("header only") << Header("Jan") << true << QStringList{} << QStringList{};
        QTest::newRow("bytes outside the code page")
            << Header("Jan") + Record({"\x81\x8D\xFF"}) << true
            << QStringList{QStringView(u"\u0081\u008D\u00FF").toString()}
            << QStringList{QStringView(u"\u0081\u008D\u00FF").toString(), "", "", ""};
        QTest::newRow("two header lines")
            << QByteArray("Vorlentix scorelijst\r\nJan\r\n") << false << QStringList{} << QStringList{};
        QTest::newRow("empty file") << QByteArray() << false << QStringList{} << QStringList{};
        QTest::newRow("blank line after the last record")
            << Header("Jan") + a + "\r\n"
            << true << QStringList{"A"} << QStringList{"A", "v", "4", ""};
        // Not score lists: loading them would shift cells, and a save would make that permanent.
        QTest::newRow("foreign text of three lines")
            << QByteArray("Boodschappen\r\nmelk\r\nbrood\r\n") << false << QStringList{} << QStringList{};
        QTest::newRow("foreign text of many lines")
            << QByteArray("a\r\nb\r\nc\r\n").repeated(40) << false << QStringList{} << QStringList{};
        QTest::newRow("line 3 one hyphen short")
            << QByteArray("Vorlentix scorelijst\r\nJan\r\n" + kSep.chopped(1) + "\r\n") + a << false
            << QStringList{} << QStringList{};
        QTest::newRow("line 3 with a trailing blank")
            << QByteArray("Vorlentix scorelijst\r\nJan\r\n" + kSep + " \r\n") + a << false << QStringList{}
            << QStringList{};
        QByteArray shortRecord = a;
        shortRecord.replace("3\r\n", ""); // 27 field lines, then the separator
        QTest::newRow("a record one line short")
            << Header("Jan") + shortRecord + b << false << QStringList{} << QStringList{};
        QTest::newRow("separator doubled at the end") << Header("Jan") + a + kSep + "\r\n"
                                                      << false << QStringList{} << QStringList{};
    }
    void reading() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, ok);
        QFETCH(QStringList, firstCells);
        QFETCH(QStringList, lastRow);
        vxtest::TempHome home;
        home.write(QStringLiteral("Teams/Club/Jan.lib"), bytes);
        ScoreListModel model;
        model.appendRow(MakeRow(QStringLiteral("before"), 2));
        const FileResult result = loadPlayerList(model, QStringLiteral("Club"), QStringLiteral("Jan"));
        QCOMPARE(result.ok, ok);
        QCOMPARE(result.error.isEmpty(), ok);
        if (!ok)
            QVERIFY2(result.error.contains(QStringLiteral("geen scorelijst")) &&
                         result.error.contains(QDir::toNativeSeparators(home.file("Teams/Club/Jan.lib"))),
                     qPrintable(result.error));
        QStringList cells;
        for (int r = 0; r < model.count(); ++r)
            cells << model.cell(r, 0);
        QCOMPARE(cells, firstCells);
        if (!lastRow.isEmpty()) {
            const int last = model.count() - 1;
            QCOMPARE((QStringList{model.cell(last, 0), model.cell(last, 1), model.cell(last, 5),
                                  model.cell(last, 27)}),
                     lastRow);
        }
    }

    // Whichever line of a list is lost or doubled, what follows no longer stands where it
    // belongs: the file is refused, and says where. Only the very last line may go, as a file
    // cut short loses it.
    void aLineLostOrGainedIsRefused_data() {
        QTest::addColumn<bool>("lost"); // else the line is doubled
        QTest::newRow("lost") << true;
        QTest::newRow("doubled") << false;
    }
    void aLineLostOrGainedIsRefused() {
        QFETCH(bool, lost);
        ScoreListModel model;
        for (int i = 0; i < 3; ++i)
            model.appendRow(MakeRow(QStringLiteral("leg %1").arg(i), i * 7));
        QByteArray bytes;
        QVERIFY(encodeScoreList(model.rows(), QStringLiteral("Jan"), &bytes));
        const QStringList lines = splitLines(decodeCp1252(bytes));
        for (qsizetype at = 0; at < lines.size(); ++at) {
            QStringList damaged = lines;
            if (lost)
                damaged.removeAt(at);
            else
                damaged.insert(at, lines[at]);
            QVERIFY(encodeLines(damaged, &bytes));
            ScoreRows rows;
            qsizetype badLine = -2;
            const bool ok = parseScoreList(bytes, &rows, &badLine);
            const bool lastLineLost = lost && at == lines.size() - 1;
            QVERIFY2(ok == lastLineLost, qPrintable(QStringLiteral("line %1").arg(at + 1)));
            if (ok) continue;
            QVERIFY(rows.isEmpty());
            QVERIFY2((badLine >= 2 && badLine < damaged.size() && (badLine - 2) % 29 == 0) ||
                         badLine == damaged.size() - 1,
                     qPrintable(QStringLiteral("line %1: %2").arg(at + 1).arg(badLine)));
        }
    }

    void missingFileEmptiesTheList() {
        vxtest::TempHome home;
        ScoreListModel model;
        model.appendRow(MakeRow(QStringLiteral("kept?"), 1));
        const FileResult result = loadDuoList(model, QStringLiteral("Nergens"));
        QVERIFY(!result);
        QVERIFY(result.error.contains(QStringLiteral("Nergens.lib")));
        QCOMPARE(model.count(), 0);

        // Listed, then gone before it is read.
        home.write(QStringLiteral("Teams/Club/Jan.lib"), Header("Jan") + Record({"A"}));
        QCOMPARE(listTeamPlayers(QStringLiteral("Club")), QStringList{"Jan"});
        QVERIFY(QFile::remove(home.file(QStringLiteral("Teams/Club/Jan.lib"))));
        model.appendRow(MakeRow(QStringLiteral("kept?"), 1));
        QVERIFY(!loadPlayerList(model, QStringLiteral("Club"), QStringLiteral("Jan")));
        QCOMPARE(model.count(), 0);
    }

    // Whatever stops a save, the file that was there stays byte for byte as it was, and the
    // caller hears about it.
    void failedSaveKeepsTheOldFile_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("reason");
        QTest::newRow("disk full part-way") << "limit"
                                            << "geschreven";
        QTest::newRow("text the code page cannot hold") << "Ł"
                                                        << "tekens";
        QTest::newRow("line break in a cell") << "newline"
                                              << "tekens";
    }
    void failedSaveKeepsTheOldFile() {
        QFETCH(QString, how);
        QFETCH(QString, reason);
        vxtest::TempHome home;
        ScoreListModel model;
        model.appendRow(MakeRow(QStringLiteral("old"), 4));
        QVERIFY(savePlayerList(model, QStringLiteral("Club"), QStringLiteral("Jan")));
        const QString path = home.file(QStringLiteral("Teams/Club/Jan.lib"));
        const QByteArray before = ReadBytes(path);

        for (int i = 0; i < 200; ++i)
            model.appendRow(MakeRow(QStringLiteral("new %1").arg(i), i % 26));
        if (how == u"Ł") model.setCell(150, 0, QStringLiteral("Łukasz"));
        if (how == u"newline") model.setCell(150, 3, QStringLiteral("1\r\n2"));
        FileResult result;
        {
            std::optional<FileSizeLimit> limit;
            if (how == u"limit") limit.emplace(before.size() + 4096);
            result = savePlayerList(model, QStringLiteral("Club"), QStringLiteral("Jan"));
        }
        QVERIFY(!result);
        QVERIFY2(result.error.startsWith(QStringLiteral("De scorelijst is niet opgeslagen")) &&
                     result.error.contains(reason),
                 qPrintable(result.error));
        QCOMPARE(ReadBytes(path), before);
        QCOMPARE(QDir(home.file(QStringLiteral("Teams/Club"))).entryList(QDir::Files | QDir::Hidden),
                 QStringList{"Jan.lib"});
    }

    // Also a file never loaded, such as one a save as would replace, is written over only when
    // it is a score list (or empty).
    void saveReplacesOnlyAScoreList_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("replaced");
        QTest::newRow("foreign text of three lines")
            << QByteArray("Boodschappen\r\nmelk\r\nbrood\r\n") << false;
        QTest::newRow("one line") << QByteArray("notitie") << false;
        QTest::newRow("a list missing a line") << Header("x") + Record({"A"}).mid(3) + Record({"B"}) << false;
        QTest::newRow("empty file") << QByteArray() << true;
        QTest::newRow("a score list") << Header("Oud") + Record({"A"}) << true;
    }
    void saveReplacesOnlyAScoreList() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, replaced);
        vxtest::TempHome home;
        home.write(QStringLiteral("Teams/Finale.lib"), bytes);
        ScoreListModel model;
        model.appendRow(MakeRow(QStringLiteral("Koos"), 2));
        const FileResult result = saveDuoList(model, QStringLiteral("Finale"));
        QCOMPARE(result.ok, replaced);
        QCOMPARE(home.read(QStringLiteral("Teams/Finale.lib")) == bytes, !replaced);
        if (!replaced)
            QVERIFY2(result.error.startsWith(
                         QStringLiteral("De scorelijst is niet opgeslagen. Het bestand \"%1\" is "
                                        "geen scorelijst")
                             .arg(QDir::toNativeSeparators(home.file("Teams/Finale.lib")))),
                     qPrintable(result.error));
    }

    // The scorer must find the row to mend it: the message names it as the row editor does.
    void unstorableRowIsNamed_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("row"); // as the message names the row and the field
        QTest::addColumn<QString>("field");
        QTest::newRow("line break in the name")
            << 0 << QStringLiteral("Zo\u00eb\r\nregel2") << QStringLiteral("Item 2 (\"Zo\u00eb regel2\")")
            << "\"Naam Speler\"";
        QTest::newRow("line feed in a turn") << 6 << QStringLiteral("60\n") << "Item 2 (\"B\")"
                                             << "\"D.5\"";
        QTest::newRow("character outside the code page in Out")
            << 1 << QStringLiteral("\u2713") << "Item 2 (\"B\")"
            << "\"Out\"";
    }
    void unstorableRowIsNamed() {
        QFETCH(int, column);
        QFETCH(QString, text);
        QFETCH(QString, row);
        QFETCH(QString, field);
        vxtest::TempHome home;
        ScoreListModel model;
        for (const char* name : {"A", "B", "C"})
            model.appendRow(MakeRow(QString::fromLatin1(name), 3));
        model.setCell(1, column, text);
        const FileResult result = saveDuoList(model, QStringLiteral("Finale"));
        QVERIFY(!result);
        QVERIFY2(result.error.contains(row) && result.error.contains(field), qPrintable(result.error));
        QVERIFY(!QFileInfo::exists(home.file(QStringLiteral("Teams/Finale.lib"))));
    }

    // What blocks a file is told in Dutch, never in the system's English words: through the
    // folder a writer makes, and through a reader.
    void blockedFilesSayWhy_data() {
        QTest::addColumn<QString>("blocker"); // "file:" or "dir:" and a path in the home folder
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("reason");
        QTest::newRow("Teams is a file") << "file:Teams"
                                         << "save duo"
                                         << "is een bestand en geen map";
        QTest::newRow("team folder is a file") << "file:Teams/Club"
                                               << "create team"
                                               << "is een bestand en geen map";
        QTest::newRow("missing duo file") << "dir:Teams"
                                          << "load duo"
                                          << "het bestand bestaat niet";
    }
    void blockedFilesSayWhy() {
        QFETCH(QString, blocker);
        QFETCH(QString, action);
        QFETCH(QString, reason);
        vxtest::TempHome home;
        if (blocker.startsWith(u"file:")) home.write(blocker.mid(5), "x");
        if (blocker.startsWith(u"dir:")) QVERIFY(QDir().mkpath(home.file(blocker.mid(4))));
        ScoreListModel model;
        model.appendRow(MakeRow(QStringLiteral("A"), 1));
        FileResult result;
        if (action == u"save duo") result = saveDuoList(model, QStringLiteral("Finale"));
        if (action == u"create team")
            result = createTeamFiles(QStringLiteral("Club"), {QStringLiteral("Jan")});
        if (action == u"load duo") result = loadDuoList(model, QStringLiteral("Finale"));
        QVERIFY(!result);
        QVERIFY2(result.error.contains(reason), qPrintable(result.error));
    }

    void blockedFoldersAreReported() {
        vxtest::TempHome home;
        ScoreListModel model;
        model.appendRow(MakeRow(QStringLiteral("A"), 1));
        home.write(QStringLiteral("Teams"), "a file where the folder should be");
        FileResult duo = saveDuoList(model, QStringLiteral("Finale"));
        QVERIFY(!duo);
        QVERIFY(duo.error.startsWith(QStringLiteral("De map")));
        QVERIFY(!savePlayerList(model, QStringLiteral("Club"), QStringLiteral("Jan")));
        QVERIFY(!createTeamFiles(QStringLiteral("Club"), {QStringLiteral("Jan")}));

        vxtest::TempHome other;
        QVERIFY(QDir().mkpath(other.file(QStringLiteral("Teams/Club/Jan.lib"))));
        QVERIFY(!savePlayerList(model, QStringLiteral("Club"), QStringLiteral("Jan")));
        QVERIFY(QFileInfo(other.file(QStringLiteral("Teams/Club/Jan.lib"))).isDir());
    }

    void names_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("refusal"); // empty: accepted; else a word of the reason
        const int team = int(NameKind::Team), player = int(NameKind::Player), duo = int(NameKind::Duo);
        QTest::newRow("plain") << "Jan" << player << "";
        QTest::newRow("Windows-1252 letters") << "Jürgen ®" << player << "";
        QTest::newRow("blanks around") << " Finale " << duo << "";
        QTest::newRow("empty duo name") << "" << duo << "";
        QTest::newRow("empty player name") << "" << player << "";
        QTest::newRow("empty team name") << "" << team << "leeg";
        QTest::newRow("slash") << "a/b" << player << "/";
        QTest::newRow("backslash") << "a\\b" << duo << "/";
        QTest::newRow("up and out") << "../x" << duo << "/";
        QTest::newRow("dot") << "." << team << "\".\"";
        QTest::newRow("dot dot") << ".." << team << "\"..\"";
        QTest::newRow("dot dot player") << ".." << player << "\"..\"";
        QTest::newRow("tab") << "Jan\tX" << player << "stuurtekens";
        QTest::newRow("C1 control") << QStringView(u"a\u0081").toString() << player << "stuurtekens";
        QTest::newRow("Ł") << "Łukasz" << player << "Ł";
        QTest::newRow("outside the BMP")
            << QString::fromUtf8("Jan \xF0\x9F\x8E\xAF") << duo << QString::fromUtf8("\xF0\x9F\x8E\xAF");
        QTest::newRow("colon") << "a:b" << team << "tekens";
        QTest::newRow("question mark") << "wie?" << duo << "tekens";
        QTest::newRow("device name") << "con" << player << "gereserveerd";
        QTest::newRow("device port") << "LPT9" << team << "gereserveerd";
        QTest::newRow("not a device") << "CONSOLE" << team << "";
        QTest::newRow("no port 0") << "COM0" << duo << "";
        QTest::newRow("team ending in a dot") << "Club." << team << "punt";
        QTest::newRow("player ending in a dot") << "Jan." << player << "";
        QTest::newRow("longest file name") << QString(251, u'a') << player << "";
        QTest::newRow("file name too long") << QString(252, u'a') << player << "lang";
        QTest::newRow("longest folder name") << QString(255, u'a') << team << "";
        QTest::newRow("too long in bytes") << QString(126, u'é') << duo << "lang";
    }
    void names() {
        QFETCH(QString, name);
        QFETCH(int, kind);
        QFETCH(QString, refusal);
        const FileResult result = checkName(name, NameKind(kind));
        QCOMPARE(result.ok, refusal.isEmpty());
        QVERIFY2(result.error.contains(refusal), qPrintable(result.error));
    }

    void refusedNamesWriteNothing() {
        vxtest::TempHome home;
        ScoreListModel model;
        model.appendRow(MakeRow(QStringLiteral("A"), 1));
        QVERIFY(!saveDuoList(model, QStringLiteral("../uit")));
        QVERIFY(!savePlayerList(model, QStringLiteral(".."), QStringLiteral("Jan")));
        QVERIFY(!savePlayerList(model, QStringLiteral("Club"), QStringLiteral("Łukasz")));
        QVERIFY(!createTeamFiles(QStringLiteral("Club"), {QStringLiteral("Jan"), QStringLiteral("a/b")}));
        QVERIFY(!loadDuoList(model, QStringLiteral("../uit")));
        QCOMPARE(model.count(), 0);
        QCOMPARE(QDir(home.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{});
    }

    void emptyDuoNameRoundTrips() {
        vxtest::TempHome home;
        ScoreListModel model;
        model.appendRow(MakeRow(QStringLiteral("A"), 1));
        QVERIFY(saveDuoList(model, QString()));
        QVERIFY(QFileInfo::exists(home.file(QStringLiteral("Teams/.lib"))));
        QCOMPARE(listDuoFiles(), QStringList{QString()});
        ScoreListModel back;
        QVERIFY(loadDuoList(back, QString()));
        QCOMPARE(Rows(back), Rows(model));
    }

    void listings() {
        vxtest::TempHome home;
        QCOMPARE(listTeams(), QStringList{});
        QCOMPARE(listDuoFiles(), QStringList{});
        QCOMPARE(listTeamPlayers(QStringLiteral("Club")), QStringList{});

        for (const char* file : {"Teams/beta/Piet.lib", "Teams/beta/Jan.lib", "Teams/beta/notes.txt",
                                 "Teams/beta/OUD.LIB", "Teams/beta/Jan.lib.bak", "Teams/Alpha/Ann.lib",
                                 "Teams/Finale.lib", "Teams/anna.lib", "Teams/lees mij.txt"})
            home.write(QString::fromLatin1(file), Header("x"));
        QVERIFY(QDir().mkpath(home.file(QStringLiteral("Teams/Gamma"))));
        QVERIFY(QDir().mkpath(home.file(QStringLiteral("Teams/beta/map.lib"))));

        QCOMPARE(listTeams(), (QStringList{"Alpha", "beta", "Gamma"}));
        QCOMPARE(listTeamPlayers(QStringLiteral("beta")), (QStringList{"Jan", "Piet"}));
        QCOMPARE(listTeamPlayers(QStringLiteral("Gamma")), QStringList{});
        QCOMPARE(listDuoFiles(), (QStringList{"anna", "Finale"}));
        QCOMPARE(listTeamPlayers(QStringLiteral("..")), QStringList{});
    }

    void creatingATeamKeepsExistingRows() {
        vxtest::TempHome home;
        ScoreListModel model;
        model.appendRow(MakeRow(QStringLiteral("leg 1"), 3));
        model.appendRow(MakeRow(QStringLiteral("leg 2"), 9));
        QVERIFY(savePlayerList(model, QStringLiteral("A"), QStringLiteral("Jan")));
        const QByteArray jan = home.read(QStringLiteral("Teams/A/Jan.lib"));
        // Written elsewhere: another title and name, LF line ends.
        QByteArray kees = "Oud\nKees de Oude\n" + kSep + "\n" + Record({"leg K", "v"});
        kees.replace("\r\n", "\n");
        home.write(QStringLiteral("Teams/A/Kees.lib"), kees);

        QVERIFY(createTeamFiles(QStringLiteral("A"), {"Jan", "Piet", "Kees"}));
        QCOMPARE(home.read(QStringLiteral("Teams/A/Jan.lib")), jan);
        QCOMPARE(home.read(QStringLiteral("Teams/A/Piet.lib")), Header("Piet"));
        QCOMPARE(home.read(QStringLiteral("Teams/A/Kees.lib")), Header("Kees") + Record({"leg K", "v"}));
        ScoreListModel back;
        QVERIFY(loadPlayerList(back, QStringLiteral("A"), QStringLiteral("Jan")));
        QCOMPARE(Rows(back), Rows(model));
    }

    // What stands under a player's name and is no score list stays as it is; the scorer hears
    // which file it is, and the other players get their files.
    void creatingATeamLeavesOtherFilesAlone_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("kept"); // else rewritten as a score list
        QTest::newRow("foreign text of three lines")
            << QByteArray("Boodschappen\r\nmelk\r\nbrood\r\n") << true;
        QTest::newRow("a list missing a line")
            << Header("Kees") + Record({"leg 1", "v", "60"}).replace("60\r\n", "") + Record({"leg 2"})
            << true;
        QTest::newRow("one line") << QByteArray("notitie") << true;
        QTest::newRow("empty file") << QByteArray() << false;
        QTest::newRow("a list cut short") << Header("Oud") + Record({"leg 1"}).left(40) << false;
    }
    void creatingATeamLeavesOtherFilesAlone() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, kept);
        vxtest::TempHome home;
        home.write(QStringLiteral("Teams/A/Kees.lib"), bytes);
        const FileResult result = createTeamFiles(QStringLiteral("A"), {"Jan", "Kees", "Piet"});
        QCOMPARE(result.ok, !kept);
        QCOMPARE(home.read(QStringLiteral("Teams/A/Jan.lib")), Header("Jan"));
        QCOMPARE(home.read(QStringLiteral("Teams/A/Piet.lib")), Header("Piet"));
        if (kept) {
            QCOMPARE(home.read(QStringLiteral("Teams/A/Kees.lib")), bytes);
            const QString path = QDir::toNativeSeparators(home.file(QStringLiteral("Teams/A/Kees.lib")));
            QVERIFY2(result.error.startsWith(QStringLiteral("Speler \"Kees\": Het bestand \"%1\" is geen "
                                                            "scorelijst")
                                                 .arg(path)) &&
                         result.error.endsWith(QStringLiteral("Het bestand blijft zoals het is.")),
                     qPrintable(result.error));
        } else {
            QCOMPARE(home.read(QStringLiteral("Teams/A/Kees.lib")).left(Header("Kees").size()),
                     Header("Kees"));
        }
    }

    void creatingATeamReportsAPlayerItCannotWrite() {
        vxtest::TempHome home;
        QVERIFY(QDir().mkpath(home.file(QStringLiteral("Teams/A/Jan.lib"))));
        const FileResult result = createTeamFiles(QStringLiteral("A"), {"Jan", "Piet"});
        QVERIFY(!result);
        QVERIFY2(result.error.contains(QStringLiteral("\"Jan\"")), qPrintable(result.error));
        QCOMPARE(home.read(QStringLiteral("Teams/A/Piet.lib")), Header("Piet"));
    }

    void hostileFiles_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("rows");
        QTest::newRow("10 MB line") << Header("x") + QByteArray(10 * 1024 * 1024, 'x') + "\r\n" << 1;
        QByteArray separators;
        for (int i = 0; i < 3 + 29 * 4; ++i)
            separators += kSep + "\r\n";
        QTest::newRow("only separators") << separators << 4;
        QTest::newRow("only line ends, not a list") << QByteArray(5000, '\r') << -1;
        QTest::newRow("NUL bytes") << Header("x") + QByteArray(100, '\0') << 1;
    }
    void hostileFiles() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, rows); // -1: refused
        vxtest::TempHome home;
        home.write(QStringLiteral("Teams/hostile.lib"), bytes);
        ScoreListModel model;
        QCOMPARE(loadDuoList(model, QStringLiteral("hostile")).ok, rows >= 0);
        QCOMPARE(model.count(), std::max(rows, 0));
    }

    // Random and mutated files: the reader never crashes or hangs, every row it gives has a
    // first cell that is not blank and no line break in any cell, and what it read writes out
    // and reads back the same.
    void fuzzReaders() {
        QRandomGenerator random(20240307);
        ScoreListModel seedModel;
        for (int i = 0; i < 6; ++i)
            seedModel.appendRow(MakeRow(QStringLiteral("leg %1").arg(i), i * 5));
        QByteArray valid;
        QVERIFY(encodeScoreList(seedModel.rows(), QStringLiteral("Jan"), &valid));
        const QByteArray alphabet("\r\n-- 0123456789abc\x80\x81\xAE\xFF\t\0", 24);

        vxtest::TempHome home;
        QElapsedTimer timer;
        timer.start();
        constexpr int kCases = 4000;
        for (int n = 0; n < kCases; ++n) {
            QByteArray bytes;
            if (n % 2 == 0) {
                bytes.resize(random.bounded(0, 3000));
                for (char& b : bytes)
                    b = n % 4 == 0 ? char(random.bounded(256)) : alphabet[random.bounded(alphabet.size())];
            } else {
                bytes = valid;
                const int edits = random.bounded(1, 12);
                for (int e = 0; e < edits && !bytes.isEmpty(); ++e) {
                    const int at = random.bounded(bytes.size());
                    switch (random.bounded(4)) {
                    case 0:
                        bytes[at] = char(random.bounded(256));
                        break;
                    case 1:
                        bytes.remove(at, random.bounded(1, 80));
                        break;
                    case 2:
                        bytes.insert(at, alphabet[random.bounded(alphabet.size())]);
                        break;
                    default:
                        bytes.truncate(at);
                        break;
                    }
                }
            }

            const QStringList lines = splitLines(decodeCp1252(bytes));
            ScoreRows rows;
            const bool ok = parseScoreList(bytes, &rows);
            QVERIFY(ok || rows.isEmpty());
            QVERIFY(!ok || lines[2] == QString::fromLatin1(kSep));
            QVERIFY(rows.size() <= (lines.size() + 28) / 29);
            for (const Row& row : rows) {
                QVERIFY(!row[0].isEmpty() && row[0].count(u' ') != row[0].size());
                for (const QString& cell : row)
                    QVERIFY(!cell.contains(u'\r') && !cell.contains(u'\n'));
            }
            QByteArray rewritten;
            QVERIFY(encodeScoreList(rows, QStringLiteral("x"), &rewritten));
            ScoreRows again;
            QVERIFY(parseScoreList(rewritten, &again));
            QVERIFY(again == rows);

            if (n % 20 == 0) { // and now and then the whole way through a file
                home.write(QStringLiteral("Teams/fuzz.lib"), bytes);
                ScoreListModel loaded;
                QCOMPARE(loadDuoList(loaded, QStringLiteral("fuzz")).ok, ok);
                QVERIFY(loaded.rows() == rows);
            }
        }
        QVERIFY2(timer.elapsed() < 60000, qPrintable(QStringLiteral("%1 ms").arg(timer.elapsed())));
    }
};

QTEST_GUILESS_MAIN(LibFilesTest)
#include "test_libfiles.moc"
