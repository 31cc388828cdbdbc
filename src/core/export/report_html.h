#pragma once
// The report as HTML: one self-contained page (styles and charts inline, no scripts) that
// reads on screen and prints on A4 and Letter.

#include <string>
#include <utility>
#include <vector>

#include "core/export/report_model.h"

namespace jrv {

// The charts as SVG inside the page (a browser), or as images named "chart-N.svg" handed
// beside it (a renderer that reads images but not inline SVG).
enum class ChartPlacement { inline_svg, image_files };

struct ReportDocument {
  std::string html;
  std::vector<std::pair<std::string, std::string>> charts;  // file name, SVG; image_files only
};

ReportDocument report_html(const ReportModel& model,
                           ChartPlacement placement = ChartPlacement::inline_svg);

// The three kinds of chart, as standalone SVG drawings.
std::string histogram_svg(const ChartSeries& histogram);
std::string scatter_svg(const std::vector<ItemDiagnostics>& items);
std::string curves_svg(const ItemDiagnostics& item, const ScoreGroups& groups);

// `text` with & < > " escaped.
std::string html_escape(std::string_view text);

}  // namespace jrv
