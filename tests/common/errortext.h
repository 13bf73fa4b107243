// The message of the library exception an action raises, for comparing in
// tests; "(no error)" when it raises none.
#pragma once

#include <functional>
#include <string>

#include "edevexception.h"

inline std::string ErrorOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const EDevException& e) {
    return e.what();
  }
  return "(no error)";
}
