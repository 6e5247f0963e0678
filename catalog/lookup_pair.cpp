#include "catalog/lookup_pair.h"
#include "foundation/routines/zorva_funciones.h"
#include "platform/adodb/adodb.h"

#include <QComboBox>
#include <QLineEdit>

LookupPair::LookupPair(QComboBox* combo, QLineEdit* caja, const QString& consulta, QObject* parent)
    : LookupPair(combo, caja, consulta, QString(), parent)
{
}

LookupPair::LookupPair(QComboBox* combo, QLineEdit* caja, const QString& consulta, const QString& ninguno,
                       QObject* parent)
    : QObject(parent), m_combo(combo), m_caja(caja), m_consulta(consulta), m_ninguno(ninguno),
      m_conNinguno(!ninguno.isEmpty())
{
    llenaLista();
    // The box's value as it stands: an empty one shows the "none" entry when there is one.
    caja_Change();
    connect(combo, &QComboBox::activated, this, &LookupPair::combo_Click);
    connect(caja, &QLineEdit::textChanged, this, &LookupPair::caja_Change);
}

void LookupPair::llenaLista()
{
    try {
        LlenaCombo(m_combo, m_consulta);
    } catch (const adodb::ComError&) {
        // An unreadable list leaves the combo empty; the window still opens.
    }
    if (m_conNinguno)
        m_combo->addItem(m_ninguno);  // no data: no key
}

void LookupPair::actualiza()
{
    if (!m_combo || !m_caja)
        return;
    m_combo->clear();
    llenaLista();
    caja_Change();
}

void LookupPair::combo_Click()
{
    if (!m_combo || !m_caja)
        return;
    const QVariant llave = m_combo->currentData();
    m_caja->setText(llave.isValid() ? QString::number(llave.toLongLong()) : QString());
}

void LookupPair::caja_Change()
{
    if (!m_combo || !m_caja)
        return;
    const QString texto = m_caja->text().trimmed();
    if (texto.isEmpty()) {
        m_combo->setCurrentIndex(m_conNinguno ? m_combo->count() - 1 : -1);
        return;
    }
    bool esNumero = false;
    const qlonglong llave = texto.toLongLong(&esNumero);
    int indice = -1;
    for (int i = 0; esNumero && i < m_combo->count() && indice < 0; ++i)
        if (m_combo->itemData(i).isValid() && m_combo->itemData(i).toLongLong() == llave)
            indice = i;
    m_combo->setCurrentIndex(indice);
}
