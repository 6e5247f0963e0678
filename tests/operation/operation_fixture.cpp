#include "tests/operation/operation_fixture.h"
#include "operation/ventanas_operacion.h"
#include "tests/foundation/dialogs/filtro_abierto.h"

#include "platform/grid/grid.h"

#include <QComboBox>
#include <QLineEdit>

QStringList OperationDb::permisos() const
{
    return {QStringLiteral("OPERACION"),     QStringLiteral("TIPOSDEPAGO"), QStringLiteral("TIPOSDEANULACION"),
            QStringLiteral("CONFIGURACION"), QStringLiteral("IMPRESORAS"),  QStringLiteral("GRUPOSIMPRESORAS"),
            QStringLiteral("MENSAJES"),      QStringLiteral("CORTESIAS"),   QStringLiteral("GPOOBSEQUIOS")};
}

void OperationDb::registraVentanas()
{
    registraVentanasOperacion();
}

bool OperationDb::elige(QComboBox* combo, const QString& texto)
{
    const int i = combo->findText(texto);
    if (i < 0)
        return false;
    combo->setCurrentIndex(i);
    emit combo->activated(i);
    return true;
}

QStringList OperationDb::entradas(const QComboBox* combo)
{
    QStringList out;
    for (int i = 0; i < combo->count(); ++i)
        out << combo->itemText(i);
    return out;
}

QStringList OperationDb::filtra(const QString& columna, const QString& campo, const QString& valor)
{
    QStringList valores;
    alAbrirFiltro([&](FrmCatFiltro* filtro) {
        filtro->CmdSelecciionarTodos->click();
        if (!campo.isEmpty()) {
            filtro->CmbCampos->setCurrentText(campo);
            filtro->TxtCondicion->setText(valor);
        }
        filtro->CmdEjecutar->click();
        adodb::Recordset r = filtro->resultado();
        for (; r.isOpen() && !r.eof(); r.moveNext())
            valores << r.value(columna).toString();
    });
    click(18);
    return valores;
}

void OperationDb::escribeClaves(grid::Grid* g, const QStringList& claves)
{
    const int primera = g->rowCount() + 1;
    for (int i = 0; i < claves.size(); ++i)
        teclaEnGrid(g, Qt::Key_Insert);
    for (int i = 0; i < claves.size(); ++i) {
        if (claves.at(i).isEmpty())
            continue;
        escribeCelda(g, primera + i, 1, claves.at(i));
        teclaEnGrid(g, Qt::Key_Down);
    }
}
