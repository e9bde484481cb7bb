#pragma once
// The rows a model window's Print hands to a report layout: every column of the
// results table plus the joined display names, read afresh by each print with
// its values bound (the item name as typed, the day as ISO text).
#include <QDate>
#include <QList>
#include <QSqlRecord>
#include <QString>

#include "data/Connection.h"

namespace tervalo::data {

class ReportRowsRepository {
public:
    explicit ReportRowsRepository(Connection& cnn) : m_cnn(cnn) {}

    // The lot-size rows of the item, day and model (1 to 4): every column of
    // EOQ1 plus ModelName (inner join with Models), oldest first.
    // Throws RuntimeError on a database failure.
    QList<QSqlRecord> eoqRows(const QString& itemName, const QDate& day, int modelId);

    // The single-period or (s,S) row saved under the LogID, provided its day and
    // item still match: every column of s_S plus ModelName and Desc (inner joins
    // with Models and DemandType). Throws RuntimeError on a database failure.
    QList<QSqlRecord> singlePeriodRows(qlonglong logId, const QDate& day, const QString& itemName);

private:
    Connection& m_cnn;
};

}  // namespace tervalo::data
