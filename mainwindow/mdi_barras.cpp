// The toolbar TlbHerramientas and the status bar StbBarradeStatus that the child windows use.
#include "mainwindow/mdi_principal.h"

#include "mainwindow/ejecucion_protegida.h"
#include "mainwindow/imagenes.h"
#include "platform/clock/clock.h"

#include <QAction>
#include <QLabel>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

void MDIPrincipal::CreaBarraHerramientas()
{
    m_tlbHerramientas = addToolBar(QStringLiteral("Herramientas"));
    m_tlbHerramientas->setObjectName(QStringLiteral("TlbHerramientas"));
    m_tlbHerramientas->setMovable(false);
    m_tlbHerramientas->setFloatable(false);
    m_tlbHerramientas->setIconSize(QSize(24, 24));
    m_tlbHerramientas->setToolButtonStyle(Qt::ToolButtonIconOnly);
    m_tlbHerramientas->toggleViewAction()->setEnabled(false);

    // Index 1..21, separators counted; an empty tip marks a separator.
    const QString tips[] = {
        QStringLiteral("Nuevo registro"), QStringLiteral("Modificar registro"), QStringLiteral("Borrar registro"), QString(),
        QStringLiteral("Aceptar"), QStringLiteral("Cancelar"), QString(), QStringLiteral("Buscar"), QString(),
        QStringLiteral("Cerrar"), QStringLiteral("Ayuda"), QString(), QStringLiteral("Primer registro"),
        QStringLiteral("Registro anterior"), QStringLiteral("Registro siguiente"), QStringLiteral("Último registro"),
        QString(), QStringLiteral("Generar consulta"), QString(), QStringLiteral("Imprimir"), QStringLiteral("Vista previa")};
    for (int index = 1; index <= 21; ++index) {
        const QString& tip = tips[index - 1];
        QAction* button = tip.isEmpty() ? m_tlbHerramientas->addSeparator()
                                        : m_tlbHerramientas->addAction(imagenes::herramienta(index), tip);
        button->setObjectName(QStringLiteral("TlbHerramientas_%1").arg(index));
        button->setProperty("Index", index);
        if (!tip.isEmpty()) {
            button->setToolTip(tip);
            connect(button, &QAction::triggered, this, [this, index] {
                EjecutaProtegido(QStringLiteral("TlbHerramientas"), [this, index] { TlbHerramientas_ButtonClick(index); });
            });
        }
        // The child windows show the buttons that apply to them.
        button->setVisible(false);
        m_botones.append(button);
    }
    // The bar keeps the height of its buttons while none is shown, so that the work area below
    // does not jump whenever no record window is active.
    m_botones.first()->setVisible(true);
    m_tlbHerramientas->setMinimumHeight(m_tlbHerramientas->sizeHint().height());
    m_botones.first()->setVisible(false);
}

void MDIPrincipal::CreaBarraEstado()
{
    m_stbBarradeStatus = statusBar();
    m_stbBarradeStatus->setObjectName(QStringLiteral("StbBarradeStatus"));
    m_stbBarradeStatus->setSizeGripEnabled(true);
    const int stretch[] = {2, 3, 0, 0};
    for (int panel = 1; panel <= 4; ++panel) {
        auto* label = new QLabel(m_stbBarradeStatus);
        label->setObjectName(QStringLiteral("StbBarradeStatus_%1").arg(panel));
        label->setFrameShape(QFrame::StyledPanel);
        label->setFrameShadow(QFrame::Sunken);
        label->setContentsMargins(4, 0, 4, 0);
        if (panel >= 3) {
            label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("00/00/0000")) + 16);
            label->setAlignment(Qt::AlignCenter);
        }
        m_stbBarradeStatus->addPermanentWidget(label, stretch[panel - 1]);
        m_paneles.append(label);
    }
    m_paneles.at(2)->setToolTip(QStringLiteral("Fecha de trabajo"));
    m_paneles.at(3)->setToolTip(QStringLiteral("Fecha del sistema"));

    ActualizaFechaSistema();
    // The system date panel keeps itself current across midnight.
    auto* reloj = new QTimer(this);
    reloj->setInterval(30 * 1000);
    connect(reloj, &QTimer::timeout, this, &MDIPrincipal::ActualizaFechaSistema);
    reloj->start();
}

void MDIPrincipal::ActualizaFechaSistema()
{
    setStatusPanel(4, appclock::now().date().toString(QStringLiteral("dd/MM/yyyy")));
}
