// Printer groups: the group and its printers, written and deleted together.
#include "foundation/database/cls_ado.h"
#include "foundation/dialogs/frm_busca_prod.h"
#include "platform/grid/grid.h"
#include "tests/foundation/forms/typing.h"
#include "tests/operation/operation_fixture.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

namespace {

const QString kNoExiste = QStringLiteral("La clave de la impresora no existe");

class GruposImpresorasTest : public OperationDb {
protected:
    void SetUp() override
    {
        OperationDb::SetUp();
        db.execute(QStringLiteral("INSERT INTO Terminal (ID_Terminal, Nombre_Terminal) VALUES (1, 'CAJA1')"));
        db.execute(QStringLiteral("INSERT INTO Impresora (ID_Impresora, Nombre_Impresora, ID_Terminal, Redirigido) "
                                  "VALUES (1, 'COCINA', 1, 1), (2, 'BARRA', 1, 2), (3, 'CAJA', 1, 3)"));
    }
    bool abreVentana()
    {
        return abre(QStringLiteral("mnuUtlConfGposImpresoras"), QStringLiteral("OpGpoImpresoras")) != nullptr;
    }
    QLineEdit* TxtNombre() const { return control<QLineEdit>(QStringLiteral("TxtNombre")); }
    grid::Grid* sprImpresoras() const { return control<grid::Grid>(QStringLiteral("sprImpresoras")); }
    // A key typed into a row's first cell, and the row left as the arrow key leaves it.
    void escribeImpresora(int row, const QString& clave)
    {
        escribeCelda(sprImpresoras(), row, 1, clave);
        teclaEnGrid(sprImpresoras(), Qt::Key_Down);
    }
    void nuevaFila() { teclaEnGrid(sprImpresoras(), Qt::Key_Insert); }
    QStringList columna(int column) const
    {
        QStringList out;
        for (int r = 1; r <= sprImpresoras()->rowCount(); ++r)
            out << sprImpresoras()->text(r, column);
        return out;
    }
    QStringList grupos() { return filas(QStringLiteral("SELECT * FROM Grupo_Impresoras ORDER BY 1")); }
    QStringList miembros()
    {
        return filas(QStringLiteral("SELECT ID_Grupo_Impresoras, ID_Impresora FROM ImpresorasXGrupo ORDER BY 1, 2"));
    }
    void guardaGrupos()
    {
        db.execute(QStringLiteral("INSERT INTO Grupo_Impresoras VALUES (1, 'COCINA'), (2, 'BARRA')"));
        db.execute(QStringLiteral("INSERT INTO ImpresorasXGrupo (ID_Grupo_Impresoras, ID_Impresora) VALUES "
                                  "(1, 1), (1, 3), (2, 2)"));
    }
};

TEST_F(GruposImpresorasTest, GroupsGetKeysOneThenTwoAndEachPrinterOnce)
{
    ASSERT_TRUE(abreVentana());
    pulsa(Qt::Key_Insert);
    teclea(TxtNombre(), QStringLiteral("cocina d'la casa"));
    for (int i = 0; i < 4; ++i)
        nuevaFila();
    escribeImpresora(1, QStringLiteral("1"));
    EXPECT_EQ(sprImpresoras()->text(1, 2), QStringLiteral("COCINA"));
    escribeImpresora(2, QStringLiteral("77"));
    ASSERT_EQ(boxes.texts(), QStringList{kNoExiste});
    EXPECT_EQ(boxes.boxes().first().icon(), ui::Exclamation);
    EXPECT_TRUE(sprImpresoras()->text(2, 1).isEmpty());
    EXPECT_TRUE(sprImpresoras()->text(2, 2).isEmpty());
    escribeImpresora(3, QStringLiteral("1"));
    escribeImpresora(4, QStringLiteral("3"));
    pulsa(Qt::Key_F5);
    EXPECT_EQ(boxes.texts(), QStringList{kNoExiste});
    EXPECT_FALSE(ventanaAbierta->Formas().Edicion());
    EXPECT_EQ(grupos(), QStringList{QStringLiteral("1|COCINA D'LA CASA")});
    EXPECT_EQ(miembros(), (QStringList{QStringLiteral("1|1"), QStringLiteral("1|3")}));
    EXPECT_EQ(columna(2), (QStringList{QStringLiteral("COCINA"), QStringLiteral("CAJA")}));

    // The picker offers the printers; the chosen ones replace the clicked row.
    TxtNombre()->setFocus();
    pulsa(Qt::Key_Insert);
    teclea(TxtNombre(), QStringLiteral("barra"));
    nuevaFila();
    QString titulo;
    QTimer::singleShot(0, [&] {
        auto* busca = qobject_cast<frmBusca_Prod*>(QApplication::activeModalWidget());
        if (!busca) {
            ADD_FAILURE() << "no picker";
            return;
        }
        titulo = busca->windowTitle();
        busca->cmdBuscar->click();
        for (int r = 1; r <= busca->sprProductos->rowCount(); ++r)
            busca->sprProductos->setRowSelected(r, busca->sprProductos->text(r, 2) == QLatin1String("BARRA"));
        busca->cmdAceptar->click();
    });
    const QRect boton = sprImpresoras()->table()->visualRect(sprImpresoras()->table()->model()->index(0, 2));
    QTest::mouseClick(sprImpresoras()->table()->viewport(), Qt::LeftButton, {}, boton.center());
    EXPECT_EQ(titulo, QStringLiteral("Buscar Impresoras"));
    EXPECT_EQ(columna(1), QStringList{QStringLiteral("2")});
    // The toolbar's Aceptar: the picker has just closed.
    EXPECT_TRUE(click(5));
    EXPECT_EQ(grupos().last(), QStringLiteral("2|BARRA"));
    EXPECT_EQ(miembros().last(), QStringLiteral("2|2"));

    // The last group deleted, the next one gets a key never given, and no printer with it.
    EXPECT_TRUE(click(3));
    EXPECT_EQ(miembros(), (QStringList{QStringLiteral("1|1"), QStringLiteral("1|3")}));
    EXPECT_TRUE(click(1));
    teclea(TxtNombre(), QStringLiteral("postres"));
    EXPECT_TRUE(click(5));
    EXPECT_EQ(grupos(), (QStringList{QStringLiteral("1|COCINA D'LA CASA"), QStringLiteral("3|POSTRES")}));
    EXPECT_EQ(sprImpresoras()->rowCount(), 0);
    EXPECT_EQ(miembros(), (QStringList{QStringLiteral("1|1"), QStringLiteral("1|3")}));
}

TEST_F(GruposImpresorasTest, AChangeReplacesThePrintersAndARepeatedNameWritesNone)
{
    guardaGrupos();
    ASSERT_TRUE(abreVentana());
    EXPECT_EQ(columna(2), (QStringList{QStringLiteral("COCINA"), QStringLiteral("CAJA")}));
    pulsa(Qt::Key_F6);
    sprImpresoras()->setActiveCell(1, 1);
    teclaEnGrid(sprImpresoras(), Qt::Key_Delete);
    nuevaFila();
    escribeImpresora(2, QStringLiteral("2"));
    TxtNombre()->setFocus();
    pulsa(Qt::Key_F5);
    EXPECT_TRUE(boxes.boxes().isEmpty());
    EXPECT_EQ(miembros(), (QStringList{QStringLiteral("1|2"), QStringLiteral("1|3"), QStringLiteral("2|2")}));

    TxtNombre()->setFocus();
    pulsa(Qt::Key_Insert);
    teclea(TxtNombre(), QStringLiteral("barra"));
    nuevaFila();
    escribeImpresora(1, QStringLiteral("1"));
    pulsa(Qt::Key_F5);
    ASSERT_EQ(boxes.texts(), QStringList{QStringLiteral("Ya existe el nombre grupo de impresoras")});
    EXPECT_EQ(boxes.boxes().first().caption, QStringLiteral("Grupos de Impresoras"));
    EXPECT_TRUE(ventanaAbierta->Formas().Edicion());
    EXPECT_EQ(cuenta(QStringLiteral("Grupo_Impresoras")), 2);
    EXPECT_EQ(cuenta(QStringLiteral("ImpresorasXGrupo")), 3);
}

TEST_F(GruposImpresorasTest, AGroupGoesWithItsPrintersOrStaysWithThemWhenAProductUsesIt)
{
    guardaGrupos();
    db.execute(QStringLiteral("INSERT INTO Producto (ID_Producto, Nombre_Completo, ID_Grupo_Impresoras) "
                              "VALUES (1, 'TACOS', 1)"));
    ASSERT_TRUE(abreVentana());
    pulsa(Qt::Key_Delete);
    ASSERT_EQ(boxes.texts().size(), 2);
    EXPECT_EQ(boxes.texts().at(1),
              QStringLiteral("No se puede borrar este registro por estar en uso en la tabla Producto"));
    EXPECT_EQ(miembros(), (QStringList{QStringLiteral("1|1"), QStringLiteral("1|3"), QStringLiteral("2|2")}));
    EXPECT_EQ(columna(1), (QStringList{QStringLiteral("1"), QStringLiteral("3")}));
    EXPECT_FALSE(g_ClsAdo().conexion().inTransaction());

    ventanaAbierta->BotonUltimoRegistro();
    pulsa(Qt::Key_Delete);
    EXPECT_EQ(grupos(), QStringList{QStringLiteral("1|COCINA")});
    EXPECT_EQ(miembros(), (QStringList{QStringLiteral("1|1"), QStringLiteral("1|3")}));
    // The schema's cascade does it too, for whatever deletes a group.
    db.execute(QStringLiteral("DELETE FROM Producto"));
    db.execute(QStringLiteral("DELETE FROM Grupo_Impresoras WHERE ID_Grupo_Impresoras=1"));
    EXPECT_EQ(cuenta(QStringLiteral("ImpresorasXGrupo")), 0);
}

} // namespace
