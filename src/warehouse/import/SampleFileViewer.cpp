#include "warehouse/import/SampleFileViewer.h"

#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "widgets/WindowId.h"

namespace tervalo::warehouse {

SampleFileViewer::SampleFileViewer(const QString& fileName, const QString& text, QWidget* parent) : QDialog(parent) {
    setObjectName(widgets::formName(widgets::WindowId::SampleFile));
    setWindowTitle(fileName);
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_ShowWithoutActivating);
    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QStringLiteral("txtSample"));
    m_text->setAccessibleName(fileName);
    m_text->setReadOnly(true);
    m_text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_text->setPlainText(text);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    resize(420, 360);
}

QString SampleFileViewer::text() const { return m_text->toPlainText(); }

}  // namespace tervalo::warehouse
