// The workbook content as an .xlsx file, written by libxlsxwriter.
#include <xlsxwriter.h>

#include <cerrno>
#include <map>
#include <memory>
#include <string>

#include "filetexts.h"
#include "safefile.h"
#include "workbook.h"

namespace {

using tStyle = tWorkbookCell::tStyle;

struct tWorkbookCloser {
  void operator()(lxw_workbook* wb) const {
    if (wb) workbook_close(wb);
  }
};

const char* NumberFormat(tStyle style) {
  switch (style) {
    case tStyle::Count: return "#,##0";
    case tStyle::Euro: return "#,##0 \"€\"";
    case tStyle::EuroPerHour: return "0 \"€/Stunde\"";
    case tStyle::Hours: return "#,##0 \"h\"";
    case tStyle::HoursTenths: return "#,##0.0 \"h\"";
    case tStyle::Percent: return "0 \"%\"";
    case tStyle::PercentTenths: return "0.0 \"%\"";
    case tStyle::PercentHundredths: return "0.00 \"%\"";
    case tStyle::Months: return "0.0 \"Monate\"";
    case tStyle::MonthCount: return "0 \"Monat(e)\"";
    case tStyle::Years: return "0 \"Jahre\"";
    case tStyle::Days: return "0 \"Tag(e)\"";
    case tStyle::Studies: return "0.00";
    default: return nullptr;
  }
}

// One format per style, made on first use.
class tFormats {
 public:
  explicit tFormats(lxw_workbook* wb) : fWorkbook(wb) {}
  lxw_format* Get(tStyle style) {
    auto it = fFormats.find(style);
    if (it != fFormats.end()) return it->second;
    lxw_format* f = workbook_add_format(fWorkbook);
    switch (style) {
      case tStyle::Title:
        format_set_bold(f);
        format_set_font_size(f, 14);
        break;
      case tStyle::Head:
        format_set_bold(f);
        format_set_bg_color(f, 0xD9D9D9);
        format_set_text_wrap(f);
        format_set_align(f, LXW_ALIGN_VERTICAL_TOP);
        break;
      case tStyle::Section: format_set_bold(f); break;
      case tStyle::Name: format_set_font_color(f, 0x808080); break;
      default:
        if (const char* number = NumberFormat(style)) format_set_num_format(f, number);
        break;
    }
    fFormats.emplace(style, f);
    return f;
  }

