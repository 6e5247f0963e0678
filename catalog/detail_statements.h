#pragma once

#include "platform/adodb/adodb.h"

#include <QList>
#include <QString>
#include <QVariant>
#include <QVariantList>

#include <functional>
#include <memory>

// A column of a detail table as a grid's save writes it.
struct DetailColumn {
    QString name;
    // Part of what tells the record's rows apart.
    bool key = false;
    // Written by a change of a stored row.
    bool updatable = true;
};

// The statements of one save of a detail grid on its table: each prepared on its first use and
// bound per row, on the shared gateway's connection, and each row written to the activity log as
// the gateway logs its own. A refused row gives false with the connection's errors saying why.
class DetailStatements {
public:
    DetailStatements(const QString& table, const QString& recordKeyField, const QList<DetailColumn>& columns);
    ~DetailStatements();
    DetailStatements(const DetailStatements&) = delete;
    DetailStatements& operator=(const DetailStatements&) = delete;

    // values: one per column, in order.
    bool insert(qlonglong recordKey, const QVariantList& values);
    // Writes the updatable columns marked changed, with their values (one per column, in order);
    // keys: the key columns' values as loaded, in order.
    bool update(qlonglong recordKey, const QList<bool>& changed, const QVariantList& values, const QVariantList& keys);
    bool remove(qlonglong recordKey, const QVariantList& keys);
    // The stored values of every column of the row; empty when there is no such row or it cannot
    // be read.
    QVariantList stored(qlonglong recordKey, const QVariantList& keys);

private:
    QString whereText() const;
    // The record's key column, then every column, as the insert and its log line name them.
    QString columnList() const;
    QString keyConditionText(qlonglong recordKey, const QVariantList& keys) const;
    // sql gives the statement's text, needed only the first time.
    bool run(std::unique_ptr<adodb::PreparedStatement>& statement, const std::function<QString()>& sql,
             const QVariantList& values);

    QString m_table;
    QString m_recordKeyField;
    QList<DetailColumn> m_columns;
    std::unique_ptr<adodb::PreparedStatement> m_insert;
    std::unique_ptr<adodb::PreparedStatement> m_update;
    std::unique_ptr<adodb::PreparedStatement> m_delete;
    std::unique_ptr<adodb::PreparedStatement> m_select;
};
