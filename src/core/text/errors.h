#pragma once
// The two failures that stop an action with the standard message: a value that does not
// convert, and a file that cannot be opened, read or written. What was done before the
// throw keeps its effect.

#include <stdexcept>
#include <string>

namespace jrv {

class ConversionError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class FileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace jrv
