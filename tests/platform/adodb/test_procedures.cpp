#include "sample_db.h"

using namespace adodb;

TEST_F(SampleDb, ExecRunsARegisteredProcedureWithParsedArguments)
{
    QVariantList seen;
    Procedures::add(QStringLiteral("Prueba_Args"), [&](Connection& c, const QVariantList& args) {
        seen = args;
        return c.execute(QStringLiteral("SELECT 7 AS siete"));
    });
    Recordset rs = db.execute(QStringLiteral("EXEC dbo.Prueba_Args '010106',1, 'O''Brien', NULL, 2.5, @Fin = '31'"));
    ASSERT_FALSE(rs.isNull());
    EXPECT_EQ(rs.field(0).value().toInt(), 7);
    ASSERT_EQ(seen.size(), 6);
    EXPECT_EQ(seen[0], QVariant(QStringLiteral("010106")));
    EXPECT_EQ(seen[1].toInt(), 1);
    EXPECT_EQ(seen[2].toString(), QStringLiteral("O'Brien"));
    EXPECT_TRUE(seen[3].isNull());
    EXPECT_DOUBLE_EQ(seen[4].toDouble(), 2.5);
    EXPECT_EQ(seen[5].toString(), QStringLiteral("31"));
    // A recordset opened on the call works too, and leaves a recordset the procedure keeps whole.
    EXPECT_EQ(Recordset::open(db, QStringLiteral("exec Prueba_Args")).recordCount(), 1);
    const Recordset guardado = db.execute(QStringLiteral("SELECT 1 UNION ALL SELECT 2"));
    Procedures::add(QStringLiteral("Prueba_Guardado"), [&](Connection&, const QVariantList&) { return guardado; });
    for (int vez = 0; vez < 2; ++vez)
        EXPECT_EQ(Recordset::open(db, QStringLiteral("EXEC Prueba_Guardado")).recordCount(), 2);
    EXPECT_EQ(guardado.recordCount(), 2);
}

TEST_F(SampleDb, LoginProceduresAnswerLikeAnEngineWithoutLogins)
{
    for (const char* sql : {"sp_who", "EXEC sp_dropuser 'PEDRO'", "sp_droplogin 'PEDRO'"})
        EXPECT_TRUE(db.execute(QString::fromUtf8(sql)).isNull()) << sql;
}

TEST_F(SampleDb, ProcedureErrorsReachTheErrorList)
{
    Procedures::add(QStringLiteral("Falla"), [](Connection& c, const QVariantList&) -> Recordset {
        Procedures::raise(c, QStringLiteral("No hay datos"));
    });
    EXPECT_THROW(db.execute(QStringLiteral("EXEC Falla")), ComError);
    EXPECT_EQ(db.errors().first().NativeError, native::RaisedByProcedure);
    EXPECT_EQ(db.errors().first().Description.mid(47), QStringLiteral("No hay datos"));
    EXPECT_THROW(db.execute(QStringLiteral("EXEC NoRegistrado 1")), ComError);
    EXPECT_EQ(db.errors().first().NativeError, 2812);
}
