// SPDX-License-Identifier: GPL-3.0-or-later
#include "form_field.h"

#include <QApplication>
#include <QEvent>
#include <string>

#include "codes.h"

namespace velmora {

void FormField::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ReadOnlyChange) applyReadOnlyLook();
    QLineEdit::changeEvent(event);
}

void FormField::applyReadOnlyLook() {
    // The window colour behind the text, as a label has, tells at a glance
    // which fields Edit has not opened.
    QPalette pal = palette();
    const QPalette inherited = QApplication::palette(this);
    pal.setBrush(QPalette::Base, isReadOnly() ? inherited.brush(QPalette::Window) : inherited.brush(QPalette::Base));
    setPalette(pal);
}

QValidator::State Latin1Validator::validate(QString& input, int&) const {
    for (const QChar c : input) {
        if (c.unicode() > 0xFF) {
            if (onRefused_) onRefused_();
            return Invalid;
        }
    }
    return Acceptable;
}

QValidator::State NumberValidator::validate(QString& input, int&) const {
    // Anything outside ASCII cannot belong to a number.
    for (const QChar c : input)
        if (c.unicode() > 0x7F) return Invalid;
    std::string text = input.toStdString();
    TextCheck check = TextCheck::Invalid;
    switch (kind_) {
    case Kind::Hex16: check = checkHex16Text(text); break;
    case Kind::Dec16: check = checkDec16Text(text); break;
    case Kind::Longitude:
        check = checkLongitudeText(text);
        input = QString::fromStdString(text);  // the hemisphere letter in upper case
        break;
    }
    switch (check) {
    case TextCheck::Acceptable: return Acceptable;
    case TextCheck::Intermediate: return Intermediate;
    case TextCheck::Invalid: break;
    }
    return Invalid;
}

}  // namespace velmora
