#include "foundation/database/cls_ado.h"
#include "foundation/dialogs/filtro_catalogos.h"
#include "foundation/dialogs/frm_cat_filtro.h"
#include "tests/foundation/dialogs/filtro_abierto.h"
#include "foundation/forms/controls.h"
#include "foundation/forms/data_entry_window.h"
#include "foundation/forms/frm_busqueda.h"
#include "foundation/forms/multiline_text_box.h"
#include "foundation/forms/window_registry.h"
#include "mainwindow/admin/ventanas_administracion.h"
#include "mainwindow/mdi_principal.h"
#include "tests/foundation/forms/typing.h"
#include "tests/mainwindow/mainwindow_fixture.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

namespace {

// What tells the two twin windows apart.
struct Ventana {
    const char* nombre;
    const char* menu;
    const char* titulo;
    const char* tabla;
    const char* llave;
    const char* columnaNombre;
    const char* columnaDescripcion;
    const char* etiquetaLlave;
    const char* ayudaNombre;
};

void PrintTo(const Ventana& ventana, std::ostream* out)
{
    *out << ventana.nombre;
}

const Ventana kDepartamentos{"FrmDepartamentos", "mnuDepartamentos", "Departamentos", "Departamentos",
                             "ID_Departamento", "Nombre", "Descripcion", "Id Departamento:", ""};
const Ventana kGrupos{"FrmGrupos", "mnuUtlAdGrupos", "Grupos de trabajo", "Grupo_Trabajo", "ID_Grupo_Trabajo",
                      "Nombre_Grupo_Trabajo", "Descripcion_Grupo_Trabajo", "Id Grupo:", "Nombre del grupo"};

const QString kDuplicado = QStringLiteral("Ya existe el nombre del grupo");

// The window opened from the real main window's menu by an administrator, on an empty table.
class CatalogoTest : public MainWindowDb, public ::testing::WithParamInterface<Ventana> {
protected:
    void SetUp() override
    {
        MainWindowDb::SetUp();
        addEmployee(1, QStringLiteral("ADMIN"), QStringLiteral("ADMIN"), QStringLiteral("A"), 0, true);
        join(1, addGroup(QStringLiteral("ADMINISTRACION"), true, {QStringLiteral("ADMIN"), QStringLiteral("GRUPOSTRABAJO")}));
        registraVentanasAdministracion();
        registraFiltroCatalogos();
        openMain(1);
        ASSERT_TRUE(muestraActiva(main));
        // The rights are read once, at load: the tables can be emptied now.
        for (const char* t : {"EmpleadosXGrupo", "PermisosXGrupo_Trabajo", "Grupo_Trabajo", "Departamentos"})
            db.execute(QStringLiteral("DELETE FROM ") + QLatin1String(t));
    }
    void TearDown() override
    {
        if (FrmBusqueda* abierta = FrmBusqueda::instancia())
            abierta->Cierra();
        setAbridorFiltro({});
        MainWindowDb::TearDown();
    }

    const Ventana& v() const { return GetParam(); }
    QString tabla() const { return QLatin1String(v().tabla); }

    void inserta(const QString& nombre, const QString& descripcion = QString())
    {
        db.execute(QStringLiteral("INSERT INTO %1 (%2, %3, Activo) VALUES ('%4', '%5', 1)")
                       .arg(tabla(), QLatin1String(v().columnaNombre), QLatin1String(v().columnaDescripcion), nombre,
                            descripcion));
    }

    // Chooses the window's menu item.
    DataEntryWindow* abre()
    {
        QAction* item = main->menuItem(QLatin1String(v().menu));
        if (!item || !item->isVisible())
            return nullptr;
        item->trigger();
        ventana = qobject_cast<DataEntryWindow*>(WindowRegistry::find(QLatin1String(v().nombre)));
        return ventana;
    }

    // Clicks a toolbar button, as the user can: only while it is shown and enabled.
    bool click(int boton)
    {
        QAction* action = main->toolbarButton(boton);
        if (!action->isVisible() || !action->isEnabled())
            return false;
        action->trigger();
        return true;
    }
    QString panel(int i) const { return main->statusPanel(i); }

