#include "amorticons.h"

#include <QByteArray>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace {

// A sheet of paper with a folded corner, 16 x 16 units.
constexpr char kSheet[] =
    "<path d='M2.5 .5h8l3 3v12h-11z' fill='#fff' stroke='#444'/>"
    "<path d='M10.5 .5v3h3' fill='none' stroke='#444'/>";

QByteArray Source(tAmortIcon which) {
  QByteArray body;
  switch (which) {
    case tAmortIcon::PrintTable:  // a sheet with a ruled table
      body = QByteArray(kSheet) +
             "<path d='M4 5.5h8M4 8.5h8M4 11.5h8M4 14h8' stroke='#2a5db0'/>"
             "<path d='M7.5 5v9' stroke='#2a5db0'/>";
      break;
    case tAmortIcon::PrintGraphic:  // a sheet with axes and two rising curves
      body = QByteArray(kSheet) +
             "<path d='M4.5 4v10h8' fill='none' stroke='#444'/>"
             "<path d='M5 13l7-7' stroke='#c0392b' stroke-width='1.2'/>"
             "<path d='M5 10.5l3-1 4-4.5' fill='none' stroke='#2a8f3c' stroke-width='1.2'/>";
      break;
    case tAmortIcon::PrintOverview:  // three sheets fanned out
      body = "<path d='M.5 4.5h7v11h-7z' fill='#eee' stroke='#666'/>"
             "<path d='M3.5 2.5h7v12h-7z' fill='#f6f6f6' stroke='#555'/>"
             "<path d='M6.5 .5h7l2 2v12h-9z' fill='#fff' stroke='#444'/>"
             "<path d='M8 4.5h5M8 7h5M8 9.5h5M8 12h3' stroke='#2a5db0'/>";
      break;
    case tAmortIcon::PrintSensitivity:  // a sheet with the bars of a tornado chart
      body = QByteArray(kSheet) +
             "<path d='M8 3.5v11' stroke='#444'/>"
             "<path d='M4 5h4M8 5h4M5 7.5h3M8 7.5h3M6 10h2M8 10h2M7 12.5h1M8 12.5h1' stroke='#2a5db0' "
             "stroke-width='1.6'/>";
      break;
  }
  return "<svg xmlns='http://www.w3.org/2000/svg' width='16' height='16' viewBox='0 0 16 16'>" + body + "</svg>";
}

}  // namespace

QIcon AmortIcon(tAmortIcon which) {
  QSvgRenderer renderer(Source(which));
  QIcon icon;
  for (int size : {16, 24, 32, 48}) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    painter.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}
