#include "tickets/correccion_hora.h"

#include <gtest/gtest.h>

using namespace correccionhora;

namespace {

QDateTime momento(const char* texto)
{
    return leeMomento(QString::fromLatin1(texto));
}

} // namespace

// The date a corrected time takes, and the order the entry must keep.
TEST(CorreccionHora, TheEditedTimeTakesItsDateByTheStoredTimes)
{
    struct Case {
        const char* trabajo;
        const char* entrada;  // "" for a missing time
        const char* salida;
        Hora hora;
        const char* tecleada;
        Resultado resultado;
        const char* esperado;  // the new value, "" when none
    };
    const Case cases[] = {
        // A stored time keeps its date; seconds come as typed.
        {"01022025", "2025-02-01 18:00:00", "2025-02-01 19:30:00", Hora::Salida, "19:45", Resultado::Valida, "2025-02-01 19:45:00"},
        {"01022025", "2025-02-01 18:00:00", "2025-02-01 19:30:00", Hora::Entrada, "17:15:30", Resultado::Valida, "2025-02-01 17:15:30"},
        // A missing clock-out takes the clock-in's date, or the next day for an earlier time.
        {"01022025", "2025-02-01 09:00:00", "", Hora::Salida, "17:00", Resultado::Valida, "2025-02-01 17:00:00"},
        {"31012025", "2025-01-31 22:00:00", "", Hora::Salida, "02:30", Resultado::Valida, "2025-02-01 02:30:00"},
        // A missing clock-in takes the work date, as does a clock-out with both missing.
        {"31012025", "", "2025-02-01 02:00:00", Hora::Entrada, "22:00", Resultado::Valida, "2025-01-31 22:00:00"},
        {"31012025", "", "", Hora::Salida, "16:00", Resultado::Valida, "2025-01-31 16:00:00"},
        {"31012025", "", "", Hora::Entrada, "08:00", Resultado::Valida, "2025-01-31 08:00:00"},
        // Out of order.
        {"01022025", "2025-02-01 18:00:00", "2025-02-01 19:30:00", Hora::Salida, "17:00", Resultado::SalidaAnterior, ""},
        {"01022025", "2025-02-01 18:00:00", "2025-02-01 19:30:00", Hora::Entrada, "20:00", Resultado::SalidaAnterior, ""},
        {"31012025", "", "2025-01-31 07:00:00", Hora::Entrada, "08:00", Resultado::SalidaAnterior, ""},
        // No date to take.
        {"xx", "", "", Hora::Salida, "16:00", Resultado::SinFecha, ""},
    };
    for (const Case& c : cases) {
        const Correccion r = corrige(QString::fromLatin1(c.trabajo), momento(c.entrada), momento(c.salida), c.hora,
                                     QTime::fromString(QString::fromLatin1(c.tecleada).size() > 5
                                                           ? QString::fromLatin1(c.tecleada)
                                                           : QString::fromLatin1(c.tecleada) + QStringLiteral(":00"),
                                                       QStringLiteral("HH:mm:ss")));
        EXPECT_EQ(r.resultado, c.resultado) << c.entrada << " " << c.salida << " " << c.tecleada;
        if (*c.esperado) {
            EXPECT_EQ(r.momento.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")), QString::fromLatin1(c.esperado))
                << c.tecleada;
        }
    }
}

TEST(CorreccionHora, StoredTimesAreReadAsWallClockTimes)
{
    EXPECT_EQ(momento("2025-03-30 02:30:00").toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")), "2025-03-30 02:30:00");
    EXPECT_EQ(leeMomento(QVariant(QDateTime(QDate(2025, 2, 1), QTime(18, 45, 30)))).time(), QTime(18, 45, 30));
    for (const char* malo : {"", "2025-02-30 10:00:00", "18:00", "2025-02-01X10:00:00"})
        EXPECT_FALSE(momento(malo).isValid()) << malo;
    EXPECT_FALSE(leeMomento(QVariant()).isValid());
}
