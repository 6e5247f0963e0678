#pragma once

#include <QDialog>
#include <QString>

class DetailGrid;
class QLabel;
class QLineEdit;
class QPushButton;

namespace grid {
class Grid;
}

// "Alta Sección": adds a section to a package, or changes one, with the products it offers. The
// section and its products are written together or not at all.
class OpModifPaq : public QDialog {
    Q_OBJECT
public:
    // paquete: the key of the package the section belongs to.
    explicit OpModifPaq(const QString& paquete, QWidget* parent = nullptr);

    // Shows a stored section, to change it.
    void cargaSeccion(const QString& clave, const QString& nombre);

    QLabel* lblId;
    QLineEdit* TxtNombre;
    QLineEdit* txtOrdenados;
    grid::Grid* sprProductos;
    QPushButton* cmdAceptar;
    QPushButton* cmdCancelar;

private:
    void cmdAceptar_Click();
    bool guarda();
    bool escribeProductos(const QString& clave);

    QString m_paquete;
    DetailGrid* m_productos;
};
