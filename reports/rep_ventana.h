#pragma once

#include "foundation/forms/child_commands.h"
#include "platform/grid/print_settings.h"

#include <QPointer>
#include <QSize>
#include <QStringList>
#include <QWidget>

#include <optional>

class CajaEmpleados;
class QComboBox;
class QDateEdit;
class QFrame;
class QGridLayout;
class QMdiSubWindow;
class QPrinter;
class QPushButton;

namespace grid {
class Grid;
class GridStack;
}

// What every report window shares: a selection frame on top (dates, filters, the search button),
// the result grid below with its preview in the same place, the toolbar's Cerrar, Vista previa and
// Imprimir shown while the window is active, print-outs with the standard header and footer, and
// the search run under a guard (GuardaBusqueda) that reports a failure in words of its own.
//
// A report window is a subclass that sets its Ajustes, builds its controls with the agrega...
// functions and creaRejilla in its constructor, names its temporary tables, and implements buscar().
class RepVentana : public QWidget, public ChildCommands {
    Q_OBJECT
public:
    enum class Encabezado {
        Titulado,      // the company line, an empty line, the title centred in 18 points
        LineaEmpresa,  // the grid's design header followed by the company line
    };

    // The values in which the report windows differ.
    struct Ajustes {
        QString titulo;               // caption
        bool maximizada = false;      // at opening; else normal at the design size
        QSize disenoTwips;            // client area of the design, twips
        bool escCierra = false;
        bool itemsArchivo = false;    // "&Cerrar", "&Imprimir", "&Vista Previa" shown while active
        bool vistaOcultaAlActivar = false;
        Encabezado encabezado = Encabezado::Titulado;
        QString tituloImpresion;      // Titulado: the title
        QString encabezadoDiseno;     // LineaEmpresa: the design header (print codes)
        // The print set-up; what is left unset stays as the grid holds it.
        bool textoAborto = true;
        std::optional<bool> bordeImpresion;
        std::optional<int> margenSuperior, margenInferior, margenIzquierdo, margenDerecho;  // twips
        std::optional<grid::Orientation> orientacion;
        // Whether the preview applies the print set-up (header, footer, margins, orientation) first.
        bool vistaConAjustes = true;
        // A preview that sets only its side margins (twips) and border; header, footer and
        // orientation stay as the last print left them.
        struct MargenesVista {
            int izquierdo = 0;
            int derecho = 0;
            bool borde = false;
        };
        std::optional<MargenesVista> vistaSoloMargenes;
    };

    RepVentana(const QString& nombre, const Ajustes& ajustes, QWidget* parent = nullptr);
    ~RepVentana() override;

    void BotonImprimir() override;
    void BotonPreview() override;

    grid::Grid* rejilla() const { return m_rejilla; }
    grid::GridStack* pila() const { return m_pila; }
    QPushButton* botonBuscar() const { return m_buscar; }
    const Ajustes& ajustes() const { return m_ajustes; }
    // The printer that BotonImprimir prints on (tests); the system's default printer when none.
    void setPrinter(QPrinter* printer) { m_printer = printer; }

    // The search under its guard: what the search button's click runs. A search given while one runs
    // is ignored; a failure ends the search only, with a message.
    void ejecutaBusqueda();
    bool buscando() const { return m_buscando; }

protected:
    // --- Building (in the window's constructor) -----------------------------------------------
    // Each control goes into the selection frame, on the given line, after what the line holds,
    // with its label before it when one is given.
    void agregaControl(QWidget* control, const QString& etiqueta = QString(), int fila = 0);
    // A date picker with its calendar, on the clock's today.
    QDateEdit* agregaFecha(const QString& nombre, const QString& etiqueta, int fila = 0);
    // A drop-down list (no typing); fill it with LlenaComboTodos or LlenaComboPrimero.
    QComboBox* agregaCombo(const QString& nombre, const QString& etiqueta, int fila = 0);
    // An employee-id box with its "..." button, which opens the employee picker.
    CajaEmpleados* agregaEmpleados(const QString& caja, const QString& boton, const QString& etiqueta, int fila = 0);
    // The search button ("Buscar registros" or "Buscar datos").
    QPushButton* agregaBuscar(const QString& nombre, const QString& texto, int fila = 0);
    // The result grid and its preview, under the selection frame.
    grid::Grid* creaRejilla(const QString& nombreRejilla, const QString& nombreVista);
    // The temporary tables ("#Name", one name per window) that the search creates.
    void setTablasTemporales(const QStringList& tablas) { m_tablas = tablas; }
    QFrame* FraSeleccion = nullptr;

    // --- The search ---------------------------------------------------------------------------
    // The window's report. Statements that fail raise; the guard drops the tables and reports.
    virtual void buscar() = 0;
    // A statement on the gateway's connection.
    void ejecuta(const QString& sql);
    // A recordset through the gateway (Establece_consulta); a failure raises with the database's words.
    adodb::Recordset consulta(const QString& sql);
    // "EXEC ..." through dbExecStored; a failure, which the gateway has shown, ends the search.
    void ejecutaProcedimiento(const QString& texto);

    // --- Activation and print-out -------------------------------------------------------------
    virtual void Form_Activate();
    virtual void Form_Deactivate();
    virtual void Form_Unload();
    // The window's extras on activation, after the toolbar buttons are shown.
    virtual void activaExtras() {}
    // The header the print-out carries now: composed afresh each time, so it never accumulates.
    QString encabezadoImpresion() const;
    // Applies the print set-up to the grid (the preview's when paraVista: no abort text).
    virtual void preparaImpresion(bool paraVista);

    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void muestraBotones(bool visible);
    void siguePadre();
    void cmdBuscarEmpleado_Click(CajaEmpleados* caja);

    Ajustes m_ajustes;
    QGridLayout* m_seleccion = nullptr;
    grid::GridStack* m_pila = nullptr;
    grid::Grid* m_rejilla = nullptr;
    QPushButton* m_buscar = nullptr;
    QStringList m_tablas;
    QPrinter* m_printer = nullptr;
    QPointer<QMdiSubWindow> m_marco;
    bool m_buscando = false;
    bool m_mostrada = false;
    bool m_activa = false;
};
