// SPDX-License-Identifier: GPL-3.0-or-later
// The history on a club server: a real PostgreSQL started for the test alone.
#include "pgserver.h"
#include "testsupport.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

using namespace vxtest;

class ClubTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void serverAnswers();

  private:
    std::unique_ptr<PgServer> m_server;
};

void ClubTest::initTestCase() {
    if (PgServer::binaries().isEmpty()) QSKIP("PostgreSQL is not installed here; ./setup.sh test installs it");
    m_server = std::make_unique<PgServer>();
    QVERIFY2(m_server->ok(), qPrintable(m_server->error()));
}

void ClubTest::serverAnswers() {
    QString out;
    QVERIFY2(m_server->psql(QStringLiteral("SELECT 6 * 7"), &out), qPrintable(m_server->error()));
    QCOMPARE(out, QStringLiteral("42"));
}

QTEST_GUILESS_MAIN(ClubTest)
#include "test_club.moc"
