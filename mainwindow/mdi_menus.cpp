// The main window's menu tree: every caption, item name, shortcut and hidden item of its design.
#include "mainwindow/mdi_principal.h"

#include "foundation/forms/menu_commands.h"
#include "foundation/forms/window_registry.h"
#include "foundation/forms/child_commands.h"
#include "mainwindow/arreglo_ventanas.h"
#include "mainwindow/area_tapiz.h"
#include "mainwindow/ejecucion_protegida.h"

#include <QAction>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>


void MDIPrincipal::registra(const QString& name, QAction* action)
{
    action->setObjectName(name);
    m_items.insert(name, action);
}

QMenu* MDIPrincipal::menuSuperior(const QString& caption, const QString& name, bool oculto)
{
    QMenu* menu = menuBar()->addMenu(caption);
    menu->setObjectName(name);
    registra(name, menu->menuAction());
    m_menus.insert(name, menu);
    menu->menuAction()->setVisible(!oculto);
    return menu;
}

QMenu* MDIPrincipal::submenu(QMenu* padre, const QString& caption, const QString& name, bool oculto)
{
    QMenu* menu = padre->addMenu(caption);
    menu->setObjectName(name);
    registra(name, menu->menuAction());
    m_menus.insert(name, menu);
    menu->menuAction()->setVisible(!oculto);
    return menu;
}

QAction* MDIPrincipal::item(QMenu* padre, const QString& caption, const QString& name, std::function<void()> accion,
                           bool oculto, const QKeySequence& atajo)
{
    QAction* action = padre->addAction(caption);
    registra(name, action);
    action->setVisible(!oculto);
    if (!atajo.isEmpty())
        action->setShortcut(atajo);
    if (accion)
        connect(action, &QAction::triggered, this, [name, accion] { EjecutaProtegido(name, accion); });
    return action;
}

QAction* MDIPrincipal::itemVentana(QMenu* padre, const QString& caption, const QString& name, const QString& ventana,
                                   bool oculto)
{
    return item(padre, caption, name, [ventana] { WindowRegistry::show(ventana); }, oculto);
}

QAction* MDIPrincipal::itemComando(QMenu* padre, const QString& caption, const QString& name, bool oculto)
{
    // A command may close the day or run a script: the working date shown is read again after it.
    QPointer<MDIPrincipal> principal(this);
    return item(padre, caption, name, [name, principal] {
        MenuCommands::run(name);
        if (principal)
            principal->MuestraFechaTrabajo();
    }, oculto);
}

void MDIPrincipal::CreaMenus()
{
    CreaMenuArchivo();
    CreaMenuEditar();
    CreaMenuOperacion();
    CreaMenuReportes();
    CreaMenuVentana();
    CreaMenuUtilerias();
    CreaMenuAyuda();
    CreaMenuSpread();
}

void MDIPrincipal::CreaMenuArchivo()
{
    QMenu* m = menuSuperior(QStringLiteral("&Archivo"), QStringLiteral("mnuArchivo"));
    itemComando(m, QStringLiteral("&Abrir Script"), QStringLiteral("mnuAbrirScript"), true);
    item(m, QStringLiteral("&Imprimir"), QStringLiteral("mnuArImprimir"),
         [this] { Reenvia("BotonImprimir", [](ChildCommands& c) { c.BotonImprimir(); }); }, true);
    item(m, QStringLiteral("&Vista Previa"), QStringLiteral("mnuArcPreview"),
         [this] { Reenvia("BotonPreview", [](ChildCommands& c) { c.BotonPreview(); }); }, true);
    item(m, QStringLiteral("&Cerrar"), QStringLiteral("mnuArCerrar"), [this] { CierraHijaActiva(); }, true,
         QKeySequence(Qt::CTRL | Qt::Key_X));
    item(m, QStringLiteral("&Salir"), QStringLiteral("mnuArSalir"), [this] { mnuArSalir_Click(); }, false,
         QKeySequence(Qt::CTRL | Qt::Key_S));
}

