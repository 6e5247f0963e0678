#include "foundation/database/cls_ado.h"
#include "foundation/dialogs/frm_cat_filtro.h"
#include "tests/foundation/dialogs/filtro_abierto.h"
#include "foundation/forms/controls.h"
#include "foundation/forms/frm_busqueda.h"
#include "foundation/forms/window_registry.h"
#include "mainwindow/admin/frm_funxgrupo.h"
#include "mainwindow/admin/ventanas_administracion.h"
#include "mainwindow/mdi_principal.h"
#include "mainwindow/permisos.h"
#include "platform/ui/input_box.h"
#include "tests/foundation/forms/typing.h"
#include "tests/mainwindow/grid_user.h"
#include "tests/mainwindow/mainwindow_fixture.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTimer>

namespace {

const QString kNoDisponible = QStringLiteral("Función no disponible en este catálogo");

// Every permission name, in name order.
const QStringList kTodos{"ADMIN",          "CATEGORIAS",      "CONFIGURACION",     "CORTESIAS",     "EMPLEADOS",
                         "GPOOBSEQUIOS",   "GRUPOSIMPRESORAS", "GRUPOSMODIFICADORES", "GRUPOSTRABAJO", "IMPRESORAS",
                         "MENSAJES",       "MENU",            "MODIFICADORES",     "OPERACION",     "PAQUETES",
                         "PARAMETROS",     "PERMISOSXGRUPO",  "REPANULACION",      "REPARTICULOSXEMPL",
                         "REPESPECIALES",  "REPLISTADEPRECIOS", "REPORTES",        "REPPAGOS",      "REPPMIX",
                         "REPVENTAS",      "SUBMENU",         "TIPOSDEANULACION",  "TIPOSDEPAGO"};

// The window opened from the real main window's menu by a member of the administrators' group
// (group 1, every permission); group 2, "CAJA", holds none.
class PermisosXGrupo : public MainWindowDb {
protected:
    void SetUp() override
    {
        MainWindowDb::SetUp();
        addEmployee(1, QStringLiteral("ADMIN"), QStringLiteral("ADMIN"), QStringLiteral("A"), 0, true);
        join(1, 1);
        caja = addGroup(QStringLiteral("CAJA"), true, {});
        registraVentanasAdministracion();
        openMain(1);
        ASSERT_TRUE(muestraActiva(main));
        main->menuItem(QStringLiteral("mnuUtlAdFunxgrp"))->trigger();
        ventana = qobject_cast<FrmFunXGrupo*>(WindowRegistry::find(QStringLiteral("FrmFunXGrupo")));
        ASSERT_NE(ventana, nullptr);
    }
    void TearDown() override
    {
        if (FrmBusqueda* abierta = FrmBusqueda::instancia())
            abierta->Cierra();
        MainWindowDb::TearDown();
    }

    template <typename T = QWidget>
    T* control(const char* nombre) const { return ventana->findChild<T*>(QLatin1String(nombre)); }
    grid::Grid* disponibles() const { return control<grid::Grid>("sprFunciones"); }
    grid::Grid* asignadas() const { return control<grid::Grid>("sprFuncionesXGrupo"); }
    QPushButton* agregar() const { return control<QPushButton>("cmdAgregar"); }
    QPushButton* quitar() const { return control<QPushButton>("cmdQuitar"); }
    QLineEdit* txtGrupoId() const { return control<QLineEdit>("txtGrupoId"); }
    QStringList nombres(const grid::Grid* lista) const { return columnTexts(lista, 2); }

