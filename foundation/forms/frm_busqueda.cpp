#include "foundation/forms/frm_busqueda.h"
#include "foundation/forms/cls_formas.h"
#include "foundation/forms/field_binder.h"
#include "foundation/forms/main_window_services.h"
#include "foundation/routines/zorva_funciones.h"
#include "platform/ui/msgbox.h"
#include "platform/ui/wait_cursor.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QPointer<FrmBusqueda>& abierta()
{
    static QPointer<FrmBusqueda> dialogo;
    return dialogo;
}

const QString kIgualA = QStringLiteral("Igual a:");
const QString kParecidoA = QStringLiteral("Parecido a:");

} // namespace

FrmBusqueda::FrmBusqueda(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("FrmBusqueda"));
    setWindowTitle(QStringLiteral(" Buscar ..."));
    setAttribute(Qt::WA_DeleteOnClose);
    creaControles();
}

void FrmBusqueda::creaControles()
{
    m_lblCampo = new QLabel(this);
    m_lblCampo->setObjectName(QStringLiteral("lblCampo"));
    QFont negrita = m_lblCampo->font();
    negrita.setBold(true);
    m_lblCampo->setFont(negrita);

    m_cmbCondicion = new QComboBox(this);
    m_cmbCondicion->setObjectName(QStringLiteral("CmbCondicion"));
    m_cmbCondicion->addItems({kIgualA, kParecidoA});

    m_txtCondicion = new QLineEdit(this);
    m_txtCondicion->setObjectName(QStringLiteral("TxtCondicion"));

    auto* campos = new QFormLayout;
    campos->addRow(QStringLiteral("Buscar en:"), m_lblCampo);
    campos->addRow(QStringLiteral("Que sea:"), m_cmbCondicion);
    campos->addRow(QStringLiteral("Condición:"), m_txtCondicion);

    const auto boton = [this](const char* nombre, const QString& texto) {
        auto* b = new QPushButton(texto, this);
        b->setObjectName(QLatin1String(nombre));
        return b;
    };
    m_cmdBuscarAnterior = boton("CmdBuscarAnterior", QStringLiteral("Buscar &Anterior"));
    m_cmdBuscarSiguiente = boton("CmdBuscarSiguiente", QStringLiteral("Buscar &Siguiente"));
    m_cmdBuscarPrimero = boton("CmdBuscarPrimero", QStringLiteral("Buscar &Primero"));
    m_cmdCerrar = boton("cmdCerrar", QStringLiteral("&Cerrar"));
    m_cmdBuscarPrimero->setDefault(true);

    auto* botones = new QHBoxLayout;
    for (QPushButton* b : {m_cmdBuscarAnterior, m_cmdBuscarSiguiente, m_cmdBuscarPrimero, m_cmdCerrar})
        botones->addWidget(b);

    auto* todo = new QVBoxLayout(this);
    todo->addLayout(campos);
    todo->addLayout(botones);
    todo->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_cmdBuscarPrimero, &QPushButton::clicked, this, [this] { busca(Boton::Primero); });
    connect(m_cmdBuscarSiguiente, &QPushButton::clicked, this, [this] { busca(Boton::Siguiente); });
    connect(m_cmdBuscarAnterior, &QPushButton::clicked, this, [this] { busca(Boton::Anterior); });
    connect(m_cmdCerrar, &QPushButton::clicked, this, &FrmBusqueda::Cierra);
}

FrmBusqueda* FrmBusqueda::Carga()
{
    if (abierta())
        return abierta();
    auto* dialogo = new FrmBusqueda;
    abierta() = dialogo;
    MainWindowServices* main = mainWindow();
    if (main && main->mdiArea()) {
        QMdiSubWindow* marco = main->mdiArea()->addSubWindow(dialogo, Qt::Dialog | Qt::CustomizeWindowHint
                                                                              | Qt::WindowTitleHint
                                                                              | Qt::WindowCloseButtonHint);
        marco->setAttribute(Qt::WA_DeleteOnClose);
    }
    return dialogo;
}

FrmBusqueda* FrmBusqueda::instancia()
{
    return abierta();
}