void MDIPrincipal::CreaMenuEditar()
{
    QMenu* m = menuSuperior(QStringLiteral("&Editar"), QStringLiteral("mnuEditar"), true);
    QMenu* registro = submenu(m, QStringLiteral("&Registro"), QStringLiteral("mnuEdRegistro"));
    const QString captions[] = {
        QStringLiteral("&Primero"), QStringLiteral("&Anterior"), QStringLiteral("&Siguiente"), QStringLiteral("&Ultimo"),
        QString(), QStringLiteral("&Buscar"), QStringLiteral("&Consulta"), QString(), QStringLiteral("&Nuevo"),
        QStringLiteral("&Modificar"), QStringLiteral("&Borrar"), QString(), QStringLiteral("&Aceptar"),
        QStringLiteral("&Cancelar")};
    for (int i = 0; i < 14; ++i) {
        QAction* action = captions[i].isEmpty() ? registro->addSeparator() : registro->addAction(captions[i]);
        action->setObjectName(QStringLiteral("mnuEdReg"));
        action->setProperty("Index", i);
        connect(action, &QAction::triggered, this,
                [this, i] { EjecutaProtegido(QStringLiteral("mnuEdReg"), [this, i] { mnuEdReg_Click(i); }); });
        m_mnuEdReg.append(action);
    }
}

void MDIPrincipal::CreaMenuOperacion()
{
    QMenu* m = menuSuperior(QStringLiteral("&Operación"), QStringLiteral("mnuOperacion"), true);
    itemVentana(m, QStringLiteral("&Categorias"), QStringLiteral("mnuOpCategorias"), QStringLiteral("OpCategoria"));
    itemVentana(m, QStringLiteral("Cort&esias"), QStringLiteral("mnuOpCortesias"), QStringLiteral("OpCortesia"));
    itemVentana(m, QStringLiteral("G&rupo de Modificadores"), QStringLiteral("mnuOpGpoModificadores"),
                QStringLiteral("OpGpoModificadores"));
    itemVentana(m, QStringLiteral("Grupo &Obsequios"), QStringLiteral("mnuOpGpoObsequios"), QStringLiteral("OpGpoObsequios"));
    itemVentana(m, QStringLiteral("Gr&upo Promocional"), QStringLiteral("mnuOpGpoPromocional"),
                QStringLiteral("OpGpoPromocional"));
    itemVentana(m, QStringLiteral("&Menu"), QStringLiteral("mnuOpMenu"), QStringLiteral("OpMenu"));
    itemVentana(m, QStringLiteral("M&odificadores"), QStringLiteral("mnuOpModificadores"), QStringLiteral("OpTipoModificador"));
    itemVentana(m, QStringLiteral("M&odos de Preparación"), QStringLiteral("mnuOpModosDePreparacion"),
                QStringLiteral("OpModoPreparacion"));
    itemVentana(m, QStringLiteral("Pa&quetes"), QStringLiteral("mnuOpPaquete"), QStringLiteral("OpPaquete"));
    itemVentana(m, QStringLiteral("&Productos"), QStringLiteral("mnuOpProductos"), QStringLiteral("OpProductos"));
    itemVentana(m, QStringLiteral("P&romociones"), QStringLiteral("mnuOpPromociones"), QStringLiteral("OpPromociones"));
    itemVentana(m, QStringLiteral("&SubMenu"), QStringLiteral("mnuOPSubMenu"), QStringLiteral("OpSubmenu"));
    itemVentana(m, QStringLiteral("&Tipos de anulación"), QStringLiteral("mnuOpTiposAnulacion"),
                QStringLiteral("OpTiposAnulacion"));
    itemVentana(m, QStringLiteral("Tipos de &Impuesto"), QStringLiteral("mnuOpTipoImpuesto"), QStringLiteral("OpTipoImpuestos"));
    itemVentana(m, QStringLiteral("T&ipos de pago"), QStringLiteral("mnuOpTipoPago"), QStringLiteral("OpTipoPago"));
}

