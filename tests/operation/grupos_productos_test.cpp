// Promotional and gift groups: one window on two sets of tables.
#include "foundation/database/cls_ado.h"
#include "platform/grid/grid.h"
#include "tests/foundation/forms/typing.h"
#include "tests/operation/operation_fixture.h"

#include <QLineEdit>

namespace {

struct Gemelo {
    const char* item;
    const char* ventana;
    const char* titulo;
    const char* tabla;
    const char* miembros;
    const char* llave;
    const char* repetido;
    const char* columnaRegla;
};

void PrintTo(const Gemelo& g, std::ostream* out)
{
    *out << g.ventana;
}

class GruposProductosTest : public OperationDb, public ::testing::WithParamInterface<Gemelo> {
protected:
    void SetUp() override
    {
        OperationDb::SetUp();
        db.execute(QStringLiteral("INSERT INTO Producto (ID_Producto, Nombre_Completo) VALUES "
                                  "(10, 'TACO'), (11, 'SOPA'), (12, 'FLAN')"));
    }
    QString sql(const char* texto) const
    {
        const Gemelo& g = GetParam();
        return QString::fromUtf8(texto)
            .replace(QLatin1String("{tabla}"), QLatin1String(g.tabla))
            .replace(QLatin1String("{miembros}"), QLatin1String(g.miembros))
            .replace(QLatin1String("{llave}"), QLatin1String(g.llave))
            .replace(QLatin1String("{regla}"), QLatin1String(g.columnaRegla));
    }
    bool abreVentana()
    {
        return abre(QLatin1String(GetParam().item), QLatin1String(GetParam().ventana)) != nullptr;
    }
    QLineEdit* TxtNombre() const { return control<QLineEdit>(QStringLiteral("TxtNombre")); }
    grid::Grid* sprProductos() const { return control<grid::Grid>(QStringLiteral("sprProductos")); }
    QStringList grupos() { return filas(sql("SELECT * FROM {tabla} ORDER BY 1")); }
    QStringList miembros() { return filas(sql("SELECT {llave}, ID_Producto FROM {miembros} ORDER BY 1, 2")); }
    QStringList claves() const
    {
        QStringList out;
        for (int r = 1; r <= sprProductos()->rowCount(); ++r)
            out << sprProductos()->text(r, 1);
        return out;
    }
};

TEST_P(GruposProductosTest, EveryProductThatCanBeStoredIsAndARefusalIsSaidOnce)
{
    db.execute(sql("INSERT INTO {tabla} VALUES (7, 'BEBIDAS')"));
    ASSERT_TRUE(abreVentana());
    pulsa(Qt::Key_Insert);
    teclea(TxtNombre(), QStringLiteral("postres"));
    escribeClaves(sprProductos(), {QStringLiteral("10"), QStringLiteral("10"), QStringLiteral("11"), QString()});
    pulsa(Qt::Key_F5);
    ASSERT_EQ(boxes.texts(), QStringList{QStringLiteral("ERROR TRANSACCIÓN TERMINADA")});
    EXPECT_EQ(boxes.boxes().first().icon(), ui::Exclamation);
    EXPECT_FALSE(ventanaAbierta->Formas().Edicion());
    EXPECT_EQ(grupos(), (QStringList{QStringLiteral("7|BEBIDAS"), QStringLiteral("8|POSTRES")}));
    EXPECT_EQ(miembros(), (QStringList{QStringLiteral("8|10"), QStringLiteral("8|11")}));
    EXPECT_EQ(control<QLineEdit>(QStringLiteral("txtId"))->text(), QStringLiteral("8"));
    EXPECT_EQ(claves(), (QStringList{QStringLiteral("10"), QStringLiteral("11")}));

    boxes.clear();
    TxtNombre()->setFocus();
    pulsa(Qt::Key_Insert);
    teclea(TxtNombre(), QStringLiteral("bebidas"));
    escribeClaves(sprProductos(), {QStringLiteral("12")});
    pulsa(Qt::Key_F5);
    ASSERT_EQ(boxes.texts(), QStringList{QString::fromUtf8(GetParam().repetido)});
    EXPECT_EQ(boxes.boxes().first().caption, QString::fromUtf8(GetParam().titulo));
    EXPECT_TRUE(ventanaAbierta->Formas().Edicion());
    EXPECT_EQ(grupos().size(), 2);
    EXPECT_EQ(miembros().size(), 2);
}

TEST_P(GruposProductosTest, RowsLeftWithoutAProductAreDroppedWithoutAMessage)
{
    ASSERT_TRUE(abreVentana());
    pulsa(Qt::Key_Insert);
    teclea(TxtNombre(), QStringLiteral("sin productos"));
    escribeClaves(sprProductos(), {QString()});
    pulsa(Qt::Key_F5);
    EXPECT_TRUE(boxes.boxes().isEmpty()) << boxes.texts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(grupos(), QStringList{QStringLiteral("1|SIN PRODUCTOS")});
    EXPECT_EQ(miembros(), QStringList());

    // Empty rows between and after the products of a change.
    TxtNombre()->setFocus();
    pulsa(Qt::Key_F6);
    escribeClaves(sprProductos(), {QString(), QStringLiteral("12"), QString(), QStringLiteral("10"), QString()});
    pulsa(Qt::Key_F5);
    EXPECT_TRUE(boxes.boxes().isEmpty()) << boxes.texts().join(QLatin1Char('|')).toStdString();
    EXPECT_FALSE(ventanaAbierta->Formas().Edicion());
    EXPECT_EQ(miembros(), (QStringList{QStringLiteral("1|10"), QStringLiteral("1|12")}));
    EXPECT_EQ(sprProductos()->rowCount(), 2);
}

TEST_P(GruposProductosTest, AGroupARuleUsesStaysWithItsProducts)
{
    db.execute(sql("INSERT INTO {tabla} VALUES (1, 'BEBIDAS'), (2, 'POSTRES')"));
    db.execute(sql("INSERT INTO {miembros} VALUES (1, 10), (1, 11), (2, 12)"));
    db.execute(QStringLiteral("INSERT INTO Promocion (ID_Promocion, Nombre_Promocion) VALUES (1, '2X1')"));
    db.execute(sql("INSERT INTO Detalle_Promocion (ID_Promocion, {regla}) VALUES (1, 1)"));
    ASSERT_TRUE(abreVentana());
    pulsa(Qt::Key_Delete);
    ASSERT_EQ(boxes.texts().size(), 2);
    EXPECT_EQ(boxes.texts().at(1),
              QStringLiteral("No se puede borrar este registro por estar en uso en la tabla Detalle_Promocion"));
    EXPECT_FALSE(g_ClsAdo().conexion().inTransaction());
    EXPECT_EQ(miembros(), (QStringList{QStringLiteral("1|10"), QStringLiteral("1|11"), QStringLiteral("2|12")}));
    EXPECT_EQ(claves(), (QStringList{QStringLiteral("10"), QStringLiteral("11")}));

    ventanaAbierta->BotonUltimoRegistro();
    pulsa(Qt::Key_Delete);
    EXPECT_EQ(grupos(), QStringList{QStringLiteral("1|BEBIDAS")});
    EXPECT_EQ(miembros(), (QStringList{QStringLiteral("1|10"), QStringLiteral("1|11")}));
}

INSTANTIATE_TEST_SUITE_P(
    Gemelos, GruposProductosTest,
    ::testing::Values(Gemelo{"mnuOpGpoPromocional", "OpGpoPromocional", "Grupos Promocionales", "Grupo_Promocional",
                             "Detalle_Gpo_Promocional", "ID_Grupo_Promocional",
                             "Ya existe el nombre del grupo promocional", "ID_Grupo_Promocional"},
                      Gemelo{"mnuOpGpoObsequios", "OpGpoObsequios", "Grupo Obsequios", "Grupo_Obsequios",
                             "Detalle_Gpo_Obsequios", "ID_Grupo_Obsequio", "Ya existe el nombre del grupo obsequios",
                             "ID_Grupo_Obsequios"}),
    [](const ::testing::TestParamInfo<Gemelo>& info) { return std::string(info.param.ventana); });

} // namespace
