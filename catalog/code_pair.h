#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

class QComboBox;
class QLineEdit;

// One entry of a code list: the letter stored and the word shown.
struct Codigo {
    QString codigo;
    QString palabra;
};

// A one-letter code column shown as a word: the combo lists the words, and the hidden box beside
// it, bound to the column, holds the code. Picking a word writes its code into the box (an empty
// text for anything outside the list); whenever the box changes (a move, a new empty row), the
// combo shows the code's word, or nothing for a code outside the list. An old code may share its
// word with a current one: the word shows for both and stores the one listed first.
class CodePair : public QObject {
    Q_OBJECT
public:
    CodePair(QComboBox* combo, QLineEdit* caja, const QList<Codigo>& codigos, QObject* parent = nullptr);

    // Each word stored as its first letter, the rule for most code lists.
    static QList<Codigo> primeraLetra(const QStringList& palabras);

    QString codigoDe(const QString& palabra) const;
    QString palabraDe(const QString& codigo) const;

private:
    void combo_Click();
    void caja_Change();

    QPointer<QComboBox> m_combo;
    QPointer<QLineEdit> m_caja;
    QList<Codigo> m_codigos;
};
