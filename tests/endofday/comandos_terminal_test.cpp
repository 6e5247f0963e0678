#include "fin_dia_fixture.h"

#include "endofday/comandos_terminal.h"

#include <QRegularExpression>

class Comandos : public FinDiaTest {};

TEST_F(Comandos, AddressEveryActiveTerminalButTheServer)
{
    struct Case {
        const char* name;
        QList<QPair<QString, QString>> terminals;  // name, state
        double server;
        QStringList expected;
    };
    const Case cases[] = {
        {"three active, one the server", {{"CAJA1", "A"}, {"CAJA2", "A"}, {"SERVIDOR", "A"}, {"BARRA", "I"}}, 3,
         {"!OFF :1,2"}},
        {"only the server active", {{"SERVIDOR", "A"}, {"CAJA1", "I"}}, 1, {}},
        {"a server number that matches none", {{"CAJA1", "A"}, {"CAJA2", "A"}}, 9, {"!OFF :1,2"}},
        {"numbers beyond 16 bits", {{"CAJA1", "A"}}, 40000, {"!OFF :1"}},
    };
    for (const Case& c : cases) {
        db.execute(QStringLiteral("DELETE FROM TransaccionesXTerminal; DELETE FROM Transacciones; DELETE FROM Terminal; "
                                  "DELETE FROM sqlite_sequence WHERE name='Terminal'"));
        for (const auto& [name, state] : c.terminals)
            addTerminal(name, state);
        setParam(QStringLiteral("TERMINAL"), c.server, QStringLiteral("Valor_Num"));
        EXPECT_TRUE(ApagaTerminales()) << c.name;
        EXPECT_EQ(commands(), c.expected) << c.name;
    }
    EXPECT_TRUE(answers.boxes().isEmpty());
}

TEST_F(Comandos, AFailureRollsTheCommandBackAndSaysWhy)
{
    addTerminal(QStringLiteral("CAJA1"));
    db.execute(QStringLiteral("DELETE FROM Parametros WHERE ID_Parametro='TERMINAL'"));
    EXPECT_FALSE(EnciendeTerminales());
    ASSERT_EQ(answers.boxes().size(), 1);
    EXPECT_EQ(answers.boxes().at(0).text, QStringLiteral("94Uso no válido de Null"));
    EXPECT_EQ(answers.boxes().at(0).icon(), 0);

    answers.clear();
    db.execute(QStringLiteral("INSERT INTO Parametros (ID_Parametro, Valor_Num) VALUES ('TERMINAL', 0)"));
    db.execute(QStringLiteral("CREATE TRIGGER Rechaza BEFORE INSERT ON TransaccionesXTerminal "
                              "BEGIN SELECT RAISE(ABORT, 'destino rechazado'); END"));
    EXPECT_FALSE(ApagaTerminales());
    EXPECT_TRUE(commands().isEmpty()) << "the command row went with the refused addressee";
    ASSERT_EQ(answers.boxes().size(), 1);
    EXPECT_TRUE(answers.boxes().at(0).text.contains(QStringLiteral("destino rechazado")));
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^-?[0-9]+[^ 0-9]")).match(answers.boxes().at(0).text).hasMatch())
        << "number and description run together: " << answers.boxes().at(0).text.toStdString();
    EXPECT_FALSE(g_ClsAdo().conexion().inTransaction());
}
