#include "tickets/correccion_hora.h"

#include <gtest/gtest.h>

using namespace correccionhora;

namespace {

QDateTime momento(const char* texto)
{
    return leeMomento(QString::fromLatin1(texto));
}

} // namespace

// The date a corrected time takes: beside the other time, the one that keeps the entry from 0 to
// under 24 hours long; alone, its own date or the work date.
TEST(CorreccionHora, TheEditedTimeTakesTheDateThatKeepsTheEntryUnderADay)
{
    struct Case {
        const char* trabajo;
        const char* entrada;  // "" for a missing time
        const char* salida;
        Hora hora;
        const char* tecleada;
        const char* esperado;  // the new value, "" when there is no date to take
    };
    const Case cases[] = {
        // Same day; seconds come as typed.
        {"01022025", "2025-02-01 18:00:00", "2025-02-01 19:30:00", Hora::Salida, "19:45", "2025-02-01 19:45:00"},
        {"01022025", "2025-02-01 18:00:00", "2025-02-01 19:30:00", Hora::Entrada, "17:15:30", "2025-02-01 17:15:30"},
        // A clock-out after midnight brought back before it, and the other way.
        {"02032025", "2025-03-02 20:30:00", "2025-03-03 00:30:00", Hora::Salida, "23:45", "2025-03-02 23:45:00"},
        {"02032025", "2025-03-02 18:00:00", "2025-03-02 23:30:00", Hora::Salida, "01:00", "2025-03-03 01:00:00"},
        // A clock-in after midnight moved before it, and back after it.
        {"02032025", "2025-03-03 00:30:00", "2025-03-03 04:00:00", Hora::Entrada, "23:30", "2025-03-02 23:30:00"},
        {"02032025", "2025-03-02 23:30:00", "2025-03-03 04:00:00", Hora::Entrada, "00:15", "2025-03-03 00:15:00"},
        // The bounds: equal times make an entry of 0; a clock-out a second earlier, of a day less a second.
        {"01022025", "2025-02-01 18:00:00", "2025-02-01 19:30:00", Hora::Salida, "18:00", "2025-02-01 18:00:00"},
        {"01022025", "2025-02-01 18:00:00", "2025-02-01 19:30:00", Hora::Salida, "17:59:59", "2025-02-02 17:59:59"},
        {"01022025", "2025-02-01 18:00:00", "2025-02-01 19:30:00", Hora::Entrada, "19:30", "2025-02-01 19:30:00"},
        {"01022025", "2025-02-01 18:00:00", "2025-02-01 19:30:00", Hora::Entrada, "19:30:01", "2025-01-31 19:30:01"},
        // The other time missing: the edited time keeps its date, or takes the work date.
        {"01022025", "2025-02-01 09:00:00", "", Hora::Entrada, "08:00", "2025-02-01 08:00:00"},
        {"31012025", "", "2025-02-01 02:00:00", Hora::Salida, "03:00", "2025-02-01 03:00:00"},
        {"31012025", "", "", Hora::Salida, "16:00", "2025-01-31 16:00:00"},
        {"31012025", "", "", Hora::Entrada, "08:00", "2025-01-31 08:00:00"},
        // A missing clock-out beside a clock-in, and the reverse.
        {"31012025", "2025-01-31 22:00:00", "", Hora::Salida, "02:30", "2025-02-01 02:30:00"},
        {"31012025", "", "2025-02-01 02:00:00", Hora::Entrada, "22:00", "2025-01-31 22:00:00"},
        // No date to take.
        {"xx", "", "", Hora::Salida, "16:00", ""},
    };
    for (const Case& c : cases) {
        const QString tecleada = QString::fromLatin1(c.tecleada);
        const Correccion r = corrige(QString::fromLatin1(c.trabajo), momento(c.entrada), momento(c.salida), c.hora,
                                     QTime::fromString(tecleada.size() > 5 ? tecleada : tecleada + QStringLiteral(":00"),
                                                       QStringLiteral("HH:mm:ss")));
        EXPECT_EQ(r.resultado, *c.esperado ? Resultado::Valida : Resultado::SinFecha) << c.entrada << " " << c.tecleada;
        if (*c.esperado) {
            EXPECT_EQ(r.momento.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")), QString::fromLatin1(c.esperado))
                << c.entrada << " " << c.salida << " " << c.tecleada;
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