    template <typename T = QLineEdit>
    T* caja(const QString& nombre) const { return ventana->findChild<T*>(nombre); }
    QLineEdit* txtId() const { return caja(QStringLiteral("txtId")); }
    QLineEdit* txtGrupos() const { return caja(QStringLiteral("txtGrupos")); }
    MultiLineTextBox* txtDescripcion() const { return caja<MultiLineTextBox>(QStringLiteral("txtDescripcion")); }
    QCheckBox* chkActivo() const { return caja<QCheckBox>(QStringLiteral("chkActivo")); }

    // Types over whatever the box holds.
    static void reemplaza(QWidget* box, const QString& text)
    {
        box->setFocus();
        forms::selectAll(box);
        QTest::keyClick(box, Qt::Key_Delete);
        teclea(box, text);
    }

    QVariant valor(const QString& columna, const QString& condicion)
    {
        return scalar(QStringLiteral("SELECT %1 FROM %2 WHERE %3").arg(columna, tabla(), condicion));
    }
    int cuenta() { return scalar(QStringLiteral("SELECT COUNT(*) FROM ") + tabla()).toInt(); }
    QString nombreDe(const QString& id)
    {
        return valor(QLatin1String(v().columnaNombre), QLatin1String(v().llave) + QLatin1Char('=') + id).toString();
    }

    DataEntryWindow* ventana = nullptr;
};

TEST_P(CatalogoTest, DesignCaptionsNamesAndTabOrder)
{
    inserta(QStringLiteral("COCINA"));
    ASSERT_NE(abre(), nullptr);
    EXPECT_EQ(ventana->windowTitle(), QLatin1String(v().titulo));
    EXPECT_EQ(main->mdiArea()->activeSubWindow()->windowTitle(), QLatin1String(v().titulo));
    const QList<std::pair<const char*, QString>> etiquetas{
        {"Label1", QLatin1String(v().etiquetaLlave)}, {"Label2", QStringLiteral("Nombre:")},
        {"Label3", QStringLiteral("Descripción:")}};
    const char* cajas[] = {"txtId", "txtGrupos", "txtDescripcion"};
    for (int i = 0; i < 3; ++i) {
        auto* label = caja<QLabel>(QLatin1String(etiquetas[i].first));
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), etiquetas[i].second);
        EXPECT_EQ(forms::tag(label), QLatin1String(cajas[i]));
    }
    ASSERT_NE(ventana->findChild<QWidget*>(QStringLiteral("Frame1")), nullptr);
    EXPECT_EQ(chkActivo()->text(), QStringLiteral("Activo"));
    EXPECT_EQ(forms::tag(txtGrupos()), QStringLiteral("NoVacioMayusculas"));
    EXPECT_EQ(txtGrupos()->maxLength(), 25);
    EXPECT_EQ(txtDescripcion()->maxLength(), 100);
    EXPECT_EQ(txtGrupos()->toolTip(), QString::fromUtf8(v().ayudaNombre));
    EXPECT_TRUE(txtId()->font().bold());
    EXPECT_TRUE(forms::tag(txtId()).isEmpty());


    // Browse mode, showing the first row, the focus on the name.
    EXPECT_EQ(QApplication::focusWidget(), txtGrupos());
    EXPECT_EQ(txtGrupos()->text(), QStringLiteral("COCINA"));
    EXPECT_TRUE(txtId()->isReadOnly());
    EXPECT_TRUE(txtGrupos()->isReadOnly());
    EXPECT_TRUE(txtDescripcion()->isReadOnly());
    EXPECT_FALSE(chkActivo()->isEnabled());
    EXPECT_EQ(panel(1), QStringLiteral("Registros: 1"));
    EXPECT_EQ(panel(2), QStringLiteral("INS=Nuevo,F6=Modificar,DEL=Borrar"));

    // Tab order in edit mode: name, description, active, key.
    pulsa(Qt::Key_F6);
    QStringList orden;
    for (int i = 0; i < 4; ++i) {
        orden << QApplication::focusWidget()->objectName();
        pulsa(Qt::Key_Tab);
    }
    EXPECT_EQ(orden, (QStringList{QStringLiteral("txtGrupos"), QStringLiteral("txtDescripcion"),
                                  QStringLiteral("chkActivo"), QStringLiteral("txtId")}));
}

