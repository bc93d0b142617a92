// SPDX-License-Identifier: GPL-3.0-or-later
#include "banner_label.h"

#include <QApplication>
#include <QPainter>
#include <QPalette>

namespace velmora {

BannerLabel::BannerLabel(QWidget* parent) : BannerLabel(QString(), parent) {}

BannerLabel::BannerLabel(const QString& text, QWidget* parent)
    : QLabel(text, parent),
      textColour_(QApplication::palette().color(QPalette::WindowText)),
      backgroundColour_(QApplication::palette().color(QPalette::Button)),
      labelFont_(QApplication::font()) {
    // The background is painted here, over the whole rectangle.
    setAutoFillBackground(false);
    applyFont();
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, textColour_);
    setPalette(pal);
}

void BannerLabel::setTextColor(const QColor& colour) {
    textColour_ = colour;
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, colour);
    setPalette(pal);
    repaint();
}

void BannerLabel::setBold(bool bold) {
    labelFont_.setWeight(bold ? QFont::Bold : QFont::Normal);
    applyFont();
    repaint();
}

void BannerLabel::setFontHeight(int pixels) {
    // A height of zero or less would leave Qt's default size in place
    // silently; keep the font valid instead of passing it through.
    if (pixels > 0) labelFont_.setPixelSize(pixels);
    applyFont();
    repaint();
}

void BannerLabel::setBackgroundColor(const QColor& colour) { backgroundColour_ = colour; }

void BannerLabel::applyFont() { setFont(labelFont_); }

void BannerLabel::paintEvent(QPaintEvent* event) {
    {
        QPainter painter(this);
        painter.fillRect(rect(), backgroundColour_);
    }
    QLabel::paintEvent(event);
}

}  // namespace velmora
