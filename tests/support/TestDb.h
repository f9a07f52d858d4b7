#pragma once
#include <QString>
#include <QVariant>

// The test database: one database per test program, created from schema/ on a private
// server (scripts/test starts it and sets VLM_DB_SOCKET), and brought back to its
// starting content before every test case.
namespace vlmtest {

class TestDb {
public:
    // Creates the database of this test program and points the alias at it.
    static void initProgram();
    // Every table back to the rows the schema starts with; every connection closed.
    static void reset();
    // Drops the database (call from cleanupTestCase).
    static void dropProgram();

    static QString name();
    // Runs a statement on the test's own connection "TEST"; throws on error.
    static void exec(const QString &sql);
    // First column of the first row, invalid when no row.
    static QVariant scalar(const QString &sql);
    static qint64 count(const QString &table, const QString &where = QString());
    // Inserts a person and returns the key.
    static qint64 addPerson(const QString &nome, const QString &extraCols = QString(), const QString &extraVals = QString());
    static qint64 addVehicle(const QString &sigla, const QString &tipo = QStringLiteral("AMBULANZA"),
                             const QString &stato = QStringLiteral("Attivo"));
};

}  // namespace vlmtest

// Use in a test class: initTestCase() { VLM_TEST_INIT; } init() { vlmtest::TestDb::reset(); }
#define VLM_TEST_INIT vlmtest::TestDb::initProgram()