TEST_P(CatalogoTest, FilterColumns)
{
    ASSERT_NE(abre(), nullptr);
    EXPECT_EQ(ventana->tablaFiltro(), tabla() + QStringLiteral(" WHERE"));
    QStringList columnas;
    for (const ColumnaFiltro& c : ventana->columnasFiltro())
        columnas << c.titulo + QLatin1Char('|') + c.columnaLista + QLatin1Char('|') + c.columnaCondicion;
    const QStringList esperadas = v().nombre == kDepartamentos.nombre
        ? QStringList{QStringLiteral("Id Departamento|ID_Departamento|ID_Departamento"),
                      QStringLiteral("Nombre|Nombre|Nombre"), QStringLiteral("Descripción|Descripcion|Descripcion"),
                      QStringLiteral("Activo|Activo|Activo")}
        : QStringList{QStringLiteral("Id Grupo|ID_Grupo_Trabajo|ID_Grupo_Trabajo"),
                      QStringLiteral("Nombre|Nombre_Grupo_trabajo|Nombre_Grupo_Trabajo"),
                      QStringLiteral("Descripción|Descripcion_Grupo_Trabajo|Descripcion_Grupo_Trabajo"),
                      QStringLiteral("Activo|Activo|Activo")};
    EXPECT_EQ(columnas, esperadas);
}

TEST_P(CatalogoTest, TheFilterOpensOnTheTableWithItsColumnsAndRuns)
{
    inserta(QStringLiteral("COCINA"));
    inserta(QStringLiteral("BARRA"));
    ASSERT_NE(abre(), nullptr);
    QStringList columnas;
    QString sentencia;
    int filas = -1;
    alAbrirFiltro([&](FrmCatFiltro* filtro) {
        columnas = textos(filtro->LstCampos);
        filtro->CmdSelecciionarTodos->click();
        filtro->CmbCampos->setCurrentText(QStringLiteral("Nombre"));
        filtro->CmbCondicion->setCurrentText(QStringLiteral("Parecido"));
        filtro->TxtCondicion->setText(QStringLiteral("coc*"));
        filtro->CmdEjecutar->click();
        sentencia = filtro->resultado().source();
        filas = filtro->resultado().isOpen() ? filtro->resultado().recordCount() : -1;
    });
    ASSERT_TRUE(click(18));
    EXPECT_EQ(columnas, (QStringList{QString::fromUtf8(v().etiquetaLlave).chopped(1), QStringLiteral("Nombre"),
                                     QStringLiteral("Descripción"), QStringLiteral("Activo")}));
    EXPECT_TRUE(sentencia.contains(QStringLiteral(" FROM ") + tabla() + QStringLiteral(" WHERE ")))
        << sentencia.toStdString();
    EXPECT_EQ(filas, 1);
    EXPECT_TRUE(boxes.boxes().isEmpty());
}

TEST_P(CatalogoTest, NewRowIsStoredInCapitalsActiveAndShowsItsKeyAtOnce)
{
    ASSERT_NE(abre(), nullptr);
    EXPECT_EQ(panel(1), QStringLiteral("Registros: 0"));
    pulsa(Qt::Key_Insert);
    EXPECT_TRUE(ventana->Formas().Edicion());
    EXPECT_EQ(panel(2), QStringLiteral("F5=Aceptar ESC=Cancelar"));
    EXPECT_TRUE(txtGrupos()->hasFocus());
    EXPECT_TRUE(txtId()->isReadOnly());
    EXPECT_FALSE(txtGrupos()->isReadOnly());
    EXPECT_TRUE(chkActivo()->isEnabled());
    EXPECT_TRUE(chkActivo()->isChecked());

    teclea(txtGrupos(), QStringLiteral("cocina"));
    EXPECT_EQ(txtGrupos()->text(), QStringLiteral("COCINA"));
    teclea(txtDescripcion(), QStringLiteral("Área de O'Brien"));
    pulsa(Qt::Key_F5);

    EXPECT_TRUE(boxes.boxes().isEmpty()) << boxes.texts().join(QLatin1Char('|')).toStdString();
    EXPECT_FALSE(ventana->Formas().Edicion());
    const QString id = txtId()->text();
    EXPECT_FALSE(id.isEmpty());
    EXPECT_EQ(nombreDe(id), QStringLiteral("COCINA"));
    EXPECT_EQ(valor(QStringLiteral("Activo"), QLatin1String(v().llave) + QLatin1Char('=') + id).toInt(), 1);
    EXPECT_EQ(valor(QLatin1String(v().columnaDescripcion), QLatin1String(v().llave) + QLatin1Char('=') + id).toString(),
              QStringLiteral("Área de O'Brien"));
    EXPECT_EQ(panel(1), QStringLiteral("Registros: 1"));
    EXPECT_EQ(panel(2), QStringLiteral("INS=Nuevo,F6=Modificar,DEL=Borrar"));

    // The row just added can be changed and deleted at once.
    pulsa(Qt::Key_F6);
    reemplaza(txtGrupos(), QStringLiteral("o'brien"));
    chkActivo()->setChecked(false);
    pulsa(Qt::Key_F5);
    EXPECT_EQ(nombreDe(id), QStringLiteral("O'BRIEN"));
    EXPECT_EQ(valor(QStringLiteral("Activo"), QLatin1String(v().llave) + QLatin1Char('=') + id).toInt(), 0);
    EXPECT_EQ(txtGrupos()->text(), QStringLiteral("O'BRIEN"));
    pulsa(Qt::Key_Delete);
    EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("¿Esta seguro de borrar el registro?")});
    EXPECT_EQ(cuenta(), 0);
    EXPECT_EQ(panel(1), QStringLiteral("Registros: 0"));
    EXPECT_TRUE(txtId()->text().isEmpty());
}

