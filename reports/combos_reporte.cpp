#include "reports/combos_reporte.h"

#include "foundation/routines/zorva_funciones.h"

#include <QComboBox>

void LlenaComboTodos(QComboBox* combo, const QString& consulta, const QString& todos)
{
    LlenaCombo(combo, consulta);
    combo->addItem(todos);
    combo->setCurrentIndex(combo->count() - 1);
}

void LlenaComboPrimero(QComboBox* combo, const QString& consulta)
{
    LlenaCombo(combo, consulta);
    combo->setCurrentIndex(combo->count() > 0 ? 0 : -1);
}

std::optional<qint64> idElegido(const QComboBox* combo, const QString& todos)
{
    if (combo->currentIndex() < 0 || (!todos.isEmpty() && combo->currentText() == todos))
        return std::nullopt;
    bool ok = false;
    const qint64 id = combo->currentData().toLongLong(&ok);
    return ok ? std::optional<qint64>(id) : std::nullopt;
}

QString condicionCombo(const QComboBox* combo, const QString& todos, const QString& prefijo)
{
    const std::optional<qint64> id = idElegido(combo, todos);
    return id ? prefijo + QString::number(*id) : QString();
}
