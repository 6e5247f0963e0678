// What the user does in a detail grid: typed keys looked up, the picker, combo entries, the pop-up.
#include "catalog/detail_grid.h"
#include "foundation/dialogs/frm_busca_prod.h"
#include "foundation/forms/main_window_services.h"
#include "foundation/routines/zorva_funciones.h"
#include "platform/grid/grid.h"
#include "platform/ui/msgbox.h"

#include <QAbstractItemDelegate>
#include <QApplication>
#include <QTableWidget>

void DetailGrid::onLeaveCell(int row, int, int, int, bool*)
{
    // Browsing, nothing in the row can have changed.
    if (m_mode != Mode::Browse)
        lookUp(row);
}

void DetailGrid::lookUp(int row)
{
    if (m_lookup.table.isEmpty() || m_keyColumn == 0 || row < 1 || row > m_grid->rowCount())
        return;
    const QString llave = m_grid->text(row, m_keyColumn).trimmed();
    if (llave.isEmpty())
        return;
    QString nombre;
    if (isKey(llave)) {
        try {
            nombre = BuscaValor(m_lookup.table, m_lookup.nameField,
                                m_lookup.idField + QLatin1Char('=') + QString::number(llave.toLongLong()));
        } catch (const adodb::ComError&) {
            nombre.clear();
        }
    }
    if (!nombre.isEmpty()) {
        if (m_nameColumn > 0)
            m_grid->setText(row, m_nameColumn, nombre);
        return;
    }
    m_grid->clearCell(row, m_keyColumn);
    ui::msgBox(m_lookup.message, ui::Exclamation);
    if (m_nameColumn > 0)
        m_grid->clearCell(row, m_nameColumn);
}

void DetailGrid::finishEditing()
{
    m_grid->commitEdit();
    if (m_mode != Mode::Browse)
        lookUp(m_grid->activeRow());
}

void DetailGrid::onButton(int row, int column)
{
    if (column != m_buttonColumn || m_picker == DetailPicker::None || m_mode == Mode::Browse)
        return;
    MainWindowServices* main = mainWindow();
    const QString pista = main ? main->statusPanel(2) : QString();
    {
        frmBusca_Prod busca(m_grid);
        if (m_picker == DetailPicker::ModifierTypes)
            busca.Tipos_Modificadores();
        else if (m_picker == DetailPicker::Printers)
            busca.Impresoras();
        busca.exec();
        if (!busca.bCancelado) {
            m_grid->deleteRows(row);
            for (int id = busca.Dar_Siguiente(); id != -1; id = busca.Dar_Siguiente()) {
                const int nueva = m_grid->rowCount() + 1;
                m_grid->setRowCount(nueva);
                m_grid->setValue(nueva, m_keyColumn, id);
                if (m_nameColumn > 0)
                    m_grid->setText(nueva, m_nameColumn, busca.Dar_Nombre());
                setRowState(nueva, QStringLiteral("N"));
                unlockAddedRow(nueva);
            }
        }
    }
    // The picker takes panel 2 for its own hint while it is open.
    if (main)
        main->setStatusPanel(2, pista);
}

void DetailGrid::onEdited(int row, int)
{
    markChanged(row);
}

void DetailGrid::onComboPicked(int row, int column)
{
    for (const Combo& combo : m_combos) {
        if (combo.column != column)
            continue;
        const int posicion = m_grid->comboIndex(row, column);
        if (posicion >= 0 && posicion < combo.ids.size())
            m_grid->setValue(row, combo.keyColumn, combo.ids.at(posicion));
        else
            m_grid->clearCell(row, combo.keyColumn);
        markChanged(row);
    }
}

void DetailGrid::onRightClick(int, int, const QPoint& globalPos)
{
    if (!m_popupMenu || m_mode == Mode::Browse)
        return;
    if (MainWindowServices* main = mainWindow())
        main->popupGridMenu(globalPos);
}