    // Clicks the rows of these names in the list, in this order.
    void marca(grid::Grid* lista, const QStringList& nombresPorMarcar)
    {
        for (const QString& nombre : nombresPorMarcar) {
            const int fila = int(nombres(lista).indexOf(nombre)) + 1;
            ASSERT_GT(fila, 0) << nombre.toStdString();
            clickCell(lista, fila, 2);
        }
    }
    void vaAlGrupoCaja()
    {
        txtGrupoId()->setFocus();
        pulsa(Qt::Key_Up);
        ASSERT_EQ(txtGrupoId()->text(), QString::number(caja));
    }
    QStringList guardados(int grupo)
    {
        QStringList out;
        for (adodb::Recordset rs = db.execute(
                 QStringLiteral("SELECT Nombre_Permiso FROM PermisosXGrupo_Trabajo JOIN Permisos USING (ID_Permiso) "
                                "WHERE ID_Grupo_Trabajo=%1 ORDER BY Nombre_Permiso").arg(grupo));
             !rs.eof(); rs.moveNext())
            out << rs.value(QStringLiteral("Nombre_Permiso")).toString();
        return out;
    }
    int cuentaFilas() { return scalar(QStringLiteral("SELECT COUNT(*) FROM PermisosXGrupo_Trabajo")).toInt(); }
    bool habilitado(QAction* a) const { return a && a->isEnabled(); }
    bool nuevoOBorrarHabilitados() const
    {
        return habilitado(main->toolbarButton(1)) || habilitado(main->toolbarButton(3))
               || habilitado(main->editRecordItem(8)) || habilitado(main->editRecordItem(10));
    }

