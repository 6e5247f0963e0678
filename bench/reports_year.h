#pragma once

#include <QDate>
#include <QTemporaryDir>

#include <string>

struct sqlite3;

// A generated year of sales (fixed seed) in a new central database: about 100,000 checks on 365
// working dates with a million items, their taxes, modifiers, courtesies, voids, promotions and
// payments, 25 waiters, gold-card customers on some accounts, and a menu with the products' prices
// and taxes. The program's gateway is connected to it, with the procedures registered; `bare` is a
// plain SQLite connection to the same file. Nothing analyses it: the program never runs ANALYZE.
namespace anogenerado {

inline const QDate kPrimerDia(2023, 1, 1);
inline constexpr int kDias = 365;

struct Periodo {
    const char* nombre;
    QDate desde, hasta;
};
// One working date in mid-year, and the whole year.
inline const Periodo kDia{"day", QDate(2023, 7, 14), QDate(2023, 7, 14)};
inline const Periodo kAno{"year", kPrimerDia, kPrimerDia.addDays(kDias - 1)};

struct Ano {
    Ano();
    ~Ano();
    QTemporaryDir dir;
    sqlite3* bare = nullptr;
};

// Built on first use.
Ano& ano();

// " (substr(col,5,4)||substr(col,3,2)||substr(col,1,2)) BETWEEN 'yyyymmdd' AND 'yyyymmdd'"
std::string periodo(const Periodo& p, const std::string& columna);

} // namespace anogenerado
