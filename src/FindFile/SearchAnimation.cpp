#include "SearchAnimation.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

SearchAnimation::SearchAnimation(QWidget* parent) : QWidget(parent) {
    m_timer.setInterval(70);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        m_frame = (m_frame + 1) % kFrameCount;
        update();
    });
}

void SearchAnimation::start() {
    if (!m_timer.isActive())
        m_timer.start();
}

void SearchAnimation::stop() {
    m_timer.stop();
    m_frame = 0;
    update();
}

void SearchAnimation::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = width(), h = height();
    // The folder.
    const QRectF folder(w * 0.08, h * 0.30, w * 0.62, h * 0.55);
    QPainterPath tab;
    tab.addRoundedRect(
        QRectF(folder.left(), folder.top() - h * 0.10, folder.width() * 0.4, h * 0.14), 2, 2);
    p.setPen(QPen(QColor(0x8a, 0x6d, 0x1f), 1));
    p.setBrush(QColor(0xe8, 0xc1, 0x4f));
    p.drawPath(tab);
    p.drawRoundedRect(folder, 3, 3);
    // The magnifying glass moves round the folder while searching.
    const qreal angle = 2 * M_PI * m_frame / kFrameCount;
    const QPointF centre(folder.center().x() + std::cos(angle) * w * 0.16,
                         folder.center().y() + std::sin(angle) * h * 0.12);
    const qreal r = qMin(w, h) * 0.16;
    p.setPen(QPen(QColor(0x40, 0x40, 0x40), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre + QPointF(r * 0.7, r * 0.7), centre + QPointF(r * 1.6, r * 1.6));
    p.setPen(QPen(QColor(0x30, 0x30, 0x30), 2));
    p.setBrush(QColor(0xcc, 0xe6, 0xff, 200));
    p.drawEllipse(centre, r, r);
}
