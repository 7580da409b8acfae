// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/history/HistoryImport.h"

#include "core/common/Services.h"
#include "core/files/ScoreListFiles.h"
#include "core/history/HistoryStore.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <numeric>
#include <utility>

namespace vx {

namespace {

struct ListFile {
    QString path;
    QString player; // a team player's file; empty for a duo file
    ScoreListModel::Rows rows;
};

// The turn totals of a row: its turn cells up to the first that holds no number.
QList<int> RowTurns(const ScoreListModel::Row& row) {
    QList<int> turns;
    for (int c = 2; c < ScoreListModel::kColumns - 1; ++c) {
        bool ok = false;
        const int total = row[c].trimmed().toInt(&ok);
        if (!ok) break;
        turns.append(total);
    }
    return turns;
}

int Sum(const QList<int>& turns) {
    return std::accumulate(turns.begin(), turns.end(), 0);
}

// A team row's first cell, "07-03-2024 / 9:05:03", as the history keeps times; `fallback` for
// anything else. Read by hand: Qt's date parsing asks the system for the time zone on every
// call (even for a bare QDate or QTime), which costs more than the rest of a row.
QString RowTime(const QString& cell, const QString& fallback) {
    const QStringList parts = cell.simplified().split(QStringLiteral(" / "));
    if (parts.size() != 2) return fallback;
    const QStringList date = parts[0].split(u'-');
    const QStringList time = parts[1].split(u':');
    if (date.size() != 3 || time.size() != 3) return fallback;
    int n[6];
    for (int i = 0; i < 6; ++i) {
        bool ok = false;
        n[i] = (i < 3 ? date : time)[i % 3].toInt(&ok);
        if (!ok) return fallback;
    }
    if (!QDate(n[2], n[1], n[0]).isValid() || !QTime::isValid(n[3], n[4], n[5])) return fallback;
    return QString::asprintf("%04d-%02d-%02dT%02d:%02d:%02d.000", n[2], n[1], n[0], n[3], n[4], n[5]);
}

struct Writer {
    HistoryStore& store;
    QSqlQuery match{store.database()}, leg{store.database()}, turn{store.database()};

    explicit Writer(HistoryStore& s) : store(s) {
        match.prepare(
            QStringLiteral("INSERT INTO matches (key, kind, start_score, target, file, started_at, ended_at)"
                           " VALUES (?, ?, ?, 0, ?, ?, ?)"));
        leg.prepare(QStringLiteral("INSERT INTO legs (match, number, set_number, starter, winner)"
                                   " VALUES (?, ?, 1, ?, ?)"));
        turn.prepare(
            QStringLiteral("INSERT INTO turns (leg, player, number, total, remaining_before, thrown_at)"
                           " VALUES (?, ?, ?, ?, ?, ?)"));
    }

    QString error;

    bool Run(QSqlQuery& q, std::initializer_list<QVariant> values) {
        for (const QVariant& v : values)
            q.addBindValue(v);
        if (q.exec()) return true;
        error = q.lastError().text();
        return false;
    }
    // Players asked for once each: a file names the same few on every row. An import that
    // fails stops, so no id of a player whose file was rolled back is used again.
    QHash<QString, qint64> players;
    std::optional<qint64> Player(const QString& name) {
        if (const auto known = players.constFind(name); known != players.constEnd()) return *known;
        const std::optional<qint64> id = store.playerId(name);
        if (!id)
            error = store.error();
        else
            players.insert(name, *id);
        return id;
    }

    // One leg: each player's row with its turns, counted down from `start`.
    bool AddLeg(qint64 matchRow, int number, const QList<std::pair<QString, QList<int>>>& rows,
                const QString& winner, int start, const QString& at) {
        std::optional<qint64> winnerRow;
        if (!winner.isEmpty() && !(winnerRow = Player(winner))) return false;
        const std::optional<qint64> starter = Player(rows.first().first);
        if (!starter ||
            !Run(leg, {matchRow, number, *starter, winnerRow ? QVariant(*winnerRow) : QVariant()}))
            return false;
        const qint64 legRow = leg.lastInsertId().toLongLong();
        for (const auto& [player, turns] : rows) {
            const std::optional<qint64> playerRow = Player(player);
            if (!playerRow) return false;
            int remaining = start;
            for (int i = 0; i < turns.size(); ++i) {
                if (!Run(turn, {legRow, *playerRow, i + 1, turns[i], remaining, at})) return false;
                remaining -= turns[i];
            }
        }
        return true;
    }

    bool AddFile(const ListFile& file) {
        const std::optional<qint64> match = AddMatch(file);
        if (match && store.sumUpMatch(*match)) return true;
        if (error.isEmpty()) error = store.error();
        return false;
    }

