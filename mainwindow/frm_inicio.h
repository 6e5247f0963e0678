#pragma once

#include <QWidget>
#include <functional>

class QTimer;

// The splash window: the program's picture without a caption. It gives way to the login after
// 5000 ms, or at once on a click or a key.
class frmInicio : public QWidget {
    Q_OBJECT

public:
    // siguiente: shows the login; run once, after the splash has closed.
    explicit frmInicio(std::function<void()> siguiente, QWidget* parent = nullptr);

    QTimer* TmrInicio() const { return m_tmrInicio; }

    void TmrInicio_Timer();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void CierraYMuestraLogin();

    QTimer* m_tmrInicio;
    std::function<void()> m_siguiente;
    bool m_cerrado = false;
};