void FrmBusqueda::Buscar_en(const adodb::Recordset& PrdrConsulta, QWidget* PfrmForma)
{
    m_consulta = PrdrConsulta;
    m_forma = PfrmForma;
}

void FrmBusqueda::Muestra()
{
    if (auto* marco = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        marco->show();
        if (QMdiArea* area = marco->mdiArea())
            area->setActiveSubWindow(marco);
    } else {
        show();
        raise();
        activateWindow();
    }
    m_txtCondicion->setFocus(Qt::OtherFocusReason);
}

void FrmBusqueda::Cierra()
{
    if (auto* marco = qobject_cast<QMdiSubWindow*>(parentWidget()))
        marco->close();
    else
        close();
}

void FrmBusqueda::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        Cierra();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        m_cmdBuscarPrimero->click();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void FrmBusqueda::closeEvent(QCloseEvent* event)
{
    // The document area would hand the activation to the next child in creation order: the window
    // that was searched is the active one again once this one is gone.
    const QPointer<QWidget> forma = m_forma;
    if (forma) {
        QTimer::singleShot(0, forma, [forma] {
            auto* marco = qobject_cast<QMdiSubWindow*>(forma->parentWidget());
            if (marco && marco->mdiArea())
                marco->mdiArea()->setActiveSubWindow(marco);
        });
    }
    m_consulta = adodb::Recordset();
    m_forma.clear();
    QWidget::closeEvent(event);
}

QString FrmBusqueda::criterio(Boton boton) const
{
    const QString valor = m_txtCondicion->text();
    const QString patron = ComodinAPorcentaje(valor);
    const bool igual = m_cmbCondicion->currentText() == kIgualA;
    if (boton == Boton::Primero) {
        return igual ? psCampo + QStringLiteral(" Like '") + DuplicaComillas(valor.toUpper()) + QLatin1Char('\'')
                     : psCampo + QStringLiteral(" Like '%") + DuplicaComillas(patron.toUpper()) + QStringLiteral("%'");
    }
    return igual ? psCampo + QStringLiteral("='") + DuplicaComillas(valor.trimmed().toUpper()) + QLatin1Char('\'')
                 : psCampo + QStringLiteral(" Like '%") + DuplicaComillas(patron) + QStringLiteral("%'");
}

void FrmBusqueda::busca(Boton boton)
{
    // A window in edit mode must not have its pending row committed by a move; a closed window
    // leaves nothing to search.
    const ClsFormas* formas = ClsFormas::of(m_forma);
    if (!m_forma || m_consulta.isNull() || (formas && formas->Edicion()))
        return;
    if (m_txtCondicion->text().isEmpty() || m_cmbCondicion->currentText().isEmpty()) {
        ui::msgBox(QStringLiteral("Faltan datos"), ui::Exclamation);
        return;
    }

    QVariant marca;
    bool encontrado = false;
    {
        ui::WaitCursor espera;
        try {
            marca = m_consulta.bookmark();
            const QString texto = criterio(boton);
            switch (boton) {
            case Boton::Primero:
                m_consulta.moveFirst();
                m_consulta.find(texto, 0, adodb::SearchDirection::Forward);
                encontrado = !m_consulta.eof();
                break;
            case Boton::Siguiente:
                m_consulta.moveNext();
                m_consulta.find(texto, 0, adodb::SearchDirection::Forward);
                encontrado = !m_consulta.eof();
                break;
            case Boton::Anterior:
                m_consulta.movePrevious();
                m_consulta.find(texto, 0, adodb::SearchDirection::Backward);
                encontrado = !m_consulta.bof();
                break;
            }
        } catch (const adodb::ComError&) {
            encontrado = false;
        }
    }
    if (!encontrado) {
        ui::msgBox(QStringLiteral("No se encontro el registro"), ui::Information);
        // Whatever failed, the window stays on the row it showed.
        if (marca.isValid()) {
            try {
                m_consulta.setBookmark(marca);
            } catch (const adodb::ComError&) {
            }
        }
    }
    FieldBinder::rowMoved(m_consulta);
}
