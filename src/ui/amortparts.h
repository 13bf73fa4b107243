// Small building blocks of the payback dialog's pages: value and unit
// labels of the results, titled groups and the choices of the settings
// panel. Each returns a widget owned by the given parent.
#pragma once

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QString>
#include <QVBoxLayout>
#include <initializer_list>

#include "formparts.h"

namespace amortparts {

// A right-aligned value of the results page.
inline QLabel* ValueLabel(const QString& name, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  label->setProperty("amortValue", true);
  return label;
}

inline QLabel* UnitLabel(const QString& text, QWidget* parent) {
  QLabel* label = Caption(text, parent);
  label->setProperty("amortUnit", true);
  return label;
}

inline QGroupBox* Group(const QString& name, const QString& title, QWidget* parent) {
  auto* box = new QGroupBox(title, parent);
  box->setObjectName(name);
  return box;
}

// The choices of a settings group, one below the other.
inline void StackIn(QGroupBox* group, std::initializer_list<QWidget*> widgets) {
  auto* layout = new QVBoxLayout(group);
  layout->setContentsMargins(6, 2, 6, 4);
  layout->setSpacing(2);
  for (QWidget* w : widgets) layout->addWidget(w);
}

template <class Button>
Button* Choice(const QString& name, const QString& text, QWidget* parent) {
  auto* button = new Button(text, parent);
  button->setObjectName(name);
  return button;
}

}  // namespace amortparts
