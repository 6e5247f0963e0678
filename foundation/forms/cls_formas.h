#pragma once

#include "platform/adodb/adodb.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

class ChildCommands;
class Clstxt_valida;
class QMdiSubWindow;
class QWidget;

// The behaviour that every data-entry window shares. A window creates one and attaches itself with
// Asigna when it loads; from then on the object keeps the window's mode (browse or edit), shows and
// enables the main window's record commands while the window is active, writes the key hints into
// status-bar panel 2, turns the function and navigation keys pressed anywhere in the window into the
// window's commands, opens the find dialog on the focused field, checks the required fields on
// request, and gives every text box its input rules.
class ClsFormas : public QObject {
    Q_OBJECT
public:
    static inline const QString kPistaNavegacion = QStringLiteral("INS=Nuevo,F6=Modificar,DEL=Borrar");
    static inline const QString kPistaEdicion = QStringLiteral("F5=Aceptar ESC=Cancelar");

    explicit ClsFormas(QObject* parent = nullptr);
    ~ClsFormas() override;

    // PsFuncion is accepted for the callers and has no effect.
    void Asigna(QWidget* PfrmForma, const QString& PsFuncion = QString());
    QWidget* FrmForma() const { return m_forma; }
    // The object attached to a window, or null.
    static ClsFormas* of(const QWidget* window);

    void LimpiarControles();
    void Enabled_Controls(bool Pbflag);
    void AsignacionTextBox(QWidget* Forma, QList<Clstxt_valida*>& colValidaTexto);
    void ActivarAceptarCancelar(bool PbAccion);
    void MostrarBotones(bool PbAccion);

    bool Edicion() const { return m_edicion; }
    // Sets the flag alone.
    void setEdicion(bool PbEdicion) { m_edicion = PbEdicion; }
    // Leaving edit mode (a save or a cancel) puts the focus on the window's first field first, so
    // that no control it disables holds the focus and the focus never wanders to another window.
    void ModoEdicion(bool PbEditar);
    // The control that takes the focus after a save or a cancel; by default the first control of
    // the window's tab order that can take it.
    void setPrimerCampo(QWidget* campo) { m_primerCampo = campo; }
    // Puts the focus on the first field (or, when it cannot take the focus now, on the first control
    // that can), provided that this window holds the focus or is the active child.
    void EnfocaPrimerCampo();

    // Opens the find dialog on the focused field. The arguments are accepted for the callers; the
    // recordset searched is the window's own (Recordset_de_Busqueda).
    void Busqueda(const adodb::Recordset& PrdrConsulta = adodb::Recordset(), bool PbFuncion = false);

    bool NoKeyDown() const { return m_noKeyDown; }
    void setNoKeyDown(bool PbNoKeyDown) { m_noKeyDown = PbNoKeyDown; }

    bool Revisar_Campos_Obligatorios();

    const QList<Clstxt_valida*>& colValidaTexto() const { return m_colValidaTexto; }

signals:
    // The window became the active child; windows write their record count on it.
    void activada();

private:
    friend class VigilanteDeVentanas;
    void eventoDeVentana(QEvent* event);
    void FrmForma_KeyDown(int key);
    void FrmForma_Activate();
    void FrmForma_Deactivate();
    void FrmForma_Unload();
    void siguePadre();
    bool botonUsable(int index) const;
    ChildCommands* comandos() const;
    bool tieneFoco() const;
    QWidget* primerControlUsable() const;
    void ejecuta(const std::function<void(ChildCommands&)>& comando);

    QPointer<QWidget> m_forma;
    QPointer<QMdiSubWindow> m_marco;
    QPointer<QWidget> m_primerCampo;
    QList<Clstxt_valida*> m_colValidaTexto;
    bool m_edicion = false;
    bool m_noKeyDown = false;
};
