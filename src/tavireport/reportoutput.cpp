#include "reportoutput.h"

#include <cerrno>
#include <new>
#include <streambuf>

#include "edevexception.h"
#include "filetexts.h"
#include "pageplayer.h"
#include "printer.h"
#include "printing.h"
#include "progress.h"
#include "safefile.h"

namespace {

// A stream buffer that hands full blocks to the replacement, counting the
// lines for the progress line. A failed write makes every later one fail,
// so the producer's stream goes bad and stops.
class tReplacementBuffer : public std::streambuf {
 public:
  tReplacementBuffer(safefile::tReplacement& out, tProgress& progress) : fOut(out), fProgress(progress) {
    fBuffer.resize(1 << 16);
    setp(fBuffer.data(), fBuffer.data() + fBuffer.size());
  }
  bool Failed() const { return fFailed; }

 protected:
  int_type overflow(int_type c) override {
    if (!Drain()) return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
      *pptr() = traits_type::to_char_type(c);
      pbump(1);
    }
    return traits_type::not_eof(c);
  }
  int sync() override { return Drain() ? 0 : -1; }

 private:
  bool Drain() {
    if (fFailed) return false;
    const std::string_view block(pbase(), static_cast<size_t>(pptr() - pbase()));
    for (const char c : block) fLines += c == '\n';
    fFailed = !fOut.Write(block);
    setp(fBuffer.data(), fBuffer.data() + fBuffer.size());
    fProgress.Update(fLines);
    return !fFailed;
  }
  safefile::tReplacement& fOut;
  tProgress& fProgress;
  std::string fBuffer;
  int64_t fLines = 0;
  bool fFailed = false;
};

QString CannotWrite(const tOutputFile& file, const std::string& why) {
  return QStringLiteral("Die Datei \"%1\" kann nicht geschrieben werden: %2.").arg(file.shown, QString::fromStdString(why));
}

}  // namespace

tReportOutput::tReportOutput(std::ostream& err, bool terminal, std::vector<std::string> protectedFiles)
    : fErr(err), fTerminal(terminal), fProtected(std::move(protectedFiles)) {}

void tReportOutput::Say(const QString& message) const { fErr << "tavi-report: " << message.toStdString() << '\n'; }

int tReportOutput::WriteCsv(const tOutputFile& file, int64_t lines, const std::function<void(std::ostream&)>& produce) {
  safefile::tReplacement out;
  safefile::tReplaceOptions options;
  options.protectedFiles = fProtected;
  if (const safefile::tReplaceResult begun = out.Begin(file.path, options); !begun) {
    Say(CannotWrite(file, filetexts::ReplaceFailureText(begun)));
    return 1;
  }
  int error = 0;
  {
    tProgress progress(fErr, fTerminal, QStringLiteral("Zeilen"), lines);
    tReplacementBuffer buffer(out, progress);
    std::ostream stream(&buffer);
    try {
      produce(stream);
      stream.flush();
    } catch (const std::bad_alloc&) {
      error = ENOMEM;
    } catch (const std::exception&) {
      error = EIO;
    }
    if (error == 0 && (buffer.Failed() || !stream)) error = out.DiagnoseWriteFailure();
  }
  if (error != 0) {
    out.Discard();
    Say(CannotWrite(file, filetexts::SystemErrorText(error)));
    return 1;
  }
  if (const safefile::tReplaceResult done = out.Commit(); !done) {
    Say(CannotWrite(file, filetexts::ReplaceFailureText(done)));
    return 1;
  }
  return 0;
}

int tReportOutput::WritePdf(const tOutputFile& file, tPrinting& job) {
  tExtendedPrinter& printer = *job.Printer;
  const QString previous = printer.OutputFileName();
  const std::vector<std::string> previousProtected = printer.ProtectedFiles();
  printer.SetOutputFile(file.path, file.shown);
  printer.SetProtectedFiles(fProtected);
  int status = 0;
  try {
    tProgress progress(fErr, fTerminal, QStringLiteral("Seiten"), job.PageCount());
    PlayPages(job, [&progress](int done) { progress.Update(done); });
  } catch (const std::exception& e) {
    Say(ExceptionMessage(e));
    status = 1;
  }
  printer.SetOutputFileName(previous);
  printer.SetProtectedFiles(previousProtected);
  return status;
}
