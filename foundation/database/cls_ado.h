#pragma once

#include "platform/adodb/adodb.h"

#include <QPointer>
#include <QString>
#include <QVariant>
#include <QWidget>

class ClsBitacora;

// The one door to the central database. Every window composes its SQL as text and hands it here;
// database failures are reported in the gateway's own Spanish words by ManejaErrorBD, or only by the
// result where an operation says so.
class ClsAdo {
public:
    ClsAdo() = default;
    ClsAdo(const ClsAdo&) = delete;
    ClsAdo& operator=(const ClsAdo&) = delete;

    // The activity log that receives the gateway's lines; set by the login right after creation.
    ClsBitacora* CClsBitacora = nullptr;
    // Shown when an insert or update hits a duplicate key; each catalog window sets it before saving.
    QString CpsMen_LLave_Repetida;
    // Caption of the gateway's boxes where the error table says so.
    QString CpsTitulo;
    // The referenced table of a refused delete, or the text of an unlisted error while silenced.
    QString CsError;
    // Silences reference conflicts, 2627 duplicates and unlisted provider errors.
    bool CbNoMensaje = false;

    adodb::Recordset Consulta() const { return m_consulta; }
    void setConsulta(const adodb::Recordset& PrdrConsulta) { m_consulta = PrdrConsulta; }
    QWidget* forma_actual() const { return m_forma; }
    void setForma_actual(QWidget* PfrmForma) { m_forma = PfrmForma; }
    adodb::Connection& conexion() { return m_conexion; }
    void setConexion(const adodb::Connection& PrdcConexion) { m_conexion = PrdcConexion; }
    short Recount() const;

    bool Borrar(adodb::Recordset& PrdrConsulta, const QString& PsTabla, const QVariant& PsMensaje = QVariant(),
                const QString& PsCondicion = QString(), bool PbPosicionar = true);
    bool Conectar(const QString& PsNom_servidor, const QString& PsBase_de_datos, const QString& PsUID,
                  const QString& PsPasswd);
    void Cerrar();
    bool Alta(const QString& PsTabla, const QString& PsCampos, const QString& PsValores);
    // With PbReposicionar the recordset is read again and comes back on the same row, found by its
    // key. PlFilas receives how many rows the UPDATE changed.
    bool Modificar(adodb::Recordset& PrdrConsulta, const QString& PsTabla, const QString& PsActualizacion,
                   const QString& PsCondicion, bool PbReposicionar = true, long* PlFilas = nullptr);
    // Reads the recordset again and puts it back on the row it was on, found by the key of its
    // table (by position when it shows no key); off the rows when that row is gone.
    void Reposiciona(adodb::Recordset& PrdrConsulta);
    // The type, lock and option arguments are kept for the callers; every recordset is a static,
    // updatable snapshot.
    bool Establece_consulta(adodb::Recordset& PrdrVariable, const QString& PsConsulta, int PvTipo = 3,
                            int PsLock = 3, int PvOpciones = 1);
    bool Desplazar(adodb::Recordset& PrdrVariable, const QString& PsDireccion, int* PlnPosicion = nullptr);
    // 1 done, -1 failed; with Par, the recordset (PbDevolver) or the first value it returned.
    QVariant dbExecStored(const QString& PwQuery, bool Par = false, adodb::Recordset* PAdoRecordset = nullptr,
                          bool PbDevolver = false);
    void Inicia_Transaccion();
    void Termina_Transaccion();
    void Cancela_Transaccion();
    bool ActualizaADO(adodb::Recordset& PAdo, bool PbNuevo, bool PbBorrar = false);
    // Reports the first error the connection holds, as the gateway reports a failed call, and
    // forgets them.
    void Reporta_Error();
    // Whether the activity log takes lines now: a caller that writes rows through its own bound
    // statements composes their lines only then, and hands them to Registra as the calls above do.
    bool Registrando() const;
    void Registra(const QVariantList& valores) { log(valores); }

    // How many times Conectar tries the second login while the server answers with its generic error.
    static constexpr int kIntentosSegundoLogin = 3;
    // Seconds that a statement waits for another process's lock before it gives up, writing
    // nothing, with "in use" (adodb::sqlstate::Busy).
    static constexpr int kEsperaBloqueo = 30;

private:
    void ManejaErrorBD(const adodb::ComError& error);
    void ManejaErrorProveedor(const adodb::Error& first);
    void log(const QVariantList& valores);

    adodb::Connection m_conexion;
    adodb::Recordset m_consulta;
    QPointer<QWidget> m_forma;
};

// The shared gateway, created on first use.
ClsAdo& g_ClsAdo();
// Replaces the shared gateway by a fresh one (the tests start each case from a new gateway).
void g_ClsAdo_Reinicia();
