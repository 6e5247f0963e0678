#pragma once

#include "foundation/forms/child_commands.h"
#include "foundation/forms/cls_formas.h"
#include "foundation/forms/field_binder.h"
#include "foundation/forms/filtro.h"

#include <QList>
#include <QString>
#include <QWidget>

// A window that keeps one table one row at a time: the protocol by which the commands of a
// data-entry window read and write its table through the shared gateway.
//
// A window builds its controls (names, tags, data fields), declares its table, its first field and
// its filter columns, and calls Form_Load() at the end of its constructor. From then on:
//  - the controls whose data field is set are bound to the table's columns and follow the current row;
//  - activated while browsing, the window reads its rows again and stays on the record it shows;
//    in either mode it lists again what its combos offer (refreshLists);
//  - new (Insert), modify (F6), accept (F5), cancel (Esc), delete (Delete), navigation, find (F3) and
//    filter work as in every data-entry window, with "Registros: " and the count in panel 1;
//  - a refused insert or change shows the window's duplicate-key text (or that nothing was saved)
//    under the window's caption, and the window stays in edit mode with what the user typed;
//  - a change is written to the row whose key was shown when the edit began, and writes only the
//    controls the user changed: when another station has deleted the row meanwhile, nothing is
//    written and the window says so;
//  - a required name (a box tagged "NoVacio") that the user typed is checked and stored without
//    blanks around it;
//  - a number typed into a box bound to a numeric column is checked before anything is written: a
//    text that is not a number is refused with a message, an empty box stores NULL;
//  - the window's steps before the record (beforeSave), the record, what the window saves with it
//    (Guarda_Detalle) and its steps after (afterSave) are written in one transaction, and so are
//    deleted the rows that go before the record (Borra_Detalle) and the record itself: a refusal
//    anywhere, or a refused commit, rolls back the whole command and keeps the edit as typed.
// A window changes a step by overriding its hook (defaults of a new row, required-field check, the
// new row's key, the SET text of a change, the rows saved and deleted with the record).
class DataEntryWindow : public QWidget, public ChildCommands {
    Q_OBJECT
public:
    ~DataEntryWindow() override;

    void BotonNuevoModificar(bool PbNuevo) override;
    void BotonAceptar() override;
    void BotonCancelar() override;
    void BotonBorrar() override;
    void BotonBuscar() override;
    void BotonFiltro() override;
    void BotonPrimerRegistro() override;
    void BotonRegistroAnterior() override;
    void BotonRegistroSiguiente() override;
    void BotonUltimoRegistro() override;
    adodb::Recordset Recordset_de_Busqueda() override;
    // Binds (True) or unbinds (False) the controls; unbound, they keep showing their values.
    void Ligar_Campos(bool PbLigar = true);

    ClsFormas& Formas() { return m_formas; }
    FieldBinder& Enlace() { return m_enlace; }
    adodb::Recordset& Consulta() { return m_consulta; }
    // True while the edit in progress is a new row.
    bool bNuevo() const { return m_bNuevo; }

    QString tabla() const { return m_tabla; }
    QString columnaLlave() const { return m_columnaLlave; }
    QString tablaFiltro() const { return m_tabla + QStringLiteral(" WHERE"); }
    const QList<ColumnaFiltro>& columnasFiltro() const { return m_columnasFiltro; }

protected:
    explicit DataEntryWindow(QWidget* parent = nullptr);

    // The table, its key column (bound to the window's key box, which is never typed into) and the
    // text shown when the database refuses a repeated value.
    void setTabla(const QString& tabla, const QString& columnaLlave, const QString& mensajeLlaveRepetida);
    // The control that receives the focus when an edit starts.
    void setPrimerCampo(QWidget* campo)
    {
        m_primerCampo = campo;
        m_formas.setPrimerCampo(campo);
    }
    void agregaColumnaFiltro(const QString& titulo, const QString& columnaLista, const QString& columnaCondicion);
    // The rows the window browses, when not the whole table ("SELECT * FROM Producto WHERE
    // Paquete=1"); navigation, find, the count and every requery follow it. Before Form_Load.
    void setConsulta(const QString& sql) { m_sqlConsulta = sql; }
    // Opens the window's query (by default "SELECT * FROM" the table), binds the controls and
    // attaches the window's ClsFormas.
    void Form_Load();

