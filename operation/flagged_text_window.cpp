#include "operation/flagged_text_window.h"
#include "foundation/forms/controls.h"
#include "foundation/forms/design.h"
#include "foundation/forms/multiline_text_box.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

FlaggedTextWindow::FlaggedTextWindow(const FlaggedTextDesign& d, QWidget* parent) : CatalogWindow(parent)
{
    setObjectName(d.ventana);
    setWindowTitle(d.titulo);
    setCatalogo(d.tabla, d.columnaLlave, KeyForm::C, d.mensajeLlaveRepetida);

    auto* Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    if (d.multiLinea) {
        MultiLineTextBox* caja = forms::multiLineTextBox(Frame1, d.cajaTexto, d.columnaTexto, d.largoTexto);
        forms::setTag(caja, QStringLiteral("NoVacioMayusculas"));
        m_texto = caja;
    } else {
        m_texto = forms::textBox(Frame1, d.cajaTexto, d.columnaTexto, QStringLiteral("NoVacioMayusculas"), d.largoTexto);
    }
    m_texto->setToolTip(d.ayudaTexto);
    m_bandera = forms::checkBox(Frame1, d.bandera, d.captionBandera, d.columnaBandera);
    m_bandera->setToolTip(d.ayudaBandera);
    txtId = forms::textBox(Frame1, QStringLiteral("txtId"), d.columnaLlave);
    forms::keyBoxStyle(txtId);
    txtId->setToolTip(d.ayudaLlave);

    // The labels name the text box in small letters, as find compares them.
    auto* Label2 = forms::label(Frame1, QStringLiteral("Label2"), d.etiquetaTexto, m_texto);
    forms::setTag(Label2, QLatin1Char('t') + d.cajaTexto.mid(1));
    auto* filas = new QFormLayout(Frame1);
    filas->addRow(forms::label(Frame1, QStringLiteral("Label1"), d.etiquetaLlave, txtId), txtId);
    filas->addRow(Label2, m_texto);
    filas->addRow(QString(), m_bandera);
    (new QVBoxLayout(this))->addWidget(Frame1);

    setTabOrder(m_texto, m_bandera);
    setTabOrder(m_bandera, txtId);
    setPrimerCampo(m_texto);

    agregaRequerido(m_texto, d.palabraTexto);

    agregaColumnaFiltro(d.tituloFiltroLlave, d.columnaLlave, d.columnaLlave);
    agregaColumnaFiltro(d.tituloFiltroTexto, d.columnaTexto, d.columnaTexto);
    agregaColumnaFiltro(d.tituloFiltroBandera, d.columnaBandera, d.columnaBandera);

    Form_Load();
}

void FlaggedTextWindow::Valores_Nuevos()
{
    m_bandera->setChecked(true);
}