void MDIPrincipal::CreaMenuReportes()
{
    QMenu* m = menuSuperior(QStringLiteral("&Reportes"), QStringLiteral("mnuProRep"), true);
    QMenu* nomina = submenu(m, QStringLiteral("&Nomina"), QStringLiteral("mnuNomina"));
    itemVentana(nomina, QStringLiteral("&Horas X Empleado"), QStringLiteral("mnuHorasEmpleado"), QStringLiteral("RepOficialHoras"));
    itemVentana(nomina, QStringLiteral("&Detalle de Horas"), QStringLiteral("mnuDetHoras"), QStringLiteral("RepHoras"));
    itemVentana(nomina, QStringLiteral("&Resumen de Horas"), QStringLiteral("mnuResumenHoras"), QStringLiteral("RepResumenHoras"));
    itemVentana(m, QStringLiteral("&Anulación"), QStringLiteral("mnuRepAnulacion"), QStringLiteral("RepInfoAnulacion"));
    QMenu* cortesias = submenu(m, QStringLiteral("&Cortesias"), QStringLiteral("mnuCorPrincipal"));
    itemVentana(cortesias, QStringLiteral("&Cortesias"), QStringLiteral("mnuProRepCortesias"), QStringLiteral("RepCortesias"));
    itemVentana(cortesias, QStringLiteral("&Gold Card"), QStringLiteral("mnuGoldCard"), QStringLiteral("RepDetGoldCard"));
    itemVentana(cortesias, QStringLiteral("&Resumen Gold Card"), QStringLiteral("mnuResumenGoldCard"),
                QStringLiteral("RepGoldCard"));
    itemVentana(m, QStringLiteral("C&uentas"), QStringLiteral("mnuProRepCuentas"), QStringLiteral("RepCuentas"));
    itemVentana(m, QStringLiteral("&Det pagos"), QStringLiteral("mnuRepDetPagos"), QStringLiteral("RepListaPagos"));
    itemVentana(m, QStringLiteral("&Especiales"), QStringLiteral("mnuProRepEspeciales"), QStringLiteral("RepEspeciales"));
    itemVentana(m, QStringLiteral("&Lista de precios"), QStringLiteral("mnuProRepLista"), QStringLiteral("RepListadePrecios"));
    item(m, QStringLiteral("&Propinas"), QStringLiteral("mnuRepProp"), nullptr, true);
    itemVentana(m, QStringLiteral("&Pagos"), QStringLiteral("mnuRepPagos"), QStringLiteral("RepPagos"));
    itemVentana(m, QStringLiteral("P&-MIX"), QStringLiteral("mnuRepPMIX"), QStringLiteral("RepPMIX"));
    itemVentana(m, QStringLiteral("&Ventas"), QStringLiteral("mnuRepVentas"), QStringLiteral("RepVentas"));
    registra(QStringLiteral("sep"), m->addSeparator());
    itemVentana(m, QStringLiteral("Comparación de Venta por Empleado"), QStringLiteral("mnuRepCompEmpleado"),
                QStringLiteral("RepCompEmpleado"));
    itemVentana(m, QStringLiteral("Comparación de Venta por Categoria"), QStringLiteral("mnuRepCompCategoria"),
                QStringLiteral("RepCompCategoria"));
    itemVentana(m, QStringLiteral("Comparación Artículos x Empleado"), QStringLiteral("mnuRepCompArticulos"),
                QStringLiteral("RepArticulosXEmpleado"));
}

void MDIPrincipal::CreaMenuVentana()
{
    QMenu* m = menuSuperior(QStringLiteral("&Ventana"), QStringLiteral("MnuVentana"));
    item(m, QStringLiteral("Arreglar iconos"), QStringLiteral("MnuVeArIconos"), [this] { arreglo::iconos(m_area); });
    item(m, QStringLiteral("&Horizontal"), QStringLiteral("mnuVehorizontal"), [this] { arreglo::horizontal(m_area); });
    item(m, QStringLiteral("&Vertical"), QStringLiteral("mnuVeVertical"), [this] { arreglo::vertical(m_area); });
    item(m, QStringLiteral("&Cascada"), QStringLiteral("mnuVeCascada"), [this] { arreglo::cascada(m_area); });
    m_mnuVentana = m;
    connect(m, &QMenu::aboutToShow, this, &MDIPrincipal::ListaVentanas);
}

void MDIPrincipal::ListaVentanas()
{
    for (QAction* action : std::as_const(m_listaVentanas)) {
        m_mnuVentana->removeAction(action);
        action->deleteLater();
    }
    m_listaVentanas.clear();
    const QList<QMdiSubWindow*> hijas = m_area->subWindowList(QMdiArea::CreationOrder);
    if (hijas.isEmpty())
        return;
    m_listaVentanas << m_mnuVentana->addSeparator();
    int numero = 0;
    for (QMdiSubWindow* sub : hijas) {
        ++numero;
        QString titulo = sub->windowTitle();
        titulo.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* action = m_mnuVentana->addAction(
            (numero < 10 ? QLatin1Char('&') + QString::number(numero) : QString::number(numero)) + QLatin1Char(' ') + titulo);
        action->setCheckable(true);
        action->setChecked(sub == m_area->currentSubWindow());
        QPointer<QMdiSubWindow> destino(sub);
        connect(action, &QAction::triggered, this, [this, destino] {
            if (!destino)
                return;
            if (destino->isMinimized())
                destino->showNormal();
            m_area->setActiveSubWindow(destino);
        });
        m_listaVentanas << action;
    }
}

