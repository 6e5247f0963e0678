#include "catalog/code_pair.h"

#include <QComboBox>
#include <QLineEdit>

CodePair::CodePair(QComboBox* combo, QLineEdit* caja, const QList<Codigo>& codigos, QObject* parent)
    : QObject(parent), m_combo(combo), m_caja(caja), m_codigos(codigos)
{
    // A word that stands for several codes is offered once; picking it stores its first code.
    for (const Codigo& c : codigos)
        if (combo->findText(c.palabra) < 0)
            combo->addItem(c.palabra);
    combo->setCurrentIndex(-1);
    connect(combo, &QComboBox::activated, this, &CodePair::combo_Click);
    connect(caja, &QLineEdit::textChanged, this, &CodePair::caja_Change);
}

QList<Codigo> CodePair::primeraLetra(const QStringList& palabras)
{
    QList<Codigo> codigos;
    for (const QString& palabra : palabras)
        codigos.append({palabra.left(1), palabra});
    return codigos;
}

QString CodePair::codigoDe(const QString& palabra) const
{
    for (const Codigo& c : m_codigos)
        if (c.palabra == palabra)
            return c.codigo;
    return QString();
}

QString CodePair::palabraDe(const QString& codigo) const
{
    for (const Codigo& c : m_codigos)
        if (c.codigo == codigo)
            return c.palabra;
    return QString();
}

void CodePair::combo_Click()
{
    if (m_combo && m_caja)
        m_caja->setText(codigoDe(m_combo->currentText()));
}

void CodePair::caja_Change()
{
    if (!m_combo || !m_caja)
        return;
    const QString palabra = palabraDe(m_caja->text());
    m_combo->setCurrentIndex(palabra.isEmpty() ? -1 : m_combo->findText(palabra));
}