// Blanks typed around the name do not make it another one.
TEST_P(CatalogoTest, ARepeatedNameAsANewRowIsRefusedAndTheEditStays)
{
    inserta(QStringLiteral("COCINA"));
    ASSERT_NE(abre(), nullptr);
    pulsa(Qt::Key_Insert);
    teclea(txtGrupos(), QStringLiteral("cocina "));
    teclea(txtDescripcion(), QStringLiteral("otra"));
    pulsa(Qt::Key_F5);
    ASSERT_EQ(boxes.texts(), QStringList{kDuplicado});
    EXPECT_EQ(boxes.boxes().first().caption, QLatin1String(v().titulo));
    EXPECT_EQ(boxes.boxes().first().icon(), ui::Exclamation);
    EXPECT_TRUE(ventana->Formas().Edicion());
    EXPECT_EQ(txtGrupos()->text(), QStringLiteral("COCINA"));
    EXPECT_EQ(txtDescripcion()->toPlainText(), QStringLiteral("otra"));
    EXPECT_EQ(cuenta(), 1);

    // Corrected, the same edit saves.
    reemplaza(txtGrupos(), QStringLiteral(" barra "));
    pulsa(Qt::Key_F5);
    EXPECT_FALSE(ventana->Formas().Edicion());
    EXPECT_EQ(nombreDe(txtId()->text()), QStringLiteral("BARRA"));
    EXPECT_EQ(panel(1), QStringLiteral("Registros: 2"));
}

TEST_P(CatalogoTest, ARefusedChangeShowsWhyAndKeepsWhatWasTyped)
{
    inserta(QStringLiteral("COCINA"));
    inserta(QStringLiteral("BARRA"));
    ASSERT_NE(abre(), nullptr);
    pulsa(Qt::Key_Up);
    ASSERT_EQ(txtGrupos()->text(), QStringLiteral("BARRA"));
    pulsa(Qt::Key_F6);
    reemplaza(txtGrupos(), QStringLiteral("cocina"));
    pulsa(Qt::Key_F5);
    ASSERT_EQ(boxes.texts(), QStringList{kDuplicado});
    EXPECT_EQ(boxes.boxes().first().caption, QLatin1String(v().titulo));
    EXPECT_TRUE(ventana->Formas().Edicion());
    EXPECT_EQ(txtGrupos()->text(), QStringLiteral("COCINA"));
    EXPECT_EQ(nombreDe(txtId()->text()), QStringLiteral("BARRA"));

    // Any other refusal says that nothing was saved.
    db.execute(QStringLiteral("CREATE TRIGGER bloquea BEFORE UPDATE ON %1 BEGIN SELECT RAISE(ABORT, 'bloqueada'); END")
                   .arg(tabla()));
    boxes.clear();
    reemplaza(txtGrupos(), QStringLiteral("terraza"));
    pulsa(Qt::Key_F5);
    EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("No se pudieron guardar los cambios del registro")});
    EXPECT_EQ(boxes.boxes().first().icon(), ui::Critical);
    EXPECT_TRUE(ventana->Formas().Edicion());
    EXPECT_EQ(txtGrupos()->text(), QStringLiteral("TERRAZA"));

    // Esc drops the edit and shows the stored row.
    pulsa(Qt::Key_Escape);
    EXPECT_FALSE(ventana->Formas().Edicion());
    EXPECT_EQ(txtGrupos()->text(), QStringLiteral("BARRA"));
    EXPECT_TRUE(g_ClsAdo().conexion().errors().isEmpty());
}