 private:
  lxw_workbook* fWorkbook;
  std::map<tStyle, lxw_format*> fFormats;
};

// "$B$3": an absolute reference to row, col (columns up to ZZ suffice).
std::string Absolute(int32_t row, int32_t col) {
  std::string letters;
  if (col >= 26) letters += static_cast<char>('A' + col / 26 - 1);
  letters += static_cast<char>('A' + col % 26);
  return "$" + letters + "$" + std::to_string(row + 1);
}

void WriteSheet(lxw_workbook* wb, tFormats& formats, const tWorkbookSheet& sheet) {
  lxw_worksheet* ws = workbook_add_worksheet(wb, sheet.Name.c_str());
  for (size_t col = 0; col < sheet.ColumnWidths.size(); ++col)
    worksheet_set_column(ws, static_cast<lxw_col_t>(col), static_cast<lxw_col_t>(col), sheet.ColumnWidths[col],
                         nullptr);
  if (sheet.FreezeRows > 0 || sheet.FreezeCols > 0)
    worksheet_freeze_panes(ws, static_cast<lxw_row_t>(sheet.FreezeRows), static_cast<lxw_col_t>(sheet.FreezeCols));
  worksheet_set_paper(ws, 9);  // A4
  worksheet_fit_to_pages(ws, 1, 0);
  if (sheet.Landscape) worksheet_set_landscape(ws);
  if (sheet.FreezeRows > 0) worksheet_repeat_rows(ws, 0, static_cast<lxw_row_t>(sheet.FreezeRows - 1));
  // Rows of headings tall enough for their wrapped lines.
  std::map<int32_t, size_t> headLines;
  for (const tWorkbookCell& c : sheet.Cells) {
    if (c.Style != tStyle::Head || size_t(c.Col) >= sheet.ColumnWidths.size()) continue;
    const auto width = static_cast<size_t>(sheet.ColumnWidths[size_t(c.Col)]);
    size_t characters = 0;
    for (const char ch : c.Text) characters += (static_cast<unsigned char>(ch) & 0xC0) != 0x80;
    const size_t lines = width > 1 ? (characters + width - 2) / (width - 1) : 1;
    size_t& most = headLines[c.Row];
    if (lines > most) most = lines;
  }
  for (const auto& [row, lines] : headLines)
    if (lines > 1) worksheet_set_row(ws, static_cast<lxw_row_t>(row), 15.0 * double(lines), nullptr);
  for (const tWorkbookCell& c : sheet.Cells) {
    const auto row = static_cast<lxw_row_t>(c.Row);
    const auto col = static_cast<lxw_col_t>(c.Col);
    lxw_format* format = formats.Get(c.Style);
    switch (c.Kind) {
      case tWorkbookCell::tKind::Text: worksheet_write_string(ws, row, col, c.Text.c_str(), format); break;
      case tWorkbookCell::tKind::Number: worksheet_write_number(ws, row, col, c.Value, format); break;
      case tWorkbookCell::tKind::Formula:
        if (c.CachedText)
          worksheet_write_formula_str(ws, row, col, c.Formula.c_str(), format, c.Text.c_str());
        else
          worksheet_write_formula_num(ws, row, col, c.Formula.c_str(), format, c.Value);
        break;
    }
  }
}

// Month labels of the chart's time axis: at most about a dozen, at a
// round step (whole years once the steps pass a year).
uint16_t MonthInterval(int32_t lastMonth) {
  for (const uint16_t step : {1, 2, 3, 6, 12, 24, 36, 60, 120, 240, 600, 1200})
    if (step * 12 >= lastMonth) return step;
  return 1200;
}

void WriteChart(lxw_workbook* wb, int32_t lastMonth) {
  lxw_chart* chart = workbook_add_chart(wb, LXW_CHART_LINE);
  const std::string last = std::to_string(lastMonth + 2);
  const std::string months = "=Kostenverlauf!$A$2:$A$" + last;
  const struct {
    const char* Column;
    const char* Name;
    lxw_color_t Colour;
  } curves[] = {{"C", "Manuell", 0x808000}, {"E", "Zeitstudiensystem", 0x000080}, {"G", "Planzeitsystem", 0xFF0000}};
  for (const auto& curve : curves) {
    const std::string values = std::string("=Kostenverlauf!$") + curve.Column + "$2:$" + curve.Column + "$" + last;
    lxw_chart_series* series = chart_add_series(chart, months.c_str(), values.c_str());
    chart_series_set_name(series, curve.Name);
    lxw_chart_line line{};
    line.color = curve.Colour;
    line.width = 1.5;
    chart_series_set_line(series, &line);
    chart_series_set_marker_type(series, LXW_CHART_MARKER_NONE);
  }
  chart_title_set_name(chart, "Grafischer Kostenverlauf");
  chart_axis_set_name(chart->x_axis, "Monate");
  chart_axis_set_name(chart->y_axis, "Kosten in EUR");
  chart_axis_set_num_format(chart->y_axis, "#,##0");
  chart_axis_set_interval_unit(chart->x_axis, MonthInterval(lastMonth));
  chart_axis_set_interval_tick(chart->x_axis, MonthInterval(lastMonth));
  chart_axis_major_gridlines_set_visible(chart->y_axis, LXW_TRUE);
  chart_legend_set_position(chart, LXW_CHART_LEGEND_BOTTOM);
  lxw_chartsheet* sheet = workbook_add_chartsheet(wb, "Grafik");
  chartsheet_set_chart(sheet, chart);
  chartsheet_set_paper(sheet, 9);
}

// The workbook into fileName, which libxlsxwriter creates or truncates; it
// keeps the parts of the package in the system's temporary folder meanwhile.
std::string WriteXlsx(const tWorkbookContent& content, const std::string& fileName) {
  lxw_workbook_options options{};
  options.constant_memory = LXW_FALSE;
  std::unique_ptr<lxw_workbook, tWorkbookCloser> holder(workbook_new_opt(fileName.c_str(), &options));
  if (!holder) return "Die Arbeitsmappe kann nicht angelegt werden";
  lxw_workbook* wb = holder.get();
  lxw_doc_properties properties{};
  properties.title = const_cast<char*>("TAVI Amortisationsrechnung");
  workbook_set_properties(wb, &properties);

  tFormats formats(wb);
  for (const tWorkbookSheet& sheet : content.Sheets) WriteSheet(wb, formats, sheet);
  for (const tWorkbookName& n : content.Names) {
    const std::string target = "=" + n.Sheet + "!" + Absolute(n.Row, n.Col);
    if (workbook_define_name(wb, n.Name.c_str(), target.c_str()) != LXW_NO_ERROR)
      return "Der Name " + n.Name + " kann nicht vergeben werden";
  }
  if (content.Sheet("Kostenverlauf")) WriteChart(wb, content.LastMonth);
  const lxw_error error = workbook_close(holder.release());
  if (error != LXW_NO_ERROR) return std::string("Die Arbeitsmappe kann nicht geschrieben werden (") + lxw_strerror(error) + ")";
  return std::string();
}

}  // namespace

std::string WriteWorkbookXlsx(const tWorkbookContent& content, const std::string& fileName) {
  return WriteXlsx(content, fileName);
}

std::string SaveWorkbook(const tWorkbookContent& content, const std::string& fileName,
                         const std::vector<std::string>& protectedFiles) {
  safefile::tReplacement out;
  safefile::tReplaceOptions options;
  options.protectedFiles = protectedFiles;
  if (const safefile::tReplaceResult begun = out.Begin(fileName, options); !begun)
    return filetexts::ReplaceFailureText(begun);
  // libxlsxwriter opens the file by name: the temporary file, reached
  // through its descriptor so that nothing can take its place meanwhile.
  if (const std::string problem = WriteXlsx(content, out.ReopenName()); !problem.empty()) {
    const int error = out.DiagnoseWriteFailure();
    out.Discard();
    return error != 0 && error != EIO ? filetexts::SystemErrorText(error) : problem;
  }
  if (const safefile::tReplaceResult done = out.Commit(); !done) return filetexts::ReplaceFailureText(done);
  return std::string();
}
