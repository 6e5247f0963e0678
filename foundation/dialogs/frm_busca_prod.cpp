#include "foundation/dialogs/frm_busca_prod.h"

#include "foundation/routines/zorva_funciones.h"
#include "platform/ui/msgbox.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>

namespace {

const QString kClave = QStringLiteral("Clave");
const QString kNombre = QStringLiteral("Nombre");
const QString kCategoria = QString::fromUtf8("Categoría");

} // namespace

frmBusca_Prod::frmBusca_Prod(QWidget* parent) : PickerDialog(parent)
{
    setObjectName(QStringLiteral("frmBusca_Prod"));
    lblBuscarpor = new QLabel(QStringLiteral("Buscar por:"), fraCriterio);
    lblBuscarpor->setObjectName(QStringLiteral("lblBuscarpor"));
    cmbBuscarpor = new QComboBox(fraCriterio);
    cmbBuscarpor->setObjectName(QStringLiteral("cmbBuscarpor"));
    cmbBuscarpor->setToolTip(QStringLiteral("Campo sobre el cual se desea buscar"));
    cmbBuscarpor->addItems({kClave, kNombre, kCategoria});
    lblBuscarpor->setBuddy(cmbBuscarpor);
    criterionRow()->insertWidget(0, lblBuscarpor);
    criterionRow()->insertWidget(1, cmbBuscarpor);

    cmbCategoria = new QComboBox(fraCriterio);
    cmbCategoria->setObjectName(QStringLiteral("cmbCategoria"));
    criterionPlace()->addWidget(cmbCategoria);
    setTabOrder(cmbBuscarpor, txtCriterio);
    setTabOrder(txtCriterio, cmbCategoria);

    try {
        LlenaCombo(cmbCategoria, QStringLiteral("SELECT Nombre_Categoria,ID_Categoria FROM Categoria ORDER BY Nombre_Categoria"));
    } catch (const adodb::ComError&) {
        // Without categories the list stays empty and a category search finds every product.
    }
    cmbCategoria->setCurrentIndex(-1);
    cmbBuscarpor->setCurrentIndex(0);
    cmbBuscarpor_Click();
    connect(cmbBuscarpor, &QComboBox::currentIndexChanged, this, &frmBusca_Prod::cmbBuscarpor_Click);
}

void frmBusca_Prod::Tipos_Modificadores()
{
    switchTo(QStringLiteral("Tipo_Modificador"), QStringLiteral("Buscar Modificadores"));
}

void frmBusca_Prod::Impresoras()
{
    switchTo(QStringLiteral("Impresora"), QStringLiteral("Buscar Impresoras"));
}

void frmBusca_Prod::switchTo(const QString& mode, const QString& caption)
{
    const int categoria = cmbBuscarpor->findText(kCategoria);
    if (categoria >= 0)
        cmbBuscarpor->removeItem(categoria);
    m_modo = mode;
    setWindowTitle(caption);
}

void frmBusca_Prod::showEvent(QShowEvent* event)
{
    cmbBuscarpor->setCurrentIndex(1);
    PickerDialog::showEvent(event);
}

void frmBusca_Prod::cmbBuscarpor_Click()
{
    criterionPlace()->setCurrentWidget(cmbBuscarpor->currentText() == kCategoria ? static_cast<QWidget*>(cmbCategoria)
                                                                                 : txtCriterio);
}

QString frmBusca_Prod::searchStatement() const
{
    QString tabla = QStringLiteral("Producto");
    QString id = QStringLiteral("ID_Producto");
    QString nombre = QStringLiteral("Nombre_Completo");
    if (m_modo == QLatin1String("Tipo_Modificador")) {
        tabla = QStringLiteral("Tipo_Modificador");
        id = QStringLiteral("ID_Tipo_Modificador");
        nombre = QStringLiteral("Nombre_Tipo_Modificador");
    } else if (m_modo == QLatin1String("Impresora")) {
        tabla = QStringLiteral("Impresora");
        id = QStringLiteral("ID_Impresora");
        nombre = QStringLiteral("Nombre_Impresora");
    }
    const QString select = QStringLiteral("SELECT ") + id + QLatin1Char(',') + nombre + QStringLiteral(" FROM ") + tabla
        + QLatin1Char(' ');
    const QString t = DuplicaComillas(txtCriterio->text());
    const QString campo = cmbBuscarpor->currentText();
    if (campo == kClave)
        return select + QStringLiteral(" WHERE ") + id + QStringLiteral(" LIKE '%") + t + QStringLiteral("%'");
    if (campo == kCategoria) {
        if (cmbCategoria->currentIndex() < 0)
            return select;
        return select + QStringLiteral("WHERE ID_Categoria=")
            + QString::number(cmbCategoria->currentData().toInt());
    }
    return select + QStringLiteral("WHERE ") + nombre + QStringLiteral(" LIKE '%") + t + QStringLiteral("%'");
}

void frmBusca_Prod::showResult(const adodb::Recordset& found)
{
    if (!found.isNull() && found.isOpen() && found.recordCount() > 0) {
        PickerDialog::showResult(found);
        return;
    }
    ui::msgBox(QStringLiteral("   No hay Información     "), ui::Information);
}
