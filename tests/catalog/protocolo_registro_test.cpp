// The record protocol as the record windows rely on it: one transaction for the whole save, a
// refusal anywhere (a detail row, a hook, the commit) undoing all of it while the edit stays as
// typed, changes that never land on another record, bound pickers and formatted boxes, keys that
// are never given twice.
#include "foundation/database/cls_ado.h"
#include "foundation/forms/window_registry.h"
#include "platform/grid/grid.h"
#include "tests/catalog/catalog_fixture.h"
#include "tests/catalog/ventanas_prueba.h"
#include "tests/foundation/forms/typing.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QLineEdit>

#include <functional>

namespace {

const QString kBorradoPorOtro = QStringLiteral("El registro fue borrado o modificado por otro usuario");
const QString kSoloLectura = QStringLiteral("La base de datos no se puede escribir: es de solo lectura");

class ProtocoloTest : public CatalogDb {
protected:
    template <typename W>
    W* abreVentana(const QString& nombre)
    {
        registraVentanasPrueba();
        ventanaAbierta = qobject_cast<DataEntryWindow*>(WindowRegistry::show(nombre));
        return qobject_cast<W*>(ventanaAbierta);
    }
    static QStringList columna(grid::Grid* g, int column)
    {
        QStringList out;
        for (int r = 1; r <= g->rowCount(); ++r)
            out << g->text(r, column);
        return out;
    }
    bool editando() const { return ventanaAbierta && ventanaAbierta->Formas().Edicion(); }
};

// --- Groups and their members -----------------------------------------------------------------------

class GruposTest : public ProtocoloTest {
protected:
    void SetUp() override
    {
        ProtocoloTest::SetUp();
        db.execute(QStringLiteral("INSERT INTO Tipo_Modificador (ID_Tipo_Modificador, Nombre_Tipo_Modificador) VALUES "
                                  "(5, 'QUESO'), (6, 'CEBOLLA'), (7, 'CHILE'), (8, 'SAL')"));
        db.execute(QStringLiteral("INSERT INTO Grupo_Modificadores (ID_Grupo_Modificadores, Nombre_Grupo_Modificadores) "
                                  "VALUES (1, 'EXTRAS'), (2, 'SALSAS')"));
        db.execute(QStringLiteral("INSERT INTO TiposXGrupo_Modificadores VALUES (1, 5), (1, 6), (2, 8)"));
    }
    PruebaGrupos* abre() { return w = abreVentana<PruebaGrupos>(QStringLiteral("PruebaGrupos")); }
    QStringList miembros()
    {
        return filas(QStringLiteral("SELECT ID_Grupo_Modificadores, ID_Tipo_Modificador FROM TiposXGrupo_Modificadores "
                                    "ORDER BY 1, 2"));
    }
    QString nombre(int grupo)
    {
        return scalar(QStringLiteral("SELECT Nombre_Grupo_Modificadores FROM Grupo_Modificadores WHERE "
                                     "ID_Grupo_Modificadores=%1").arg(grupo)).toString();
    }
    // Appends a member row and types its key, as the user does.
    void agregaMiembro(const QString& clave)
    {
        grid::Grid* g = w->sprModificadores;
        teclaEnGrid(g, Qt::Key_Insert);
        escribeCelda(g, g->rowCount(), 1, clave);
    }
    PruebaGrupos* w = nullptr;
};

const QString kSinCebolla = QStringLiteral(
    "CREATE TRIGGER SinCebolla BEFORE INSERT ON TiposXGrupo_Modificadores WHEN NEW.ID_Tipo_Modificador=6 "
    "BEGIN SELECT RAISE(ABORT, 'No se admite la cebolla'); END");

TEST_F(GruposTest, ARefusedMemberUndoesTheWholeChangeAndKeepsWhatWasTyped)
{
    db.execute(kSinCebolla);
    ASSERT_NE(abre(), nullptr);
    pulsa(Qt::Key_F6);
    reemplaza(w->TxtNombre, QStringLiteral("EXTRAS FINOS"));
    agregaMiembro(QStringLiteral("7"));
    boxes.clear();
    pulsa(Qt::Key_F5);

    EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("No se admite la cebolla")});
    EXPECT_TRUE(editando());
    EXPECT_EQ(miembros(), (QStringList{"1|5", "1|6", "2|8"}));
    EXPECT_EQ(nombre(1), QStringLiteral("EXTRAS"));
    EXPECT_EQ(w->TxtNombre->text(), QStringLiteral("EXTRAS FINOS"));
    EXPECT_EQ(columna(w->sprModificadores, 1), (QStringList{"5", "6", "7"}));
    EXPECT_FALSE(g_ClsAdo().conexion().inTransaction());

    // Once the database takes the member, the same edit is saved whole.
    db.execute(QStringLiteral("DROP TRIGGER SinCebolla"));
    boxes.clear();
    pulsa(Qt::Key_F5);
    EXPECT_TRUE(boxes.texts().isEmpty());
    EXPECT_FALSE(editando());
    EXPECT_EQ(miembros(), (QStringList{"1|5", "1|6", "1|7", "2|8"}));
    EXPECT_EQ(nombre(1), QStringLiteral("EXTRAS FINOS"));
}

