#include "schema/instalacion.h"
#include "schema/key_file_check.h"

#include "foundation/cipher/contrasena.h"
#include "platform/adodb/adodb.h"
#include "platform/clock/clock.h"
#include "platform/keys/clsclaves.h"
#include "schema/schema.h"
#include "schema/upgrade.h"
#include "tests/support/temp_data_root.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMap>

#include <gtest/gtest.h>

using schema::creaInstalacion;

namespace {

class Instalacion : public ::testing::Test {
protected:
    void SetUp() override { appclock::setNow(QDateTime(QDate(2024, 3, 15), QTime(9, 30))); }
    void TearDown() override { appclock::reset(); }

    // Every file under the data root with a hash of its bytes.
    QMap<QString, QByteArray> files() const
    {
        QMap<QString, QByteArray> out;
        QDirIterator it(root.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            QFile f(path);
            f.open(QIODevice::ReadOnly);
            out[path] = QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
        }
        return out;
    }

    QVariant scalar(adodb::Connection& db, const QString& sql)
    {
        adodb::Recordset rs = db.execute(sql);
        return rs.eof() ? QVariant() : rs.field(0).value();
    }

    TempDataRoot root;
};

} // namespace

TEST_F(Instalacion, OnAnEmptyFolderWritesTheDatabaseTheKeysTheTemplateAndTheAdministrator)
{
    QString error;
    ASSERT_TRUE(creaInstalacion(QStringLiteral("."), QStringLiteral("zorva"), QStringLiteral("admin"),
                                QStringLiteral("secreto"), &error)) << qPrintable(error);
    EXPECT_TRUE(QFile::exists(root.filePath(QStringLiteral("zorva.db"))));
    EXPECT_TRUE(ClsClaves::ExisteArchivo());
    EXPECT_TRUE(QFile::exists(root.filePath(QStringLiteral("Plantilla.mdb"))));
    EXPECT_FALSE(QFile::exists(root.filePath(QStringLiteral("zorva.db.nuevo"))));

    // Opened as the program opens it, with another word for the same server.
    adodb::Connection db;
    db.open(QStringLiteral("server=(local);driver={SQL Server};database=zorva"));
    EXPECT_EQ(scalar(db, QStringLiteral("SELECT COUNT(*) FROM Permisos")), 28);
    EXPECT_EQ(scalar(db, QStringLiteral("SELECT COUNT(*) FROM Funciones WHERE Id_Funcion IN (10,13,16) AND Estado=0")), 3);
    EXPECT_EQ(scalar(db, QStringLiteral("SELECT Valor_Cad FROM Parametros WHERE ID_Parametro='FECHA_TRABAJO'")).toString(),
              QStringLiteral("15032024"));
    EXPECT_EQ(scalar(db, QStringLiteral("PRAGMA user_version")), schema::schemaVersion());
    EXPECT_EQ(schema::matchKeyFile(db), schema::KeyFileMatch::Matches);

    adodb::Recordset admin = db.execute(QStringLiteral("SELECT * FROM Empleado"));
    ASSERT_EQ(admin.recordCount(), 1);
    EXPECT_EQ(admin.field(QStringLiteral("Usuario")).text(), QStringLiteral("ADMIN"));
    EXPECT_EQ(admin.field(QStringLiteral("Estado_Empleado")).text(), QStringLiteral("A"));
    EXPECT_EQ(admin.field(QStringLiteral("Admin_Usuarios")).value().toBool(), true);
    EXPECT_EQ(admin.field(QStringLiteral("Intentos")).value().toInt(), 0);
    EXPECT_EQ(DescifraContrasena(admin.field(QStringLiteral("Contraseña")).text(), g_ClsClaves.ClaveCifrado()),
              QStringLiteral("SECRETO"));

    // The login's rights query grants the administrator every permission.
    adodb::Recordset rights = db.execute(QStringLiteral(
        "SELECT Nombre_Permiso FROM EmpleadosXGrupo,Grupo_Trabajo,PermisosXGrupo_Trabajo,Permisos "
        "WHERE EmpleadosXGrupo.ID_Grupo_Trabajo=Grupo_Trabajo.ID_Grupo_Trabajo "
        "AND EmpleadosXGrupo.ID_Grupo_Trabajo=PermisosXGrupo_Trabajo.ID_Grupo_Trabajo "
        "AND PermisosXGrupo_Trabajo.ID_Permiso=Permisos.ID_Permiso AND Activo=1 AND ID_Empleado=1"));
    EXPECT_EQ(rights.recordCount(), 28);

    adodb::Connection plantilla;
    plantilla.open(QStringLiteral("Driver={Microsoft Access Driver (*.mdb)};Dbq=C:\\Plantilla.mdb;"));
    EXPECT_EQ(scalar(plantilla, QStringLiteral("SELECT ID_Parametro FROM Parametros")).toString(),
              QStringLiteral("FOLIOPRODUCTOSX"));
    EXPECT_EQ(scalar(plantilla, QStringLiteral("PRAGMA user_version")), schema::terminalTemplateVersion());
}

TEST_F(Instalacion, RunAgainRefusesAndChangesNothing)
{
    ASSERT_TRUE(creaInstalacion(QStringLiteral("."), QStringLiteral("zorva"), QStringLiteral("ADMIN"), QStringLiteral("UNO")));
    const auto before = files();
    QString error;
    EXPECT_FALSE(creaInstalacion(QStringLiteral("localhost"), QStringLiteral("zorva"), QStringLiteral("OTRO"),
                                 QStringLiteral("DOS"), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("ya existe"))) << qPrintable(error);
    EXPECT_EQ(files(), before);
}

