#include "dialogs_db.h"
#include "foundation/dialogs/frm_cat_filtro.h"
#include "platform/clock/clock.h"
#include "platform/grid/grid_preview.h"
#include "platform/grid/print_job.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

const QString kTipoCase = QStringLiteral(
    "CASE Tipo_Categoria WHEN 'V' THEN 'Ventas' WHEN 'S' THEN 'Sugestivo' WHEN 'R' THEN 'Retail' "
    "WHEN 'N' THEN 'Sin Ventas' END AS Tipo");

enum Op { NoOp = -1, Igual, Menor, MenorIgual, MayorIgual, Mayor, Distinto, Parecido, Entre };

// The filter dialog as a category window opens it: Clave, Nombre and the type shown as a word.
class FilterDialog : public DialogsDb {
protected:
    void SetUp() override
    {
        DialogsDb::SetUp();
        exec(QStringLiteral("INSERT INTO Categoria VALUES (1, 'ABC uno', 'V'), (2, 'abcde', 'S'), (3, 'xabc', 'V'),"
                            " (4, 'Bebidas', 'R'), (5, 'D''Mario', 'N'), (6, 'a?c', 'V')"));
        dlg.LsTabla = QStringLiteral("Categoria WHERE");
        dlg.addColumn(QStringLiteral("Clave"), QStringLiteral("ID_Categoria"), QStringLiteral("ID_Categoria"));
        dlg.addColumn(QStringLiteral("Nombre"), QStringLiteral("Nombre_Categoria"), QStringLiteral("Nombre_Categoria"));
        dlg.addColumn(QStringLiteral("Tipo"), kTipoCase, kTipoCase);
        dlg.show();
    }

