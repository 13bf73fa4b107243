#include "tableclipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace {

QString PlainCell(QString cell) {
  for (QChar& c : cell)
    if (c == u'\t' || c == u'\n' || c == u'\r') c = u' ';
  return cell;
}

}  // namespace

QMimeData* TableMimeData(const tClipboardTable& rows) {
  QString text;
  QString html = QStringLiteral("<html><head><meta charset=\"utf-8\"></head><body><table>\n");
  for (const QStringList& row : rows) {
    QStringList plain;
    html += QStringLiteral("<tr>");
    for (const QString& cell : row) {
      plain << PlainCell(cell);
      html += QStringLiteral("<td>") + cell.toHtmlEscaped() + QStringLiteral("</td>");
    }
    text += plain.join(u'\t') + u'\n';
    html += QStringLiteral("</tr>\n");
  }
  html += QStringLiteral("</table></body></html>\n");
  auto* data = new QMimeData;
  data->setText(text);
  data->setHtml(html);
  return data;
}

void CopyTableToClipboard(const tClipboardTable& rows) {
  if (rows.isEmpty()) return;
  if (QClipboard* clipboard = QGuiApplication::clipboard()) clipboard->setMimeData(TableMimeData(rows));
}
