#include "shell/SplashWindow.h"

#include <QFont>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

#include "widgets/WindowId.h"

namespace tervalo::shell {

namespace {

// The splash picture: the saw-tooth stock level of a lot-size policy.
QPixmap logoPicture() {
    QPixmap pix(120, 120);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(0x1f, 0x4e, 0x79));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(2, 2, 116, 116), 14, 14);
    p.setPen(QPen(QColor(0xff, 0xd9, 0x66), 4));
    QPainterPath stock;
    stock.moveTo(14, 30);
    for (int i = 0; i < 3; ++i) {
        const double x = 14 + i * 31;
        stock.lineTo(x + 31, 92);
        if (i < 2) stock.lineTo(x + 31, 30);
    }
    p.drawPath(stock);
    p.setPen(QPen(Qt::white, 2));
    p.drawLine(12, 100, 108, 100);
    p.drawLine(12, 100, 12, 18);
    return pix;
}

QLabel* addLabel(QWidget* parent, const char* name, const QString& text) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setWordWrap(true);
    return l;
}

}  // namespace

QString SplashWindow::versionText() {
    return QStringLiteral("Version %1.%2.%3")
        .arg(TERVALO_VERSION_MAJOR)
        .arg(TERVALO_VERSION_MINOR)
        .arg(TERVALO_VERSION_PATCH);
}

SplashWindow::SplashWindow(QWidget* parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(widgets::formName(widgets::WindowId::Splash));
    setAttribute(Qt::WA_ShowWithoutActivating);

    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setFrameShape(QFrame::Box);
    auto* outer = new QGridLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(frame);

    auto* logo = new QLabel(frame);
    logo->setObjectName(QStringLiteral("imgLogo"));
    logo->setPixmap(logoPicture());

    QLabel* product = addLabel(frame, "lblProductName", QStringLiteral("Tervalo"));
    QFont big = product->font();
    big.setPointSize(big.pointSize() * 2 + 4);
    big.setBold(true);
    product->setFont(big);
    QLabel* version = addLabel(frame, "lblVersion", versionText());
    QLabel* platform = addLabel(frame, "lblPlatform", QStringLiteral("Platform Windows 2000/NT4/98"));
    QLabel* company = addLabel(frame, "lblCompany", QStringLiteral("Tervalo Developers"));
    QLabel* initials = addLabel(frame, "lblCompanyProduct", QStringLiteral("TD"));
    QLabel* copyright =
        addLabel(frame, "lblCopyright", QStringLiteral("Copyright (C) Tervalo Developers. All rights reserved."));
    QLabel* warning = addLabel(frame, "lblWarning",
                               QStringLiteral("This program is protected by copyright law. Copying or "
                                              "distributing it, or any part of it, without permission is "
                                              "not allowed."));
    for (QLabel* l : {version, platform}) {
        l->setWordWrap(false);
        l->setAlignment(Qt::AlignRight);
    }

    auto* grid = new QGridLayout(frame);
    grid->setContentsMargins(18, 18, 18, 18);
    grid->setHorizontalSpacing(18);
    grid->addWidget(initials, 0, 0);
    grid->addWidget(company, 0, 1, 1, 2);
    grid->addWidget(logo, 1, 0, 4, 1, Qt::AlignTop);
    grid->addWidget(product, 1, 1, 1, 2);
    grid->addWidget(platform, 2, 1, 1, 2);
    grid->addWidget(version, 3, 1, 1, 2);
    grid->addWidget(copyright, 5, 0, 1, 3);
    grid->addWidget(warning, 6, 0, 1, 3);
    grid->setColumnStretch(1, 1);
    setFixedWidth(480);
    adjustSize();

    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect r = rect();
        r.moveCenter(screen->availableGeometry().center());
        move(r.topLeft());
    }
}

}  // namespace tervalo::shell
