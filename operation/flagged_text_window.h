#pragma once

#include "catalog/catalog_window.h"

#include <QString>

class QCheckBox;
class QLineEdit;

// What tells the twin windows of a text and a yes/no flag apart (void types, messages): their
// table, columns, captions and messages.
struct FlaggedTextDesign {
    QString ventana;      // the window's name
    QString titulo;       // its caption
    QString tabla;
    QString columnaLlave;
    QString columnaTexto;
    QString columnaBandera;
    QString cajaTexto;    // the text box's name
    QString etiquetaLlave;
    QString etiquetaTexto;
    QString ayudaLlave;   // tool tips
    QString ayudaTexto;
    QString palabraTexto; // "Falta el campo de " and this word
    int largoTexto = 25;
    bool multiLinea = false;
    QString bandera;      // the check box's name
    QString captionBandera;
    QString ayudaBandera;
    QString mensajeLlaveRepetida;
    QString tituloFiltroLlave;
    QString tituloFiltroTexto;
    QString tituloFiltroBandera;
};

// A record window on a table of a text and a flag, the flag ticked on a new row; the text is
// required and kept in capitals, and each window is one design of this.
class FlaggedTextWindow : public CatalogWindow {
    Q_OBJECT
protected:
    explicit FlaggedTextWindow(const FlaggedTextDesign& diseno, QWidget* parent = nullptr);

    void Valores_Nuevos() override;

private:
    QWidget* m_texto;
    QCheckBox* m_bandera;
    QLineEdit* txtId;
};
