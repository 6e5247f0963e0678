#include "dialogs_db.h"
#include "foundation/dialogs/frm_busca_emp.h"
#include "foundation/dialogs/frm_busca_prod.h"
#include "foundation/forms/main_window_services.h"
#include "platform/grid/grid.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMap>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

namespace {

// The main window as far as the pickers see it: its status bar.
class StatusBarOnly : public MainWindowServices {
public:
    QAction* toolbarButton(int) override { return nullptr; }
    QAction* menuItem(const QString&) override { return nullptr; }
    QAction* editRecordItem(int) override { return nullptr; }
    void setStatusPanel(int panel, const QString& text) override { panels[panel] = text; }
    QString statusPanel(int panel) const override { return panels.value(panel); }
    void popupGridMenu(const QPoint&) override {}
    QMdiArea* mdiArea() override { return nullptr; }
    QWidget* widget() override { return nullptr; }

    QMap<int, QString> panels;
};

const QString kHint = QString::fromUtf8("Para seleccionar dar click o enter sobre el renglón");

class Pickers : public DialogsDb {
protected:
    void SetUp() override
    {
        DialogsDb::SetUp();
        setMainWindow(&mainWindow);
        exec(QStringLiteral(
            "INSERT INTO Empleado (ID_Empleado, Usuario, Nombre_Empleado, Apellido_Paterno, Apellido_Materno) VALUES"
            " (2, 'ANA', 'ANA', 'LOPEZ', 'PEREZ'), (3, 'JUAN', 'JUAN', 'O''BRIEN', 'DIAZ'),"
            " (5, 'LUIS', 'LUIS', 'ROJAS', 'LUNA'), (7, 'MARIA', 'MARIA', 'SOLIS', 'VEGA');"
            "INSERT INTO Categoria VALUES (1, 'BEBIDAS', 'V'), (2, 'POSTRES', 'V');"
            "INSERT INTO Producto (ID_Producto, Nombre_Completo, ID_Categoria) VALUES"
            " (10, 'AGUA', 1), (15, 'REFRESCO', 1), (50, 'PASTEL', 2), (105, 'PAY D''QUESO', 2);"
            "INSERT INTO Tipo_Modificador (ID_Tipo_Modificador, Nombre_Tipo_Modificador) VALUES (1, 'SIN SAL'), (2, 'EXTRA QUESO');"
            "INSERT INTO Impresora (ID_Impresora, Nombre_Impresora) VALUES (1, 'COCINA'), (2, 'BARRA');"));
    }
    void TearDown() override
    {
        setMainWindow(nullptr);
        DialogsDb::TearDown();
    }

    static void search(PickerDialog& picker, const QString& criterion)
    {
        picker.txtCriterio->clear();
        QTest::keyClicks(picker.txtCriterio, criterion);
        QTest::mouseClick(picker.cmdBuscar, Qt::LeftButton);
    }

    // The grid row that shows the identifier; 0 when none does.
    static int rowOf(const PickerDialog& picker, int id)
    {
        for (int r = 1; r <= picker.sprProductos->rowCount(); ++r)
            if (picker.sprProductos->text(r, 1).toInt() == id)
                return r;
        return 0;
    }

    static void clickRow(PickerDialog& picker, int id)
    {
        const int row = rowOf(picker, id);
        ASSERT_GT(row, 0) << id;
        QTableWidget* table = picker.sprProductos->table();
        const QRect cell = table->visualRect(table->model()->index(row - 1, 1));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
    }

    static QList<int> ids(const PickerDialog& picker)
    {
        QList<int> out;
        for (int r = 1; r <= picker.sprProductos->rowCount(); ++r)
            out << picker.sprProductos->text(r, 1).toInt();
        std::sort(out.begin(), out.end());
        return out;
    }

