// Small builders the dialogs lay out their forms with.
#pragma once

#include <QString>

class QGridLayout;
class QLabel;
class QWidget;
class tNumField;

// A plain-text caption.
QLabel* Caption(const QString& text, QWidget* parent);

// An integer entry field with its picture mask and range.
tNumField* IntegerField(const QString& name, const QString& mask, long double minimum, long double maximum,
                        QWidget* parent);

// A row of a form grid: caption, field, unit (in columns 0, 1, 2).
void AddFieldRow(QGridLayout* grid, int row, const QString& caption, QWidget* field, const QString& unit,
                 QWidget* parent);
