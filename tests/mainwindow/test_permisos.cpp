#include "mainwindow_fixture.h"

#include "mainwindow/login_state.h"
#include "mainwindow/mdi_principal.h"
#include "foundation/forms/menu_commands.h"
#include "mainwindow/permisos.h"

#include <QAction>

namespace {

QStringList sortedNames(const QString& cache)
{
    QStringList names = cache.split(QLatin1Char('|'), Qt::SkipEmptyParts);
    names.sort();
    return names;
}

} // namespace

TEST(TienePermiso, AnswersOnlyForTheExactNameBetweenBars)
{
    g_sPermisos.clear();
    EXPECT_FALSE(TienePermiso(QStringLiteral("OPERACION")));
    EXPECT_FALSE(TienePermiso(QString()));

    g_sPermisos = QStringLiteral("|SUBMENU|Reportes|ADMIN |");
    EXPECT_TRUE(TienePermiso(QStringLiteral("SUBMENU")));
    EXPECT_FALSE(TienePermiso(QStringLiteral("MENU")));
    EXPECT_FALSE(TienePermiso(QStringLiteral("REPORTES")));
    EXPECT_FALSE(TienePermiso(QStringLiteral("ADMIN")));
    EXPECT_TRUE(TienePermiso(QStringLiteral("ADMIN ")));

    g_sPermisos = QStringLiteral("|");
    EXPECT_FALSE(TienePermiso(QStringLiteral("OPERACION")));
    g_sPermisos.clear();
}

class Rights : public MainWindowDb {};

TEST_F(Rights, OnlyActiveGroupsOfTheEmployeeGrantRights)
{
    addEmployee(7, QStringLiteral("CAJERO"), QStringLiteral("X"));
    addEmployee(8, QStringLiteral("OTRO"), QStringLiteral("X"));
    const int caja = addGroup(QStringLiteral("CAJA"), true, {QStringLiteral("OPERACION"), QStringLiteral("CATEGORIAS")});
    const int viejo = addGroup(QStringLiteral("VIEJO"), false, {QStringLiteral("REPORTES")});
    const int admin = addGroup(QStringLiteral("ADMINS"), true, {QStringLiteral("ADMIN"), QStringLiteral("OPERACION")});
    join(7, caja);
    join(7, viejo);
    join(8, admin);

    g_IdEmpleado = 7;
    CargaPermisos();
    EXPECT_TRUE(g_sPermisos.startsWith(QLatin1Char('|')) && g_sPermisos.endsWith(QLatin1Char('|')));
    EXPECT_EQ(sortedNames(g_sPermisos), QStringList({"CATEGORIAS", "OPERACION"}));
    EXPECT_FALSE(TienePermiso(QStringLiteral("REPORTES")));
    EXPECT_FALSE(TienePermiso(QStringLiteral("ADMIN")));

    // A name granted twice is kept twice.
    join(7, admin);
    CargaPermisos();
    EXPECT_EQ(sortedNames(g_sPermisos), QStringList({"ADMIN", "CATEGORIAS", "OPERACION", "OPERACION"}));
}

TEST_F(Rights, NoGroupsOrUnreadableRightsMeanNoRights)
{
    addEmployee(7, QStringLiteral("CAJERO"), QStringLiteral("X"));
    g_IdEmpleado = 7;
    CargaPermisos();
    EXPECT_EQ(g_sPermisos, QStringLiteral("|"));

    join(7, addGroup(QStringLiteral("CAJA"), true, {QStringLiteral("OPERACION")}));
    db.execute(QStringLiteral("ALTER TABLE Permisos RENAME TO PermisosAparte"));
    CargaPermisos();
    EXPECT_EQ(g_sPermisos, QStringLiteral("|"));
}

class Menus : public MainWindowDb {
protected:
    void openWith(const QStringList& permissions)
    {
        addEmployee(7, QStringLiteral("CAJERO"), QStringLiteral("X"));
        if (!permissions.isEmpty())
            join(7, addGroup(QStringLiteral("PRUEBA"), true, permissions));
        openMain(7);
    }
    bool shown(const char* item) { return main->menuItem(QString::fromUtf8(item))->isVisible(); }
};

TEST_F(Menus, WithoutRightsOnlyTheItemsForEveryoneShow)
{
    openWith({});
    EXPECT_EQ(visibleItems(QStringLiteral("mnuArchivo")), QStringList({"mnuArSalir"}));
    EXPECT_FALSE(shown("mnuEditar"));
    EXPECT_FALSE(shown("mnuOperacion"));
    EXPECT_FALSE(shown("mnuProRep"));
    EXPECT_EQ(visibleItems(QStringLiteral("MnuVentana")),
              QStringList({"MnuVeArIconos", "mnuVehorizontal", "mnuVeVertical", "mnuVeCascada"}));
    EXPECT_EQ(visibleItems(QStringLiteral("mnuUtilerias")), QStringList({"mnuVeTapiz", "mnuLimTapiz", "mnuUtlProcesos"}));
    EXPECT_EQ(visibleItems(QStringLiteral("mnuUtlProcesos")), QStringList({"mnuDesfirmar"}));
    EXPECT_EQ(visibleItems(QStringLiteral("mnuAyuda")), QStringList({"mnuAyAcerca"}));
    EXPECT_FALSE(shown("mnuSpread"));
}