TEST_F(GruposTest, ARefusedMemberOfANewGroupStoresNoGroupAndTheRetryStoresOne)
{
    db.execute(kSinCebolla);
    ASSERT_NE(abre(), nullptr);
    pulsa(Qt::Key_Insert);
    teclea(w->TxtNombre, QStringLiteral("verduras"));
    agregaMiembro(QStringLiteral("6"));
    boxes.clear();
    pulsa(Qt::Key_F5);

    EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("No se admite la cebolla")});
    EXPECT_TRUE(editando());
    EXPECT_EQ(cuenta(QStringLiteral("Grupo_Modificadores")), 2);
    EXPECT_EQ(miembros(), (QStringList{"1|5", "1|6", "2|8"}));
    EXPECT_TRUE(w->txtId->text().isEmpty());

    escribeCelda(w->sprModificadores, 1, 1, QStringLiteral("7"));
    boxes.clear();
    pulsa(Qt::Key_F5);
    EXPECT_TRUE(boxes.texts().isEmpty());
    EXPECT_FALSE(editando());
    EXPECT_EQ(cuenta(QStringLiteral("Grupo_Modificadores")), 3);
    EXPECT_EQ(nombre(3), QStringLiteral("VERDURAS"));
    EXPECT_EQ(miembros(), (QStringList{"1|5", "1|6", "2|8", "3|7"}));
    EXPECT_EQ(w->txtId->text(), QStringLiteral("3"));
    EXPECT_EQ(panel(1), QStringLiteral("Registros: 3"));
}

TEST_F(GruposTest, AGroupDeletedAtAnotherStationMeanwhileGetsNoMemberAnywhere)
{
    ASSERT_NE(abre(), nullptr);
    pulsa(Qt::Key_F6);
    reemplaza(w->TxtNombre, QStringLiteral("EXTRAS FINOS"));
    agregaMiembro(QStringLiteral("7"));
    // Another station, on its own connection.
    db.execute(QStringLiteral("DELETE FROM TiposXGrupo_Modificadores WHERE ID_Grupo_Modificadores=1; "
                              "DELETE FROM Grupo_Modificadores WHERE ID_Grupo_Modificadores=1"));
    boxes.clear();
    pulsa(Qt::Key_F5);

    EXPECT_EQ(boxes.texts(), QStringList{kBorradoPorOtro});
    EXPECT_TRUE(editando());
    EXPECT_EQ(miembros(), QStringList{"2|8"});
    EXPECT_EQ(nombre(2), QStringLiteral("SALSAS"));
    EXPECT_EQ(cuenta(QStringLiteral("Grupo_Modificadores")), 1);
}

TEST_F(GruposTest, ARefusedCommitIsReportedAndTheNextSaveCommits)
{
    // A deferred reference broken by the change: only the commit can refuse it.
    db.execute(QStringLiteral(
        "CREATE TABLE Vigia (ID_Grupo INTEGER REFERENCES Grupo_Modificadores(ID_Grupo_Modificadores) "
        "DEFERRABLE INITIALLY DEFERRED); "
        "CREATE TRIGGER Vigila AFTER UPDATE ON Grupo_Modificadores WHEN NEW.Nombre_Grupo_Modificadores='MALO' "
        "BEGIN INSERT INTO Vigia VALUES (999); END"));
    ASSERT_NE(abre(), nullptr);
    pulsa(Qt::Key_F6);
    reemplaza(w->TxtNombre, QStringLiteral("MALO"));
    agregaMiembro(QStringLiteral("7"));
    boxes.clear();
    pulsa(Qt::Key_F5);

    EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("No se pudo guardar el registro")});
    EXPECT_TRUE(editando());
    EXPECT_FALSE(g_ClsAdo().conexion().inTransaction());
    EXPECT_EQ(nombre(1), QStringLiteral("EXTRAS"));
    EXPECT_EQ(miembros(), (QStringList{"1|5", "1|6", "2|8"}));

    reemplaza(w->TxtNombre, QStringLiteral("BUENO"));
    boxes.clear();
    pulsa(Qt::Key_F5);
    EXPECT_TRUE(boxes.texts().isEmpty());
    EXPECT_FALSE(editando());
    EXPECT_EQ(nombre(1), QStringLiteral("BUENO"));
    EXPECT_EQ(miembros(), (QStringList{"1|5", "1|6", "1|7", "2|8"}));
}

