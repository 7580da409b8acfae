// SPDX-License-Identifier: GPL-3.0-or-later
// The shared helpers and the settings file.
#include "core/common/StartUp.h"
#include "core/common/Utilities.h"
#include "core/files/Settings.h"
#include "core/files/TextFile.h"
#include "testsupport.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLocale>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

#include <unistd.h>

using namespace vx;

class CoreTest : public QObject {
    Q_OBJECT
  private slots:
    void val_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("plain") << "60" << 60.0;
        QTest::newRow("comma stops") << "60,T20 D20" << 60.0;
        QTest::newRow("letter stops") << "2,D1" << 2.0;
        QTest::newRow("leading blanks") << "  17x" << 17.0;
        QTest::newRow("negative") << "-25" << -25.0;
        QTest::newRow("fraction") << "33.4" << 33.4;
        QTest::newRow("dutch comma is not a fraction") << "33,4" << 33.0;
        QTest::newRow("no number") << "Koos" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("dash") << "-" << 0.0;
        QTest::newRow("huge stays finite") << QString(400, u'9') << 0.0;
    }
    void val() {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(leadingNumber(text), value);
    }

    void rounding() {
        QCOMPARE(roundHalfEven(2.5), 2);
        QCOMPARE(roundHalfEven(3.5), 4);
        QCOMPARE(roundHalfEven(-2.5), -2);
        QCOMPARE(roundHalfAway(2.5), 3);
        QCOMPARE(roundHalfAway(-2.5), -3);
        QCOMPARE(twipsToPixels(4065), 271);
        QCOMPARE(twipsToPixels(17200), 1147);
    }

    void formatFixed_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("text");
        QTest::newRow("average of 301 in 3 turns") << 301.0 / 3 / 3 << 1 << "33.4";
        QTest::newRow("leading zero") << 0.25 << 1 << "0.3";
        QTest::newRow("zero") << 0.0 << 1 << "0.0";
        QTest::newRow("two decimals") << 140.0 << 2 << "140.00";
        QTest::newRow("half up") << 22.75 << 1 << "22.8";
        QTest::newRow("decimal half") << 33.45 << 1 << "33.5";
        QTest::newRow("negative") << -1.25 << 1 << "-1.3";
    }
    void formatFixed() {
        QFETCH(double, value);
        QFETCH(int, decimals);
        QFETCH(QString, text);
        QCOMPARE(vx::formatFixed(value, decimals), text);
    }

    void formatFixedUsesTheUserSeparator() {
        const QLocale before;
        QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands));
        QCOMPARE(vx::formatFixed(301.0 / 9, 1), QStringLiteral("33,4"));
        QLocale::setDefault(before);
    }

    void cp1252RoundTrip() {
        const QString text = QStringLiteral("Jan ® € Š é");
        QByteArray bytes;
        QVERIFY(encodeCp1252(text, &bytes));
        QCOMPARE(bytes, QByteArray("Jan \xAE \x80 \x8A \xE9"));
        QCOMPARE(decodeCp1252(bytes), text);
        QVERIFY(!fitsCp1252(QStringLiteral("Łukasz")));
        // every byte decodes to something and encodes back to itself
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(static_cast<char>(b));
        QByteArray back;
        QVERIFY(encodeCp1252(decodeCp1252(all), &back));
        QCOMPARE(back, all);
    }

    void splitLines_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("crlf") << "a\r\nb\r\n" << QStringList{"a", "b"};
        QTest::newRow("cr alone") << "a\rb\r" << QStringList{"a", "b"};
        QTest::newRow("lf alone") << "a\nb" << QStringList{"a", "b"};
        QTest::newRow("trailing empty line") << "a\r\n\r\n" << QStringList{"a", ""};
        QTest::newRow("empty") << "" << QStringList{};
        QTest::newRow("no final end") << "a\r\nb" << QStringList{"a", "b"};
    }
    void splitLines() {
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        QCOMPARE(vx::splitLines(text), lines);
    }

    void atomicWriteRefusesAlteredText() {
        vxtest::TempHome home;
        home.write("x.txt", "old\r\n");
        QString error;
        QVERIFY(!writeTextLinesAtomic(home.file("x.txt"), {QStringLiteral("Łukasz")}, &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!writeTextLinesAtomic(home.file("x.txt"), {QStringLiteral("a\r\nb")}));
        QCOMPARE(home.read("x.txt"), QByteArray("old\r\n"));
        QVERIFY(writeTextLinesAtomic(home.file("x.txt"), {"a", ""}));
        QCOMPARE(home.read("x.txt"), QByteArray("a\r\n\r\n"));
    }

    // The system's own texts are English: a failure says why in Dutch (or in English when that is
    // in force), from the state of the folders. Permissions do not stop root, so those rows only run for an
    // ordinary user.
    void fileFailuresSayWhyInDutch_data() {
        QTest::addColumn<QString>("blocker"); // made in the home folder first
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("write");
        QTest::addColumn<QString>("reason");
        QTest::newRow("folder missing") << ""
                                        << "Weg/x.txt" << true << "de map \"%1Weg\" bestaat niet";
        QTest::newRow("a file where a folder should be")
            << "file:Blok"
            << "Blok/x.txt" << true << "\"%1Blok\" is een bestand en geen map";
        QTest::newRow("a folder where the file should be")
            << "dir:x.txt"
            << "x.txt" << true << "er staat een map met die naam";
        QTest::newRow("read-only file") << "ro-file:x.txt"
                                        << "x.txt" << true << "het bestand is alleen-lezen";
        QTest::newRow("read-only folder")
            << "ro-dir:Vast"
            << "Vast/x.txt" << true << "u hebt geen schrijfrechten in de map \"%1Vast\"";
        QTest::newRow("reading a missing file") << ""
                                                << "x.txt" << false << "het bestand bestaat niet";
        QTest::newRow("reading in a missing folder")
            << ""
            << "Weg/x.txt" << false << "de map \"%1Weg\" bestaat niet";
        QTest::newRow("reading a folder") << "dir:x.txt"
                                          << "x.txt" << false << "er staat een map met die naam";
        QTest::newRow("reading without rights") << "unreadable:x.txt"
                                                << "x.txt" << false << "geen leesrechten";
    }
    void fileFailuresSayWhyInDutch() {
        QFETCH(QString, blocker);
        QFETCH(QString, path);
        QFETCH(bool, write);
        QFETCH(QString, reason);
        vxtest::TempHome home;
        const QString kind = blocker.section(u':', 0, 0);
        const QString target = home.file(blocker.section(u':', 1));
        if ((kind.startsWith(u"ro-") || kind == u"unreadable") && geteuid() == 0)
            QSKIP("permissions do not stop root");
        if (kind == u"dir" || kind == u"ro-dir") QVERIFY(QDir().mkpath(target));
        if (kind == u"file" || kind == u"ro-file" || kind == u"unreadable")
            home.write(blocker.section(u':', 1), "x\r\n");
        if (kind.startsWith(u"ro-"))
            QVERIFY(QFile::setPermissions(target, QFile::ReadOwner | QFile::ExeOwner));
        if (kind == u"unreadable") QVERIFY(QFile::setPermissions(target, QFile::WriteOwner));
        // The error of the failed attempt; empty when it did not fail.
        auto attempt = [&] {
            QString error;
            QStringList lines;
            const bool done = write ? writeTextLinesAtomic(home.file(path), {"a"}, &error)
                                    : readTextLines(home.file(path), &lines, &error);
            return done ? QString() : error;
        };
        const QString error = attempt();
        reason.replace(QStringLiteral("%1"), QDir::toNativeSeparators(home.path() + u'/'));
        QVERIFY2(error.contains(reason), qPrintable(error));
        // In English the same failure says why with none of the Dutch left.
        QVERIFY(applyLanguage(Language::English));
        const QString english = attempt();
        (void)applyLanguage(Language::Dutch);
        QVERIFY2(!english.isEmpty() && !english.contains(reason), qPrintable(english));
        QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void settingsFile_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("found");
        QTest::addColumn<QString>("footer");
        QTest::newRow("as written") << QByteArray(
                                           "\"Vorlentix\"\r\n\"--------------------------\"\r\n\"Club\"\r\n")
                                    << true << "Club";
        QTest::newRow("comma inside")
            << QByteArray("\"x\"\r\n\"-\"\r\n\"De Pijl, Utrecht\"\r\n") << true << "De Pijl, Utrecht";
        QTest::newRow("lines 1 and 2 unchecked")
            << QByteArray("whatever\r\nelse\r\n\"Club\"\r\n") << true << "Club";
        QTest::newRow("unquoted value") << QByteArray("a\r\nb\r\n  Club 180\r\n") << true << "Club 180";
        QTest::newRow("only two lines") << QByteArray("\"x\"\r\n\"-\"\r\n") << false << "";
        QTest::newRow("empty file") << QByteArray() << false << "";
        QTest::newRow("truncated quote") << QByteArray("\"x\"\r\n\"-\"\r\n\"Clu") << true << "Clu";
        QTest::newRow("binary") << QByteArray("\x00\xff\x81\"\x00,\x90", 7) << false << "";
        QTest::newRow("stray quote unquoted") << QByteArray("a\r\nb\r\nab\"c\r\n") << false << "";
        QTest::newRow("empty footer") << QByteArray("\"x\"\r\n\"-\"\r\n\"\"\r\n") << true << "";
        QTest::newRow("cp1252") << QByteArray("\"x\"\r\n\"-\"\r\n\"Caf\xe9 \x80\"\r\n") << true
                                << QStringLiteral("Café €");
        // read whole, never cut short: a text longer than any read buffer
        const QByteArray longFooter(70000, 'k');
        QTest::newRow("footer longer than 64 KiB")
            << QByteArray("\"x\"\r\n\"-\"\r\n\"" + longFooter + "\"\r\n") << true
            << QString::fromLatin1(longFooter);
    }
    void settingsFile() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, found);
        QFETCH(QString, footer);
        vxtest::TempHome home;
        home.write("Vorlentix.ini", bytes);
        const auto read = readSettingsFooter(home.file("Vorlentix.ini"));
        QCOMPARE(read.has_value(), found);
        if (found) QCOMPARE(*read, footer);
    }

    void settingsWriteIsByteExactAndReadsBack() {
        vxtest::TempHome home;
        const QString path = home.file("Vorlentix.ini");
        QVERIFY(!readSettingsFooter(path).has_value());
        QVERIFY(writeSettings(path, QStringLiteral("Café, de Pijl")));
        QCOMPARE(home.read("Vorlentix.ini"),
                 QByteArray("\"Vorlentix\"\r\n\"--------------------------\"\r\n\"Caf\xe9, de Pijl\"\r\n"));
        QCOMPARE(readSettingsFooter(path).value_or("?"), QStringLiteral("Café, de Pijl"));
        // texts the file cannot hold whole are refused and the old file kept
        QVERIFY(!writeSettings(path, QStringLiteral("say \"hi\"")));
        QVERIFY(!writeSettings(path, QStringLiteral("Łódź")));
        QCOMPARE(readSettingsFooter(path).value_or("?"), QStringLiteral("Café, de Pijl"));
        QVERIFY(!writeSettings(home.file("missing/dir/Vorlentix.ini"), "x"));
    }

    // A choice is changed in its own line; every other line of the options file stays as it was,
    // and what is written reads back, here and in Qt's own INI reader.
    void optionsFileKeepsWhatItDoesNotKnow_data() {
        QTest::addColumn<QByteArray>("before"); // "none": no file
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("no file") << QByteArray("none") << QByteArray("[Caller]\naan=true\n");
        QTest::newRow("empty file") << QByteArray("") << QByteArray("[Caller]\naan=true\n");
        QTest::newRow("value replaced")
            << QByteArray("[Caller]\naan=false\n") << QByteArray("[Caller]\naan=true\n");
        QTest::newRow("spaces around =")
            << QByteArray("[Caller]\n aan = false\n") << QByteArray("[Caller]\naan=true\n");
        QTest::newRow("other group kept, own group added")
            << QByteArray("[Opties]\ntaal=en\n") << QByteArray("[Opties]\ntaal=en\n\n[Caller]\naan=true\n");
        QTest::newRow("added after the last key of its group, before a blank line")
            << QByteArray("[Caller]\nstem=Anna\n\n[Opties]\ntaal=en\n")
            << QByteArray("[Caller]\nstem=Anna\naan=true\n\n[Opties]\ntaal=en\n");
        QTest::newRow("same name in another group untouched")
            << QByteArray("[Opties]\naan=0\n[Caller]\naan=false\n")
            << QByteArray("[Opties]\naan=0\n[Caller]\naan=true\n");
        QTest::newRow("comment with the name is no key")
            << QByteArray("[Caller]\n;aan=false\n") << QByteArray("[Caller]\n;aan=false\naan=true\n");
        QTest::newRow("CR LF lines") << QByteArray("[Caller]\r\naan=false\r\n[X]\r\ny=1\r\n")
                                     << QByteArray("[Caller]\naan=true\n[X]\ny=1\n");
    }
    void optionsFileKeepsWhatItDoesNotKnow() {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        vxtest::TempHome home;
        if (before != "none") home.write("Vorlentix-opties.ini", before);
        QVERIFY(!readCallerOn());
        QVERIFY(writeCallerOn(true));
        QCOMPARE(home.read("Vorlentix-opties.ini"), after);
        QVERIFY(readCallerOn());
        QCOMPARE(QSettings(optionsFilePath(), QSettings::IniFormat).value("Caller/aan").toBool(), true);
    }

    // Read as Qt reads a boolean.
    void callerChoiceAsQtReadsIt_data() {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<bool>("on");
        for (const char* on : {"true", "TRUE", "1", "ja"})
            QTest::addRow("%s", on) << QByteArray(on) << true;
        for (const char* off : {"false", "False", "0", ""})
            QTest::addRow("'%s'", off) << QByteArray(off) << false;
    }
    void callerChoiceAsQtReadsIt() {
        QFETCH(QByteArray, value);
        QFETCH(bool, on);
        vxtest::TempHome home;
        home.write("Vorlentix-opties.ini", "[Caller]\naan=" + value + "\n");
        QCOMPARE(readCallerOn(), on);
        QCOMPARE(QSettings(optionsFilePath(), QSettings::IniFormat).value("Caller/aan").toBool(), on);
    }

    // Where a run keeps its files: the user's folders (XDG), unless a portable copy's files are
    // beside the executable or --home names a folder. Nothing is made by asking.
    void foldersOfAnExecutable_data() {
        QTest::addColumn<QString>("exe");        // build/bin or prefix/bin
        QTest::addColumn<QStringList>("beside"); // made beside the executable first
        QTest::addColumn<QString>("homeOption"); // --home
        QTest::addColumn<QString>("data");       // expected: the delivered files
        QTest::addColumn<QString>("home");       // expected: Teams/ and the recovery file
        QTest::addColumn<QString>("settings");   // expected: Vorlentix.ini and the options file
        const QString user = "xdg-data/vorlentix", config = "xdg-config/vorlentix";
        QTest::newRow("build tree, nothing beside") << "build/bin" << QStringList() << ""
                                                    << "build/bin/Data" << user << config;
        QTest::newRow("build tree with its ini") << "build/bin" << QStringList{"Vorlentix.ini"} << ""
                                                 << "build/bin/Data"
                                                 << "build/bin"
                                                 << "build/bin";
        QTest::newRow("build tree with Teams/") << "build/bin" << QStringList{"Teams/"} << ""
                                                << "build/bin/Data"
                                                << "build/bin"
                                                << "build/bin";
        QTest::newRow("a file called Teams is no home") << "build/bin" << QStringList{"Teams"} << ""
                                                        << "build/bin/Data" << user << config;
        QTest::newRow("options file alone is no home")
            << "build/bin" << QStringList{"Vorlentix-opties.ini"} << ""
            << "build/bin/Data" << user << config;
        QTest::newRow("installed") << "prefix/bin" << QStringList() << ""
                                   << "prefix/share/vorlentix/Data" << user << config;
        QTest::newRow("installed, portable") << "prefix/bin" << QStringList{"Teams/"} << ""
                                             << "prefix/share/vorlentix/Data"
                                             << "prefix/bin"
                                             << "prefix/bin";
        QTest::newRow("--home wins") << "build/bin" << QStringList{"Vorlentix.ini"} << "club/home"
                                     << "build/bin/Data"
                                     << "club/home"
                                     << "club/home";
        QTest::newRow("--home, installed") << "prefix/bin" << QStringList() << "club/home"
                                           << "prefix/share/vorlentix/Data"
                                           << "club/home"
                                           << "club/home";
    }
    void foldersOfAnExecutable() {
        QFETCH(QString, exe);
        QFETCH(QStringList, beside);
        QFETCH(QString, homeOption);
        QFETCH(QString, data);
        QFETCH(QString, home);
        QFETCH(QString, settings);
        vxtest::TempHome root;
        const UserFolders xdg(root);
        QDir(root.path()).mkpath("build/bin/Data");
        QDir(root.path()).mkpath("prefix/bin");
        QDir(root.path()).mkpath("prefix/share/vorlentix/Data");
        for (const QString& name : beside)
            name.endsWith('/') ? void(QDir(root.file(exe)).mkpath(name)) : root.write(exe + '/' + name, "x");

        const Folders where =
            foldersForExecutable(root.file(exe), homeOption.isEmpty() ? QString() : root.file(homeOption));
        QCOMPARE(QDir::cleanPath(where.dataDir), root.file(data));
        QCOMPARE(where.homeDir, root.file(home));
        QCOMPARE(where.settingsFolder(), root.file(settings));
        QCOMPARE(where.teamsDir(), root.file(home + "/Teams"));
        QCOMPARE(where.settingsFile(), root.file(settings + "/Vorlentix.ini"));
        QCOMPARE(QFileInfo(optionsFilePathIn(where)).path(), root.file(settings));
        QVERIFY(!QFileInfo::exists(root.file("xdg-data")) && !QFileInfo::exists(root.file("club")));

        prepareFolders(where);
        QVERIFY(QFileInfo(where.homeDir).isDir() && QFileInfo(where.settingsFolder()).isDir());
    }

    // The earlier package kept everything in Vorlentix/Vorlentix of the data folder. Its files
    // move to their new places, but never over a file already there, and nothing is deleted.
    void takesOverTheEarlierPackage_data() {
        QTest::addColumn<QStringList>("earlier"); // files, as name=content
        QTest::addColumn<QStringList>("present"); // in the new places (data/ or config/)
        QTest::addColumn<QString>("homeOption");
        QTest::addColumn<QStringList>("after"); // every file of the three folders afterwards
        QTest::addColumn<QStringList>("left");  // what prepareFolders says stayed behind
        const QStringList all = {"old/Vorlentix.ini=s", "old/Vorlentix-opties.ini=o",
                                 "old/Teams/Oost/Anna.lib=a", "old/Vorlentix-herstel.json=r"};
        QTest::newRow("everything moves")
            << all << QStringList() << ""
            << QStringList{"config/Vorlentix-opties.ini=o", "config/Vorlentix.ini=s",
                           "data/Teams/Oost/Anna.lib=a", "data/Vorlentix-herstel.json=r"}
            << QStringList();
        QTest::newRow("a file in the new place is never written over")
            << all
            << QStringList{"config/Vorlentix.ini=new", "data/Teams/Oost/Anna.lib=new",
                           "data/Teams/Oost/Bert.lib=b"}
            << ""
            << QStringList{"config/Vorlentix-opties.ini=o",
                           "config/Vorlentix.ini=new",
                           "data/Teams/Oost/Anna.lib=new",
                           "data/Teams/Oost/Bert.lib=b",
                           "data/Vorlentix-herstel.json=r",
                           "old/Teams/Oost/Anna.lib=a",
                           "old/Vorlentix.ini=s"}
            << QStringList{"old/Teams/Oost/Anna.lib", "old/Vorlentix.ini"};
        QTest::newRow("a folder where a file was")
            << QStringList{"old/Teams=not a folder"} << QStringList{"data/Teams/Oost/Anna.lib=a"} << ""
            << QStringList{"data/Teams/Oost/Anna.lib=a", "old/Teams=not a folder"}
            << QStringList{"old/Teams"};
        QTest::newRow("--home leaves them") << all << QStringList() << "club" << all << QStringList();
    }
    void takesOverTheEarlierPackage() {
        QFETCH(QStringList, earlier);
        QFETCH(QStringList, present);
        QFETCH(QString, homeOption);
        QFETCH(QStringList, after);
        QFETCH(QStringList, left);
        vxtest::TempHome root;
        const UserFolders xdg(root);
        QCOMPARE(earlierPackageFolder(), root.file("xdg-data/Vorlentix/Vorlentix"));
        const QMap<QString, QString> places = {{"old/", "xdg-data/Vorlentix/Vorlentix/"},
                                               {"data/", "xdg-data/vorlentix/"},
                                               {"config/", "xdg-config/vorlentix/"}};
        const auto real = [&](const QString& name) { // relative to the root
            for (auto place = places.begin(); place != places.end(); ++place)
                if (name.startsWith(place.key())) return place.value() + name.mid(place.key().size());
            return name;
        };
        for (const QString& file : earlier + present)
            root.write(real(file.section('=', 0, 0)), file.section('=', 1).toUtf8());
        QDir(root.path()).mkpath("build/bin/Data");

        const Folders where = foldersForExecutable(root.file("build/bin"),
                                                   homeOption.isEmpty() ? QString() : root.file(homeOption));
        QStringList expectedLeft;
        for (const QString& name : left)
            expectedLeft += root.file(real(name));
        QCOMPARE(prepareFolders(where), expectedLeft);
        QStringList found;
        for (auto place = places.begin(); place != places.end(); ++place) {
            QDirIterator files(root.file(place.value()), QDir::Files, QDirIterator::Subdirectories);
            while (files.hasNext()) {
                const QString file = files.next();
                found += place.key() + QDir(root.file(place.value())).relativeFilePath(file) + '=' +
                         QString::fromUtf8(root.read(QDir(root.path()).relativeFilePath(file)));
            }
        }
        found.sort();
        after.sort();
        QCOMPARE(found, after);
    }

    // A file dialog opens in Documents the first time, then where the last file of its kind went;
    // the folder is kept in the options file as Qt would keep it, whatever its name holds.
    void fileDialogFolders_data() {
        QTest::addColumn<QString>("folder");
        for (const char* name :
             {"Uitvoer", "Mijn, lijsten; 2026", "back\\slash \"quoted\"", "Ünïcode €", " spaces "})
            QTest::newRow(name) << QString::fromUtf8(name);
    }
    void fileDialogFolders() {
        QFETCH(QString, folder);
        vxtest::TempHome home;
        const UserFolders xdg(home);
        home.write("xdg-config/user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"" + home.file("Docs").toUtf8() + "\"\n");
        QCOMPARE(startFolder(SavedFile::Pdf), QDir::homePath()); // no Documents folder yet
        QDir(home.path()).mkpath("Docs");
        QDir(home.path()).mkpath(folder);
        QCOMPARE(startFolder(SavedFile::Pdf), home.file("Docs"));

        rememberFolder(SavedFile::Pdf, home.file(folder + "/lijst.pdf"));
        QCOMPARE(startFolder(SavedFile::Pdf), home.file(folder));
        QCOMPARE(startFolder(SavedFile::Csv), home.file("Docs"));
        QCOMPARE(QSettings(optionsFilePath(), QSettings::IniFormat).value("Mappen/pdf").toString(),
                 home.file(folder));
        rememberFolder(SavedFile::Csv, home.file("Docs/a.csv"));
        QCOMPARE(startFolder(SavedFile::Pdf), home.file(folder));

        QVERIFY(QDir(home.file(folder)).removeRecursively());
        QCOMPARE(startFolder(SavedFile::Pdf), home.file("Docs"));
    }

  private:
    // The user's folders of XDG in `root` for as long as it lives.
    struct UserFolders {
        explicit UserFolders(const vxtest::TempHome& root) {
            qputenv("XDG_DATA_HOME", root.file("xdg-data").toUtf8());
            qputenv("XDG_CONFIG_HOME", root.file("xdg-config").toUtf8());
        }
        ~UserFolders() {
            qunsetenv("XDG_DATA_HOME");
            qunsetenv("XDG_CONFIG_HOME");
        }
    };
    static QString optionsFilePathIn(const Folders& where) {
        const Folders before = folders();
        setFolders(where);
        const QString path = optionsFilePath();
        setFolders(before);
        return path;
    }
};

QTEST_GUILESS_MAIN(CoreTest)
#include "test_core.moc"
