#pragma once

#include "foundation/forms/main_window_services.h"
#include "mainwindow/dlg_bar_sve.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <QVector>
#include <functional>

class AreaTapiz;
class ChildCommands;
class QLabel;
class QMdiSubWindow;
class QMenu;
class QStatusBar;
class QToolBar;

// The main window "Vereduda Zorva": the menus that the user's rights allow, the toolbar and the
// status bar that the child windows use, the wallpaper, and the document area that holds every
// catalog, configuration and report window. Toolbar, "&Editar" > "&Registro", the "&Archivo" print,
// preview and close items and the grid pop-up act on the active child window.
class MDIPrincipal : public QMainWindow, public MainWindowServices {
    Q_OBJECT

public:
    explicit MDIPrincipal(QWidget* parent = nullptr);
    ~MDIPrincipal() override;

    // Closes the login window, restores the wallpaper, loads the rights, sets the menus by them and
    // shows the working date.
    void MDIForm_Load();
    // Shows or hides the menus by the rights held.
    void Menus();

    // MainWindowServices
    QAction* toolbarButton(int index) override;
    QAction* menuItem(const QString& name) override;
    QAction* editRecordItem(int index) override;
    void setStatusPanel(int panel, const QString& text) override;
    QString statusPanel(int panel) const override;
    void popupGridMenu(const QPoint& globalPos) override;
    QMdiArea* mdiArea() override;
    QWidget* widget() override { return this; }

    QMenu* menu(const QString& name) const { return m_menus.value(name); }
    QMenu* mnuSpread() const { return m_mnuSpread; }
    QToolBar* TlbHerramientas() const { return m_tlbHerramientas; }
    QStatusBar* StbBarradeStatus() const { return m_stbBarradeStatus; }
    AreaTapiz* area() const { return m_area; }

    // The common dialog of the file commands.
    DlgBarSve dlgBarSve;

    void TlbHerramientas_ButtonClick(int index);
    void mnuEdReg_Click(int index);
    void mnuVeTapiz_Click();
    void mnuLimTapiz_Click();
    void mnuAyAcerca_Click();
    void mnuArSalir_Click();
    // Closes the active child window as its close box would.
    void CierraHijaActiva();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreaMenus();
    void CreaMenuArchivo();
    void CreaMenuEditar();
    void CreaMenuOperacion();
    void CreaMenuReportes();
    void CreaMenuVentana();
    void CreaMenuUtilerias();
    void CreaMenuAyuda();
    void CreaMenuSpread();
    void CreaBarraHerramientas();
    void CreaBarraEstado();

    QMenu* menuSuperior(const QString& caption, const QString& name, bool oculto = false);
    QMenu* submenu(QMenu* padre, const QString& caption, const QString& name, bool oculto = false);
    QAction* item(QMenu* padre, const QString& caption, const QString& name, std::function<void()> accion,
                  bool oculto = false, const QKeySequence& atajo = QKeySequence());
    // An item that shows child window `ventana` (or brings it forward).
    QAction* itemVentana(QMenu* padre, const QString& caption, const QString& name, const QString& ventana,
                         bool oculto = false);
    // An item that runs the command registered under its own name.
    QAction* itemComando(QMenu* padre, const QString& caption, const QString& name, bool oculto = false);
    void registra(const QString& name, QAction* action);

    // Runs a command of the active child; nothing without one. An error escaping the command ends
    // it there: it is logged and the program goes on.
    void Reenvia(const char* comando, const std::function<void(ChildCommands&)>& llamada);
    void ListaVentanas();
    void RestauraTapiz();
    void MuestraFechaTrabajo();
    void ActualizaFechaSistema();
    void RecuerdaHijaActiva();
    void RestauraHijaActiva();

    AreaTapiz* m_area;
    QToolBar* m_tlbHerramientas = nullptr;
    QStatusBar* m_stbBarradeStatus = nullptr;
    QVector<QAction*> m_botones;          // 1..21 at [0..20]
    QVector<QAction*> m_mnuEdReg;         // 0..13
    QVector<QLabel*> m_paneles;           // 1..4 at [0..3]
    QHash<QString, QAction*> m_items;
    QHash<QString, QMenu*> m_menus;
    QMenu* m_mnuVentana = nullptr;
    QMenu* m_mnuSpread = nullptr;
    QList<QAction*> m_listaVentanas;
    // The child that was active when the main window lost the activation (to a modal dialog, or
    // to another program), and the children open then.
    QPointer<QMdiSubWindow> m_hijaActiva;
    QList<QMdiSubWindow*> m_hijasAbiertas;
    bool m_restauraHija = false;
};
