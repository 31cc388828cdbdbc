#pragma once
// Who the program is: the main window's caption and the maker's identification lines,
// shown in the about box and written at the head and foot of saved reports.

#include <array>
#include <string>

namespace jrv {

inline constexpr const char* kProgramCaption = "JRV: Orvandel (version 6.65)";
inline constexpr const char* kMakerLine = "JRV Classroom Test Analysis";
inline constexpr const char* kContactLine =
    "Questions and updates: see the documentation of your copy";

inline std::array<std::string, 3> identification_lines() {
  return {kProgramCaption, kMakerLine, kContactLine};
}

}  // namespace jrv