    void choose(const QString& caption)
    {
        const QList<QListWidgetItem*> found = dlg.LstCampos->findItems(caption, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << caption.toStdString();
        dlg.LstCampos->setCurrentItem(found.first());
        QTest::mouseClick(dlg.CmdSeleccionaruno, Qt::LeftButton);
    }

    void run(int campo, int op, const QString& value, const QString& second = QString())
    {
        dlg.CmbCampos->setCurrentIndex(campo);
        dlg.CmbCondicion->setCurrentIndex(op);
        dlg.TxtCondicion->clear();
        QTest::keyClicks(dlg.TxtCondicion, value);
        dlg.TxtCondicion2->clear();
        QTest::keyClicks(dlg.TxtCondicion2, second);
        QTest::mouseClick(dlg.CmdEjecutar, Qt::LeftButton);
    }

    QString statement() const { return dlg.resultado().isNull() ? QString() : dlg.resultado().source(); }

    // The texts of a result column, sorted: the rows come in the database's order.
    QStringList column(int c) const
    {
        QStringList texts;
        for (int r = 1; r <= dlg.sprResultados->rowCount(); ++r)
            texts << dlg.sprResultados->text(r, c);
        texts.sort();
        return texts;
    }

    FrmCatFiltro dlg;
};

TEST_F(FilterDialog, ChosenColumnsWithoutConditionShowEveryRow)
{
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Filtro"));
    EXPECT_EQ(dlg.cmbOrientacion->currentText(), QStringLiteral("Vertical"));
    EXPECT_EQ(dlg.CmbCampos->currentIndex(), -1);
    choose(QStringLiteral("Clave"));
    choose(QStringLiteral("Nombre"));
    QTest::mouseClick(dlg.CmdEjecutar, Qt::LeftButton);
    EXPECT_EQ(statement(), QStringLiteral("SELECT ID_Categoria,Nombre_Categoria FROM Categoria "));
    EXPECT_EQ(dlg.sprResultados->text(0, 1), QStringLiteral("ID_Categoria"));
    EXPECT_EQ(dlg.sprResultados->text(0, 2), QStringLiteral("Nombre_Categoria"));
    EXPECT_EQ(column(1), QStringList({"1", "2", "3", "4", "5", "6"}));
    EXPECT_TRUE(column(2).contains(QStringLiteral("D'Mario")));

    // A column and an operator without a value still give every row.
    run(1, Parecido, QString());
    EXPECT_EQ(statement(), QStringLiteral("SELECT ID_Categoria,Nombre_Categoria FROM Categoria "));
    EXPECT_EQ(dlg.sprResultados->rowCount(), 6);
    EXPECT_TRUE(boxes.boxes().isEmpty());
}

TEST_F(FilterDialog, EachOperatorFiltersOnItsColumn)
{
    struct Case {
        int campo;
        int op;
        const char* value;
        const char* second;
        const char* condition;
        QStringList ids;
    };
    const Case cases[] = {
        {1, Parecido, "abc*", "", "Nombre_Categoria LIKE 'abc%'", {"1", "2"}},
        {1, Parecido, "a?c", "", "Nombre_Categoria LIKE 'a?c'", {"6"}},
        {1, Parecido, "BEBIDAS", "", "Nombre_Categoria LIKE 'BEBIDAS'", {"4"}},
        {1, Igual, "D'Mario", "", "Nombre_Categoria='D''Mario'", {"5"}},
        {1, Entre, "a", "b", "Nombre_Categoria BETWEEN 'a' AND 'b'", {"1", "2", "6"}},
        {0, Igual, "5", "", "ID_Categoria=5", {"5"}},
        {0, MayorIgual, " 4", "", "ID_Categoria>=4", {"4", "5", "6"}},
        {0, Menor, "3", "", "ID_Categoria<3", {"1", "2"}},
        {0, Distinto, "+1", "", "ID_Categoria<>1", {"2", "3", "4", "5", "6"}},
        {0, Entre, "2", "3", "ID_Categoria BETWEEN 2 AND 3", {"2", "3"}},
        {0, NoOp, "3", "", "ID_Categoria=3", {"3"}},
        // Shown as words, filtered on the stored code.
        {2, Igual, "V", "", "Tipo_Categoria ='V'", {"1", "3", "6"}},
        {2, Mayor, "R", "", "Tipo_Categoria >'R'", {"1", "2", "3", "6"}},
    };
    choose(QStringLiteral("Clave"));
    for (const Case& c : cases) {
        run(c.campo, c.op, QString::fromUtf8(c.value), QString::fromUtf8(c.second));
        EXPECT_EQ(statement(), QStringLiteral("SELECT ID_Categoria FROM Categoria WHERE ") + QString::fromUtf8(c.condition));
        EXPECT_EQ(column(1), c.ids) << c.condition;
        if (c.op == NoOp) {
            EXPECT_EQ(dlg.CmbCondicion->currentText(), QStringLiteral("="));
        }
    }
    EXPECT_TRUE(boxes.boxes().isEmpty());
}

TEST_F(FilterDialog, PatternOnANumberShowsEveryRow)
{
    choose(QStringLiteral("Clave"));
    run(0, Parecido, QStringLiteral("1*"));
    ASSERT_EQ(boxes.texts(), QStringList{QStringLiteral("Condicion invalida")});
    EXPECT_EQ(boxes.boxes().first().icon(), ui::Exclamation);
    EXPECT_EQ(statement(), QStringLiteral("SELECT ID_Categoria FROM Categoria "));
    EXPECT_EQ(dlg.sprResultados->rowCount(), 6);
}

TEST_F(FilterDialog, ValuesThatCannotMakeAConditionRunNothing)
{
    choose(QStringLiteral("Clave"));
    run(0, Igual, QStringLiteral("2"));
    const QString before = statement();
    struct Case { int campo; int op; const char* value; const char* second; };
    const Case cases[] = {
        {0, Igual, "5 OR 1=1", ""}, {0, Igual, "1.5", ""}, {0, Menor, "abc", ""}, {0, Igual, "1;DELETE FROM Categoria", ""},
        {0, Entre, "1", ""}, {0, Entre, "1", "2 OR 1=1"}, {1, Entre, "a", ""},
    };
    for (const Case& c : cases) {
        boxes.clear();
        run(c.campo, c.op, QString::fromUtf8(c.value), QString::fromUtf8(c.second));
        ASSERT_EQ(boxes.texts(), QStringList{QStringLiteral("Condicion invalida")}) << c.value;
        EXPECT_EQ(boxes.boxes().first().icon(), ui::Exclamation);
        EXPECT_EQ(statement(), before) << c.value;
        EXPECT_EQ(column(1), QStringList{QStringLiteral("2")}) << c.value;
    }
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM Categoria")).toInt(), 6);
}

TEST_F(FilterDialog, AColumnOfUnknownTypeIsQuoted)
{
    // An empty table tells no type: the value goes in as text.
    FrmCatFiltro modos;
    modos.LsTabla = QStringLiteral("Modo_Preparacion WHERE");
    modos.addColumn(QStringLiteral("Clave"), QStringLiteral("ID_Modo_Preparacion"), QStringLiteral("ID_Modo_Preparacion"));
    modos.show();
    QTest::mouseClick(modos.CmdSelecciionarTodos, Qt::LeftButton);
    modos.CmbCampos->setCurrentIndex(0);
    QTest::keyClicks(modos.TxtCondicion, QStringLiteral("5 OR 1=1"));
    QTest::mouseClick(modos.CmdEjecutar, Qt::LeftButton);
    EXPECT_EQ(modos.resultado().source(),
              QStringLiteral("SELECT ID_Modo_Preparacion FROM Modo_Preparacion WHERE ID_Modo_Preparacion='5 OR 1=1'"));
    EXPECT_EQ(modos.sprResultados->rowCount(), 0);
    EXPECT_TRUE(boxes.boxes().isEmpty());
}

TEST_F(FilterDialog, AJoinGetsTheConditionWithAnd)
{
    exec(QStringLiteral("INSERT INTO Producto (ID_Producto, Nombre_Completo, ID_Categoria) VALUES"
                        " (10, 'Agua', 4), (11, 'Refresco', 4), (12, 'Pastel', 2)"));
    FrmCatFiltro productos;
    productos.LsTabla = QStringLiteral("Producto,Categoria WHERE Producto.ID_Categoria=Categoria.ID_Categoria");
    productos.addColumn(QStringLiteral("Producto"), QStringLiteral("Nombre_Completo"), QStringLiteral("Nombre_Completo"));
    productos.addColumn(QStringLiteral("Categoría"), QStringLiteral("Nombre_Categoria"), QStringLiteral("Nombre_Categoria"));
    productos.show();
    QTest::mouseClick(productos.CmdSelecciionarTodos, Qt::LeftButton);
    productos.CmbCampos->setCurrentIndex(1);
    productos.CmbCondicion->setCurrentIndex(Igual);
    QTest::keyClicks(productos.TxtCondicion, QStringLiteral("bebidas"));
    QTest::mouseClick(productos.CmdEjecutar, Qt::LeftButton);
    EXPECT_EQ(productos.resultado().source(),
              QStringLiteral("SELECT Nombre_Completo,Nombre_Categoria FROM Producto,Categoria WHERE "
                             "Producto.ID_Categoria=Categoria.ID_Categoria  AND Nombre_Categoria='bebidas'"));
    ASSERT_EQ(productos.sprResultados->rowCount(), 2);
    EXPECT_EQ(productos.sprResultados->text(2, 1), QStringLiteral("Refresco"));
}

TEST_F(FilterDialog, ADateColumnTakesTheDateAsTheGridShowsIt)
{
    // The tax types' filter: their percentages, with start dates at midnight and one in the afternoon.
    exec(QStringLiteral("INSERT INTO Tipos_Impuesto VALUES (1, 'IVA', 1), (2, 'IEPS', 1);"
                        "INSERT INTO PorcentajeXTipo_Impuesto VALUES (1, '2005-01-01 00:00:00', '2009-12-31 00:00:00', 0.15),"
                        " (1, '2010-07-05 00:00:00', NULL, 0.16), (2, '2005-01-01 13:30:00', NULL, 0.08)"));
    FrmCatFiltro tasas;
    tasas.LsTabla = QStringLiteral("Tipos_Impuesto,PorcentajeXTipo_Impuesto WHERE "
                                   "Tipos_Impuesto.ID_Tipo_Impuesto=PorcentajeXTipo_Impuesto.ID_Tipo_Impuesto");
    tasas.addColumn(QStringLiteral("Porcentaje"), QStringLiteral("Porcentaje"), QStringLiteral("Porcentaje"));
    tasas.addColumn(QStringLiteral("Fecha Inicio"), QStringLiteral("Fecha_Inicio_Impuesto"),
                    QStringLiteral("Fecha_Inicio_Impuesto"));
    tasas.show();
    QTest::mouseClick(tasas.CmdSelecciionarTodos, Qt::LeftButton);
    QTest::mouseClick(tasas.CmdEjecutar, Qt::LeftButton);
    ASSERT_EQ(tasas.sprResultados->rowCount(), 3);
    EXPECT_EQ(tasas.sprResultados->text(1, 2), QStringLiteral("01/01/2005"));

    const struct {
        int op;
        const char* value;
        const char* second;
        QStringList porcentajes;
    } cases[] = {
        {Igual, "01/01/2005", "", {"0.08", "0.15"}},
        {Igual, "1/1/2005", "", {"0.08", "0.15"}},
        {Igual, "2005-01-01", "", {"0.08", "0.15"}},
        {Igual, "01/01/2005 13:30:00", "", {"0.08"}},
        {Distinto, "01/01/2005", "", {"0.16"}},
        {Mayor, "31/12/2009", "", {"0.16"}},
        {MenorIgual, "05/07/2010", "", {"0.08", "0.15", "0.16"}},
        {Entre, "01/01/2005", "05/07/2010", {"0.08", "0.15", "0.16"}},
        {Entre, "01/01/2005 12:00", "05/07/2010", {"0.08", "0.16"}},
        {Parecido, "*/2010", "", {"0.16"}},
        {Parecido, "01/01/2005 13*", "", {"0.08"}},
    };
    for (const auto& c : cases) {
        tasas.CmbCampos->setCurrentIndex(1);
        tasas.CmbCondicion->setCurrentIndex(c.op);
        tasas.TxtCondicion->setText(QString::fromUtf8(c.value));
        tasas.TxtCondicion2->setText(QString::fromUtf8(c.second));
        QTest::mouseClick(tasas.CmdEjecutar, Qt::LeftButton);
        QStringList porcentajes;
        for (int r = 1; r <= tasas.sprResultados->rowCount(); ++r)
            porcentajes << QString::number(tasas.sprResultados->value(r, 1).toDouble());
        porcentajes.sort();
        EXPECT_EQ(porcentajes, c.porcentajes) << c.value << " " << c.second;
    }
    EXPECT_TRUE(boxes.boxes().isEmpty());

    // What is not a date runs nothing.
    const QString before = tasas.resultado().source();
    for (const char* value : {"31/02/2005", "2005", "hoy", "01/01/2005' OR '1'='1"}) {
        boxes.clear();
        tasas.CmbCondicion->setCurrentIndex(Igual);
        tasas.TxtCondicion->setText(QString::fromUtf8(value));
        QTest::mouseClick(tasas.CmdEjecutar, Qt::LeftButton);
        EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("Condicion invalida")}) << value;
        EXPECT_EQ(tasas.resultado().source(), before) << value;
    }
}

