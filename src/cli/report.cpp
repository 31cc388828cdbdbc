// jrv-cli report: the shareable report of an analysis as HTML, or as PDF through the
// small Qt program beside jrv-cli (so that jrv-cli itself never loads Qt).

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <iostream>

#include "cli/analyze_args.h"
#include "cli/command_args.h"
#include "cli/commands.h"
#include "core/diagnostics/item_diagnostics.h"
#include "core/export/report_html.h"
#include "core/text/errors.h"
#include "core/text/text_file.h"

extern char** environ;

namespace jrv::cli {

namespace {

constexpr std::string_view kUsage =
    "usage: jrv-cli report INPUT.jrv -o REPORT.html|REPORT.pdf [--paper a4|letter] "
    "[analyze options]\n";

int usage(const std::string& why) {
  return usage_error("report", why, kUsage);
}

std::string today() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char text[16];
  std::strftime(text, sizeof text, "%Y-%m-%d", &local);
  return text;
}

std::string lower_extension(const std::string& path) {
  std::string ext = std::filesystem::path(path).extension().string();
  std::transform(ext.begin(), ext.end(), ext.begin(),
                 [](unsigned char c) { return std::tolower(c); });
  return ext;
}

// The PDF maker: $JRV_PDF, else beside this program, else on the PATH.
std::string pdf_program() {
  if (const char* named = std::getenv("JRV_PDF"); named && *named) return named;
  std::error_code error;
  const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
  if (!error) {
    const auto beside = self.parent_path() / "jrv-pdf";
    if (std::filesystem::exists(beside, error)) return beside.string();
  }
  return "jrv-pdf";
}

// Runs the PDF maker on a folder holding the page and its charts. Returns its status.
int make_pdf(const ReportDocument& doc, const std::string& output, const std::string& paper) {
  std::error_code error;
  std::string pattern =
      (std::filesystem::temp_directory_path(error) / "jrv-report-XXXXXX").string();
  if (!mkdtemp(pattern.data())) {
    std::cerr << "Cannot create a temporary folder for the PDF\n";
    return 1;
  }
  const std::filesystem::path folder = pattern;
  int status = 1;
  try {
    write_bytes(folder / "report.html", doc.html);
    for (const auto& [name, svg] : doc.charts) write_bytes(folder / name, svg);
    const std::string program = pdf_program();
    const std::string page = (folder / "report.html").string();
    std::vector<std::string> args = {program, page, output, "--paper", paper};
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t child = 0;
    if (posix_spawnp(&child, program.c_str(), nullptr, nullptr, argv.data(), environ) != 0) {
      std::cerr << "Cannot run " << program << " to make the PDF\n";
    } else {
      int wait_status = 0;
      waitpid(child, &wait_status, 0);
      status = WIFEXITED(wait_status) && WEXITSTATUS(wait_status) == 0 ? 0 : 1;
      if (status != 0) std::cerr << "The PDF could not be made\n";
    }
  } catch (const FileError& e) {
    std::cerr << e.what() << "\n";
  }
  std::filesystem::remove_all(folder, error);
  return status;
}

}  // namespace

int report(const Args& args) {
  // --paper is this command's own; the rest are analyze's options.
  Args rest;
  std::string paper = "a4";
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "-h" || args[i] == "--help") {
      std::cout << kUsage;
      return 0;
    }
    if (args[i] == "--paper") {
      if (i + 1 >= args.size()) return usage("--paper needs a4 or letter");
      paper = args[++i];
      if (paper != "a4" && paper != "letter") return usage("bad value '" + paper + "' for --paper");
    } else if (args[i] == "--save" || args[i] == "--json") {
      return usage(args[i] + " belongs to analyze");
    } else {
      rest.push_back(args[i]);
    }
  }
  std::string error;
  const auto parsed = parse_analyze_args(rest, error);
  if (!parsed) return usage(error);
  const std::string& output = parsed->output;
  const std::string ext = lower_extension(output);
  if (output.empty()) return usage("-o REPORT.html or -o REPORT.pdf is needed");
  const bool pdf = ext == ".pdf";
  if (!pdf && ext != ".html" && ext != ".htm")
    return usage("the report is written as .html, .htm or .pdf, not '" + output + "'");

  EditorDocument doc;
  Workspace ws;
  if (const int status = load_and_analyse(*parsed, doc, ws); status != 0) return status;
  const ReportModel model = build_report(ws, diagnose(ws), today());
  if (pdf) return make_pdf(report_html(model, ChartPlacement::image_files), output, paper);
  write_bytes(output, report_html(model).html);
  return 0;
}

}  // namespace jrv::cli
