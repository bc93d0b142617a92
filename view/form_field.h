// SPDX-License-Identifier: GPL-3.0-or-later
// Text fields of the record editor: a field looks read-only while it is
// (Qt's own styles draw both alike), and number fields refuse what their
// parse could not store as typed.
#pragma once

#include <QLineEdit>
#include <QValidator>
#include <functional>

namespace velmora {

class FormField : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    void changeEvent(QEvent* event) override;

private:
    void applyReadOnlyLook();
};

// Refuses characters the file's single-byte texts cannot hold, and says so.
class Latin1Validator : public QValidator {
public:
    Latin1Validator(QObject* parent, std::function<void()> onRefused)
        : QValidator(parent), onRefused_(std::move(onRefused)) {}
    State validate(QString& input, int& pos) const override;

private:
    std::function<void()> onRefused_;
};

class NumberValidator : public QValidator {
public:
    enum class Kind { Hex16, Dec16, Longitude };
    NumberValidator(Kind kind, QObject* parent) : QValidator(parent), kind_(kind) {}
    State validate(QString& input, int& pos) const override;

private:
    Kind kind_;
};

}  // namespace velmora