TEST_F(FilterDialog, MissingChoicesStopTheRunWithTheirMessage)
{
    run(0, Igual, QStringLiteral("1"));
    ASSERT_EQ(boxes.texts(), QStringList{QStringLiteral("No se seleccionaron campos")});
    EXPECT_EQ(boxes.boxes().first().icon(), ui::Exclamation);

    boxes.clear();
    choose(QStringLiteral("Nombre"));
    run(-1, Igual, QStringLiteral("abc"));
    ASSERT_EQ(boxes.texts(), QStringList{QString::fromUtf8("Seleccione el campo donde se aplicará el filtro")});
    EXPECT_EQ(boxes.boxes().first().icon(), ui::Information);
    EXPECT_TRUE(dlg.resultado().isNull());
    EXPECT_EQ(boxes.boxes().first().caption, ui::applicationTitle());
}

TEST_F(FilterDialog, ColumnsMoveWithTheirSelectExpressions)
{
    QTest::mouseClick(dlg.CmdSeleccionaruno, Qt::LeftButton);  // nothing highlighted: nothing moves
    EXPECT_EQ(dlg.LstCampos_sel->count(), 0);
    choose(QStringLiteral("Tipo"));
    choose(QStringLiteral("Clave"));
    EXPECT_EQ(dlg.LstCampos_selBD, QStringList({kTipoCase, QStringLiteral("ID_Categoria")}));
    EXPECT_EQ(dlg.LstCamposBD, QStringList{QStringLiteral("Nombre_Categoria")});
    QTest::mouseClick(dlg.CmdEjecutar, Qt::LeftButton);
    EXPECT_EQ(statement(), QStringLiteral("SELECT ") + kTipoCase + QStringLiteral(",ID_Categoria FROM Categoria "));
    EXPECT_EQ(dlg.sprResultados->text(0, 1), QStringLiteral("Tipo"));
    EXPECT_EQ(column(1), QStringList({"Retail", "Sin Ventas", "Sugestivo", "Ventas", "Ventas", "Ventas"}));

    dlg.LstCampos_sel->setCurrentRow(0);
    QTest::mouseClick(dlg.CmdDesSeleccionaruno, Qt::LeftButton);
    EXPECT_EQ(dlg.LstCamposBD, QStringList({QStringLiteral("Nombre_Categoria"), kTipoCase}));
    QTest::mouseClick(dlg.CmdDesSeleccionarTodos, Qt::LeftButton);
    QTest::mouseClick(dlg.CmdSelecciionarTodos, Qt::LeftButton);
    EXPECT_EQ(dlg.LstCampos->count(), 0);
    const QStringList chosen = {QStringLiteral("Nombre"), QStringLiteral("Tipo"), QStringLiteral("Clave")};
    for (int i = 0; i < chosen.size(); ++i)
        EXPECT_EQ(dlg.LstCampos_sel->item(i)->text(), chosen.at(i));
    EXPECT_EQ(dlg.LstCampos_selBD, QStringList({QStringLiteral("Nombre_Categoria"), kTipoCase, QStringLiteral("ID_Categoria")}));
    EXPECT_EQ(dlg.CmbCampos->count(), 3);  // the condition list never changes

    EXPECT_FALSE(dlg.TxtCondicion2->isVisible());
    dlg.CmbCondicion->setCurrentIndex(Entre);
    EXPECT_TRUE(dlg.lblY->isVisible());
    EXPECT_TRUE(dlg.TxtCondicion2->isVisible());
    dlg.CmbCondicion->setCurrentIndex(Parecido);
    EXPECT_FALSE(dlg.TxtCondicion2->isVisible());
}

