#pragma once

#include "../support/central_db.h"
#include "platform/ui/msgbox.h"

#include <QList>
#include <QPointer>
#include <QStringList>
#include <QTemporaryDir>

class MDIPrincipal;

// A fresh central database with its key file, the shared gateway connected to it as the login
// connects it, the program's end recorded instead of done, the per-user settings in a temporary
// folder and every message box answered by a script.
class MainWindowDb : public CentralDbFixture {
protected:
    void SetUp() override;
    void TearDown() override;

    // An employee whose password is stored in the employee password format.
    void addEmployee(int id, const QString& user, const QString& password, const QVariant& estado = QStringLiteral("A"),
                     const QVariant& intentos = 0, bool admin = false);
    // A work group granting the named permissions; returns its key.
    int addGroup(const QString& name, bool active, const QStringList& permissions);
    void join(int employee, int group);

    // The main window as the login opens it for `employee`.
    MDIPrincipal* openMain(qint16 employee);
    // Names of the visible items of a menu, in order (separators included).
    QStringList visibleItems(const QString& menuName);

    QList<int> endings;
    QTemporaryDir settingsDir;
    ui::ScriptedAnswerer boxes;
    QPointer<MDIPrincipal> main;
};