TEST_F(GruposTest, AReadOnlyDatabaseSaysSoForANewGroupAndForAChange)
{
    ASSERT_NE(abre(), nullptr);
    g_ClsAdo().conexion().execute(QStringLiteral("PRAGMA query_only=1"));
    for (const Qt::Key tecla : {Qt::Key_F6, Qt::Key_Insert}) {
        SCOPED_TRACE(tecla == Qt::Key_F6 ? "cambio" : "nuevo");
        pulsa(tecla);
        reemplaza(w->TxtNombre, QStringLiteral("OTRO"));
        boxes.clear();
        pulsa(Qt::Key_F5);
        EXPECT_EQ(boxes.texts(), QStringList{kSoloLectura});
        EXPECT_TRUE(editando());
        EXPECT_FALSE(g_ClsAdo().conexion().inTransaction());
        pulsa(Qt::Key_Escape);
    }
    EXPECT_EQ(cuenta(QStringLiteral("Grupo_Modificadores")), 2);
    EXPECT_EQ(nombre(1), QStringLiteral("EXTRAS"));
}

// --- Messages of a save or delete --------------------------------------------------------------------

// Every message a save or a delete shows is read with the database free: the window's transaction
// has ended, and another station writes at once.
class MensajesTest : public GruposTest {
protected:
    struct Visto {
        QString texto;
        bool enTransaccion;
        bool otroEscribe;
    };
    void SetUp() override
    {
        GruposTest::SetUp();
        db.execute(QStringLiteral("CREATE TABLE Testigo (x)"));
        db.setCommandTimeout(0);
        boxes.setWitness([this](const ui::Box& box) {
            bool escribe = true;
            try {
                db.execute(QStringLiteral("INSERT INTO Testigo VALUES (1)"));
            } catch (const adodb::ComError&) {
                escribe = false;
            }
            vistos.append({box.text, g_ClsAdo().conexion().inTransaction(), escribe});
        });
    }
    void TearDown() override
    {
        boxes.setWitness(nullptr);
        GruposTest::TearDown();
    }
    QList<Visto> vistos;
};

TEST_F(MensajesTest, ARefusalIsShownOnlyOnceTheDatabaseIsFree)
{
    struct Caso {
        const char* nombre;
        std::function<void()> prepara;
        QString mensaje;
    };
    const auto cambiaNombre = [this](const QString& nombre) {
        pulsa(Qt::Key_F6);
        reemplaza(w->TxtNombre, nombre);
    };
    const QList<Caso> casos{
        {"repeated name of a new record",
         [this] {
             pulsa(Qt::Key_Insert);
             teclea(w->TxtNombre, QStringLiteral("salsas"));
         },
         QStringLiteral("Ya existe el nombre del grupo de modificadores")},
        {"repeated name of a change", [&] { cambiaNombre(QStringLiteral("SALSAS")); },
         QStringLiteral("Ya existe el nombre del grupo de modificadores")},
        {"refused detail row",
         [&] {
             db.execute(kSinCebolla);
             cambiaNombre(QStringLiteral("EXTRAS FINOS"));
             agregaMiembro(QStringLiteral("6"));
         },
         QStringLiteral("No se admite la cebolla")},
        {"record deleted elsewhere",
         [&] {
             cambiaNombre(QStringLiteral("EXTRAS FINOS"));
             agregaMiembro(QStringLiteral("7"));
             db.execute(QStringLiteral("DELETE FROM TiposXGrupo_Modificadores WHERE ID_Grupo_Modificadores=1; "
                                       "DELETE FROM Grupo_Modificadores WHERE ID_Grupo_Modificadores=1"));
         },
         kBorradoPorOtro},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nombre);
        ASSERT_NE(abre(), nullptr);
        caso.prepara();
        vistos.clear();
        pulsa(Qt::Key_F5);
        ASSERT_EQ(vistos.size(), 1);
        EXPECT_EQ(vistos[0].texto, caso.mensaje);
        EXPECT_FALSE(vistos[0].enTransaccion);
        EXPECT_TRUE(vistos[0].otroEscribe);
        EXPECT_TRUE(editando());
        pulsa(Qt::Key_Escape);
        w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        db.execute(QStringLiteral("DROP TRIGGER IF EXISTS SinCebolla"));
    }
}

