#pragma once
#include <QStringList>

// SQL script files: split into statements and run on a connection.
namespace vlm {

// Splits a script at the semicolons that end statements (outside quotes and comments).
QStringList splitSqlStatements(const QString &script);
// Runs every statement of the script on the named connection; throws DbError on the first failure.
void runSqlScript(const QString &connectionName, const QString &script);
// The schema compiled into the program: every file of schema/ in file-name order.
QStringList schemaScripts();
// The demo data set of the local default server.
QString demoScript();
// Makes the schema compiled into the library reachable (a static library's resources
// must be registered by the program that links it).
void initSchemaResources();

}  // namespace vlm
