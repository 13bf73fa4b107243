// Errors of the layout library. Every message is German, UTF-8, and is what
// the user reads (what()); callers show it behind their own sentence.
#pragma once

#include <stdexcept>

// A property value that is not what its property needs: not an integer,
// outside the 16-bit range of a stored field, or a text with a character
// that a layout file cannot hold.
class EConvertError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A form text that cannot be read from its file.
class EInOutError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Scaling a layout by an extent of 0.
class EZeroDivide : public std::runtime_error {
 public:
  EZeroDivide() : std::runtime_error("Gleitkommadivision durch Null.") {}
};

// A list operation called with arguments outside its range (scaling mode,
// missing size entry).
class ELayoutArgument : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};
