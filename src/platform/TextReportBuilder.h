#pragma once
// Builds a plain-text report's pieces line by line, in report order, for a
// TextReportSink. A report adds its own rows by deriving:
//   class Pieces : public platform::TextReportBuilder<Pieces> { Pieces& input(...); };
// Box texts go through value(): a text that happens to spell a key name
// ("{TAB}") is split so the sink writes it as typed.
#include <QString>
#include <QStringList>

namespace tervalo::platform {

template <class Self>
class TextReportBuilder {
public:
    Self& text(const QString& piece) {
        m_pieces << piece;
        return self();
    }
    Self& value(const QString& boxText) {
        const bool keyName =
            boxText.compare(kTab, Qt::CaseInsensitive) == 0 || boxText.compare(kEnter, Qt::CaseInsensitive) == 0;
        if (keyName)
            m_pieces << boxText.left(1) << boxText.mid(1);
        else
            m_pieces << boxText;
        return self();
    }
    Self& tabs(int count) {
        for (int i = 0; i < count; ++i)
            m_pieces << kTab;
        return self();
    }
    Self& end() {
        m_pieces << kEnter;
        return self();
    }
    Self& line(const QString& piece) { return text(piece).end(); }
    // A section heading, its underline and an empty line.
    Self& heading(const QString& title, int underline) {
        return line(title).line(QString(underline, QLatin1Char('-'))).end();
    }
    QStringList pieces() const { return m_pieces; }

protected:
    inline static const QString kTab = QStringLiteral("{TAB}");
    inline static const QString kEnter = QStringLiteral("{ENTER}");

private:
    Self& self() { return static_cast<Self&>(*this); }
    QStringList m_pieces;
};

}  // namespace tervalo::platform