TEST_P(CatalogoTest, AnEmptyNameIsReportedAndNothingIsWritten)
{
    ASSERT_NE(abre(), nullptr);
    pulsa(Qt::Key_Insert);
    txtDescripcion()->setFocus();
    pulsa(Qt::Key_F5);
    EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("Falta el campo de Nombre")});
    EXPECT_EQ(boxes.boxes().first().icon(), ui::Exclamation);
    EXPECT_TRUE(txtGrupos()->hasFocus());
    EXPECT_TRUE(ventana->Formas().Edicion());
    EXPECT_EQ(cuenta(), 0);
}

TEST_P(CatalogoTest, EscCancelsANewRowAndThenClosesTheWindow)
{
    inserta(QStringLiteral("COCINA"));
    inserta(QStringLiteral("BARRA"));
    ASSERT_NE(abre(), nullptr);
    pulsa(Qt::Key_Up);
    pulsa(Qt::Key_Insert);
    teclea(txtGrupos(), QStringLiteral("a medias"));
    pulsa(Qt::Key_Escape);
    EXPECT_FALSE(ventana->Formas().Edicion());
    EXPECT_EQ(txtGrupos()->text(), QStringLiteral("BARRA"));
    EXPECT_EQ(panel(1), QStringLiteral("Registros: 2"));
    EXPECT_EQ(cuenta(), 2);

    QPointer<DataEntryWindow> abierta = ventana;
    pulsa(Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(abierta.isNull());
    EXPECT_TRUE(panel(1).isEmpty());
    EXPECT_EQ(cuenta(), 2);
}

TEST_P(CatalogoTest, UpGoesToTheNextRowDownToThePreviousAndTheEndsSayNoMore)
{
    for (const char* nombre : {"A", "B", "C"})
        inserta(QLatin1String(nombre));
    ASSERT_NE(abre(), nullptr);
    const auto en = [this] { return txtGrupos()->text(); };
    pulsa(Qt::Key_Up);
    EXPECT_EQ(en(), QStringLiteral("B"));
    pulsa(Qt::Key_PageUp);
    EXPECT_EQ(en(), QStringLiteral("C"));
    pulsa(Qt::Key_Up);
    EXPECT_EQ(en(), QStringLiteral("C"));
    pulsa(Qt::Key_Down);
    EXPECT_EQ(en(), QStringLiteral("B"));
    pulsa(Qt::Key_Home);
    EXPECT_EQ(en(), QStringLiteral("A"));
    pulsa(Qt::Key_PageDown);
    EXPECT_EQ(en(), QStringLiteral("A"));
    pulsa(Qt::Key_End);
    EXPECT_EQ(en(), QStringLiteral("C"));
    EXPECT_EQ(boxes.texts(), QStringList(2, QStringLiteral("No hay mas registros")));
    EXPECT_EQ(boxes.boxes().first().icon(), ui::Information);

    // The toolbar reaches the same commands.
    EXPECT_TRUE(click(13));
    EXPECT_EQ(en(), QStringLiteral("A"));
    EXPECT_TRUE(click(15));
    EXPECT_EQ(en(), QStringLiteral("B"));
}

TEST_P(CatalogoTest, F5InBrowseModeAndCommandsOnAnEmptyTableDoNothing)
{
    ASSERT_NE(abre(), nullptr);
    pulsa(Qt::Key_F5);
    pulsa(Qt::Key_F6);
    pulsa(Qt::Key_Delete);
    EXPECT_FALSE(ventana->Formas().Edicion());
    EXPECT_TRUE(boxes.boxes().isEmpty());
    pulsa(Qt::Key_Home);
    EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("no hay registros")});
}

