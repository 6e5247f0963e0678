#pragma once

#include "../../support/central_db.h"
#include "foundation/database/cls_ado.h"
#include "foundation/log/cls_bitacora.h"
#include "platform/ui/msgbox.h"

// A fresh central database per test, reached through the shared gateway as the dialogs reach it;
// every message box is recorded and answered by its default button.
class DialogsDb : public CentralDbFixture {
protected:
    void SetUp() override
    {
        CentralDbFixture::SetUp();
        g_ClsAdo_Reinicia();
        g_ClsBitacora().inciar_log({.PCrearArchivo = false, .Parchivo = false, .PMsgBox = false});
        ASSERT_TRUE(g_ClsAdo().Conectar(QStringLiteral("."), QStringLiteral("central"), QString(), QString()));
    }
    void TearDown() override { g_ClsAdo().Cerrar(); }

    void exec(const QString& sql) { db.execute(sql); }

    ui::ScriptedAnswerer boxes;
};
