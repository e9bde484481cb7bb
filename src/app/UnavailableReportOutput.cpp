#include "app/UnavailableReportOutput.h"

#include "platform/Notifier.h"

namespace tervalo::app {

void UnavailableReportOutput::preview(QWidget* parent, reports::LayoutId, const QList<QSqlRecord>&) { tell(parent); }

void UnavailableReportOutput::print(QWidget* parent, reports::LayoutId, const QList<QSqlRecord>&) { tell(parent); }

void UnavailableReportOutput::tell(QWidget* parent) {
    m_notifier.show(parent, QStringLiteral("Printed reports are not available in this version of Tervalo."), QString(),
                    platform::MsgIcon::Information);
}

}  // namespace tervalo::app