    // Puts the defaults of a new row into its controls.
    virtual void Valores_Nuevos() {}
    // Whether the required fields are filled; shows the message for the first that is not.
    virtual bool Campos_Completos() { return m_formas.Revisar_Campos_Obligatorios(); }
    // Writes the key of a new row into the key box, for tables whose keys the window computes;
    // the database generates the key when nothing is written.
    virtual void Llave_Nueva() {}
    // The SET text of a change: every bound column but the key whose control the user changed; empty
    // when none was.
    virtual QString Texto_Actualizacion();
    // Before the save's transaction begins: asks the questions the save depends on (no box may
    // wait for an answer while the database is held); writes nothing. False ends the save with
    // nothing written and the edit kept.
    virtual bool confirmSave(bool isNew) { Q_UNUSED(isNew); return true; }
    // Inside the save's transaction, before the record is written: may write other rows. False
    // (after saying why) refuses the save: everything is rolled back.
    virtual bool beforeSave(bool isNew) { Q_UNUSED(isNew); return true; }
    // Writes what belongs to the record (its detail rows) once the record itself is stored, in the
    // same transaction; never called when the record was refused. False (after saying why) rolls
    // back the whole save, the record included.
    virtual bool Guarda_Detalle() { return true; }
    // Inside the save's transaction, after the record and its detail rows. False (after saying
    // why) rolls back the whole save.
    virtual bool afterSave(bool isNew) { Q_UNUSED(isNew); return true; }
    // Reads again the lists the window offers (the names a combo lists), as they stand now; run
    // whenever the window is activated, in either mode.
    virtual void refreshLists() {}
    // Asks whether to delete the record shown, and checks what must be known before the delete's
    // transaction begins; writes nothing. False keeps the record. By default the question
    // "¿Esta seguro de borrar el registro?".
    virtual bool confirmDelete();
    // Deletes what must go before the record; false (after saying why) keeps the record and rolls
    // back whatever was deleted.
    virtual bool Borra_Detalle() { return true; }
    // Once the delete has been committed, outside its transaction: what goes with the record
    // elsewhere, and the row to show next (by default the one before the deleted one).
    virtual void afterDelete() {}
    // Whether every box bound to a numeric column holds a number or nothing; shows the message for
    // the first that does not and puts the focus there.
    bool Numeros_Validos();

    // The key box (the control bound to the key column), or null.
    QWidget* cajaLlave() const;
    // Whether the key box shows a row: neither empty nor zero.
    bool hayRegistro() const;
    // "Registros: " and the count into panel 1.
    virtual void muestraCuenta();

private:
    void alActivarse();
    void recortaNombres();
    bool guardaRegistro(const QString& condicion);
    bool guardaNuevo();
    bool guardaCambio(const QString& condicion);
    void deshaceGuardado(const QString& llaveAntes);
    void avisaCambioRechazado();
    void avisaConfirmacionFallida();
    void desplaza(const QString& direccion);
    QString condicionLlave() const;

    adodb::Recordset m_consulta;
    ClsFormas m_formas;
    FieldBinder m_enlace;
    QString m_tabla;
    QString m_columnaLlave;
    QString m_mensajeLlaveRepetida;
    QString m_sqlConsulta;
    QWidget* m_primerCampo = nullptr;
    QList<ColumnaFiltro> m_columnasFiltro;
    bool m_bNuevo = false;
    QVariant m_marcaAntesDeNuevo;
    adodb::ContentStamp m_leido;  // what the database held when the window last read it all
};
