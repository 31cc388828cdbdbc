#pragma once
// The subcommands of jrv-cli. Each takes the arguments after its name and returns the
// exit status: 0 success, 1 input refused (messages on stderr), 2 wrong usage.

#include <string>
#include <vector>

namespace jrv {
struct EditorDocument;
struct Workspace;
}  // namespace jrv

namespace jrv::cli {

using Args = std::vector<std::string>;

int analyze(const Args& args);
int generate(const Args& args);
int example(const Args& args);
int import(const Args& args);
int import_sheet(const Args& args);  // import --from csv|tsv|xlsx|ods
int convert(const Args& args);
int export_data(const Args& args);
int grade_reports(const Args& args);
int spearman_brown(const Args& args);
int regrade(const Args& args);
int report(const Args& args);

// "Save JRV File" of a document filled by a command; a refusal's messages go to stderr.
// Returns the exit status.
int save_document(const std::string& path, const EditorDocument& doc, const Workspace& ws);

}  // namespace jrv::cli
