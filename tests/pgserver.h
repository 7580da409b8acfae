// SPDX-License-Identifier: GPL-3.0-or-later
// A PostgreSQL server of the test's own: a cluster made with initdb in a temporary folder,
// reached only through a Unix socket in that folder (no TCP port, so tests running side by side
// never meet), stopped and removed with the object. PostgreSQL refuses to run as root: when the
// tests do, the server runs as the "postgres" user and the folder is handed to it.
//
// The cluster asks for a password (scram-sha-256) even on the socket, so that a wrong one is
// refused as a club's server would refuse it; the test user's password is kPassword.
#pragma once

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QVersionNumber>
#include <unistd.h>

namespace vxtest {

class PgServer {
  public:
    static constexpr const char* kUser = "vx";
    static constexpr const char* kPassword = "pijl-180";
    static constexpr int kPort = 5432; // only names the socket file: there is no TCP port

    // The folder of initdb and pg_ctl, newest version first; empty where none is installed.
    static QString binaries() {
        QString best;
        QVersionNumber bestVersion;
        const QDir root(QStringLiteral("/usr/lib/postgresql"));
        for (const QString& version : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            const QString bin = root.filePath(version + QStringLiteral("/bin"));
            const QVersionNumber number = QVersionNumber::fromString(version);
            if (QFile::exists(bin + QStringLiteral("/initdb")) && number > bestVersion) {
                best = bin;
                bestVersion = number;
            }
        }
        return best;
    }

    PgServer() {
        m_bin = binaries();
        if (m_bin.isEmpty()) {
            m_error = QStringLiteral("PostgreSQL is not installed (no /usr/lib/postgresql/*/bin/initdb);"
                                     " ./setup.sh test installs it");
            return;
        }
        m_dir.setAutoRemove(true);
        QFile(m_dir.path()).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QFile pw(m_dir.filePath(QStringLiteral("pw")));
        if (!pw.open(QIODevice::WriteOnly) || pw.write(kPassword) < 0) {
            m_error = QStringLiteral("cannot write the password file");
            return;
        }
        pw.close();
        if (geteuid() == 0 &&
            !run(QStringLiteral("chown"),
                 {QStringLiteral("-R"), QStringLiteral("postgres:postgres"), m_dir.path()}, false))
            return;
        if (!run(m_bin + QStringLiteral("/initdb"),
                 {QStringLiteral("-D"), dataDir(), QStringLiteral("-U"), QString::fromLatin1(kUser),
                  QStringLiteral("--pwfile=") + pw.fileName(), QStringLiteral("--auth=scram-sha-256"),
                  QStringLiteral("--no-sync"), QStringLiteral("--encoding=UTF8"),
                  QStringLiteral("--locale=C")}))
            return;
        start();
    }

    // The folder goes with m_dir; files the server made belong to its user, and root or the
    // same user removes them all the same.
    ~PgServer() {
        if (m_running) stop();
    }

    PgServer(const PgServer&) = delete;
    PgServer& operator=(const PgServer&) = delete;

    bool ok() const { return m_error.isEmpty(); }
    QString error() const { return m_error; }
    QString socketDir() const { return m_dir.path(); }
    QString dataDir() const { return m_dir.filePath(QStringLiteral("data")); }

    bool start() {
        m_running = run(
            m_bin + QStringLiteral("/pg_ctl"),
            {QStringLiteral("-D"), dataDir(), QStringLiteral("-l"), m_dir.filePath(QStringLiteral("log")),
             QStringLiteral("-w"), QStringLiteral("-o"),
             QStringLiteral("-c listen_addresses='' -c fsync=off -k %1 -p %2").arg(m_dir.path()).arg(kPort),
             QStringLiteral("start")});
        return m_running;
    }

    bool stop() {
        m_running = false;
        return run(m_bin + QStringLiteral("/pg_ctl"),
                   {QStringLiteral("-D"), dataDir(), QStringLiteral("-w"), QStringLiteral("-m"),
                    QStringLiteral("fast"), QStringLiteral("stop")});
    }

    // One statement through psql as the test user, for what the program itself never does.
    bool psql(const QString& sql, QString* out = nullptr) {
        const QString psqlBin = m_bin + QStringLiteral("/psql");
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("PGPASSWORD"), QString::fromLatin1(kPassword));
        p.setProcessEnvironment(env);
        p.start(psqlBin, {QStringLiteral("-h"), m_dir.path(), QStringLiteral("-p"), QString::number(kPort),
                          QStringLiteral("-U"), QString::fromLatin1(kUser), QStringLiteral("-d"),
                          QStringLiteral("postgres"), QStringLiteral("-XAtq"), QStringLiteral("-v"),
                          QStringLiteral("ON_ERROR_STOP=1"), QStringLiteral("-c"), sql});
        p.waitForFinished(60000);
        if (out) *out = QString::fromUtf8(p.readAllStandardOutput()).trimmed();
        if (p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0) return true;
        m_error = QString::fromUtf8(p.readAllStandardError());
        return false;
    }

  private:
    bool run(const QString& program, QStringList args, bool asServer = true) {
        QString bin = program;
        if (asServer && geteuid() == 0) {
            args.prepend(program);
            args.prepend(QStringLiteral("--"));
            args.prepend(QStringLiteral("postgres"));
            args.prepend(QStringLiteral("-u"));
            bin = QStandardPaths::findExecutable(QStringLiteral("runuser"));
        }
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        // The server's working folder must be one its user may enter.
        p.setWorkingDirectory(m_dir.path());
        p.start(bin, args);
        if (p.waitForFinished(120000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0)
            return true;
        m_error = QStringLiteral("%1 failed: %2").arg(program, QString::fromLocal8Bit(p.readAll()));
        return false;
    }

    QString m_bin;
    QTemporaryDir m_dir;
    QString m_error;
    bool m_running = false;
};

} // namespace vxtest
