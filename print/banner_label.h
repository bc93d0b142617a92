// SPDX-License-Identifier: GPL-3.0-or-later
// The coloured caption label of the main form: a static text with its own
// background colour, text colour, weight and character height.
#pragma once

#include <QColor>
#include <QFont>
#include <QLabel>

namespace velmora {

class BannerLabel : public QLabel {
    Q_OBJECT
public:
    explicit BannerLabel(QWidget* parent = nullptr);
    explicit BannerLabel(const QString& text, QWidget* parent = nullptr);

    // Each of these three stores the value and repaints at once.
    void setTextColor(const QColor& colour);
    void setBold(bool bold);
    void setFontHeight(int pixels);
    // Stores the colour only; it shows at the next paint.
    void setBackgroundColor(const QColor& colour);

    QColor textColor() const { return textColour_; }
    QColor backgroundColor() const { return backgroundColour_; }
    bool isBold() const { return labelFont_.weight() == QFont::Bold; }
    int fontHeight() const { return labelFont_.pixelSize(); }
    QFont labelFont() const { return labelFont_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void applyFont();

    QColor textColour_;
    QColor backgroundColour_;
    QFont labelFont_;
};

}  // namespace velmora
