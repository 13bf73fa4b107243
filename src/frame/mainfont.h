// The main window and its font, which every form of the program takes.
#pragma once

#include <QFont>
#include <QString>

class QWidget;

// The program's main window (not owned). The main window registers itself
// when it is created; nullptr before and after.
void SetMainWindow(QWidget* window);
QWidget* MainWindow();

// Gives a form the main window's font: attributes of each control's font
// that equal oldFont (the form's own font when nullptr) follow the main
// window's; attributes the control chose itself stay. Does nothing without
// a main window.
void ApplyMainFont(QWidget* form, const QFont* oldFont = nullptr);
// The main window's font becomes the face `name` when it is installed; its
// controls follow as ApplyMainFont describes.
void SetMainFontName(const QString& name);