TEST_F(Instalacion, ASecondDatabaseKeepsTheKeysAndTheTemplateItFinds)
{
    ASSERT_TRUE(ClsClaves::CreaArchivo());
    const QString clave = g_ClsClaves.ClaveCifrado();
    const QString plantilla = root.filePath(QStringLiteral("Plantilla.mdb"));
    QFile propia(plantilla);
    ASSERT_TRUE(propia.open(QIODevice::WriteOnly));
    propia.write("plantilla propia");
    propia.close();

    const QString otra = root.filePath(QStringLiteral("sucursal"));
    ASSERT_TRUE(creaInstalacion(otra, QStringLiteral("centro"), QStringLiteral("d'arcy"), QStringLiteral("clave")));
    EXPECT_EQ(g_ClsClaves.ClaveCifrado(), clave);
    ASSERT_TRUE(propia.open(QIODevice::ReadOnly));
    EXPECT_EQ(propia.readAll(), QByteArray("plantilla propia"));

    adodb::Connection db;
    db.open(QStringLiteral("server=%1;database=centro").arg(otra));
    EXPECT_EQ(scalar(db, QStringLiteral("SELECT Usuario FROM Empleado")).toString(), QStringLiteral("D'ARCY"));
    EXPECT_EQ(DescifraContrasena(scalar(db, QStringLiteral("SELECT Contraseña FROM Empleado")).toString(), clave),
              QStringLiteral("CLAVE"));
}

TEST_F(Instalacion, InputItCannotUseIsRefusedBeforeAnythingIsWritten)
{
    struct Case { const char* base; const char* usuario; const char* contrasena; const char* servidor = "."; };
    const Case cases[] = {
        {"", "ADMIN", "X"},
        {"datos/zorva", "ADMIN", "X"},
        {"zorva", "", "X"},
        {"zorva", "JUAN PEREZ", "X"},
        {"zorva", "ABCDEFGHIJKLMNOPQRSTUVWXYZ", "X"},
        {"zorva", "ADMIN", ""},
        {"zorva", "ADMIN", "contraseña✓"},
        // What would break the connection string that the login composes.
        {"zor;va", "ADMIN", "X"},
        {"{zorva}", "ADMIN", "X"},
        {"zorva", "ADMIN", "X", "sucursal;norte"},
    };
    for (const Case& c : cases) {
        QString error;
        EXPECT_FALSE(creaInstalacion(QString::fromUtf8(c.servidor), QString::fromUtf8(c.base), QString::fromUtf8(c.usuario),
                                     QString::fromUtf8(c.contrasena), &error)) << c.base << " " << c.usuario;
        EXPECT_FALSE(error.isEmpty());
    }
    EXPECT_TRUE(files().isEmpty());
    EXPECT_TRUE(QDir(root.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
}

TEST_F(Instalacion, EveryNameItAcceptsOpensAsTheLoginOpensIt)
{
    const QStringList nombres = {QStringLiteral("mi base"), QStringLiteral("  dos  blancos "), QStringLiteral("ñandú"),
                                 QStringLiteral("a=b"), QStringLiteral("sucursal.norte")};
    for (const QString& nombre : nombres) {
        SCOPED_TRACE(nombre.toStdString());
        QString error;
        ASSERT_TRUE(creaInstalacion(QStringLiteral("."), nombre, QStringLiteral("ADMIN"), QStringLiteral("X"), &error))
            << qPrintable(error);
        adodb::Connection db;
        // The login's own composition, with the words as given.
        EXPECT_NO_THROW(db.open(QStringLiteral("server=.;driver={SQL Server};database=") + nombre));
        EXPECT_EQ(db.filePath(), schema::rutaBaseCentral(QStringLiteral("."), nombre));
    }
}

TEST_F(Instalacion, AFailureHalfWayLeavesNothingBehind)
{
    // The template cannot be written where a folder stands in its way.
    ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("Plantilla.mdb.nuevo/x")));
    const auto before = files();
    // A drive path stays under the data root, and the folders it needed go with the failure.
    const QString servidores[] = {QStringLiteral("."), QStringLiteral("C:\\..\\..\\..\\sucursal\\norte")};
    for (const QString& servidor : servidores) {
        SCOPED_TRACE(servidor.toStdString());
        QString error;
        EXPECT_FALSE(creaInstalacion(servidor, QStringLiteral("zorva"), QStringLiteral("ADMIN"), QStringLiteral("X"), &error));
        EXPECT_FALSE(error.isEmpty());
        EXPECT_EQ(files(), before);
        EXPECT_FALSE(QFile::exists(root.filePath(QStringLiteral("zorva.db"))));
        EXPECT_FALSE(ClsClaves::ExisteArchivo());
        EXPECT_FALSE(QFileInfo::exists(root.filePath(QStringLiteral("sucursal"))));
        EXPECT_FALSE(QFileInfo::exists(QDir::cleanPath(root.path() + QStringLiteral("/../../../sucursal"))));
    }
    EXPECT_EQ(schema::rutaBaseCentral(servidores[1], QStringLiteral("zorva")),
              root.filePath(QStringLiteral("sucursal/norte/zorva.db")));
}
