#pragma once

#include "platform/adodb/adodb.h"
#include "temp_data_root.h"

#include <gtest/gtest.h>

#include <QDate>
#include <QString>

namespace testsupport {

// Builds a new central database "<folder>/<name>.db" from the schema with its starting rows (no
// employee). Returns the file's path.
QString createCentralDb(const QString& folder, const QString& name = QStringLiteral("central"),
                        const QDate& workingDate = QDate(2024, 3, 15));

// A central database "<folder>/<name>.db" as the first set-up command wrote it (schema version 1,
// user_version 0, no employee), from the frozen script of that version. Returns the file's path.
QString createLandedCentralDb(const QString& folder, const QString& name);

// The connection string with which the program opens central database `name` under the data root.
QString centralConnectionString(const QString& name = QStringLiteral("central"));

} // namespace testsupport

// A fresh central database built from schema/ under a temporary data root, open in `db` on the
// program's own connection string. Working date: 15/03/2024.
class CentralDbFixture : public ::testing::Test {
protected:
    void SetUp() override;

    // The single value of a one-row query.
    QVariant scalar(const QString& sql);
    // Runs sql and returns the native error that refused it (0 when nothing refused it).
    long nativeErrorOf(const QString& sql);

    TempDataRoot root;
    adodb::Connection db;
};