TEST_F(FilterDialog, PreviewStandsInTheGridsPlaceUntilPressedAgainOrRun)
{
    choose(QStringLiteral("Clave"));
    QTest::mouseClick(dlg.CmdEjecutar, Qt::LeftButton);
    QTest::mouseClick(dlg.cmdPreview, Qt::LeftButton);
    EXPECT_TRUE(dlg.Preview->isVisible());
    EXPECT_FALSE(dlg.sprResultados->isVisible());
    EXPECT_EQ(dlg.Preview->pageCount(), 1);
    QTest::mouseClick(dlg.cmdPreview, Qt::LeftButton);
    EXPECT_TRUE(dlg.sprResultados->isVisible());
    QTest::mouseClick(dlg.cmdPreview, Qt::LeftButton);
    QTest::mouseClick(dlg.CmdEjecutar, Qt::LeftButton);
    EXPECT_TRUE(dlg.sprResultados->isVisible());
    EXPECT_FALSE(dlg.Preview->isVisible());
}

// 200 categories printed to PDF with the clock at 5 July 2021 14:03:22.
class FilterPrint : public FilterDialog {
protected:
    void SetUp() override
    {
        FilterDialog::SetUp();
        appclock::setNow(QDateTime(QDate(2021, 7, 5), QTime(14, 3, 22)));
        for (int i = 7; i <= 200; ++i)
            exec(QStringLiteral("INSERT INTO Categoria VALUES (%1, 'CAT-%2', 'V')").arg(i).arg(i, 3, 10, QLatin1Char('0')));
        choose(QStringLiteral("Clave"));
        choose(QStringLiteral("Nombre"));
        QTest::mouseClick(dlg.CmdEjecutar, Qt::LeftButton);
    }
    void TearDown() override
    {
        appclock::reset();
        FilterDialog::TearDown();
    }