    StatusBarOnly mainWindow;
};

TEST_F(Pickers, EmployeePickerHandsBackEveryChosenIdInTheOrderChosen)
{
    frmBusca_Emp picker;
    EXPECT_EQ(picker.windowTitle(), QStringLiteral("Buscar Productos"));
    QTimer::singleShot(0, [&] {
        search(picker, QString());
        clickRow(picker, 3);
        clickRow(picker, 7);
        QTest::mouseClick(picker.cmdAceptar, Qt::LeftButton);
    });
    picker.exec();
    EXPECT_FALSE(picker.isVisible());
    EXPECT_FALSE(picker.bCancelado);
    EXPECT_EQ(picker.sCadena, QStringLiteral("3,7"));
    EXPECT_EQ(picker.sprProductos->text(rowOf(picker, 3), 2), QStringLiteral("JUAN O'BRIEN DIAZ"));

    // A second use: picked the other way round, then with Enter, then everything.
    picker.show();
    QTest::mouseClick(picker.CmdDeseleccionar, Qt::LeftButton);
    clickRow(picker, 7);
    clickRow(picker, 2);
    picker.sprProductos->setActiveCell(rowOf(picker, 5), 1);
    QTest::keyClick(picker.sprProductos->table(), Qt::Key_Return);
    QTest::mouseClick(picker.cmdAceptar, Qt::LeftButton);
    EXPECT_EQ(picker.sCadena, QStringLiteral("7,2,5"));

    picker.show();
    QTest::mouseClick(picker.CmdSeleccionar, Qt::LeftButton);
    QTest::mouseClick(picker.cmdAceptar, Qt::LeftButton);
    QStringList all = picker.sCadena.split(QLatin1Char(','));
    all.sort();
    EXPECT_EQ(all, QStringList({"2", "3", "5", "7"}));

    picker.show();
    QTest::mouseClick(picker.CmdDeseleccionar, Qt::LeftButton);
    QTest::mouseClick(picker.cmdAceptar, Qt::LeftButton);
    EXPECT_EQ(picker.sCadena, QString());
}

TEST_F(Pickers, EmployeeSearchTakesTheCriterionLiterally)
{
    frmBusca_Emp picker;
    picker.show();
    search(picker, QStringLiteral("o'brien"));
    EXPECT_EQ(ids(picker), QList<int>{3});
    search(picker, QStringLiteral("lu"));  // a name and a second surname
    EXPECT_EQ(ids(picker), QList<int>({5}));
    search(picker, QStringLiteral("VEGA"));
    EXPECT_EQ(ids(picker), QList<int>({7}));
    search(picker, QStringLiteral("nadie"));
    EXPECT_EQ(picker.sprProductos->rowCount(), 0);
    EXPECT_TRUE(boxes.boxes().isEmpty());
}

TEST_F(Pickers, CancelEscAndCloseBoxLeaveThePickerLoadedAndCancelled)
{
    for (int way = 0; way < 3; ++way) {
        frmBusca_Emp picker;
        picker.show();
        search(picker, QString());
        clickRow(picker, 2);
        QTest::mouseClick(picker.cmdAceptar, Qt::LeftButton);
        ASSERT_EQ(picker.sCadena, QStringLiteral("2"));
        picker.show();
        if (way == 0)
            QTest::mouseClick(picker.cmdCancelar, Qt::LeftButton);
        else if (way == 1)
            QTest::keyClick(&picker, Qt::Key_Escape);
        else
            picker.close();
        EXPECT_TRUE(picker.bCancelado) << way;
        EXPECT_FALSE(picker.isVisible()) << way;
        EXPECT_EQ(picker.sCadena, QString()) << way;
        EXPECT_EQ(picker.sprProductos->rowCount(), 4) << way;  // still loaded: the grid stays
    }
    frmBusca_Prod products;
    products.show();
    QTest::keyClick(&products, Qt::Key_Escape);
    EXPECT_TRUE(products.bCancelado);
}

TEST_F(Pickers, StatusBarHintWhileAPickerIsLoaded)
{
    mainWindow.panels[2] = QStringLiteral("F5 Aceptar");
    auto employee = std::make_unique<frmBusca_Emp>();
    EXPECT_EQ(mainWindow.statusPanel(2), kHint);
    employee.reset();
    EXPECT_EQ(mainWindow.statusPanel(2), QString());
    auto product = std::make_unique<frmBusca_Prod>();
    EXPECT_EQ(mainWindow.statusPanel(2), kHint);
    product.reset();
    EXPECT_EQ(mainWindow.statusPanel(2), QString());

    setMainWindow(nullptr);  // no main window: nothing to tell
    frmBusca_Emp alone;
    EXPECT_FALSE(alone.bCancelado);
}

TEST_F(Pickers, ProductPickerReadsBackRowByRowUntilRestarted)
{
    frmBusca_Prod picker;
    picker.show();
    EXPECT_EQ(picker.cmbBuscarpor->currentText(), QStringLiteral("Nombre"));
    search(picker, QString());
    ASSERT_EQ(picker.sprProductos->rowCount(), 4);
    const int last = picker.sprProductos->text(4, 1).toInt();
    const int first = picker.sprProductos->text(1, 1).toInt();
    clickRow(picker, last);
    clickRow(picker, first);
    QTest::mouseClick(picker.cmdAceptar, Qt::LeftButton);
    EXPECT_FALSE(picker.isVisible());
    EXPECT_FALSE(picker.bCancelado);

    for (int round = 0; round < 2; ++round) {
        EXPECT_EQ(picker.Dar_Siguiente(), first);
        EXPECT_EQ(picker.Dar_Nombre(), picker.sprProductos->text(1, 2));
        EXPECT_EQ(picker.Dar_Siguiente(), last);
        EXPECT_EQ(picker.Dar_Nombre(), picker.sprProductos->text(4, 2));  // the grid's last row
        EXPECT_EQ(picker.Dar_Siguiente(), -1);
        EXPECT_EQ(picker.Dar_Siguiente(), -1);
        picker.Reiniciar_Seleccionados();
    }

    // Everything selected counts row by row; nothing selected gives -1 at once.
    QTest::mouseClick(picker.CmdSeleccionar, Qt::LeftButton);
    QList<int> read;
    for (int id = picker.Dar_Siguiente(); id != -1; id = picker.Dar_Siguiente())
        read << id;
    EXPECT_EQ(read.size(), 4);
    QTest::mouseClick(picker.CmdDeseleccionar, Qt::LeftButton);
    picker.Reiniciar_Seleccionados();
    EXPECT_EQ(picker.Dar_Siguiente(), -1);
}

TEST_F(Pickers, ProductSearchFields)
{
    frmBusca_Prod picker;
    picker.show();
    EXPECT_EQ(picker.windowTitle(), QStringLiteral("Buscar Productos"));
    EXPECT_FALSE(picker.cmbCategoria->isVisible());
    EXPECT_EQ(picker.cmbCategoria->count(), 2);

    picker.cmbBuscarpor->setCurrentText(QStringLiteral("Clave"));
    search(picker, QStringLiteral("5"));
    EXPECT_EQ(ids(picker), QList<int>({15, 50, 105}));

    picker.cmbBuscarpor->setCurrentText(QStringLiteral("Nombre"));
    search(picker, QStringLiteral("d'queso"));
    EXPECT_EQ(ids(picker), QList<int>{105});

    picker.cmbBuscarpor->setCurrentText(QString::fromUtf8("Categoría"));
    EXPECT_TRUE(picker.cmbCategoria->isVisible());
    EXPECT_FALSE(picker.txtCriterio->isVisible());
    QTest::mouseClick(picker.cmdBuscar, Qt::LeftButton);  // no category chosen: every product
    EXPECT_EQ(ids(picker), QList<int>({10, 15, 50, 105}));
    picker.cmbCategoria->setCurrentText(QStringLiteral("BEBIDAS"));
    QTest::mouseClick(picker.cmdBuscar, Qt::LeftButton);
    EXPECT_EQ(ids(picker), QList<int>({10, 15}));
    EXPECT_TRUE(boxes.boxes().isEmpty());

    picker.cmbBuscarpor->setCurrentText(QStringLiteral("Nombre"));
    EXPECT_FALSE(picker.cmbCategoria->isVisible());
    search(picker, QStringLiteral("nada"));
    ASSERT_EQ(boxes.texts(), QStringList{QString::fromUtf8("   No hay Información     ")});
    EXPECT_EQ(boxes.boxes().first().icon(), ui::Information);
    EXPECT_EQ(picker.sprProductos->rowCount(), 0);
}

TEST_F(Pickers, EveryPickerOpensWithTheFocusInTheCriterion)
{
    const std::function<std::unique_ptr<PickerDialog>()> pickers[] = {
        [] { return std::make_unique<frmBusca_Prod>(); },
        [] {
            auto p = std::make_unique<frmBusca_Prod>();
            p->Tipos_Modificadores();
            return std::unique_ptr<PickerDialog>(std::move(p));
        },
        [] { return std::make_unique<frmBusca_Emp>(); },
    };
    for (const auto& crea : pickers) {
        std::unique_ptr<PickerDialog> picker = crea();
        QString escrito;
        QTimer::singleShot(0, [&] {
            // Typed where the dialog's focus is, as the keyboard does.
            if (QWidget* foco = picker->focusWidget())
                QTest::keyClicks(foco, QStringLiteral("a"));
            escrito = picker->txtCriterio->text();
            picker->reject();
        });
        picker->exec();
        EXPECT_EQ(escrito, QStringLiteral("a")) << picker->windowTitle().toStdString();
    }
}

TEST_F(Pickers, SwitchesSearchModifierTypesOrPrinters)
{
    struct Case {
        void (frmBusca_Prod::*change)();
        const char* caption;
        QList<int> everything;
        const char* criterion;
        int named;
        const char* name;
    };
    const Case cases[] = {
        {&frmBusca_Prod::Tipos_Modificadores, "Buscar Modificadores", {1, 2}, "queso", 2, "EXTRA QUESO"},
        {&frmBusca_Prod::Impresoras, "Buscar Impresoras", {1, 2}, "barra", 2, "BARRA"},
    };
    for (const Case& c : cases) {
        frmBusca_Prod picker;
        (picker.*c.change)();
        picker.show();
        EXPECT_EQ(picker.windowTitle(), QString::fromUtf8(c.caption));
        ASSERT_EQ(picker.cmbBuscarpor->count(), 2);
        EXPECT_EQ(picker.cmbBuscarpor->itemText(0), QStringLiteral("Clave"));
        EXPECT_EQ(picker.cmbBuscarpor->itemText(1), QStringLiteral("Nombre"));
        EXPECT_EQ(picker.cmbBuscarpor->currentText(), QStringLiteral("Nombre"));
        search(picker, QString());
        EXPECT_EQ(ids(picker), c.everything);
        search(picker, QString::fromUtf8(c.criterion));
        ASSERT_EQ(ids(picker), QList<int>{c.named});
        clickRow(picker, c.named);
        QTest::mouseClick(picker.cmdAceptar, Qt::LeftButton);
        EXPECT_EQ(picker.Dar_Siguiente(), c.named);
        EXPECT_EQ(picker.Dar_Nombre(), QString::fromUtf8(c.name));
    }
}

} // namespace
