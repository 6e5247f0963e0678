#include "platform/grid/grid.h"
#include "platform/grid/print_job.h"
#include "platform/grid/queue_print.h"
#include "platform/ui/msgbox.h"
#include "tests/support/scripted_print_system.h"

#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using grid::PrintResult;
using printsystem::Fate;

namespace {

// A small grid in a window captioned "Reporte de ventas", whose print settings say portrait,
// printed through a scripted queue "OFICINA" set up landscape, as a print dialog may leave it.
class GridQueue : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        window.setWindowTitle(QStringLiteral("Reporte de ventas"));
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(holder = new QWidget);
        g = new grid::Grid(holder);
        g->setColumnCount(2);
        g->setRowCount(3);
        g->setText(0, 1, QStringLiteral("Producto"));
        for (int r = 1; r <= 3; ++r)
            g->setText(r, 1, QStringLiteral("P-%1").arg(r));
        grid::PrintSettings settings = grid::standardPrintSettings();
        settings.orientation = grid::Orientation::Portrait;
        settings.abortText.clear();
        g->setPrintSettings(settings);
        impresion.addQueue(QStringLiteral("OFICINA"));
        grid::setPrintFailureLog([this](const QString& text) { log << text; });
    }
    void TearDown() override { grid::setPrintFailureLog({}); }

    grid::QueueJob job() const
    {
        grid::QueueJob j;
        j.queue = QStringLiteral("OFICINA");
        j.title = grid::windowCaption(*g);
        j.layout = QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10));
        j.options = {qMakePair(QByteArray("landscape"), QByteArray())};
        return j;
    }
    QString pdfInfo(const QByteArray& pdf)
    {
        QFile file(dir.filePath(QStringLiteral("job.pdf")));
        if (!file.open(QIODevice::WriteOnly))
            return QString();
        file.write(pdf);
        file.close();
        QProcess tool;
        tool.start(QStringLiteral("pdfinfo"), {file.fileName()});
        tool.waitForFinished(30000);
        return QString::fromUtf8(tool.readAllStandardOutput());
    }

    QTemporaryDir dir;
    QWidget window;
    QWidget* holder = nullptr;
    grid::Grid* g = nullptr;
    ScriptedPrintSystem impresion;
    ui::ScriptedAnswerer boxes;
    QStringList log;
};

TEST_F(GridQueue, TheJobIsTitledWithTheCaptionAndKeepsTheChosenOrientation)
{
    ASSERT_EQ(grid::printToQueue(*g, job()), PrintResult::Printed);
    ASSERT_EQ(impresion.jobs.size(), 1);
    const ScriptedPrintSystem::Job& sent = impresion.jobs.first();
    EXPECT_EQ(sent.queue, QStringLiteral("OFICINA"));
    EXPECT_EQ(sent.title, QStringLiteral("Reporte de ventas"));
    EXPECT_EQ(sent.options, job().options);
    const QString info = pdfInfo(sent.pdf);
    EXPECT_TRUE(info.contains(QStringLiteral("792 x 612 pts"))) << info.toStdString();
    EXPECT_TRUE(boxes.boxes().isEmpty());

    // Printed to a file the same way, the document carries the caption too.
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(dir.filePath(QStringLiteral("archivo.pdf")));
    ASSERT_EQ(g->print(&pdf), PrintResult::Printed);
    QFile file(pdf.outputFileName());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString written = pdfInfo(file.readAll());
    EXPECT_TRUE(written.contains(QRegularExpression(QStringLiteral("Title: +Reporte de ventas\\n")))) << written.toStdString();
}

TEST_F(GridQueue, ARefusedOrUnansweredJobFailsAndAHeldOneIsSaid)
{
    struct Case {
        const char* name;
        printsystem::JobFate fate;
        PrintResult result;
        int icon;
        QString text;
    };
    const QList<Case> cases{
        {"refused", {Fate::Refused, 0, QStringLiteral("sin papel")}, PrintResult::Failed, ui::Critical,
         QStringLiteral("La impresora OFICINA no aceptó el trabajo: sin papel")},
        {"no answer", {Fate::NoAnswer, 0, QString()}, PrintResult::Failed, ui::Critical,
         QStringLiteral("El sistema de impresión no respondió en 5 segundos: no se pudo imprimir en la impresora OFICINA")},
        {"held", {Fate::Held, 0, QStringLiteral("sin papel")}, PrintResult::Printed, ui::Exclamation,
         QStringLiteral("La impresora OFICINA está detenida: sin papel. El trabajo espera en su cola y se imprimirá cuando la impresora se reanude.")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        boxes.clear();
        log.clear();
        impresion.fate = c.fate;
        EXPECT_EQ(grid::printToQueue(*g, job()), c.result);
        ASSERT_EQ(boxes.boxes().size(), 1);
        EXPECT_EQ(boxes.boxes().first().text, c.text);
        EXPECT_EQ(boxes.boxes().first().icon(), c.icon);
        EXPECT_EQ(log, c.result == PrintResult::Failed ? QStringList{c.text} : QStringList());
    }
}

} // namespace
