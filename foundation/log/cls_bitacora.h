#pragma once

#include <QFile>
#include <QString>
#include <QVariant>
#include <QVariantList>

#include <cstddef>
#include <memory>
#include <optional>
#include <type_traits>

// The arguments of ClsBitacora::inciar_log, in their order; an empty member is an omitted argument,
// so that an omitted flag and a False are told apart (the braces keep designated initializers
// free of missing-field warnings). The login writes
//   g_ClsBitacora().inciar_log({.PArchivoLog = "C:\\ZORVA.log", .PSistema = "ZORVA", ...});
struct LogStartArgs {
    std::optional<QString> PArchivoLog{};
    std::optional<QString> PSistema{};
    std::optional<QString> PPrograma{};
    std::optional<QString> PVersion{};
    std::optional<QString> PUsuario{};
    std::optional<bool> PCrearArchivo{};
    std::optional<bool> Parchivo{};
    std::optional<bool> PMsgBox{};
    std::optional<bool> PDebug{};
    std::optional<QString> PUsuarioApp{};
};

namespace bitacora_detail {

// One value of a log line as a variant: texts stay texts, numbers stay numbers, nullptr is null.
template <typename T>
QVariant logValue(const T& value)
{
    if constexpr (std::is_same_v<T, QVariant>)
        return value;
    else if constexpr (std::is_same_v<T, std::nullptr_t>)
        return QVariant();
    else if constexpr (std::is_same_v<T, bool>)
        return QVariant(value);
    else if constexpr (std::is_enum_v<T>)
        return QVariant(qlonglong(value));
    else if constexpr (std::is_integral_v<T> && std::is_signed_v<T>)
        return QVariant(qlonglong(value));
    else if constexpr (std::is_integral_v<T>)
        return QVariant(qulonglong(value));
    else if constexpr (std::is_floating_point_v<T>)
        return QVariant(double(value));
    else if constexpr (std::is_convertible_v<const T&, const char*>)
        return QVariant(QString::fromUtf8(static_cast<const char*>(value)));
    else
        return QVariant::fromValue(value);
}

} // namespace bitacora_detail

// The activity log: composes a line from a time stamp, its settings and the values it is given,
// and appends it to sArchivoLog and/or shows it in a box, as bArchivo and bMsgBox say.
class ClsBitacora {
public:
    // Fills the defaults (program, version and user of this run) and saves them with Respalda.
    ClsBitacora();
    ClsBitacora(const ClsBitacora&) = delete;
    ClsBitacora& operator=(const ClsBitacora&) = delete;

    QString sArchivo;
    QString sArchivoLog;
    QString sSistema;
    QString sPrograma;
    QString sVersion;
    QString sUsuario;
    QString sUsuarioApp;
    bool bCrearArchivo = false;
    bool bMsgBox = true;
    bool bDebug = true;
    bool bArchivo = false;

    void inciar_log(const LogStartArgs& args = {});

    // Appends a message to today's file in \plimo\ (a twin of EscribeBitacora); false when the file
    // could not be opened or written.
    bool Mandar_Log(const QString& PsMensaje);

    bool CrearDirectorio(const QString& psDirectorio);

    // One activity line with the values in order. Costs next to nothing while bArchivo and bMsgBox
    // are both off, which is how the program runs.
    void Manda_Log(const QVariantList& Pargs = {});
    template <typename... Valores>
    void Manda_Log(const Valores&... valores);

    bool copia_log(const QString& psdestino);
    bool renombrar_log(const QString& psdestino);
    void Respalda();
    void Restaura();
    QString Despliega();

private:
    struct Respaldo {
        QString sArchivoLog;
        QString sSistema;
        QString sPrograma;
        QString sVersion;
        QString sUsuario;
        bool bCrearArchivo = false;
        bool bMsgBox = false;
        bool bDebug = false;
    };

    std::unique_ptr<QFile> AbreLogDiario();
    void MuestraErrorLog(int numero, const QString& descripcion);
    bool BorraArchivo(const QString& psArchivo);

    void escribeLinea(const QVariantList& valores);
    QString componeLinea(const QVariantList& valores) const;

    Respaldo m_respaldo;
};

template <typename... Valores>
void ClsBitacora::Manda_Log(const Valores&... valores)
{
    // Checked before the values become variants: the gateway logs every statement.
    if (bArchivo || bMsgBox)
        escribeLinea(QVariantList{bitacora_detail::logValue(valores)...});
}

// The one activity log object of the program, created on first use.
ClsBitacora& g_ClsBitacora();
