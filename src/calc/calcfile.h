// A calculation file chosen by the user ("*.tavi", or TAVI.DAT itself):
// exactly the data file's format, the record and, when needed, the
// extension block after it (dataextension.h).
//
// LoadCalculationFile is strict, as opening a file by name must be: what
// cannot be read whole, or reads as a record followed by something that is
// no block of this program, is refused, and the record passed in is left as
// it was (the caller's open calculation stays). An extension block that is
// damaged but recognisably ours loads like TAVI.DAT at start: the record is
// taken, the extension's state tells.
//
// tFileStamp tells whether a file was changed on disk by something else
// since it was read or written (modification time to the nanosecond, size,
// device and inode).
//
// Errors are answered, never thrown (except std::bad_alloc).
#pragma once

#include <cstdint>
#include <string>

class tTaviDaten;

enum class tCalcFileError {
  None,
  Missing,     // no such file
  NotRegular,  // a folder, FIFO, device or socket
  Unreadable,  // cannot be opened for reading (sysError)
  Damaged,     // too short, or the record cannot be read (also most other files)
  Foreign,     // readable, but no calculation of this program
};

struct tCalcFileLoad {
  tCalcFileError error = tCalcFileError::None;
  int sysError = 0;  // errno for Unreadable
  explicit operator bool() const { return error == tCalcFileError::None; }
};

// Reads fileName (bytes as given, symbolic links followed) into `daten`,
// which is replaced only on success.
tCalcFileLoad LoadCalculationFile(const std::string& fileName, tTaviDaten& daten);

// Why a file could not be opened, as a German sentence naming the file
// (displayName as the user knows it): "Die Datei \"x.tavi\" ist keine
// TAVI-Berechnung."
std::string CalcFileErrorText(const tCalcFileLoad& load, const std::string& displayName);

struct tFileStamp {
  bool exists = false;
  int64_t seconds = 0;
  int64_t nanoseconds = 0;
  int64_t size = 0;
  uint64_t device = 0;
  uint64_t inode = 0;
  bool operator==(const tFileStamp&) const = default;
};
// The stamp of the file a name leads to now (exists false when none).
tFileStamp StampOfFile(const std::string& fileName);