TEST_F(Menus, OperacionAloneShowsTheUntouchedItemsAndItsForcedOnes)
{
    openWith({QStringLiteral("OPERACION")});
    EXPECT_TRUE(shown("mnuOperacion"));
    EXPECT_EQ(visibleItems(QStringLiteral("mnuOperacion")),
              QStringList({"mnuOpGpoPromocional", "mnuOpModosDePreparacion", "mnuOpProductos", "mnuOpPromociones",
                           "mnuOpTipoImpuesto"}));
    EXPECT_EQ(visibleItems(QStringLiteral("mnuArchivo")), QStringList({"mnuAbrirScript", "mnuArSalir"}));
    EXPECT_EQ(visibleItems(QStringLiteral("mnuUtilerias")),
              QStringList({"mnuEjecutar", "mnuVeTapiz", "mnuLimTapiz", "mnuUtlProcesos"}));
    EXPECT_EQ(visibleItems(QStringLiteral("mnuUtlProcesos")), QStringList({"mnuBorrarCola", "mnuDesfirmar", "mnuBorrarDatos"}));
    EXPECT_FALSE(shown("mnuProRep"));
}

TEST_F(Menus, ItemKeysCountOnlyInsideTheirGrantedGroup)
{
    openWith({QStringLiteral("CATEGORIAS"), QStringLiteral("GRUPOSIMPRESORAS"), QStringLiteral("MENSAJES")});
    EXPECT_FALSE(shown("mnuOperacion"));
    EXPECT_FALSE(shown("mnuUtlConfiguracion"));
    EXPECT_TRUE(shown("mnuUtlMensajes"));
    EXPECT_FALSE(shown("mnuParametros"));
}

TEST_F(Menus, ReportesAloneShowsTheUntouchedReportsAndBothComparisons)
{
    openWith({QStringLiteral("REPORTES")});
    EXPECT_EQ(visibleItems(QStringLiteral("mnuProRep")),
              QStringList({"mnuNomina", "mnuCorPrincipal", "mnuProRepCuentas", "mnuRepDetPagos", "sep",
                           "mnuRepCompEmpleado", "mnuRepCompCategoria"}));
    EXPECT_EQ(visibleItems(QStringLiteral("mnuNomina")), QStringList({"mnuHorasEmpleado", "mnuDetHoras", "mnuResumenHoras"}));
    EXPECT_EQ(visibleItems(QStringLiteral("mnuCorPrincipal")), QStringList({"mnuProRepCortesias", "mnuGoldCard", "mnuResumenGoldCard"}));
}

TEST_F(Menus, EveryRightShowsEverythingButTheItemsNothingShows)
{
    QStringList all;
    for (adodb::Recordset rs = db.execute(QStringLiteral("SELECT Nombre_Permiso FROM Permisos")); !rs.eof(); rs.moveNext())
        all << rs.value(QStringLiteral("Nombre_Permiso")).toString();
    ASSERT_EQ(all.size(), 28);
    MenuCommands::add(QStringLiteral("mnuUtlProcFin"), [] {});
    openWith(all);
    EXPECT_EQ(visibleItems(QStringLiteral("mnuOperacion")).size(), 15);
    EXPECT_EQ(visibleItems(QStringLiteral("mnuProRep")),
              QStringList({"mnuNomina", "mnuRepAnulacion", "mnuCorPrincipal", "mnuProRepCuentas", "mnuRepDetPagos",
                           "mnuProRepEspeciales", "mnuProRepLista", "mnuRepPagos", "mnuRepPMIX", "mnuRepVentas", "sep",
                           "mnuRepCompEmpleado", "mnuRepCompCategoria", "mnuRepCompArticulos"}));
    EXPECT_EQ(visibleItems(QStringLiteral("mnuUtilerias")),
              QStringList({"mnuEjecutar", "mnuUtlAdministracion", "mnuVeTapiz", "mnuUtlConfiguracion", "mnuLimTapiz",
                           "mnuUtlMensajes", "mnuParametros", "mnuUtlProcesos"}));
    EXPECT_EQ(visibleItems(QStringLiteral("mnuUtlAdministracion")),
              QStringList({"mnuUtlAdFunxgrp", "mnuUtlAdGrupos", "mnuUtlAdUsr", "mnuEmpresas", "mnuDepartamentos"}));
    EXPECT_EQ(visibleItems(QStringLiteral("mnuUtlConfiguracion")),
              QStringList({"mnuFunciones", "mnuUtlConfGposImpresoras", "mnuUtlConfImpresoras", "mnuTerminal"}));
    EXPECT_EQ(visibleItems(QStringLiteral("mnuUtlProcesos")),
              QStringList({"mnuUtlProcFin", "mnuBorrarCola", "mnuDesfirmar", "mnuBorrarDatos"}));
    for (const char* never : {"mnuRepProp", "mnuUtlContraseña", "mnuBorrarDia", "mnuSprMod",
                              "mnuEditar", "mnuArImprimir", "mnuArcPreview", "mnuArCerrar"})
        EXPECT_FALSE(shown(never)) << never;
}

// "&Fin día" is for holders of ADMIN, and only once the program can run it.
TEST_F(Menus, TheEndOfDayShowsForAdministratorsWhereItCanRun)
{
    struct Case {
        QStringList rights;
        bool registered;
        bool shownExpected;
    };
    const Case cases[] = {
        {{QStringLiteral("ADMIN")}, true, true},
        {{QStringLiteral("OPERACION"), QStringLiteral("CONFIGURACION")}, true, false},
        {{QStringLiteral("ADMIN")}, false, false},
    };
    for (const Case& c : cases) {
        MenuCommands::clear();
        if (c.registered)
            MenuCommands::add(QStringLiteral("mnuUtlProcFin"), [] {});
        db.execute(QStringLiteral("DELETE FROM EmpleadosXGrupo; DELETE FROM PermisosXGrupo_Trabajo; "
                                  "DELETE FROM Grupo_Trabajo; DELETE FROM Empleado"));
        delete main.data();
        openWith(c.rights);
        EXPECT_EQ(shown("mnuUtlProcFin"), c.shownExpected) << c.rights.join(QLatin1Char(',')).toStdString();
    }
}
