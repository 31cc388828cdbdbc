// jrv-cli import --from csv|tsv|xlsx|ods: a spreadsheet of responses as a test.

#include <iostream>

#include "cli/command_args.h"
#include "cli/commands.h"
#include "cli/load.h"
#include "core/export/csv_file.h"
#include "core/input/editor_check.h"
#include "core/sheets/sheet_file.h"
#include "core/sheets/sheet_mapping.h"
#include "core/text/errors.h"

namespace jrv::cli {

namespace {

constexpr std::string_view kUsage =
    "usage: jrv-cli import --from csv|tsv|xlsx|ods FILE -o OUT.jrv [--sheet NAME]\n"
    "         [--header yes|no] [--label-columns LIST] [--item-columns RANGE]\n"
    "         [--key-row N | --key TEXT] [--title TEXT] [--options DIGITS]\n"
    "  columns from 1 or as letters (3,2  C,B  D-AQ); rows from 1 as the sheet shows them\n";

int usage(const std::string& why) {
  return usage_error("import", why, kUsage);
}

std::string text_mapping_line(const TextAnswerMapping& m) {
  std::string line = "column " + column_letters(m.column) + " (" + m.heading + "):";
  for (std::size_t i = 0; i < m.texts.size(); ++i) {
    line += (i == 0 ? " " : ", ") + m.texts[i] + " -> " + std::to_string(i + 1);
    if (m.keyed == static_cast<int>(i + 1)) line += " (key)";
  }
  return line;
}

}  // namespace

int import_sheet(const Args& args) {
  const CommandArgs parsed =
      parse_command_args(args, {"--from", "-o", "--sheet", "--header", "--label-columns",
                                "--item-columns", "--key-row", "--key", "--title", "--options"});
  if (!parsed.error.empty()) return usage(parsed.error);
  const auto format = sheet_format_named(parsed.value("--from"));
  const std::filesystem::path input = parsed.positional;
  const std::filesystem::path output = parsed.value("-o");
  if (!format) return usage("--from must be csv, tsv, xlsx or ods");
  if (input.empty() || output.empty()) return usage("an input file and -o are needed");

  ImportChoices choices;
  if (parsed.has("--header")) {
    const std::string h = parsed.value("--header");
    if (h != "yes" && h != "no") return usage("--header must be yes or no");
    choices.header = h == "yes";
  }
  std::string error;
  for (const char* option : {"--label-columns", "--item-columns"}) {
    if (!parsed.has(option)) continue;
    auto columns = parse_columns(parsed.value(option), error);
    if (!columns) return usage(std::string(option) + ": " + error);
    (option[2] == 'l' ? choices.labels : choices.items) = std::move(*columns);
  }
  if (parsed.has("--key-row") && parsed.has("--key"))
    return usage("--key-row and --key cannot both be given");
  if (parsed.has("--key-row")) {
    const std::string n = parsed.value("--key-row");
    if (n.empty() || n.size() > 7 || n.find_first_not_of("0123456789") != std::string::npos ||
        std::stoul(n) == 0)
      return usage("--key-row must be a row number from 1");
    choices.key_row = static_cast<std::uint32_t>(std::stoul(n) - 1);
  }
  if (parsed.has("--key")) choices.typed_key = parsed.value("--key");
  choices.title = parsed.value("--title");
  choices.options = parsed.value("--options");

  try {
    // The sheet is let go once mapped: the check and the writing have its memory back.
    SheetImport imported = [&] {
      const SheetFile sheet = read_sheet_file(input, *format, parsed.value("--sheet"));
      print_messages(std::cerr, sheet.warnings);
      return map_sheet(sheet.table, choices, sheet.file_name, input.stem().string());
    }();
    std::cout << imported.summary << "\n";
    for (const auto& m : imported.text_columns) std::cout << text_mapping_line(m) << "\n";
    print_messages(std::cerr, imported.warnings);

    // The editor's check, as "Close && Analyze" would run it: a file the analysis would
    // refuse is not written. The check may complete fields left empty, which the file keeps
    // as imported; the data lines, which it only reads, are lent to it rather than copied.
    EditorDocument doc;
    doc.editor = std::move(imported.fields);
    Workspace ws;
    std::vector<std::string> lines = std::move(doc.editor.data_lines);
    EditorDocument checked = doc;
    checked.editor.data_lines = std::move(lines);
    const CheckResult check = ReadEditorData(checked, ws);
    doc.editor.data_lines = std::move(checked.editor.data_lines);
    print_messages(std::cerr, check.messages);
    if (!check.ok()) return 1;
    if (const int status = save_document(output.string(), doc, ws); status != 0) return status;
    write_csv_file(output.parent_path() / (output.stem().string() + "_roster.csv"),
                   imported.roster);
  } catch (const SheetError& e) {
    std::cerr << e.what() << "\n";
    return 1;
  }
  return 0;
}

}  // namespace jrv::cli
