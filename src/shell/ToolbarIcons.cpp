#include "shell/ToolbarIcons.h"

#include <QFont>
#include <QPainter>
#include <QPixmap>
#include <QStyle>

namespace tervalo::shell {

namespace {

constexpr int kSize = 32;  // drawn large, shown at 16 x 16

// An icon drawn by `draw` on a transparent square.
template <class Draw>
QIcon drawn(Draw draw) {
    QPixmap pix(kSize, kSize);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
    p.end();
    return QIcon(pix);
}

QIcon letter(const QString& text, bool bold, bool italic, bool underline) {
    return drawn([&](QPainter& p) {
        QFont f(QStringLiteral("DejaVu Serif"));
        f.setPixelSize(26);
        f.setBold(bold);
        f.setItalic(italic);
        f.setUnderline(underline);
        p.setFont(f);
        p.setPen(Qt::black);
        p.drawText(QRect(0, 0, kSize, kSize), Qt::AlignCenter, text);
    });
}

// Four text lines, aligned left, centred or right.
QIcon alignment(Qt::Alignment align) {
    return drawn([&](QPainter& p) {
        p.setPen(QPen(Qt::black, 3));
        const int widths[] = {26, 18, 26, 14};
        for (int i = 0; i < 4; ++i) {
            const int w = widths[i];
            const int x = align == Qt::AlignLeft ? 3 : align == Qt::AlignRight ? kSize - 3 - w : (kSize - w) / 2;
            const int y = 6 + i * 7;
            p.drawLine(x, y, x + w, y);
        }
    });
}

QIcon scissors() {
    return drawn([&](QPainter& p) {
        p.setPen(QPen(Qt::black, 2.5));
        p.drawLine(10, 3, 20, 21);
        p.drawLine(22, 3, 12, 21);
        p.drawEllipse(QRectF(5, 20, 8, 8));
        p.drawEllipse(QRectF(19, 20, 8, 8));
    });
}

QIcon sheets(int count, bool clipboard) {
    return drawn([&](QPainter& p) {
        if (clipboard) {
            p.setBrush(QColor(0xb0, 0x80, 0x40));
            p.setPen(QPen(Qt::black, 1.5));
            p.drawRect(3, 5, 20, 24);
            p.setBrush(QColor(0x90, 0x90, 0x90));
            p.drawRect(9, 2, 8, 5);
        }
        p.setPen(QPen(Qt::black, 1.5));
        p.setBrush(Qt::white);
        for (int i = 0; i < count; ++i)
            p.drawRect(clipboard ? 13 : 4 + i * 9, clipboard ? 12 : 3 + i * 8, 15, 18);
    });
}

QIcon printer() {
    return drawn([&](QPainter& p) {
        p.setPen(QPen(Qt::black, 1.5));
        p.setBrush(Qt::white);
        p.drawRect(9, 3, 14, 10);
        p.setBrush(QColor(0xa0, 0xa0, 0xa0));
        p.drawRect(3, 12, 26, 11);
        p.setBrush(Qt::white);
        p.drawRect(9, 20, 14, 9);
    });
}

// A report page with a small bar chart.
QIcon report() {
    return drawn([&](QPainter& p) {
        p.setPen(QPen(Qt::black, 1.5));
        p.setBrush(Qt::white);
        p.drawRect(5, 2, 22, 28);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x2a, 0x6f, 0xb5));
        p.drawRect(9, 18, 4, 8);
        p.drawRect(15, 12, 4, 14);
        p.drawRect(21, 8, 3, 18);
    });
}

// The stock level falling and refilled, over its axes so that it reads as a
// chart and not as a letter: the program's own sign, used for the wizard.
QIcon sawTooth() {
    return drawn([&](QPainter& p) {
        p.setPen(QPen(Qt::black, 2));
        p.drawLine(3, 28, 29, 28);
        p.drawLine(3, 28, 3, 3);
        // Each order cycle: the stock refilled at once, then used up steadily.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xc0, 0x50, 0x10));
        for (const double x : {6.0, 17.0}) {
            const QPointF cycle[] = {{x, 6}, {x + 11, 27}, {x, 27}};
            p.drawPolygon(cycle, 3);
        }
    });
}

QIcon trendLine() {
    return drawn([&](QPainter& p) {
        p.setPen(QPen(Qt::black, 2));
        p.drawLine(3, 28, 29, 28);
        p.drawLine(3, 28, 3, 3);
        p.setBrush(QColor(0x2a, 0x6f, 0xb5));
        for (const QPointF& pt : {QPointF(8, 22), QPointF(13, 19), QPointF(18, 15), QPointF(24, 9)})
            p.drawEllipse(pt, 2.5, 2.5);
        p.setPen(QPen(QColor(0xc0, 0x20, 0x20), 2));
        p.drawLine(5, 25, 28, 6);
    });
}

QIcon database() {
    return drawn([&](QPainter& p) {
        p.setPen(QPen(Qt::black, 1.5));
        p.setBrush(QColor(0xd0, 0xa0, 0x30));
        for (int i = 2; i >= 0; --i) {
            const QRectF band(5, 5 + i * 8, 22, 8);
            p.drawRect(band.adjusted(0, 4, 0, 4));
            p.drawEllipse(band);
        }
    });
}

}  // namespace

QIcon ToolbarIcons::icon(const QString& key, const QStyle* style) {
    if (key == "New") return style->standardIcon(QStyle::SP_FileIcon);
    if (key == "Open") return style->standardIcon(QStyle::SP_DialogOpenButton);
    if (key == "Save") return style->standardIcon(QStyle::SP_DialogSaveButton);
    if (key == "Print") return printer();
    if (key == "Cut") return scissors();
    if (key == "Copy") return sheets(2, false);
    if (key == "Paste") return sheets(1, true);
    if (key == "Bold") return letter(QStringLiteral("B"), true, false, false);
    if (key == "Italic") return letter(QStringLiteral("I"), false, true, false);
    if (key == "Underline") return letter(QStringLiteral("U"), false, false, true);
    if (key == "Align Left") return alignment(Qt::AlignLeft);
    if (key == "Center") return alignment(Qt::AlignHCenter);
    if (key == "Align Right") return alignment(Qt::AlignRight);
    if (key == "Report") return report();
    if (key == "Tervalo") return sawTooth();
    if (key == "Demand Analysis") return trendLine();
    if (key == "Data Warehouse") return database();
    return {};
}

}  // namespace tervalo::shell
