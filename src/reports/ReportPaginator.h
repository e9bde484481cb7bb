#pragma once
// Lays a bound layout out into pages, each when it is read (the document keeps
// the layout and the rows): the report header on the first page,
// the page header at the top of every page, one detail band per row and page,
// the page footer at the foot of every page, 1-inch margins on Letter paper.
#include <QList>
#include <QSqlRecord>

#include "reports/ReportDocument.h"
#include "reports/ReportLayout.h"

namespace tervalo::reports {

// Every text is cut to its box. No rows still give one page of headers.
// Throws core::RuntimeError when a row lacks a column that the layout binds:
// every row is checked here, before any page is read.
ReportDocument layOutReport(const ReportLayout& layout, const QList<QSqlRecord>& rows);

}  // namespace tervalo::reports