TEST_F(MensajesTest, ARefusedDeleteIsShownOnlyOnceTheDatabaseIsFree)
{
    db.execute(QStringLiteral("CREATE TRIGGER NoSeBorra BEFORE DELETE ON TiposXGrupo_Modificadores "
                              "BEGIN SELECT RAISE(ABORT, 'Grupo protegido'); END"));
    ASSERT_NE(abre(), nullptr);
    boxes.answer(ui::Yes);
    vistos.clear();
    w->BotonBorrar();
    ASSERT_EQ(vistos.size(), 2);
    EXPECT_EQ(vistos[1].texto, QStringLiteral("Grupo protegido"));
    EXPECT_FALSE(vistos[1].enTransaccion);
    EXPECT_TRUE(vistos[1].otroEscribe);
    EXPECT_EQ(cuenta(QStringLiteral("Grupo_Modificadores")), 2);
}

// --- Events: pickers, formatted box, lookup, own query, hooks, keys ----------------------------------

class EventosTest : public ProtocoloTest {
protected:
    void SetUp() override
    {
        ProtocoloTest::SetUp();
        db.execute(PruebaEventos::kTabla);
        db.execute(QStringLiteral("INSERT INTO Menu (ID_Menu, Nombre_Menu) VALUES (1, 'GENERAL')"));
        db.execute(QStringLiteral(
            "INSERT INTO Evento VALUES (1, 'BODA', '2024-03-05 13:45:00', NULL, 1234.5, NULL, 0), "
            "(2, 'OCULTO', NULL, NULL, NULL, NULL, 1), "
            "(3, 'CENA', '2024-04-01 00:00:00', '2024-05-01 00:00:00', 10, 99, 0)"));
    }
    PruebaEventos* abre() { return w = abreVentana<PruebaEventos>(QStringLiteral("PruebaEventos")); }
    QStringList evento(int id)
    {
        return filas(QStringLiteral("SELECT Nombre, Fecha||'', Vence||'', Precio, ID_Menu FROM Evento WHERE ID_Evento=%1")
                         .arg(id));
    }
    void eligeMenu(const QString& texto)
    {
        const int entrada = w->cmbMenu->findText(texto);
        w->cmbMenu->setCurrentIndex(entrada);
        emit w->cmbMenu->activated(entrada);
    }
    PruebaEventos* w = nullptr;
};

TEST_F(EventosTest, PickersAndTheCurrencyBoxShowTheRowAndWriteOnlyWhatChanged)
{
    ASSERT_NE(abre(), nullptr);
    EXPECT_EQ(panel(1), QStringLiteral("Registros: 2"));  // the hidden row is not browsed
    EXPECT_EQ(w->dtpFecha->date(), QDate(2024, 3, 5));
    EXPECT_EQ(w->dtpVence->date(), w->dtpVence->minimumDate());
    EXPECT_EQ(w->dtpVence->text().trimmed(), QString());
    EXPECT_EQ(w->MskPrecio->text(), QStringLiteral("$1,234.50"));
    EXPECT_EQ(w->cmbMenu->currentText(), QStringLiteral("NINGUNO"));

    // A name-only change leaves the dates, the price and the menu as stored.
    pulsa(Qt::Key_F6);
    reemplaza(w->TxtNombre, QStringLiteral("BODA CIVIL"));
    pulsa(Qt::Key_F5);
    ASSERT_FALSE(editando());
    EXPECT_EQ(evento(1), QStringList{"BODA CIVIL|2024-03-05 13:45:00|NULL|1234.5|NULL"});

    pulsa(Qt::Key_F6);
    w->dtpFecha->setDate(QDate(2024, 3, 9));
    w->dtpVence->setDate(QDate(2024, 6, 30));
    reemplaza(w->MskPrecio, QStringLiteral("$1,099.90"));
    eligeMenu(QStringLiteral("GENERAL"));
    pulsa(Qt::Key_F5);
    ASSERT_FALSE(editando());
    EXPECT_EQ(evento(1), QStringList{"BODA CIVIL|2024-03-09 00:00:00|2024-06-30 00:00:00|1099.9|1"});
    EXPECT_EQ(w->MskPrecio->text(), QStringLiteral("$1,099.90"));

    // Emptied, the optional date and the menu are NULL again.
    pulsa(Qt::Key_F6);
    w->dtpVence->setDate(w->dtpVence->minimumDate());
    eligeMenu(QStringLiteral("NINGUNO"));
    pulsa(Qt::Key_F5);
    ASSERT_FALSE(editando());
    EXPECT_EQ(evento(1), QStringList{"BODA CIVIL|2024-03-09 00:00:00|NULL|1099.9|NULL"});

    // The next row shown skips the hidden one; a menu key that matches no menu shows none, never
    // the menu of the row shown before.
    eligeMenu(QStringLiteral("GENERAL"));
    w->BotonRegistroSiguiente();
    EXPECT_EQ(w->TxtNombre->text(), QStringLiteral("CENA"));
    EXPECT_EQ(w->dtpVence->date(), QDate(2024, 5, 1));
    EXPECT_EQ(w->cmbMenu->currentIndex(), -1);
}

