// Void types and messages: one window design for both, each with its own table and words.
#include "foundation/forms/multiline_text_box.h"
#include "tests/foundation/forms/typing.h"
#include "tests/operation/operation_fixture.h"

#include <QCheckBox>
#include <QLineEdit>

namespace {

class AnulacionesMensajesTest : public OperationDb {
protected:
    bool abreMensajes() { return abre(QStringLiteral("mnuUtlMensajes"), QStringLiteral("UtlMensajes")) != nullptr; }
    bool abreAnulaciones()
    {
        return abre(QStringLiteral("mnuOpTiposAnulacion"), QStringLiteral("OpTiposAnulacion")) != nullptr;
    }
    MultiLineTextBox* TxtMensaje() const { return control<MultiLineTextBox>(QStringLiteral("TxtMensaje")); }
    QStringList mensajes() { return filas(QStringLiteral("SELECT * FROM Mensajes ORDER BY 1")); }
};

TEST_F(AnulacionesMensajesTest, AMessageIsRequiredKeptInCapitalsWithItsLineBreaksAndAtMost255)
{
    ASSERT_TRUE(abreMensajes());
    pulsa(Qt::Key_Insert);
    EXPECT_TRUE(control<QCheckBox>(QStringLiteral("chkActivo"))->isChecked());
    EXPECT_TRUE(TxtMensaje()->hasFocus());
    pulsa(Qt::Key_F5);
    EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("Falta el campo de Mensaje")});
    EXPECT_EQ(boxes.boxes().first().icon(), ui::Exclamation);
    EXPECT_TRUE(TxtMensaje()->hasFocus());
    EXPECT_EQ(cuenta(QStringLiteral("Mensajes")), 0);

    teclea(TxtMensaje(), QStringLiteral("hoy 2x1"));
    QTest::keyClick(TxtMensaje(), Qt::Key_Return);
    teclea(TxtMensaje(), QStringLiteral("en café d'olla"));
    pulsa(Qt::Key_F5);
    EXPECT_EQ(boxes.texts().size(), 1);
    EXPECT_EQ(mensajes(), QStringList{QStringLiteral("1|HOY 2X1\nEN CAFÉ D'OLLA|1")});

    pulsa(Qt::Key_Insert);
    teclea(TxtMensaje(), QString(254, QLatin1Char('a')) + QStringLiteral("bc"));
    EXPECT_EQ(TxtMensaje()->toPlainText(), QString(254, QLatin1Char('A')) + QStringLiteral("B"));
    control<QCheckBox>(QStringLiteral("chkActivo"))->setChecked(false);
    pulsa(Qt::Key_F5);
    EXPECT_EQ(mensajes().last(), QStringLiteral("2|") + QString(254, QLatin1Char('A')) + QStringLiteral("B|0"));
}

TEST_F(AnulacionesMensajesTest, ARepeatedMessageIsRefusedInTheMessagesWords)
{
    db.execute(QStringLiteral("INSERT INTO Mensajes VALUES (1, 'BIENVENIDOS', 1)"));
    ASSERT_TRUE(abreMensajes());
    pulsa(Qt::Key_Insert);
    teclea(TxtMensaje(), QStringLiteral("bienvenidos"));
    pulsa(Qt::Key_F5);
    ASSERT_EQ(boxes.texts(), QStringList{QStringLiteral("Ya existe el mensaje")});
    EXPECT_EQ(boxes.boxes().first().caption, QStringLiteral("Mensajes"));
    EXPECT_TRUE(ventanaAbierta->Formas().Edicion());
    EXPECT_EQ(cuenta(QStringLiteral("Mensajes")), 1);
}

TEST_F(AnulacionesMensajesTest, AVoidTypeReturnsStockByDefaultAndAChangeKeepsItsApostrophe)
{
    ASSERT_TRUE(abreAnulaciones());
    // Modify on an empty table does nothing.
    pulsa(Qt::Key_F6);
    EXPECT_FALSE(ventanaAbierta->Formas().Edicion());

    pulsa(Qt::Key_Insert);
    EXPECT_TRUE(control<QCheckBox>(QStringLiteral("chkRegresar"))->isChecked());
    pulsa(Qt::Key_F5);
    EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("Falta el campo de Nombre")});
    teclea(control<QLineEdit>(QStringLiteral("TxtNombre")), QStringLiteral("error"));
    pulsa(Qt::Key_F5);
    pulsa(Qt::Key_F6);
    reemplaza(control<QLineEdit>(QStringLiteral("TxtNombre")), QStringLiteral("o'lvido"));
    control<QCheckBox>(QStringLiteral("chkRegresar"))->setChecked(false);
    pulsa(Qt::Key_F5);
    EXPECT_EQ(filas(QStringLiteral("SELECT * FROM Tipos_Anulacion")), QStringList{QStringLiteral("1|O'LVIDO|0")});

    pulsa(Qt::Key_Insert);
    teclea(control<QLineEdit>(QStringLiteral("TxtNombre")), QStringLiteral("o'lvido"));
    pulsa(Qt::Key_F5);
    EXPECT_EQ(boxes.texts().last(), QStringLiteral("Ya existe el nombre del tipo de anulación"));
}

} // namespace