    // The file's match with its legs and turns; its row.
    std::optional<qint64> AddMatch(const ListFile& file) {
        const QString key = QStringLiteral("lib:") + QDir(folders().homeDir).relativeFilePath(file.path);
        QSqlQuery q(store.database());
        // The figures' sums go first: they are not deleted with the legs they sum up.
        q.prepare(
            QStringLiteral("DELETE FROM player_legs WHERE match IN (SELECT id FROM matches WHERE key = ?)"));
        if (!Run(q, {key})) return std::nullopt;
        q.prepare(QStringLiteral("DELETE FROM matches WHERE key = ?"));
        if (!Run(q, {key})) return std::nullopt;
        const QString modified = historyTimeText(QFileInfo(file.path).lastModified());
        const bool team = !file.player.isEmpty();
        const QString first =
            team && !file.rows.isEmpty() ? RowTime(file.rows.cell(0, 0).toString(), modified) : modified;
        const QString last = team && !file.rows.isEmpty()
                                 ? RowTime(file.rows.cell(file.rows.size() - 1, 0).toString(), modified)
                                 : modified;
        // A leg is won by the turns that reach its start score: the winner's sum is the start.
        int start = 501;
        for (const ScoreListModel::Row& row : file.rows)
            if (team || row[1] == QLatin1String("v")) {
                start = Sum(RowTurns(row));
                break;
            }
        if (!Run(match,
                 {key, team ? kMatchKindTeam : kMatchKindImported, start,
                  team ? QFileInfo(file.path).dir().dirName() : QFileInfo(file.path).completeBaseName(),
                  first, last}))
            return std::nullopt;
        const qint64 matchRow = match.lastInsertId().toLongLong();
        if (team) {
            for (int r = 0; r < file.rows.size(); ++r) {
                const QList<int> turns = RowTurns(file.rows[r]);
                if (!AddLeg(matchRow, r + 1, {{file.player, turns}}, file.player, Sum(turns),
                            RowTime(file.rows[r][0], modified)))
                    return std::nullopt;
            }
            return matchRow;
        }
        // Two rows to a leg, as the duo match writes them; a row left alone is a leg of its own.
        for (int r = 0, number = 1; r < file.rows.size(); r += 2, ++number) {
            QList<std::pair<QString, QList<int>>> rows;
            QString winner;
            int legStart = start;
            for (int i = r; i < std::min<qsizetype>(r + 2, file.rows.size()); ++i) {
                rows.append({file.rows[i][0], RowTurns(file.rows[i])});
                if (file.rows[i][1] == QLatin1String("v")) {
                    winner = file.rows[i][0];
                    legStart = Sum(rows.last().second);
                }
            }
            if (!AddLeg(matchRow, number, rows, winner, legStart, modified)) return std::nullopt;
        }
        return matchRow;
    }
};

} // namespace

HistoryImport importScoreLists(HistoryStore& store, const ImportProgress& progress) {
    QList<ListFile> files;
    int total = 0;
    const auto read = [&](const QString& path, const QString& player) {
        ScoreListModel model;
        // A file that is no score list is not ours to read, here as anywhere.
        if (!readScoreList(path, model)) return;
        files.append({path, player, model.rows()});
        total += int(model.rows().size());
    };
    for (const QString& team : listTeams())
        for (const QString& player : listTeamPlayers(team))
            read(playerFilePath(team, player), player);
    for (const QString& duo : listDuoFiles())
        read(duoFilePath(duo), QString());

    HistoryImport result;
    Writer writer(store);
    QSqlDatabase db = store.database();
    QSqlQuery mark(db);
    // Files go in batches of one transaction each, every file under a savepoint of its own: a
    // commit per file costs more than the file, and one for the whole home would keep the
    // recorder of a match being played waiting past its patience on a large home.
    constexpr int kBatchRows = 2000;
    int pendingFiles = 0, pendingRows = 0;
    bool inTransaction = false;
    // Files count as imported once their batch is committed.
    const auto commit = [&] {
        if (!inTransaction) return true;
        inTransaction = false;
        if (!db.commit()) {
            // The commit's error says why (a full disk, say); the rollback's own would hide it.
            if (result.error.isEmpty()) result.error = db.lastError().text();
            db.rollback();
            return false;
        }
        result.files += std::exchange(pendingFiles, 0);
        result.rows += std::exchange(pendingRows, 0);
        return true;
    };
    for (const ListFile& file : files) {
        if (progress && !progress(result.rows + pendingRows, total)) {
            result.cancelled = true;
            break;
        }
        writer.error.clear();
        if (!inTransaction && !(inTransaction = db.transaction())) {
            result.error = db.lastError().text();
            break;
        }
        if (!mark.exec(QStringLiteral("SAVEPOINT file")) || !writer.AddFile(file) ||
            !mark.exec(QStringLiteral("RELEASE file"))) {
            const QString why = writer.error.isEmpty() ? mark.lastError().text() : writer.error;
            result.error = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(file.path), why);
            mark.exec(QStringLiteral("ROLLBACK TO file"));
            mark.exec(QStringLiteral("RELEASE file"));
            break;
        }
        ++pendingFiles;
        pendingRows += int(file.rows.size());
        if (pendingRows >= kBatchRows && !commit()) break;
    }
    // What was whole before a cancel or a failing file stays.
    (void)commit();
    if (progress && !result.cancelled && result.error.isEmpty()) progress(result.rows, total);
    return result;
}

bool firstImportDone(const HistoryStore& store) {
    QSqlQuery q(store.database());
    return q.exec(QStringLiteral("SELECT 1 FROM done_once WHERE what = 'import'")) && q.next();
}

bool markFirstImportDone(HistoryStore& store) {
    QSqlQuery q(store.database());
    q.prepare(QStringLiteral(
        "INSERT INTO done_once (what, at) VALUES ('import', ?) ON CONFLICT (what) DO NOTHING"));
    q.addBindValue(historyTimeText(clock().now()));
    return q.exec();
}

} // namespace vx
