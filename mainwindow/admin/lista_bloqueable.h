#pragma once

#include <QComboBox>

// A drop-down list that can be locked: it stays enabled and shows its choice, but neither the
// mouse, the keyboard nor the wheel changes it.
class ListaBloqueable : public QComboBox {
    Q_OBJECT
public:
    explicit ListaBloqueable(QWidget* parent = nullptr);

    bool isLocked() const { return m_bloqueada; }
    void setLocked(bool locked) { m_bloqueada = locked; }

    void showPopup() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    bool m_bloqueada = false;
};