    int caja = 0;
    FrmFunXGrupo* ventana = nullptr;
};

TEST_F(PermisosXGrupo, DesignAndTheOpeningState)
{
    EXPECT_EQ(main->mdiArea()->activeSubWindow()->windowTitle(), QStringLiteral("Permisos X Grupo"));
    const QList<std::pair<const char*, const char*>> etiquetas{{"Label1", "Grupo Id:"}, {"Label3", "Grupo:"},
                                                               {"Label2", "Permisos disponibles"},
                                                               {"Label4", "Permisos asignadas"}};
    for (const auto& [nombre, texto] : etiquetas) {
        ASSERT_NE(control<QLabel>(nombre), nullptr) << nombre;
        EXPECT_EQ(control<QLabel>(nombre)->text(), QString::fromUtf8(texto));
    }
    EXPECT_EQ(forms::tag(control<QLabel>("Label1")), QStringLiteral("txtGrupoId"));
    EXPECT_EQ(forms::tag(control<QLabel>("Label3")), QStringLiteral("txtGrupos"));
    EXPECT_NE(control("Frame1"), nullptr);
    EXPECT_EQ(agregar()->text(), QStringLiteral(">"));
    EXPECT_EQ(agregar()->toolTip(), QStringLiteral("Adignar una función al grupo"));
    EXPECT_EQ(quitar()->text(), QStringLiteral("<"));
    EXPECT_EQ(quitar()->toolTip(), QStringLiteral("Quitar una función al grupo"));
    for (const grid::Grid* lista : {disponibles(), asignadas()}) {
        EXPECT_EQ(lista->columnCount(), 2);
        EXPECT_EQ(lista->text(0, 1), QStringLiteral("Funcion ID"));
    }
    EXPECT_EQ(disponibles()->text(0, 2), QStringLiteral("Funcion"));
    EXPECT_EQ(asignadas()->text(0, 2), QStringLiteral("Función"));

    // Browse mode on the first group: every permission assigned, nothing to edit, no record count,
    // new and delete unavailable.
    EXPECT_EQ(txtGrupoId()->text(), QStringLiteral("1"));
    EXPECT_EQ(control<QLineEdit>("txtGrupos")->text(), QStringLiteral("ADMINISTRADORES"));
    EXPECT_EQ(nombres(asignadas()), kTodos);
    EXPECT_EQ(disponibles()->rowCount(), 0);
    EXPECT_EQ(asignadas()->text(1, 1), QStringLiteral("20"));
    for (QWidget* w : {static_cast<QWidget*>(disponibles()), static_cast<QWidget*>(asignadas()),
                       static_cast<QWidget*>(agregar()), static_cast<QWidget*>(quitar())})
        EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
    EXPECT_TRUE(txtGrupoId()->isReadOnly());
    EXPECT_TRUE(control<QLineEdit>("txtGrupos")->isReadOnly());
    EXPECT_TRUE(main->statusPanel(1).isEmpty());
    EXPECT_FALSE(nuevoOBorrarHabilitados());
    EXPECT_TRUE(main->toolbarButton(2)->isEnabled());

    // Edit mode: the lists and both buttons, the boxes still read-only; tab order through them.
    pulsa(Qt::Key_F6);
    ASSERT_TRUE(ventana->Formas().Edicion());
    EXPECT_TRUE(disponibles()->isEnabled() && asignadas()->isEnabled() && agregar()->isEnabled() && quitar()->isEnabled());
    EXPECT_TRUE(txtGrupoId()->isReadOnly());
    EXPECT_TRUE(control<QLineEdit>("txtGrupos")->isReadOnly());
    txtGrupoId()->setFocus();
    QStringList orden;
    for (int i = 0; i < 6; ++i) {
        QWidget* foco = QApplication::focusWidget();
        orden << (foco->objectName().isEmpty() ? foco->parentWidget()->objectName() : foco->objectName());
        pulsa(Qt::Key_Tab);
    }
    EXPECT_EQ(orden, (QStringList{"txtGrupoId", "txtGrupos", "sprFunciones", "cmdAgregar", "cmdQuitar",
                                  "sprFuncionesXGrupo"}));
}

TEST_F(PermisosXGrupo, ThreeRightsAcceptedReachTheMenusOfAMemberAtTheNextStart)
{
    vaAlGrupoCaja();
    EXPECT_EQ(nombres(disponibles()), kTodos);
    EXPECT_EQ(asignadas()->rowCount(), 0);
    pulsa(Qt::Key_F6);
    marca(disponibles(), {QStringLiteral("OPERACION"), QStringLiteral("CATEGORIAS"), QStringLiteral("MENU")});
    agregar()->click();
    // In the order in which they stood; the available list closes the gaps and stays in name order.
    EXPECT_EQ(nombres(asignadas()), (QStringList{"CATEGORIAS", "MENU", "OPERACION"}));
    EXPECT_EQ(columnTexts(asignadas(), 1), (QStringList{"4", "6", "1"}));
    QStringList resto = kTodos;
    for (const char* n : {"CATEGORIAS", "MENU", "OPERACION"})
        resto.removeOne(QLatin1String(n));
    EXPECT_EQ(nombres(disponibles()), resto);
    EXPECT_TRUE(disponibles()->selectedRows().isEmpty());
    EXPECT_TRUE(guardados(caja).isEmpty());

    pulsa(Qt::Key_F5);
    EXPECT_TRUE(boxes.boxes().isEmpty()) << boxes.texts().join(QLatin1Char('|')).toStdString();
    EXPECT_FALSE(ventana->Formas().Edicion());
    EXPECT_EQ(guardados(caja), (QStringList{"CATEGORIAS", "MENU", "OPERACION"}));
    EXPECT_EQ(guardados(1), kTodos);
    EXPECT_EQ(txtGrupoId()->text(), QString::number(caja));
    // Browse mode after a save: the lists can be used, the buttons cannot.
    EXPECT_TRUE(disponibles()->isEnabled() && asignadas()->isEnabled());
    EXPECT_FALSE(agregar()->isEnabled() || quitar()->isEnabled());
    EXPECT_FALSE(nuevoOBorrarHabilitados());

    // A member of the group, at the next start, sees the menus that the rights open.
    addEmployee(5, QStringLiteral("CAJERO"), QStringLiteral("X"));
    join(5, caja);
    delete main.data();
    openMain(5);
    QStringList permisos = g_sPermisos.split(QLatin1Char('|'), Qt::SkipEmptyParts);
    permisos.sort();
    EXPECT_EQ(permisos, (QStringList{"CATEGORIAS", "MENU", "OPERACION"}));
    EXPECT_TRUE(main->menuItem(QStringLiteral("mnuOperacion"))->isVisible());
    EXPECT_TRUE(main->menuItem(QStringLiteral("mnuOpCategorias"))->isVisible());
    EXPECT_TRUE(main->menuItem(QStringLiteral("mnuOpMenu"))->isVisible());
    EXPECT_FALSE(main->menuItem(QStringLiteral("mnuOPSubMenu"))->isVisible());
    EXPECT_FALSE(main->menuItem(QStringLiteral("mnuProRep"))->isVisible());
}

TEST_F(PermisosXGrupo, ReturnedRightsGoToTheEndUntilTheNextAssignSortsAndCancelRestoresTheStoredLists)
{
    pulsa(Qt::Key_F6);
    marca(asignadas(), {QStringLiteral("REPORTES"), QStringLiteral("ADMIN")});
    quitar()->click();
    EXPECT_EQ(nombres(disponibles()), (QStringList{"ADMIN", "REPORTES"}));
    EXPECT_EQ(asignadas()->rowCount(), 26);
    EXPECT_FALSE(nombres(asignadas()).contains(QStringLiteral("ADMIN")));

    marca(asignadas(), {QStringLiteral("MENU")});
    quitar()->click();
    EXPECT_EQ(nombres(disponibles()), (QStringList{"ADMIN", "REPORTES", "MENU"}));
    marca(disponibles(), {QStringLiteral("REPORTES")});
    agregar()->click();
    EXPECT_EQ(nombres(disponibles()), (QStringList{"ADMIN", "MENU"}));
    EXPECT_EQ(nombres(asignadas()).last(), QStringLiteral("REPORTES"));

    pulsa(Qt::Key_Escape);
    EXPECT_FALSE(ventana->Formas().Edicion());
    EXPECT_EQ(nombres(asignadas()), kTodos);
    EXPECT_EQ(disponibles()->rowCount(), 0);
    EXPECT_EQ(guardados(1), kTodos);
    EXPECT_TRUE(asignadas()->isEnabled());
    EXPECT_FALSE(quitar()->isEnabled());
}

TEST_F(PermisosXGrupo, AcceptingAnEmptyAssignedListTakesEveryRightFromTheGroup)
{
    pulsa(Qt::Key_F6);
    asignadas()->selectAllRows();
    quitar()->click();
    EXPECT_EQ(asignadas()->rowCount(), 0);
    pulsa(Qt::Key_F5);
    EXPECT_TRUE(guardados(1).isEmpty());
    EXPECT_EQ(nombres(disponibles()), kTodos);
}

TEST_F(PermisosXGrupo, EnterAssignsAndKeepsTheActiveRowAndLettersFindTheFirstNameFromTheTop)
{
    vaAlGrupoCaja();
    pulsa(Qt::Key_F6);
    grid::Grid* lista = disponibles();
    lista->setFocus();
    const auto letraLleva = [lista](Qt::Key tecla) {
        pulsa(tecla);
        EXPECT_EQ(lista->activeColumn(), 2);
        return lista->text(lista->activeRow(), 2);
    };
    // The first name that begins with the letter or a later one; past the end, the last row.
    EXPECT_EQ(letraLleva(Qt::Key_M), QStringLiteral("MENSAJES"));
    EXPECT_EQ(letraLleva(Qt::Key_Q), QStringLiteral("REPANULACION"));
    EXPECT_EQ(letraLleva(Qt::Key_Z), QStringLiteral("TIPOSDEPAGO"));
    EXPECT_EQ(letraLleva(Qt::Key_A), QStringLiteral("ADMIN"));

    marca(lista, {QStringLiteral("TIPOSDEANULACION"), QStringLiteral("ADMIN"), QStringLiteral("MENU")});
    const int activa = lista->activeRow();
    ASSERT_EQ(lista->text(activa, 2), QStringLiteral("MENU"));
    pulsa(Qt::Key_Return);
    EXPECT_EQ(nombres(asignadas()), (QStringList{"ADMIN", "MENU", "TIPOSDEANULACION"}));
    EXPECT_EQ(lista->rowCount(), 25);
    EXPECT_EQ(lista->activeRow(), activa);
    EXPECT_EQ(lista->activeColumn(), 2);

    // Fewer rows than the active one: the cursor goes to the last.
    marca(lista, {QStringLiteral("TIPOSDEPAGO"), QStringLiteral("SUBMENU")});
    pulsa(Qt::Key_Return);
    EXPECT_EQ(lista->rowCount(), 23);
    EXPECT_EQ(lista->activeRow(), 23);
    EXPECT_TRUE(ventana->Formas().Edicion());
    EXPECT_TRUE(guardados(caja).isEmpty());

    // After a cancel the keys work in browse mode too. A small letter counts as higher than every
    // capital: "cocina", which sorts among the C's, stops every search past C.
    db.execute(QStringLiteral("INSERT INTO Permisos (ID_Permiso, Nombre_Permiso) VALUES (40, 'cocina')"));
    pulsa(Qt::Key_Escape);
    ASSERT_FALSE(ventana->Formas().Edicion());
    lista->setFocus();
    EXPECT_EQ(letraLleva(Qt::Key_B), QStringLiteral("CATEGORIAS"));
    EXPECT_EQ(letraLleva(Qt::Key_M), QStringLiteral("cocina"));
    marca(lista, {QStringLiteral("PAQUETES")});
    pulsa(Qt::Key_Return);
    EXPECT_EQ(nombres(asignadas()), QStringList{"PAQUETES"});
    EXPECT_TRUE(guardados(caja).isEmpty());
}

TEST_F(PermisosXGrupo, TheRightsTextTakesOnlyCAndMUpToTenAndLeavesWithItsRow)
{
    ui::ScriptedInput entradas;
    pulsa(Qt::Key_F6);
    const int fila = 2;  // CATEGORIAS
    const QString refusal = QStringLiteral("Derechos no validos, solo se acepta C=Consulta y M=Modificación");
    struct Caso {
        const char* respuesta;
        const char* queda;
        bool rechazada;
    };
    const Caso casos[] = {{"CM", "CM", false},          {"cm", "CM", true},       {"CMX", "CM", true},
                          {"  MC ", "MC", false},       {"", "MC", false},        {"   ", "MC", false},
                          {"CMCMCMCMCMCM", "CMCMCMCMCM", false}};
    for (const Caso& c : casos) {
        boxes.clear();
        const QString antes = ventana->derechos(fila);
        entradas.answer(QString::fromUtf8(c.respuesta));
        doubleClickCell(asignadas(), fila, 2);
        ASSERT_FALSE(entradas.requests().isEmpty());
        const ui::InputRequest pedido = entradas.requests().last();
        EXPECT_EQ(pedido.prompt, QStringLiteral("Indique los derechos"));
        EXPECT_EQ(pedido.title, QStringLiteral("Derechos"));
        EXPECT_EQ(pedido.defaultText, antes);
        EXPECT_EQ(ventana->derechos(fila), QString::fromUtf8(c.queda)) << c.respuesta;
        EXPECT_EQ(boxes.texts(), c.rechazada ? QStringList{refusal} : QStringList()) << c.respuesta;
        if (c.rechazada) {
            EXPECT_EQ(boxes.boxes().first().icon(), ui::Information);
        }
    }

    // A returned row loses its text; it is never saved.
    asignadas()->clearSelection();
    asignadas()->setRowSelected(fila, true);
    quitar()->click();
    disponibles()->setRowSelected(1, true);
    agregar()->click();
    EXPECT_EQ(nombres(asignadas()).last(), QStringLiteral("CATEGORIAS"));
    EXPECT_TRUE(ventana->derechos(asignadas()->rowCount()).isEmpty());
}

TEST_F(PermisosXGrupo, AnotherWindowDuringAnEditKeepsTheMovesWhileBrowsingRereadsTheDatabase)
{
    vaAlGrupoCaja();
    pulsa(Qt::Key_F6);
    marca(disponibles(), {QStringLiteral("OPERACION")});
    agregar()->click();
    QMdiSubWindow* propia = main->mdiArea()->activeSubWindow();

    main->menuItem(QStringLiteral("mnuUtlAdGrupos"))->trigger();
    ASSERT_NE(main->mdiArea()->activeSubWindow(), propia);
    main->mdiArea()->setActiveSubWindow(propia);
    EXPECT_TRUE(ventana->Formas().Edicion());
    EXPECT_EQ(nombres(asignadas()), QStringList{"OPERACION"});
    EXPECT_FALSE(nuevoOBorrarHabilitados());
    EXPECT_TRUE(main->toolbarButton(5)->isEnabled());

    pulsa(Qt::Key_F5);
    EXPECT_EQ(guardados(caja), QStringList{"OPERACION"});

    // In browse mode an activation shows what another station stored meanwhile.
    db.execute(QStringLiteral("INSERT INTO PermisosXGrupo_Trabajo VALUES (%1, 12)").arg(caja));
    main->menuItem(QStringLiteral("mnuUtlAdGrupos"))->trigger();
    main->mdiArea()->setActiveSubWindow(propia);
    EXPECT_EQ(nombres(asignadas()), (QStringList{"OPERACION", "REPORTES"}));
}

TEST_F(PermisosXGrupo, ARefusedStatementUndoesTheWholeSaveAndTheEditStays)
{
    // The delete of the group's rows refused: the gateway says why, nothing changes.
    db.execute(QStringLiteral("CREATE TRIGGER sin_borrar BEFORE DELETE ON PermisosXGrupo_Trabajo "
                              "BEGIN SELECT RAISE(ABORT, 'no se borra'); END"));
    pulsa(Qt::Key_F6);
    marca(asignadas(), {QStringLiteral("REPORTES")});
    quitar()->click();
    pulsa(Qt::Key_F5);
    EXPECT_EQ(boxes.boxes().size(), 1);
    EXPECT_TRUE(ventana->Formas().Edicion());
    EXPECT_EQ(guardados(1), kTodos);
    EXPECT_FALSE(g_ClsAdo().conexion().inTransaction());

    // An insert refused halfway: the rows already deleted and inserted come back.
    db.execute(QStringLiteral("DROP TRIGGER sin_borrar"));
    db.execute(QStringLiteral("CREATE TRIGGER sin_menu BEFORE INSERT ON PermisosXGrupo_Trabajo WHEN NEW.ID_Permiso=6 "
                              "BEGIN SELECT RAISE(ABORT, 'no se inserta'); END"));
    boxes.clear();
    pulsa(Qt::Key_F5);
    ASSERT_EQ(boxes.texts(), QStringList{QString::number(adodb::err::ProviderIntegrity) + QStringLiteral("no se inserta")});
    EXPECT_EQ(boxes.boxes().first().style, ui::OkOnly);
    EXPECT_EQ(boxes.boxes().first().caption, ui::applicationTitle());
    EXPECT_TRUE(ventana->Formas().Edicion());
    EXPECT_EQ(guardados(1), kTodos);
    EXPECT_EQ(asignadas()->rowCount(), 27);
    EXPECT_FALSE(g_ClsAdo().conexion().inTransaction());

    // Once the database takes it, the same edit saves.
    db.execute(QStringLiteral("DROP TRIGGER sin_menu"));
    boxes.clear();
    pulsa(Qt::Key_F5);
    EXPECT_TRUE(boxes.boxes().isEmpty());
    EXPECT_FALSE(ventana->Formas().Edicion());
    EXPECT_EQ(guardados(1).size(), 27);
    EXPECT_FALSE(guardados(1).contains(QStringLiteral("REPORTES")));
}

TEST_F(PermisosXGrupo, WithoutGroupsTheListsStayEmptyAndAnAcceptStoresNothing)
{
    main->CierraHijaActiva();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    db.execute(QStringLiteral("DELETE FROM EmpleadosXGrupo; DELETE FROM PermisosXGrupo_Trabajo; DELETE FROM Grupo_Trabajo;"));
    main->menuItem(QStringLiteral("mnuUtlAdFunxgrp"))->trigger();
    ventana = qobject_cast<FrmFunXGrupo*>(WindowRegistry::find(QStringLiteral("FrmFunXGrupo")));
    ASSERT_NE(ventana, nullptr);
    EXPECT_TRUE(txtGrupoId()->text().isEmpty());
    EXPECT_EQ(disponibles()->rowCount() + asignadas()->rowCount(), 0);
    pulsa(Qt::Key_F6);
    ASSERT_TRUE(ventana->Formas().Edicion());
    pulsa(Qt::Key_F5);
    EXPECT_EQ(boxes.boxes().size(), 1);
    EXPECT_TRUE(ventana->Formas().Edicion());
    EXPECT_EQ(cuentaFilas(), 0);
    EXPECT_FALSE(g_ClsAdo().conexion().inTransaction());
    pulsa(Qt::Key_Escape);
    EXPECT_FALSE(ventana->Formas().Edicion());
}

TEST_F(PermisosXGrupo, NewAndDeleteAreRefusedInEveryState)
{
    pulsa(Qt::Key_Insert);
    main->mnuEdReg_Click(10);
    EXPECT_EQ(boxes.texts(), QStringList(2, kNoDisponible));
    EXPECT_EQ(boxes.boxes().first().style, ui::Information);
    EXPECT_EQ(boxes.boxes().first().caption, ui::applicationTitle());
    EXPECT_FALSE(ventana->Formas().Edicion());
    EXPECT_FALSE(nuevoOBorrarHabilitados());

    pulsa(Qt::Key_F6);
    ventana->BotonNuevoModificar(true);
    EXPECT_EQ(boxes.texts().size(), 3);
    EXPECT_TRUE(ventana->Formas().Edicion());
}

TEST_F(PermisosXGrupo, NavigationFindAndFilterWorkOnTheGroups)
{
    vaAlGrupoCaja();
    EXPECT_EQ(asignadas()->rowCount(), 0);
    pulsa(Qt::Key_Down);
    EXPECT_EQ(txtGrupoId()->text(), QStringLiteral("1"));
    EXPECT_EQ(nombres(asignadas()), kTodos);

    // F3 on the id box finds groups by id; on a list it does nothing.
    disponibles()->setEnabled(true);
    disponibles()->setFocus();
    pulsa(Qt::Key_F3);
    EXPECT_EQ(FrmBusqueda::instancia(), nullptr);
    txtGrupoId()->setFocus();
    pulsa(Qt::Key_F3);
    ASSERT_NE(FrmBusqueda::instancia(), nullptr);
    EXPECT_EQ(FrmBusqueda::instancia()->psCampo, QStringLiteral("ID_Grupo_Trabajo"));
    EXPECT_EQ(FrmBusqueda::instancia()->lblCampo()->text(), QStringLiteral("Grupo Id"));
    FrmBusqueda::instancia()->Cierra();

    QStringList listadas, combo;
    int filas = -1;
    alAbrirFiltro([&](FrmCatFiltro* filtro) {
        listadas = textos(filtro->LstCampos);
        for (int i = 0; i < filtro->CmbCampos->count(); ++i)
            combo << filtro->CmbCampos->itemText(i);
        filtro->CmdSelecciionarTodos->click();
        filtro->CmbCampos->setCurrentText(QStringLiteral("Grupo"));
        filtro->CmbCondicion->setCurrentText(QStringLiteral("Parecido"));
        filtro->TxtCondicion->setText(QStringLiteral("admin*"));
        filtro->CmdEjecutar->click();
        filas = filtro->resultado().isOpen() ? filtro->resultado().recordCount() : -1;
    });
    main->toolbarButton(18)->trigger();
    EXPECT_EQ(listadas, (QStringList{"Id Grupo", "Grupo", "Id Permiso", "Permiso"}));
    EXPECT_EQ(combo, (QStringList{"Id Grupo", "Grupo", "Id_Permiso", "Permiso"}));
    EXPECT_EQ(filas, 28);
}

} // namespace
