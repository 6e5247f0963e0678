#pragma once

#include "../support/central_db.h"
#include "endofday/fin_dia.h"
#include "foundation/database/cls_ado.h"
#include "platform/ui/msgbox.h"

#include <QByteArray>
#include <QStringList>
#include <QVariant>

#include <cstdio>

// A central database on the gateway, the key file, the terminal template in the program's folder
// and DIRTERMBD "Datos"; file waits shortened. Terminal databases on the shares are real files made
// from the template.
class FinDiaTest : public CentralDbFixture {
protected:
    void SetUp() override;
    void TearDown() override;

    qint64 addTerminal(const QString& name, const QString& estado = QStringLiteral("A"), const QVariant& menu = QVariant());
    // The terminal's database on its share, under DIRTERMBD.
    QString shareFile(const QString& name, const QString& dir = QStringLiteral("Datos")) const;
    QString localCopy(const QString& name) const;
    // Puts a terminal database on the share, with one order so that it differs from the template
    // (by default numbered as the terminal, so that two terminals' orders differ).
    void giveShare(const QString& name, int order = 0, const QString& dir = QStringLiteral("Datos"));
    // The terminal's database on its share holding one sale of the closing day.
    void sellOnShare(const QString& name, int order, qint64 item, int payment);
    // The single value of a query on a database file, and a script run on one.
    static QVariant valueIn(const QString& path, const QString& sql);
    static void runIn(const QString& path, const QString& sql);
    static QByteArray bytes(const QString& path);
    // The share holds a database built by the run for this terminal: its own number, no sales.
    bool holdsNewDatabase(const QString& name, const QString& dir = QStringLiteral("Datos"));
    QString templateFile() const;

    void setParam(const QString& key, const QVariant& text, const QString& column = QStringLiteral("Valor_Cad"));
    QString param(const QString& key, const QString& column = QStringLiteral("Valor_Cad"));

    // The run without its confirmation (headless options unless told otherwise).
    findia::ResultadoFinDia run(bool confirm = false, bool pointer = false);
    // Each command posted with its addressees: "!OFF :2,3".
    QStringList commands();
    QString terminalState(const QString& name);
    // Temporary tables left on the gateway's connection.
    int tempTables();

    // What was written to a temporary file, from its start.
    static QString readAll(std::FILE* file);

    ui::ScriptedAnswerer answers;
};

// Two terminals that sold on the closing day: CAJA1 order 418 (item 1001, payment 77) and CAJA2
// order 419 (item 2001, payment 78); no failure point set afterwards.
class SoldTerminalsTest : public FinDiaTest {
protected:
    void SetUp() override;
    void TearDown() override;
};
