#include "foundation/database/cls_ado.h"
#include "foundation/forms/frm_busqueda.h"
#include "foundation/forms/window_registry.h"
#include "mainwindow/admin/frm_funciones.h"
#include "mainwindow/admin/ventanas_administracion.h"
#include "mainwindow/mdi_principal.h"
#include "tests/foundation/forms/typing.h"
#include "tests/mainwindow/grid_user.h"
#include "tests/mainwindow/mainwindow_fixture.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace {

const QString kNoDisponible = QStringLiteral("Función no disponible en este catálogo");

// The feature switches window opened from the real main window's menu by an administrator. The
// database comes with switches 10, 13 and 16, all off.
class Funciones : public MainWindowDb {
protected:
    void SetUp() override
    {
        MainWindowDb::SetUp();
        addEmployee(1, QStringLiteral("ADMIN"), QStringLiteral("ADMIN"), QStringLiteral("A"), 0, true);
        join(1, 1);
        registraVentanasAdministracion();
        openMain(1);
        ASSERT_TRUE(muestraActiva(main));
    }

    FrmFunciones* abre()
    {
        main->menuItem(QStringLiteral("mnuFunciones"))->trigger();
        ventana = qobject_cast<FrmFunciones*>(WindowRegistry::find(QStringLiteral("FrmFunciones")));
        rejilla = ventana ? ventana->findChild<grid::Grid*>(QStringLiteral("sprFunciones")) : nullptr;
        return rejilla ? ventana : nullptr;
    }
    void cierra()
    {
        main->CierraHijaActiva();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QVariant estado(int id) { return scalar(QStringLiteral("SELECT Estado FROM Funciones WHERE Id_Funcion=%1").arg(id)); }
    QVariant descripcion(int id)
    {
        return scalar(QStringLiteral("SELECT Descripcion FROM Funciones WHERE Id_Funcion=%1").arg(id));
    }
    // Ticks or clears a state cell as the user does, with the space bar.
    void alterna(int fila)
    {
        rejilla->setFocus();
        rejilla->setActiveCell(fila, 4);
        QTest::keyClick(rejilla->table(), Qt::Key_Space);
    }
    // Types a new description into a cell through its editor.
    void escribe(int fila, const QString& texto)
    {
        rejilla->setActiveCell(fila, 3);
        rejilla->table()->edit(rejilla->table()->model()->index(fila - 1, 2));
        auto* editor = rejilla->table()->viewport()->findChild<QLineEdit*>();
        ASSERT_NE(editor, nullptr);
        editor->selectAll();
        teclea(editor, texto);
        QTest::keyClick(editor, Qt::Key_Return);
        QApplication::processEvents();
    }
    bool habilitado(QAction* a) const { return a && a->isEnabled(); }
    bool nuevoOBorrarHabilitados() const
    {
        return habilitado(main->toolbarButton(1)) || habilitado(main->toolbarButton(3))
               || habilitado(main->editRecordItem(8)) || habilitado(main->editRecordItem(10));
    }

    FrmFunciones* ventana = nullptr;
    grid::Grid* rejilla = nullptr;
};

TEST_F(Funciones, DesignAndTheOpeningState)
{
    ASSERT_NE(abre(), nullptr);
    EXPECT_EQ(main->mdiArea()->activeSubWindow()->windowTitle(), QStringLiteral("Funciones"));
    ASSERT_NE(ventana->findChild<QLabel*>(QStringLiteral("Label2")), nullptr);
    EXPECT_EQ(ventana->findChild<QLabel*>(QStringLiteral("Label2"))->text(), QStringLiteral("Funciones disponibles"));
    EXPECT_NE(ventana->findChild<QWidget*>(QStringLiteral("Frame1")), nullptr);
    EXPECT_EQ(rejilla->columnCount(), 4);
    EXPECT_EQ((QStringList{rejilla->text(0, 1), rejilla->text(0, 2), rejilla->text(0, 3), rejilla->text(0, 4)}),
              (QStringList{"Funcion ID", "Funcion", "Descripción", "Estado"}));
    EXPECT_EQ(rejilla->cellFormat(1, 4).type, grid::CellType::CheckBox);
    EXPECT_EQ(rejilla->cellFormat(1, 4).caption, QStringLiteral("Activar Función"));
    EXPECT_EQ(rejilla->cellFormat(1, 3).maxLength, 90);
    EXPECT_TRUE(rejilla->isCellLocked(1, 1) && rejilla->isCellLocked(1, 2));
    EXPECT_FALSE(rejilla->isCellLocked(1, 3) || rejilla->isCellLocked(1, 4));

    EXPECT_EQ(columnTexts(rejilla, 1), (QStringList{"10", "13", "16"}));
    EXPECT_EQ(rejilla->text(1, 2), QStringLiteral("TOTAL EN DOLARES"));
    EXPECT_EQ(rejilla->text(1, 3), descripcion(10).toString());
    EXPECT_EQ(columnTexts(rejilla, 4), (QStringList{"0", "0", "0"}));
    EXPECT_FALSE(rejilla->isEnabled());
    EXPECT_TRUE(main->statusPanel(1).isEmpty());
    EXPECT_FALSE(nuevoOBorrarHabilitados());
    EXPECT_TRUE(main->toolbarButton(2)->isEnabled());
}

TEST_F(Funciones, SwitchTenTickedAndAcceptedIsStoredOnWithEveryRowWrittenAsShown)
{
    db.execute(QStringLiteral("UPDATE Funciones SET Descripcion=NULL WHERE Id_Funcion=16"));
    ASSERT_NE(abre(), nullptr);
    EXPECT_EQ(rejilla->text(3, 3), QString());
    pulsa(Qt::Key_F6);
    ASSERT_TRUE(ventana->Formas().Edicion());
    EXPECT_TRUE(rejilla->isEnabled());
    alterna(1);
    EXPECT_EQ(rejilla->value(1, 4), QVariant(1));
    escribe(2, QStringLiteral("Sin serie del 'folio'"));
    pulsa(Qt::Key_F5);

    EXPECT_TRUE(boxes.boxes().isEmpty()) << boxes.texts().join(QLatin1Char('|')).toStdString();
    EXPECT_FALSE(ventana->Formas().Edicion());
    EXPECT_EQ(estado(10).toInt(), 1);
    EXPECT_EQ(estado(13).toInt(), 0);
    EXPECT_EQ(descripcion(13).toString(), QStringLiteral("Sin serie del 'folio'"));
    EXPECT_EQ(descripcion(16), QVariant(QString()));
    EXPECT_FALSE(rejilla->isEnabled());
    EXPECT_EQ(rejilla->value(1, 4), QVariant(1));
    // The keys still reach the window with the grid disabled.
    pulsa(Qt::Key_F6);
    EXPECT_TRUE(ventana->Formas().Edicion());
}

TEST_F(Funciones, ACancelledChangeShowsTheStoredStateAgain)
{
    ASSERT_NE(abre(), nullptr);
    pulsa(Qt::Key_F6);
    alterna(1);
    escribe(3, QStringLiteral("otra"));
    ASSERT_EQ(rejilla->value(1, 4), QVariant(1));
    pulsa(Qt::Key_Escape);
    EXPECT_FALSE(ventana->Formas().Edicion());
    EXPECT_EQ(rejilla->value(1, 4), QVariant(0));
    EXPECT_EQ(rejilla->text(3, 3), descripcion(16).toString());
    EXPECT_EQ(estado(10).toInt(), 0);
    EXPECT_FALSE(nuevoOBorrarHabilitados());
    // The grid stays usable in browse mode; what is changed there is stored by a modify and accept.
    EXPECT_TRUE(rejilla->isEnabled());
    alterna(2);
    EXPECT_EQ(estado(13).toInt(), 0);
    pulsa(Qt::Key_F6);
    pulsa(Qt::Key_F5);
    EXPECT_EQ(estado(13).toInt(), 1);

    // Reopened, the window shows what is stored.
    db.execute(QStringLiteral("UPDATE Funciones SET Estado=1 WHERE Id_Funcion=16"));
    cierra();
    ASSERT_NE(abre(), nullptr);
    EXPECT_EQ(columnTexts(rejilla, 4), (QStringList{"0", "1", "1"}));
}

TEST_F(Funciones, AnEmptyStateIsStoredAsOffAndARefusedUpdateUndoesTheSave)
{
    db.execute(QStringLiteral("UPDATE Funciones SET Estado=NULL WHERE Id_Funcion=13"));
    db.execute(QStringLiteral("CREATE TRIGGER sin_16 BEFORE UPDATE ON Funciones WHEN NEW.Id_Funcion=16 "
                              "BEGIN SELECT RAISE(ABORT, 'no se cambia'); END"));
    ASSERT_NE(abre(), nullptr);
    EXPECT_EQ(rejilla->text(2, 4), QString());
    pulsa(Qt::Key_F6);
    alterna(1);
    pulsa(Qt::Key_F5);
    ASSERT_EQ(boxes.texts(), QStringList{QString::number(adodb::err::ProviderIntegrity) + QStringLiteral("no se cambia")});
    EXPECT_EQ(boxes.boxes().first().style, ui::OkOnly);
    EXPECT_TRUE(ventana->Formas().Edicion());
    EXPECT_EQ(estado(10).toInt(), 0);
    EXPECT_TRUE(estado(13).isNull());
    EXPECT_EQ(rejilla->value(1, 4), QVariant(1));
    EXPECT_FALSE(g_ClsAdo().conexion().inTransaction());

    db.execute(QStringLiteral("DROP TRIGGER sin_16"));
    boxes.clear();
    pulsa(Qt::Key_F5);
    EXPECT_TRUE(boxes.boxes().isEmpty());
    EXPECT_EQ(estado(10).toInt(), 1);
    EXPECT_EQ(estado(13), QVariant(0));
}

TEST_F(Funciones, EveryCommandButModifyAcceptAndCancelIsRefused)
{
    ASSERT_NE(abre(), nullptr);
    for (Qt::Key tecla : {Qt::Key_Insert, Qt::Key_Home, Qt::Key_End, Qt::Key_Up, Qt::Key_Down, Qt::Key_PageUp,
                          Qt::Key_PageDown, Qt::Key_F3})
        pulsa(tecla);
    for (int boton : {8, 18})
        main->toolbarButton(boton)->trigger();
    main->mnuEdReg_Click(10);
    EXPECT_EQ(boxes.texts(), QStringList(10, kNoDisponible));
    EXPECT_EQ(boxes.boxes().first().style, ui::Information);
    EXPECT_EQ(FrmBusqueda::instancia(), nullptr);
    EXPECT_FALSE(nuevoOBorrarHabilitados());
    EXPECT_FALSE(ventana->Formas().Edicion());

    // In edit mode the arrows move inside the grid.
    pulsa(Qt::Key_F6);
    rejilla->setFocus();
    rejilla->setActiveCell(1, 3);
    boxes.clear();
    pulsa(Qt::Key_Down);
    EXPECT_TRUE(boxes.boxes().isEmpty());
    EXPECT_EQ(rejilla->activeRow(), 2);
}

TEST_F(Funciones, AnEmptyTableGivesAnEmptyGridAndASaveOfNothing)
{
    db.execute(QStringLiteral("DELETE FROM Funciones"));
    ASSERT_NE(abre(), nullptr);
    EXPECT_EQ(rejilla->rowCount(), 0);
    pulsa(Qt::Key_F6);
    pulsa(Qt::Key_F5);
    EXPECT_TRUE(boxes.boxes().isEmpty());
    EXPECT_FALSE(ventana->Formas().Edicion());
}

} // namespace