void MDIPrincipal::CreaMenuUtilerias()
{
    QMenu* m = menuSuperior(QStringLiteral("&Utilerias"), QStringLiteral("mnuUtilerias"));
    itemComando(m, QStringLiteral("&Ejecutar Script"), QStringLiteral("mnuEjecutar"), true);

    QMenu* admin = submenu(m, QStringLiteral("&Administración"), QStringLiteral("mnuUtlAdministracion"), true);
    itemVentana(admin, QStringLiteral("&Permisos x Grupo"), QStringLiteral("mnuUtlAdFunxgrp"), QStringLiteral("FrmFunXGrupo"));
    itemVentana(admin, QStringLiteral("&Grupos de trabajo"), QStringLiteral("mnuUtlAdGrupos"), QStringLiteral("FrmGrupos"));
    itemVentana(admin, QStringLiteral("&Empleados"), QStringLiteral("mnuUtlAdUsr"), QStringLiteral("FrmUsuarios"));
    item(admin, QStringLiteral("&Empresas"), QStringLiteral("mnuEmpresas"), nullptr);
    itemVentana(admin, QStringLiteral("&Departamentos"), QStringLiteral("mnuDepartamentos"), QStringLiteral("FrmDepartamentos"));

    itemComando(m, QStringLiteral("&Cambio Contraseña"), QStringLiteral("mnuUtlContraseña"), true);
    item(m, QStringLiteral("Cambiar &Tapiz"), QStringLiteral("mnuVeTapiz"), [this] { mnuVeTapiz_Click(); });

    QMenu* conf = submenu(m, QStringLiteral("C&onfiguración"), QStringLiteral("mnuUtlConfiguracion"), true);
    itemVentana(conf, QStringLiteral("&Funciones del sistema"), QStringLiteral("mnuFunciones"), QStringLiteral("FrmFunciones"));
    itemVentana(conf, QStringLiteral("&Grupos de Impresoras"), QStringLiteral("mnuUtlConfGposImpresoras"),
                QStringLiteral("OpGpoImpresoras"));
    itemVentana(conf, QStringLiteral("&Impresoras"), QStringLiteral("mnuUtlConfImpresoras"), QStringLiteral("CfgImpresora"));
    itemVentana(conf, QStringLiteral("&Terminal"), QStringLiteral("mnuTerminal"), QStringLiteral("CfgTerminal"));

    item(m, QStringLiteral("&Limpiar Tapiz"), QStringLiteral("mnuLimTapiz"), [this] { mnuLimTapiz_Click(); });
    itemVentana(m, QStringLiteral("&Mensajes"), QStringLiteral("mnuUtlMensajes"), QStringLiteral("UtlMensajes"));
    item(m, QStringLiteral("&Parámetros"), QStringLiteral("mnuParametros"), nullptr, true);

    QMenu* procesos = submenu(m, QStringLiteral("P&rocesos"), QStringLiteral("mnuUtlProcesos"));
    itemComando(procesos, QStringLiteral("&Fin día"), QStringLiteral("mnuUtlProcFin"), true);
    itemVentana(procesos, QStringLiteral("&Borrar Día"), QStringLiteral("mnuBorrarDia"), QStringLiteral("frmBorrarDia"),
                true);
    itemComando(procesos, QStringLiteral("&Borrar Cola Impresion"), QStringLiteral("mnuBorrarCola"), true);
    itemComando(procesos, QStringLiteral("&Desfirmar Empleados"), QStringLiteral("mnuDesfirmar"));
    itemComando(procesos, QStringLiteral("&Borrar Todos Los Datos"), QStringLiteral("mnuBorrarDatos"), true);
}

void MDIPrincipal::CreaMenuAyuda()
{
    QMenu* m = menuSuperior(QStringLiteral("&Ayuda"), QStringLiteral("mnuAyuda"));
    item(m, QStringLiteral("&Acerca de"), QStringLiteral("mnuAyAcerca"), [this] { mnuAyAcerca_Click(); });
}

void MDIPrincipal::CreaMenuSpread()
{
    m_mnuSpread = menuSuperior(QStringLiteral("mnuSpread"), QStringLiteral("mnuSpread"), true);
    item(m_mnuSpread, QStringLiteral("&Nuevo"), QStringLiteral("mnuSprNuevo"),
         [this] { Reenvia("SpreadNuevo", [](ChildCommands& c) { c.SpreadNuevo(); }); });
    item(m_mnuSpread, QStringLiteral("&Modificar"), QStringLiteral("mnuSprMod"),
         [this] { Reenvia("SpreadModificar", [](ChildCommands& c) { c.SpreadModificar(); }); }, true);
    item(m_mnuSpread, QStringLiteral("&Borrar"), QStringLiteral("mnuSprBorrar"),
         [this] { Reenvia("SpreadBorrar", [](ChildCommands& c) { c.SpreadBorrar(); }); });
}
