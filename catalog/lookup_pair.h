#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QComboBox;
class QLineEdit;

// A foreign key chosen by name: the combo lists the rows of another table (shown text, key as the
// item's data) and the hidden box beside it, bound to the foreign-key column, holds the key.
// Picking a name writes its key into the box; whenever the box changes, the combo shows the row of
// that key, or no selection when no row of the list has it. An optional "none" entry ("NINGUNO")
// ends the list and stands for an empty box (NULL).
class LookupPair : public QObject {
    Q_OBJECT
public:
    // consulta: two columns, the text shown and the key, in the order listed.
    LookupPair(QComboBox* combo, QLineEdit* caja, const QString& consulta, QObject* parent = nullptr);
    LookupPair(QComboBox* combo, QLineEdit* caja, const QString& consulta, const QString& ninguno,
               QObject* parent = nullptr);

    // Lists the rows again, as they stand now; the box keeps its key and the combo shows its row.
    void actualiza();

private:
    void llenaLista();
    void combo_Click();
    void caja_Change();

    QPointer<QComboBox> m_combo;
    QPointer<QLineEdit> m_caja;
    QString m_consulta;
    QString m_ninguno;
    bool m_conNinguno = false;
};
