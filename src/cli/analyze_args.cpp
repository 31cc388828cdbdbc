#include "cli/analyze_args.h"

#include <map>
#include <sstream>

namespace jrv::cli {

namespace {

template <class T>
std::optional<T> pick(const std::map<std::string, T>& choices, const std::string& value) {
  const auto it = choices.find(value);
  if (it == choices.end()) return std::nullopt;
  return it->second;
}

std::optional<SaveList> parse_save_list(const std::string& text, std::string& error) {
  SaveList s{};
  s.exm = s.itm = s.opt = s.jrv = false;
  std::stringstream in(text);
  std::string name;
  while (std::getline(in, name, ',')) {
    if (name == "exm")
      s.exm = true;
    else if (name == "itm")
      s.itm = true;
    else if (name == "opt")
      s.opt = true;
    else if (name == "rpt")
      s.rpt = true;
    else if (name == "jrv")
      s.jrv = true;
    else if (name == "item-stats")
      s.item_stats = true;
    else if (name == "01-data")
      s.right_wrong_data = true;
    else if (name == "alt")
      s.alt = true;
    else if (name == "gradebook")
      s.gradebook = true;
    else if (name == "xlsx")
      s.xlsx = true;
    else if (!name.empty()) {
      error = "unknown --save entry '" + name +
              "' (choose from exm,itm,opt,rpt,jrv,item-stats,01-data,alt,gradebook,xlsx)";
      return std::nullopt;
    }
  }
  return s;
}

}  // namespace

std::optional<AnalyzeArgs> parse_analyze_args(const Args& args, std::string& error) {
  AnalyzeArgs a;
  const std::map<std::string, ExamineeSort> examinee_sorts = {{"none", ExamineeSort::none},
                                                              {"label", ExamineeSort::by_label},
                                                              {"score", ExamineeSort::by_score}};
  const std::map<std::string, ItemSort> item_sorts = {{"number", ItemSort::item_number},
                                                      {"difficulty", ItemSort::difficulty},
                                                      {"discrimination", ItemSort::discrimination},
                                                      {"pbis", ItemSort::point_biserial},
                                                      {"adjpbis", ItemSort::adj_point_biserial}};
  const std::map<std::string, BandUnits> bands = {
      {"raw", BandUnits::raw}, {"percent", BandUnits::percent}, {"letters", BandUnits::letters}};

  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& flag = args[i];
    if (flag == "--no-problems")
      a.no_problems = true;
    else if (flag == "--absolute-grades")
      a.absolute_grades = true;
    else if (flag == "--hide-labels")
      a.hide_labels = true;
    else if (flag == "--no-grades-on-reports")
      a.no_grades_on_reports = true;
    else if (!flag.empty() && flag[0] == '-') {
      if (i + 1 >= args.size()) {
        error = flag + " needs a value";
        return std::nullopt;
      }
      const std::string& v = args[++i];
      bool ok = true;
      if (flag == "-o")
        a.output = v;
      else if (flag == "--json")
        a.json = v;
      else if (flag == "--save") {
        const auto list = parse_save_list(v, error);
        if (!list) return std::nullopt;
        a.save = *list;
        a.save_given = true;
      } else if (flag == "--sort-examinees")
        ok = (a.examinee_sort = pick(examinee_sorts, v)).has_value();
      else if (flag == "--sort-items")
        ok = (a.item_sort = pick(item_sorts, v)).has_value();
      else if (flag == "--bands")
        ok = (a.bands = pick(bands, v)).has_value();
      else if (flag == "--groups")
        a.groups = v;
      else if (flag == "--criteria")
        a.criteria = v;
      else if (flag == "--grades")
        a.grades_file = v;
      else if (flag == "--max-options") {
        ok = v == "5" || v == "8";
        if (ok) a.max_options = v == "5" ? 5 : 8;
      } else {
        error = "unknown option '" + flag + "'";
        return std::nullopt;
      }
      if (!ok) {
        error = "bad value '" + v + "' for " + flag;
        return std::nullopt;
      }
    } else if (a.input.empty()) {
      a.input = flag;
    } else {
      error = "more than one input file ('" + a.input + "', '" + flag + "')";
      return std::nullopt;
    }
  }
  if (a.input.empty()) {
    error = "no input file";
    return std::nullopt;
  }
  if (a.output.empty() && a.save_given) {
    error = "--save needs -o RESULTS.txt";
    return std::nullopt;
  }
  return a;
}

}  // namespace jrv::cli
