#pragma once

#include "platform/adodb/adodb.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

// Binds a window's controls to the columns of its recordset, as the windows' designs name them (the
// control's data field). While attached the controls show the current row, filled again whenever the
// row changes; before a save their values are written into the row. Detached, the controls keep
// their text and nothing they show reaches the recordset.
//
// Text boxes show the column's text whole, however long (forms::showStored); combos show it too; check boxes hold 0 or 1; a formatted box
// (FormattedBox) shows its formatted value and holds the plain one; a date picker (QDateEdit) shows
// the date of the column's ISO text "yyyy-MM-dd hh:mm:ss" and writes "yyyy-MM-dd 00:00:00" when the
// date changes. A picker whose dynamic property "Opcional" is true shows nothing (its minimum date,
// shown as a blank) for NULL and writes NULL then. A label only shows its column.
class FieldBinder : public QObject {
    Q_OBJECT
public:
    explicit FieldBinder(QObject* parent = nullptr);
    ~FieldBinder() override;

    void setRecordset(const adodb::Recordset& recordset) { m_recordset = recordset; }
    adodb::Recordset recordset() const { return m_recordset; }

    // Binds the control to the column its data field names. Any other kind of control than the
    // above is a programming error that stops the program.
    void add(QWidget* control);
    static bool canBind(const QWidget* control);
    // The text a text box, formatted box (its plain value) or combo holds for its column.
    static QString valueText(const QWidget* control);
    QList<QWidget*> controls() const;
    QWidget* controlFor(const QString& column) const;

    void attach();
    void detach();
    bool isAttached() const { return m_attached; }

    // Shows the current row (empty controls off the rows), when attached.
    void fill();
    // Writes the controls' values into the current row, when attached.
    void writeBack();

    // "column=value" for every bound column but `except` whose control the user changed since the
    // row was shown, joined by commas: the SET text of a change. A control left alone keeps its
    // column as stored, even where it cannot show it exactly (a rounded number, a date's time).
    QString assignments(const QString& except) const;
    // Whether the control holds something else than when its row was last shown.
    bool changed(const QWidget* control) const;
    // A control's text as a value in SQL: texts between apostrophes, theirs doubled; numbers of a
    // numeric column as typed; an empty number NULL.
    static QString sqlValue(const QString& text, adodb::DataType type);

    // What a column of the type holds: no number, whole numbers, or numbers with decimals.
    enum class Numero { Ninguno, Entero, Decimal };
    static Numero numberKind(adodb::DataType type);
    // Whether the text, blanks around it aside, is a plain numeral of that kind ("12", "-3",
    // "12.50", ".5"; a point as the decimal sign, no separators), or nothing at all.
    static bool isNumber(const QString& text, Numero kind);

    // Whoever moves a recordset that windows show (the find dialog) tells the binders here, so that
    // every window bound to it shows the new current row.
    static void rowMoved(const adodb::Recordset& recordset);

signals:
    // The controls now show another row (or none).
    void rowShown();

private:
    struct Binding {
        QPointer<QWidget> control;
        QString column;
        // What the control held right after its row was shown.
        QString shown;
    };
    bool onRow() const;
    // What a control holds, as one text to compare.
    static QString held(const QWidget* control);

    adodb::Recordset m_recordset;
    QList<Binding> m_bindings;
    bool m_attached = false;
};