    // Prints with "&Imprimir" into a PDF file.
    void print(const QString& name)
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageSize(QPageSize(QPageSize::Letter));
        printer.setOutputFileName(dir.filePath(name));
        dlg.setPrinter(&printer);
        QTest::mouseClick(dlg.CmdImprimir, Qt::LeftButton);
        dlg.setPrinter(nullptr);
    }

    static QString runTool(const QString& tool, const QStringList& arguments)
    {
        QProcess process;
        process.start(tool, arguments);
        if (!process.waitForFinished(30000) || process.exitCode() != 0)
            return QString();
        return QString::fromUtf8(process.readAllStandardOutput());
    }

    QStringList pages(const QString& name) const
    {
        QStringList out = runTool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), dir.filePath(name),
                                                                QStringLiteral("-")})
                              .split(QLatin1Char('\f'));
        if (!out.isEmpty() && out.last().trimmed().isEmpty())
            out.removeLast();
        return out;
    }

    QString pageSize(const QString& name) const
    {
        const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("Page size:\\s+(\\d+ x \\d+) pts"))
                                              .match(runTool(QStringLiteral("pdfinfo"), {dir.filePath(name)}));
        return m.captured(1);
    }

    QTemporaryDir dir;
};

TEST_F(FilterPrint, EveryPageCarriesTitleOnceHeadingsAndFooter)
{
    print(QStringLiteral("primera.pdf"));
    QTest::mouseClick(dlg.cmdPreview, Qt::LeftButton);
    QTest::mouseClick(dlg.cmdPreview, Qt::LeftButton);
    print(QStringLiteral("filtro.pdf"));

    const QStringList text = pages(QStringLiteral("filtro.pdf"));
    ASSERT_GT(text.size(), 1) << "pdftotext (poppler-utils) read too little";
    const int count = int(text.size());
    for (int p = 0; p < count; ++p) {
        const QString& page = text.at(p);
        EXPECT_EQ(page.count(QStringLiteral("ZORVA VEREDUDA")), 1) << "page " << p + 1;
        EXPECT_TRUE(page.contains(QString::fromUtf8("05/julio/2021 14:03:22 página %1 de %2").arg(p + 1).arg(count)))
            << page.toStdString();
        EXPECT_TRUE(page.contains(QRegularExpression(QStringLiteral("ID_Categoria\\s+Nombre_Categoria")))) << "page " << p + 1;
    }
    const QString all = text.join(QString());
    EXPECT_EQ(all.count(QStringLiteral("CAT-200")), 1);
    EXPECT_EQ(all.count(QStringLiteral("D'Mario")), 1);
    EXPECT_EQ(pages(QStringLiteral("primera.pdf")).size(), count);
}

