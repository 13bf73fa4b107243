#include "formparts.h"

#include <QGridLayout>
#include <QLabel>

#include "numfield.h"

QLabel* Caption(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setTextFormat(Qt::PlainText);
  return label;
}

tNumField* IntegerField(const QString& name, const QString& mask, long double minimum, long double maximum,
                        QWidget* parent) {
  auto* field = new tNumField(parent);
  field->setObjectName(name);
  field->SetKind(tNumField::Kind::Integer);
  field->SetMask(mask);
  field->SetRange(minimum, maximum);
  return field;
}

void AddFieldRow(QGridLayout* grid, int row, const QString& caption, QWidget* field, const QString& unit,
                 QWidget* parent) {
  grid->addWidget(Caption(caption, parent), row, 0);
  grid->addWidget(field, row, 1);
  grid->addWidget(Caption(unit, parent), row, 2);
}
