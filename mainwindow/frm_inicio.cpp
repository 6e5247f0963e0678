#include "mainwindow/frm_inicio.h"

#include "mainwindow/imagenes.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

frmInicio::frmInicio(std::function<void()> siguiente, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , m_tmrInicio(new QTimer(this))
    , m_siguiente(std::move(siguiente))
{
    setObjectName(QStringLiteral("frmInicio"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFocusPolicy(Qt::StrongFocus);

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("imgInicio"));
    picture->setPixmap(imagenes::inicio());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(picture);
    setFixedSize(sizeHint());
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    m_tmrInicio->setObjectName(QStringLiteral("TmrInicio"));
    m_tmrInicio->setInterval(5000);
    m_tmrInicio->setSingleShot(true);
    connect(m_tmrInicio, &QTimer::timeout, this, &frmInicio::TmrInicio_Timer);
    m_tmrInicio->start();
}

void frmInicio::TmrInicio_Timer()
{
    CierraYMuestraLogin();
}

void frmInicio::mousePressEvent(QMouseEvent*)
{
    CierraYMuestraLogin();
}

void frmInicio::keyPressEvent(QKeyEvent*)
{
    CierraYMuestraLogin();
}

void frmInicio::CierraYMuestraLogin()
{
    // A click and the timer can both arrive before the window is gone: one login only.
    if (m_cerrado)
        return;
    m_cerrado = true;
    m_tmrInicio->stop();
    close();
    if (m_siguiente)
        m_siguiente();
}
