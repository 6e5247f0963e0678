// Tax types and their dated percentages, driven through the real main window.
#include "catalog/catalog_window.h"
#include "foundation/database/cls_ado.h"
#include "foundation/dialogs/frm_cat_filtro.h"
#include "mainwindow/mdi_principal.h"
#include "platform/grid/grid.h"
#include "tests/catalog/catalog_fixture.h"
#include "tests/foundation/dialogs/filtro_abierto.h"
#include "tests/foundation/forms/typing.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

namespace {

const QString kIncompletos = QStringLiteral("Datos de porcentajes incompletos");
const QString kFechas = QStringLiteral("La fecha final no puede ser anterior a la fecha inicial");
const QString kMismoInicio = QStringLiteral("Hay dos porcentajes con la misma fecha de inicio");

class ImpuestosTest : public CatalogDb {
protected:
    bool abreVentana() { return abre(QStringLiteral("mnuOpTipoImpuesto"), QStringLiteral("OpTipoImpuestos")); }
    CatalogWindow* w() const { return qobject_cast<CatalogWindow*>(ventanaAbierta); }
    QLineEdit* TxtNombre() const { return control<QLineEdit>(QStringLiteral("TxtNombre")); }
    grid::Grid* g() const { return control<grid::Grid>(QStringLiteral("sprPorcentajes")); }
    QString estado(int row) const { return w()->detalles().first()->rowState(row); }
    // Appends a row and types its start, end and percentage ("" leaves a cell empty).
    void tasa(const QString& inicio, const QString& final_, const QString& porcentaje)
    {
        teclaEnGrid(g(), Qt::Key_Insert);
        const int row = g()->rowCount();
        const QString textos[] = {inicio, final_, porcentaje};
        for (int c = 0; c < 3; ++c)
            if (!textos[c].isEmpty())
                escribeCelda(g(), row, c + 2, textos[c]);
    }
        // The dates as the table holds them.
    QStringList tasas()
    {
        return filas(QStringLiteral("SELECT ID_Tipo_Impuesto, CAST(Fecha_Inicio_Impuesto AS TEXT), "
                                    "CAST(Fecha_Fin_Impuesto AS TEXT), Porcentaje FROM PorcentajeXTipo_Impuesto "
                                    "ORDER BY 1, 2"));
    }
    QStringList visibles(int column) const
    {
        QStringList out;
        for (int r = 1; r <= g()->rowCount(); ++r)
            if (!g()->isRowHidden(r))
                out << g()->text(r, column);
        return out;
    }
    void ivaConDosTasas()
    {
        db.execute(QStringLiteral("INSERT INTO Tipos_Impuesto VALUES (1, 'IVA', 1)"));
        db.execute(QStringLiteral("INSERT INTO PorcentajeXTipo_Impuesto VALUES "
                                  "(1, '2005-01-01 00:00:00', NULL, 0.15), (1, '2006-01-01 00:00:00', NULL, 0.16)"));
    }
};

TEST_F(ImpuestosTest, TheWindowShowsItsCaptionsAndOnlyTheDatesAndPercentageOfEachRate)
{
    ASSERT_TRUE(abreVentana());
    EXPECT_EQ(ventanaAbierta->windowTitle(), QStringLiteral("Tipo de Impuestos"));
    QStringList etiquetas;
    for (QLabel* l : ventanaAbierta->findChildren<QLabel*>())
        etiquetas << l->text();
    EXPECT_TRUE(etiquetas.contains(QStringLiteral("Id Tipo:")));
    EXPECT_TRUE(etiquetas.contains(QStringLiteral("Nombre:")));
    EXPECT_EQ(control<QCheckBox>(QStringLiteral("chkActivo"))->text(), QStringLiteral("Activo:"));
    EXPECT_EQ(TxtNombre()->maxLength(), 25);
    QStringList titulos;
    QStringList vistas;
    for (int c = 1; c <= g()->columnCount(); ++c) {
        titulos << g()->text(0, c);
        if (!g()->isColumnHidden(c))
            vistas << g()->text(0, c);
    }
    EXPECT_EQ(titulos, (QStringList{QStringLiteral("ID"), QStringLiteral("Inicio"), QStringLiteral("Final"),
                                    QStringLiteral("Porcentaje"), QStringLiteral("Modificación"),
                                    QStringLiteral("Iniciocve")}));
    EXPECT_EQ(vistas, (QStringList{QStringLiteral("Inicio"), QStringLiteral("Final"), QStringLiteral("Porcentaje")}));
}

TEST_F(ImpuestosTest, ANewTypeStoresItsRatesAsFractionsAndNoEndAsNull)
{
    ASSERT_TRUE(abreVentana());
    pulsa(Qt::Key_Insert);
    EXPECT_TRUE(control<QCheckBox>(QStringLiteral("chkActivo"))->isChecked());
    teclea(TxtNombre(), QStringLiteral("iva"));
    teclaEnGrid(g(), Qt::Key_Insert);
    ASSERT_EQ(g()->rowCount(), 1);
    EXPECT_EQ(g()->activeRow(), 1);
    EXPECT_EQ(g()->activeColumn(), 2);
    EXPECT_EQ(estado(1), QStringLiteral("N"));
    escribeCelda(g(), 1, 2, QStringLiteral("01/01/2005"));
    escribeCelda(g(), 1, 4, QStringLiteral("15"));
    tasa(QStringLiteral("01/01/2006"), QStringLiteral("31/12/2006"), QStringLiteral("16.5"));
    pulsa(Qt::Key_F5);
    EXPECT_TRUE(boxes.boxes().isEmpty()) << boxes.texts().join(QLatin1Char('|')).toStdString();
    EXPECT_FALSE(ventanaAbierta->Formas().Edicion());
    EXPECT_EQ(filas(QStringLiteral("SELECT * FROM Tipos_Impuesto")), QStringList{QStringLiteral("1|IVA|1")});
    EXPECT_EQ(tasas(), (QStringList{QStringLiteral("1|2005-01-01 00:00:00|NULL|0.15"),
                                    QStringLiteral("1|2006-01-01 00:00:00|2006-12-31 00:00:00|0.165")}));
    EXPECT_EQ(visibles(2), (QStringList{QStringLiteral("01/01/2005"), QStringLiteral("01/01/2006")}));
    EXPECT_EQ(visibles(3), (QStringList{QString(), QStringLiteral("31/12/2006")}));
    EXPECT_EQ(visibles(4), (QStringList{QStringLiteral("15.00"), QStringLiteral("16.50")}));
    EXPECT_TRUE(g()->isProtected());
}

TEST_F(ImpuestosTest, TheRowCheckRefusesTheSaveBeforeAnythingIsWritten)
{
    struct Fila {
        const char* inicio;
        const char* final_;
        const char* porcentaje;
    };
    const struct {
        const char* caso;
        QList<Fila> filas;
        QString mensaje;  // empty: stored
    } casos[] = {
        {"EndBeforeStart", {{"01/01/2005", "31/12/2004", "15"}}, kFechas},
        {"NoStart", {{"", "31/12/2005", "15"}}, kIncompletos},
        {"NoPercentage", {{"01/01/2005", "", ""}}, kIncompletos},
        {"OneStartTwice", {{"01/01/2005", "", "15"}, {"01/01/2006", "", "16"}, {"01/01/2005", "", "10"}}, kMismoInicio},
        {"EndOnTheStartDay", {{"01/01/2005", "01/01/2005", "15"}, {"01/01/2004", "31/12/2006", "0"}}, QString()},
    };
    ASSERT_TRUE(abreVentana());
    for (const auto& c : casos) {
        boxes.clear();
        TxtNombre()->setFocus();
        pulsa(Qt::Key_Insert);
        teclea(TxtNombre(), QLatin1String(c.caso));
        for (const Fila& f : c.filas)
            tasa(QLatin1String(f.inicio), QLatin1String(f.final_), QLatin1String(f.porcentaje));
        pulsa(Qt::Key_F5);
        if (c.mensaje.isEmpty()) {
            EXPECT_TRUE(boxes.boxes().isEmpty()) << c.caso;
            EXPECT_EQ(cuenta(QStringLiteral("PorcentajeXTipo_Impuesto")), 2) << c.caso;
            continue;
        }
        EXPECT_EQ(boxes.texts(), QStringList{c.mensaje}) << c.caso;
        EXPECT_TRUE(ventanaAbierta->Formas().Edicion()) << c.caso;
        EXPECT_EQ(g()->rowCount(), c.filas.size()) << c.caso;
        EXPECT_EQ(cuenta(QStringLiteral("Tipos_Impuesto")), 0) << c.caso;
        EXPECT_EQ(cuenta(QStringLiteral("PorcentajeXTipo_Impuesto")), 0) << c.caso;
        TxtNombre()->setFocus();
        pulsa(Qt::Key_Escape);
    }
}

TEST_F(ImpuestosTest, StoredRatesAfterAChangeAreTheVisibleRowsWhateverTheirStartDays)
{
    ivaConDosTasas();
    db.execute(QStringLiteral("CREATE TABLE Escrituras (n INTEGER)"));
    for (const char* que : {"INSERT", "UPDATE", "DELETE"})
        db.execute(QStringLiteral("CREATE TRIGGER anota_%1 AFTER %1 ON PorcentajeXTipo_Impuesto BEGIN "
                                  "INSERT INTO Escrituras VALUES (1); END")
                       .arg(QLatin1String(que)));
    ASSERT_TRUE(abreVentana());
    ASSERT_EQ(visibles(4), (QStringList{QStringLiteral("15.00"), QStringLiteral("16.00")}));

    // A name-only change writes no rate.
    pulsa(Qt::Key_F6);
    reemplaza(TxtNombre(), QStringLiteral("iva general"));
    pulsa(Qt::Key_F5);
    EXPECT_EQ(scalar(QStringLiteral("SELECT Nombre_Tipo_Impuesto FROM Tipos_Impuesto")).toString(),
              QStringLiteral("IVA GENERAL"));
    EXPECT_EQ(cuenta(QStringLiteral("Escrituras")), 0);

    // The start days swapped.
    TxtNombre()->setFocus();
    pulsa(Qt::Key_F6);
    escribeCelda(g(), 1, 2, QStringLiteral("01/01/2006"));
    escribeCelda(g(), 2, 2, QStringLiteral("01/01/2005"));
    EXPECT_EQ(estado(1), QStringLiteral("M"));
    pulsa(Qt::Key_F5);
    EXPECT_TRUE(boxes.boxes().isEmpty()) << boxes.texts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(tasas(), (QStringList{QStringLiteral("1|2005-01-01 00:00:00|NULL|0.16"),
                                    QStringLiteral("1|2006-01-01 00:00:00|NULL|0.15")}));

    // A stored rate deleted and its day given again to a new one.
    TxtNombre()->setFocus();
    pulsa(Qt::Key_F6);
    g()->setActiveCell(2, 2);
    teclaEnGrid(g(), Qt::Key_Delete);
    tasa(QStringLiteral("01/01/2006"), QString(), QStringLiteral("20"));
    pulsa(Qt::Key_F5);
    EXPECT_TRUE(boxes.boxes().isEmpty()) << boxes.texts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(tasas(), (QStringList{QStringLiteral("1|2005-01-01 00:00:00|NULL|0.16"),
                                    QStringLiteral("1|2006-01-01 00:00:00|NULL|0.2")}));
    EXPECT_EQ(visibles(4), (QStringList{QStringLiteral("16.00"), QStringLiteral("20.00")}));
}

TEST_F(ImpuestosTest, DeleteDropsANewRateAtOnceAndHidesAStoredOneUntilCancel)
{
    ivaConDosTasas();
    ASSERT_TRUE(abreVentana());
    pulsa(Qt::Key_F6);
    // The grid's pop-up menu acts as Insert: a new row with the cursor on its start.
    main->menuItem(QStringLiteral("mnuSprNuevo"))->trigger();
    ASSERT_EQ(g()->rowCount(), 3);
    EXPECT_EQ(g()->activeColumn(), 2);
    teclaEnGrid(g(), Qt::Key_Delete);
    EXPECT_EQ(g()->rowCount(), 2);
    g()->setActiveCell(1, 4);
    teclaEnGrid(g(), Qt::Key_Delete);
    EXPECT_EQ(estado(1), QStringLiteral("B"));
    EXPECT_EQ(visibles(2), QStringList{QStringLiteral("01/01/2006")});
    pulsa(Qt::Key_Escape);
    EXPECT_EQ(visibles(2), (QStringList{QStringLiteral("01/01/2005"), QStringLiteral("01/01/2006")}));
    EXPECT_EQ(cuenta(QStringLiteral("PorcentajeXTipo_Impuesto")), 2);
}

TEST_F(ImpuestosTest, DeletingATypeRemovesItsRatesAndProductLinksOrNothing)
{
    ivaConDosTasas();
    db.execute(QStringLiteral("INSERT INTO Tipos_Impuesto VALUES (2, 'IEPS', 1)"));
    db.execute(QStringLiteral("INSERT INTO PorcentajeXTipo_Impuesto VALUES (2, '2005-01-01 00:00:00', NULL, 0.08)"));
    db.execute(QStringLiteral("INSERT INTO Producto (ID_Producto, Nombre_Completo) VALUES (1, 'TACOS')"));
    db.execute(QStringLiteral("INSERT INTO ImpuestosXProducto VALUES (1, 1, 1), (2, 1, 0)"));
    db.execute(QStringLiteral("CREATE TRIGGER bloquea BEFORE DELETE ON Tipos_Impuesto WHEN OLD.ID_Tipo_Impuesto = 2 "
                              "BEGIN SELECT RAISE(ABORT, 'no'); END"));
    ASSERT_TRUE(abreVentana());
    pulsa(Qt::Key_End);
    pulsa(Qt::Key_Delete);
    EXPECT_EQ(boxes.texts().size(), 2);
    EXPECT_EQ(cuenta(QStringLiteral("Tipos_Impuesto")), 2);
    EXPECT_EQ(cuenta(QStringLiteral("PorcentajeXTipo_Impuesto")), 3);
    EXPECT_EQ(cuenta(QStringLiteral("ImpuestosXProducto")), 2);
    EXPECT_FALSE(g_ClsAdo().conexion().inTransaction());

    pulsa(Qt::Key_Home);
    pulsa(Qt::Key_Delete);
    EXPECT_EQ(filas(QStringLiteral("SELECT * FROM Tipos_Impuesto")), QStringList{QStringLiteral("2|IEPS|1")});
    EXPECT_EQ(tasas(), QStringList{QStringLiteral("2|2005-01-01 00:00:00|NULL|0.08")});
    EXPECT_EQ(filas(QStringLiteral("SELECT ID_Tipo_Impuesto FROM ImpuestosXProducto")), QStringList{QStringLiteral("2")});
    EXPECT_EQ(visibles(4), QStringList{QStringLiteral("8.00")});
}

TEST_F(ImpuestosTest, TheFilterListsEachTypeOncePerRateAndNoTypeWithoutRates)
{
    ivaConDosTasas();
    db.execute(QStringLiteral("INSERT INTO Tipos_Impuesto VALUES (2, 'EXENTO', 1)"));
    ASSERT_TRUE(abreVentana());
    QStringList columnas;
    QStringList nombres;
    alAbrirFiltro([&](FrmCatFiltro* filtro) {
        columnas = textos(filtro->LstCampos);
        filtro->CmdSelecciionarTodos->click();
        filtro->CmdEjecutar->click();
        adodb::Recordset r = filtro->resultado();
        for (; r.isOpen() && !r.eof(); r.moveNext())
            nombres << r.value(QStringLiteral("Nombre_Tipo_Impuesto")).toString();
    });
    ASSERT_TRUE(click(18));
    EXPECT_EQ(columnas, (QStringList{QStringLiteral("Id Tipo"), QStringLiteral("Nombre"), QStringLiteral("Activo"),
                                     QStringLiteral("Fecha Inicio"), QStringLiteral("Fecha Fin")}));
    EXPECT_EQ(nombres, (QStringList{QStringLiteral("IVA"), QStringLiteral("IVA")}));
}

TEST_F(ImpuestosTest, RatesThatCannotBeReadLeaveTheGridEmpty)
{
    ivaConDosTasas();
    db.execute(QStringLiteral("ALTER TABLE PorcentajeXTipo_Impuesto RENAME TO Otra"));
    ASSERT_TRUE(abreVentana());
    EXPECT_EQ(TxtNombre()->text(), QStringLiteral("IVA"));
    EXPECT_EQ(g()->rowCount(), 0);
    pulsa(Qt::Key_F6);
    pulsa(Qt::Key_Escape);
    EXPECT_EQ(g()->rowCount(), 0);
}

} // namespace