TEST_F(FilterPrint, HorizontalIsLandscapeAndVerticalPortrait)
{
    print(QStringLiteral("vertical.pdf"));
    EXPECT_EQ(pageSize(QStringLiteral("vertical.pdf")), QStringLiteral("612 x 792"));
    dlg.cmbOrientacion->setCurrentText(QStringLiteral("Horizontal"));
    print(QStringLiteral("horizontal.pdf"));
    EXPECT_EQ(pageSize(QStringLiteral("horizontal.pdf")), QStringLiteral("792 x 612"));
}

} // namespace

namespace {

// "&Imprimir" without a printer set, as on a machine with no printer: Qt's print dialog opens on
// the print-out, and what is chosen there decides.
class FilterPrintDialog : public FilterPrint {
protected:
    // Answers the print dialog that "&Imprimir" opens: a PDF file name typed in, then the dialog
    // accepted; an empty name cancels it.
    void imprimeCon(const QString& archivo)
    {
        bool visto = false;
        QTimer::singleShot(0, [&] {
            auto* dialogo = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
            if (!dialogo)
                return;
            visto = true;
            if (archivo.isEmpty()) {
                dialogo->reject();
                return;
            }
            // The PDF file is the last entry of the printers, after any the machine has.
            if (auto* impresoras = dialogo->findChild<QComboBox*>(QStringLiteral("printers")))
                impresoras->setCurrentIndex(impresoras->count() - 1);
            auto* nombre = dialogo->findChild<QLineEdit*>(QStringLiteral("filename"));
            if (!nombre) {
                ADD_FAILURE() << "the print dialog has no file name box";
                dialogo->reject();
                return;
            }
            nombre->setText(archivo);
            dialogo->accept();
        });
        QTest::mouseClick(dlg.CmdImprimir, Qt::LeftButton);
        EXPECT_TRUE(visto) << "no print dialog";
    }
};

TEST_F(FilterPrintDialog, ThePrintDialogPrintsToTheChosenPdfAndACancelPrintsNothingSilently)
{
    QStringList bitacora;
    grid::setPrintFailureLog([&](const QString& texto) { bitacora << texto; });

    imprimeCon(dir.filePath(QStringLiteral("elegido.pdf")));
    const QStringList text = pages(QStringLiteral("elegido.pdf"));
    ASSERT_GT(text.size(), 1);
    EXPECT_TRUE(text.first().contains(QStringLiteral("ZORVA VEREDUDA")));
    EXPECT_EQ(text.join(QString()).count(QStringLiteral("CAT-200")), 1);

    imprimeCon(QString());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("elegido.pdf")});
    EXPECT_TRUE(boxes.boxes().isEmpty());
    EXPECT_TRUE(bitacora.isEmpty());
    grid::setPrintFailureLog({});
}

TEST_F(FilterPrint, AFailedPrintSaysSoOnScreenAndInTheLog)
{
    QStringList bitacora;
    grid::setPrintFailureLog([&](const QString& texto) { bitacora << texto; });
    const QString imposible = dir.filePath(QStringLiteral("no/hay/carpeta.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(imposible);
    dlg.setPrinter(&printer);
    QTest::mouseClick(dlg.CmdImprimir, Qt::LeftButton);
    dlg.setPrinter(nullptr);
    grid::setPrintFailureLog({});

    const QString esperado = QStringLiteral("No se pudo imprimir en el archivo ") + imposible;
    ASSERT_EQ(boxes.texts(), QStringList{esperado});
    EXPECT_EQ(boxes.boxes().first().icon(), ui::Critical);
    EXPECT_EQ(bitacora, QStringList{esperado});
}

} // namespace
