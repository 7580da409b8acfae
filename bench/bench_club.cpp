// SPDX-License-Identifier: GPL-3.0-or-later
// How soon a club evening's backlog is on the server once the server is back: two boards with
// 1,000 turns each written while the server was stopped (long enough for the senders to be at
// their longest wait between tries), then the server started. Prints, per round and counted from
// the moment the server accepts connections, when each board's first batch was in and when the last turn was
// there. Uses a PostgreSQL of its own, as the tests do; the goal is under 5 s.
#include "core/history/ClubSender.h"
#include "pgserver.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSqlQuery>
#include <QThread>
#include <cstdio>

using namespace vx;

namespace {

constexpr int kTurns = 1000;

void Write(HistoryStore& store, int turns) {
    for (int n = 0; n < turns; ++n) {
        const int leg = n / 20 + 1, inLeg = n % 20;
        const HistoryTurn turn{inLeg % 2 ? QStringLiteral("Bert") : QStringLiteral("Anna"),
                               inLeg / 2 + 1,
                               45,
                               501 - 45 * (inLeg / 2),
                               QDateTime(QDate(2026, 12, 9), QTime(20, 0)).addSecs(n),
                               QList<HistoryDart>{{1, QStringLiteral("20"), 20},
                                                  {2, QStringLiteral("5"), 5},
                                                  {3, QStringLiteral("20"), 20}}};
        store.recordTurn({QStringLiteral("avond"), kMatchKindTeam, 501, 0, QStringLiteral("De Pijlen")},
                         {leg, 1, QStringLiteral("Anna")}, turn);
    }
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    vxtest::PgServer server;
    if (!server.ok()) {
        std::fprintf(stderr, "no PostgreSQL for the benchmark: %s\n", qPrintable(server.error()));
        return 1;
    }
    QTemporaryDir dir;
    const QString pgpass = dir.filePath(QStringLiteral("pgpass"));
    {
        QFile file(pgpass);
        file.open(QIODevice::WriteOnly);
        file.write(QByteArray("*:*:*:") + vxtest::PgServer::kUser + ':' + vxtest::PgServer::kPassword + '\n');
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    }
    qputenv("PGPASSFILE", pgpass.toLocal8Bit());
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    std::printf("2 boards x %d waiting turns, the senders' own timing (longest wait %d ms)\n", kTurns,
                ClubTiming().lastRetryMs);
    for (int round = 1; round <= 3; ++round) {
        const QString database = QStringLiteral("bench%1").arg(round);
        server.psql(QStringLiteral("CREATE DATABASE %1").arg(database));
        const auto settings = [&](const QString& board) {
            return ClubSettings{server.socketDir(), vxtest::PgServer::kPort, database,
                                QString::fromLatin1(vxtest::PgServer::kUser), board};
        };
        {
            ClubServer made(settings(QStringLiteral("Bord 1")));
            made.connect();
        }
        server.stop();
        HistoryStore one(dir.filePath(QStringLiteral("een%1.sqlite").arg(round)));
        HistoryStore two(dir.filePath(QStringLiteral("twee%1.sqlite").arg(round)));
        one.open();
        two.open();
        Write(one, kTurns);
        Write(two, kTurns);
        ClubSender first(settings(QStringLiteral("Bord 1")), one.database().databaseName());
        ClubSender second(settings(QStringLiteral("Bord 2")), two.database().databaseName());
        QElapsedTimer clock;
        qint64 reached[2] = {-1, -1};
        for (ClubSender* sender : {&first, &second})
            QObject::connect(sender, &ClubSender::statusChanged,
                             [&, which = sender == &second](const ClubStatus& s) {
                                 if (s.reachable && reached[which] < 0 && clock.isValid())
                                     reached[which] = clock.elapsed();
                             });
        // Down long enough for both senders to wait their longest between tries.
        QElapsedTimer down;
        down.start();
        while (down.elapsed() < 3 * ClubTiming().lastRetryMs)
            app.processEvents(QEventLoop::AllEvents, 50);
        QElapsedTimer starting;
        starting.start();
        server.start();
        const qint64 startMs = starting.elapsed();
        clock.start();
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("bench"));
        db.setHostName(server.socketDir());
        db.setPort(vxtest::PgServer::kPort);
        db.setDatabaseName(database);
        db.setUserName(QString::fromLatin1(vxtest::PgServer::kUser));
        db.open();
        int arrived = 0;
        while (arrived < 2 * kTurns && clock.elapsed() < 60000) {
            app.processEvents(QEventLoop::AllEvents, 20);
            QSqlQuery q(db);
            if (q.exec(QStringLiteral("SELECT count(*) FROM turns")) && q.next())
                arrived = q.value(0).toInt();
        }
        const qint64 all = clock.elapsed();
        app.processEvents();
        std::printf("round %d: server started in %lld ms; from then, first batches in after %lld and %lld ms,"
                    " %d turns there after %lld ms\n",
                    round, static_cast<long long>(startMs), static_cast<long long>(reached[0]),
                    static_cast<long long>(reached[1]), arrived, static_cast<long long>(all));
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("bench"));
    }
    return 0;
}
