#include "platform/adodb/criteria.h"
#include "platform/adodb/internal.h"

#include <cmath>

namespace adodb {

namespace {

QString argText(sqlite3_value* v)
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(v));
    return QString::fromUtf8(text, sqlite3_value_bytes(v));
}

void redondear(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const int decimals = argc > 1 ? sqlite3_value_int(argv[1]) : 2;
    sqlite3_result_double(ctx, roundHalfEven(sqlite3_value_double(argv[0]), decimals));
}

// LIKE that folds case for the whole Spanish alphabet (ñ/Ñ, accented vowels), not only ASCII.
void like(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    QChar escape;
    if (argc == 3) {
        const QString e = argText(argv[2]);
        if (e.size() != 1) {
            sqlite3_result_error(ctx, "ESCAPE expression must be a single character", -1);
            return;
        }
        escape = e.at(0);
    }
    sqlite3_result_int(ctx, likeMatch(argText(argv[0]), argText(argv[1]), escape) ? 1 : 0);
}

void changeCase(sqlite3_context* ctx, sqlite3_value* v, bool upper)
{
    if (sqlite3_value_type(v) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const QByteArray out = (upper ? argText(v).toUpper() : argText(v).toLower()).toUtf8();
    sqlite3_result_text(ctx, out.constData(), int(out.size()), SQLITE_TRANSIENT);
}

void upperFn(sqlite3_context* ctx, int, sqlite3_value** argv) { changeCase(ctx, argv[0], true); }
void lowerFn(sqlite3_context* ctx, int, sqlite3_value** argv) { changeCase(ctx, argv[0], false); }

} // namespace

double roundHalfEven(double value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    // Decide the tie on the decimal text of the value, not on its binary neighbour: 2.675 is a tie.
    const double scaled = value * scale;
    const double nearest = std::nearbyint(scaled);
    const double floorV = std::floor(scaled);
    const double diff = scaled - floorV;
    double rounded;
    if (std::fabs(diff - 0.5) < 1e-9 * std::max(1.0, std::fabs(scaled)))
        rounded = std::fmod(floorV, 2.0) == 0.0 ? floorV : floorV + 1.0;
    else
        rounded = std::round(scaled);
    Q_UNUSED(nearest);
    return rounded / scale;
}

void registerFunctions(sqlite3* db)
{
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    sqlite3_create_function(db, "Redondear", 2, flags, nullptr, redondear, nullptr, nullptr);
    sqlite3_create_function(db, "Redondear", 1, flags, nullptr, redondear, nullptr, nullptr);
    sqlite3_create_function(db, "like", 2, flags, nullptr, like, nullptr, nullptr);
    sqlite3_create_function(db, "like", 3, flags, nullptr, like, nullptr, nullptr);
    sqlite3_create_function(db, "upper", 1, flags, nullptr, upperFn, nullptr, nullptr);
    sqlite3_create_function(db, "lower", 1, flags, nullptr, lowerFn, nullptr, nullptr);
}

} // namespace adodb
