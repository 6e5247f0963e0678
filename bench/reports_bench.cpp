// Every sales report window over a generated year (bench/reports_year.h: about 100,000 checks and
// a million items, never analysed, as the program never analyses) and over one working date: the
// window's whole search, as its button runs it (statements, procedures, temporary tables and the
// grid), against the bare SQL of the same figures stepped to its last row on a plain connection
// (bench/reports_cases.cpp). Google Benchmark times both, three repetitions each (the year once per
// repetition); the table printed last gives the medians and one ratio per report and period, with
// the aims: every report within 2x its bare SQL, the daily sales report within 1.5x, and one day
// under 100 ms. A figure of the window that differs from the bare SQL's is flagged there too.
//
// --benchmark_filter selects cases by name ("RepVentas/year", "RepPMIX/day/window", ...).
#include "bench/reports_cases.h"
#include "platform/ui/freed_memory.h"
#include "platform/ui/msgbox.h"
#include "reports/rep_ventana.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <memory>
#include <string>

namespace {

using anogenerado::Periodo;
using casosreportes::Caso;
using casosreportes::Periodos;

struct Resultado {
    double ventana = std::nan(""), bare = std::nan("");
    double cifraVentana = std::nan(""), cifraBare = std::nan("");
};
// By "window/period".
std::map<std::string, Resultado> g_resultados;
QStringList g_avisos;

std::vector<Periodo> periodosDe(const Caso& c)
{
    switch (c.periodos) {
    case Periodos::DiaYAno: return {anogenerado::kDia, anogenerado::kAno};
    case Periodos::Semana: return {{"week", anogenerado::kDia.desde, anogenerado::kDia.desde.addDays(6)}};
    case Periodos::Ninguno: return {{"catalog", anogenerado::kDia.desde, anogenerado::kDia.desde}};
    }
    return {};
}

// The windows, each opened once and closed before the application ends.
std::map<std::string, std::unique_ptr<RepVentana>> g_abiertas;

RepVentana& ventana(const Caso& c)
{
    std::unique_ptr<RepVentana>& w = g_abiertas[c.nombre];
    if (!w)
        w.reset(c.crea());
    return *w;
}

void Ventana(benchmark::State& state, const Caso* c, Periodo p)
{
    RepVentana& w = ventana(*c);
    if (c->prepara)
        c->prepara(w, p);
    for (auto _ : state) {
        if (c->busca) {
            c->busca(w, p);
        } else {
            casosreportes::fechas(w, p);
            w.ejecutaBusqueda();
        }
    }
    if (c->cifra)
        g_resultados[std::string(c->nombre) + "/" + p.nombre].cifraVentana = c->cifra(w);
}

void Bare(benchmark::State& state, const Caso* c, Periodo p)
{
    double cifra = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(cifra = c->bare(anogenerado::ano().bare, p));
    g_resultados[std::string(c->nombre) + "/" + p.nombre].cifraBare = cifra;
}

// The console's report, and each median kept for the table.
class Informe : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        benchmark::ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs) {
            if (r.run_type != Run::RT_Aggregate || r.aggregate_name != "median")
                continue;
            const std::string nombre = r.run_name.function_name;
            const size_t corte = nombre.rfind('/');
            Resultado& res = g_resultados[nombre.substr(0, corte)];
            (nombre.substr(corte + 1) == "window" ? res.ventana : res.bare) = r.GetAdjustedRealTime();
        }
    }
};

void imprimeTabla()
{
    std::printf("\n%-27s %-8s %12s %12s %7s  %s\n", "report", "period", "window ms", "bare ms", "ratio", "aims");
    for (const Caso& c : casosreportes::casos()) {
        for (const Periodo& p : periodosDe(c)) {
            const auto it = g_resultados.find(std::string(c.nombre) + "/" + p.nombre);
            if (it == g_resultados.end() || std::isnan(it->second.ventana) || std::isnan(it->second.bare))
                continue;
            const Resultado& r = it->second;
            const double razon = r.ventana / r.bare;
            const double tope = std::string(c.nombre) == "RepVentas" ? 1.5 : 2.0;
            std::string aviso = c.sinMeta ? "no aim: builds and shows a new window"
                                : razon <= tope ? ""
                                                : " ratio above " + std::to_string(tope).substr(0, 3);
            if (std::string(p.nombre) != "year" && r.ventana >= 100)
                aviso += " over 100 ms";
            if (!std::isnan(r.cifraVentana) && !std::isnan(r.cifraBare) && std::fabs(r.cifraVentana - r.cifraBare) > 0.005)
                aviso += " FIGURES DIFFER (" + std::to_string(r.cifraVentana) + " / " + std::to_string(r.cifraBare) + ")";
            std::printf("%-27s %-8s %12.2f %12.2f %7.2f  %s\n", c.nombre, p.nombre, r.ventana, r.bare, razon,
                        aviso.empty() ? "met" : aviso.c_str());
        }
    }
    for (const QString& a : g_avisos)
        std::printf("Message box shown during the runs: %s\n", a.toUtf8().constData());
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    // The process is set up as the program's main() sets it up.
    ui::keepFreedMemory();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    anogenerado::ano();
    ui::setAnswerer([](const ui::Box& box) {
        if (!g_avisos.contains(box.text))
            g_avisos << box.text;
        return ui::defaultAnswer(box.style);
    });
    for (const Caso& c : casosreportes::casos()) {
        for (const Periodo& p : periodosDe(c)) {
            const std::string base = std::string(c.nombre) + "/" + p.nombre;
            for (auto* b : {benchmark::RegisterBenchmark((base + "/window").c_str(), Ventana, &c, p),
                            benchmark::RegisterBenchmark((base + "/bare").c_str(), Bare, &c, p)}) {
                b->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(3)->ReportAggregatesOnly(true);
                if (std::string(p.nombre) == "year")
                    b->Iterations(1);
                else
                    b->MinTime(0.2);
            }
        }
    }
    Informe informe;
    benchmark::RunSpecifiedBenchmarks(&informe);
    benchmark::Shutdown();
    imprimeTabla();
    g_abiertas.clear();
    return 0;
}
