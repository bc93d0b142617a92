// Text fields of the record editor: a field looks read-only while it is
// (Qt's own styles draw both alike), and number fields refuse what their
// parse could not store as typed.
#pragma once

#include <QLineEdit>
#include <QValidator>

namespace velmora {

class FormField : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    void changeEvent(QEvent* event) override;

private:
    void applyReadOnlyLook();
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