TEST_F(EventosTest, AHookRefusalOrExceptionUndoesWhatTheHooksWrote)
{
    ASSERT_NE(abre(), nullptr);
    const auto menus = [this] { return cuenta(QStringLiteral("Menu")); };
    w->antes = [](bool) {
        g_ClsAdo().conexion().execute(QStringLiteral("INSERT INTO Menu (ID_Menu, Nombre_Menu) VALUES (7, 'NOCHE')"));
        return true;
    };
    w->despues = [](bool) {
        ui::msgBox(QStringLiteral("No por ahora"), ui::Exclamation);
        return false;
    };
    pulsa(Qt::Key_F6);
    reemplaza(w->TxtNombre, QStringLiteral("BODA CIVIL"));
    boxes.clear();
    pulsa(Qt::Key_F5);
    EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("No por ahora")});
    EXPECT_TRUE(editando());
    EXPECT_EQ(menus(), 1);
    EXPECT_EQ(evento(1).value(0).section(QLatin1Char('|'), 0, 0), QStringLiteral("BODA"));

    // An error that the window does not handle is shown, written to the daily log and undone.
    w->despues = [](bool) -> bool { throw adodb::ComError(5, QStringLiteral("Falla inesperada")); };
    boxes.clear();
    pulsa(Qt::Key_F5);
    ASSERT_EQ(boxes.texts(), QStringList{QStringLiteral("Falla inesperada")});
    EXPECT_EQ(boxes.boxes().first().icon(), ui::Critical);
    EXPECT_TRUE(editando());
    EXPECT_FALSE(g_ClsAdo().conexion().inTransaction());
    EXPECT_EQ(menus(), 1);
    QString bitacora;
    const QDir plimo(QDir(root.path()).filePath(QStringLiteral("plimo")));
    for (const QString& archivo : plimo.entryList({QStringLiteral("ZorvaComTra*.log")})) {
        QFile f(plimo.filePath(archivo));
        if (f.open(QIODevice::ReadOnly))
            bitacora += QString::fromUtf8(f.readAll());
    }
    EXPECT_TRUE(bitacora.contains(QStringLiteral("Falla inesperada"))) << bitacora.toStdString();

    w->despues = nullptr;
    boxes.clear();
    pulsa(Qt::Key_F5);
    EXPECT_TRUE(boxes.texts().isEmpty());
    EXPECT_FALSE(editando());
    EXPECT_EQ(menus(), 2);
    EXPECT_EQ(evento(1).value(0).section(QLatin1Char('|'), 0, 0), QStringLiteral("BODA CIVIL"));
}

TEST_F(EventosTest, TheNewestRowDeletedItsKeyIsNotGivenAgain)
{
    ASSERT_NE(abre(), nullptr);
    const auto nuevo = [this](const QString& nombre) {
        pulsa(Qt::Key_Insert);
        teclea(w->TxtNombre, nombre);
        pulsa(Qt::Key_F5);
        return w->txtId->text();
    };
    EXPECT_EQ(nuevo(QStringLiteral("fiesta")), QStringLiteral("4"));
    boxes.answer(ui::Yes);
    w->BotonBorrar();
    ASSERT_EQ(cuenta(QStringLiteral("Evento")), 3);
    EXPECT_EQ(nuevo(QStringLiteral("posada")), QStringLiteral("5"));
    EXPECT_EQ(filas(QStringLiteral("SELECT ID_Evento, Nombre FROM Evento WHERE ID_Evento>3")),
              QStringList{"5|POSADA"});
}

} // namespace