TEST_P(CatalogoTest, F3FindsByTheFocusedBox)
{
    inserta(QStringLiteral("COCINA"));
    inserta(QStringLiteral("O''BRIEN"));
    inserta(QStringLiteral("COCINA FRIA"));
    ASSERT_NE(abre(), nullptr);

    chkActivo()->setEnabled(true);
    chkActivo()->setFocus();
    pulsa(Qt::Key_F3);
    EXPECT_EQ(FrmBusqueda::instancia(), nullptr);

    txtId()->setFocus();
    pulsa(Qt::Key_F3);
    ASSERT_NE(FrmBusqueda::instancia(), nullptr);
    EXPECT_EQ(FrmBusqueda::instancia()->psCampo, QLatin1String(v().llave));
    EXPECT_EQ(FrmBusqueda::instancia()->lblCampo()->text(), QString::fromUtf8(v().etiquetaLlave).chopped(1));

    main->mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(ventana->parentWidget()));
    txtGrupos()->setFocus();
    EXPECT_TRUE(click(8));
    FrmBusqueda* dialogo = FrmBusqueda::instancia();
    EXPECT_EQ(dialogo->windowTitle(), QStringLiteral(" Buscar ..."));
    EXPECT_EQ(dialogo->psCampo, QLatin1String(v().columnaNombre));
    EXPECT_EQ(dialogo->lblCampo()->text(), QStringLiteral("Nombre"));

    dialogo->TxtCondicion()->setText(QStringLiteral("o'brien"));
    dialogo->CmdBuscarPrimero()->click();
    EXPECT_EQ(txtGrupos()->text(), QStringLiteral("O'BRIEN"));
    dialogo->CmbCondicion()->setCurrentText(QStringLiteral("Parecido a:"));
    dialogo->TxtCondicion()->setText(QStringLiteral("cocina"));
    dialogo->CmdBuscarSiguiente()->click();
    EXPECT_EQ(txtGrupos()->text(), QStringLiteral("COCINA FRIA"));
    dialogo->CmdBuscarSiguiente()->click();
    EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("No se encontro el registro")});
    EXPECT_EQ(txtGrupos()->text(), QStringLiteral("COCINA FRIA"));
}

TEST_P(CatalogoTest, DeleteAsksFirstAndMovesToTheRowBefore)
{
    for (const char* nombre : {"A", "B", "C"})
        inserta(QLatin1String(nombre));
    ASSERT_NE(abre(), nullptr);
    pulsa(Qt::Key_End);
    boxes.answer(ui::No);
    pulsa(Qt::Key_Delete);
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_EQ(boxes.boxes().first().text, QStringLiteral("¿Esta seguro de borrar el registro?"));
    EXPECT_EQ(boxes.boxes().first().style, ui::YesNo | ui::Question);
    EXPECT_EQ(cuenta(), 3);

    pulsa(Qt::Key_Delete);  // Yes
    EXPECT_EQ(cuenta(), 2);
    EXPECT_EQ(txtGrupos()->text(), QStringLiteral("B"));
    EXPECT_EQ(panel(1), QStringLiteral("Registros: 2"));
    pulsa(Qt::Key_Home);
    pulsa(Qt::Key_Delete);
    EXPECT_EQ(txtGrupos()->text(), QStringLiteral("B"));
    EXPECT_EQ(panel(1), QStringLiteral("Registros: 1"));
}

TEST_P(CatalogoTest, ARowInUseIsNotDeleted)
{
    inserta(QStringLiteral("COCINA"));
    db.execute(QStringLiteral("CREATE TABLE Referencia (Id INTEGER REFERENCES %1 (%2))").arg(tabla(), QLatin1String(v().llave)));
    db.execute(QStringLiteral("INSERT INTO Referencia SELECT %1 FROM %2").arg(QLatin1String(v().llave), tabla()));
    ASSERT_NE(abre(), nullptr);
    pulsa(Qt::Key_Delete);
    ASSERT_EQ(boxes.texts().size(), 2);
    EXPECT_TRUE(boxes.texts().at(1).startsWith(QStringLiteral("No se puede borrar este registro por estar en uso")))
        << boxes.texts().at(1).toStdString();
    EXPECT_EQ(cuenta(), 1);
    EXPECT_EQ(txtGrupos()->text(), QStringLiteral("COCINA"));
    EXPECT_EQ(panel(1), QStringLiteral("Registros: 1"));
}

INSTANTIATE_TEST_SUITE_P(Ventanas, CatalogoTest, ::testing::Values(kDepartamentos, kGrupos),
                         [](const ::testing::TestParamInfo<Ventana>& info) { return std::string(info.param.nombre); });

} // namespace
