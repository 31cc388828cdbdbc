#include "core/export/report_html.h"

#include <gtest/gtest.h>

#include "core/analysis/analysis_fixture.h"
#include "core/analysis/analysis_run.h"

namespace jrv {
namespace {

using testing::load;
using testing::TestDefinition;

std::size_t occurrences(const std::string& text, const std::string& part) {
  std::size_t n = 0;
  for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

ReportModel model_of(TestDefinition t, const std::string& title) {
  Workspace ws = load(t);
  ws.title = title;
  compute_analysis(ws, 0.27, 0.27);
  return build_report(ws, diagnose(ws), "2026-01-31");
}

// Items 1 and 2 work; item 3 is answered right by everyone (options 2 and 3 unused).
TestDefinition three_items() {
  TestDefinition t;
  t.key = "121";
  t.options = "333";
  t.lines = {"121", "121", "131", "221", "331", "311", "231", "121"};
  return t;
}

TEST(ReportHtml, OneSelfContainedPageWithEveryPart) {
  const ReportModel m = model_of(three_items(), "Quiz <1> & \"friends\"");
  const std::string html = report_html(m).html;
  // Nothing loaded from elsewhere, nothing run.
  EXPECT_EQ(occurrences(html, "<script"), 0u);
  EXPECT_EQ(occurrences(html, "src="), 0u);
  EXPECT_EQ(occurrences(html, "<link"), 0u);
  EXPECT_EQ(occurrences(html, "url("), 0u);
  // The title escaped, the date as given.
  EXPECT_NE(html.find("<h1>Quiz &lt;1&gt; &amp; &quot;friends&quot;</h1>"), std::string::npos);
  EXPECT_NE(html.find("2026-01-31"), std::string::npos);
  // Summary with the interval beside KR-20; histogram and scatter; one curve chart per
  // flagged item.
  EXPECT_NE(html.find("<th>KR-20</th><td>"), std::string::npos);
  EXPECT_NE(html.find("(95 % CI "), std::string::npos);
  EXPECT_NE(html.find("aria-label=\"Histogram of the scores\""), std::string::npos);
  EXPECT_NE(html.find("aria-label=\"Difficulty against discrimination\""), std::string::npos);
  ASSERT_EQ(m.flagged.size(), 1u);  // item 3
  EXPECT_EQ(occurrences(html, "<div class=\"item\">"), m.flagged.size());
  EXPECT_EQ(occurrences(html, "<svg "), 2 + m.flagged.size());
  // The item table: a row per included item, flagged rows marked.
  EXPECT_EQ(occurrences(html, "<tr class=\"flag\">"), m.flagged.size());
  EXPECT_NE(html.find("<td>Non-functioning distractor, Too easy</td>"), std::string::npos) << html;
}

TEST(ReportHtml, ChartsAsImageFilesForTheRendererWithoutInlineSvg) {
  const ReportModel m = model_of(three_items(), "Quiz");
  const ReportDocument doc = report_html(m, ChartPlacement::image_files);
  EXPECT_EQ(occurrences(doc.html, "<svg"), 0u);
  ASSERT_EQ(doc.charts.size(), 2 + m.flagged.size());
  for (const auto& [name, svg] : doc.charts) {
    EXPECT_NE(doc.html.find("<img src=\"" + name + "\""), std::string::npos) << name;
    EXPECT_EQ(svg.rfind("<svg xmlns=\"http://www.w3.org/2000/svg\"", 0), 0u) << name;
    EXPECT_EQ(svg.substr(svg.size() - 6), "</svg>") << name;
  }
  // The same texts either way.
  EXPECT_NE(doc.html.find("<td>Non-functioning distractor, Too easy</td>"), std::string::npos);
}

TEST(ReportHtml, CurvesSkipEmptyGroupsAndDrawTheKeyThicker) {
  const ReportModel m = model_of(three_items(), "Quiz");
  const ItemDiagnostics& item = m.flagged.front();
  const std::string svg = curves_svg(item, m.groups);
  int empty = 0;
  for (int size : m.groups.sizes) empty += size == 0;
  // One line per option (no missing answers here), each with a point per non-empty group.
  EXPECT_EQ(occurrences(svg, "<polyline"), 3u);
  const auto first = svg.find("points=\"");
  const auto end = svg.find('"', first + 8);
  EXPECT_EQ(occurrences(svg.substr(first, end - first), ","), std::size_t(5 - empty));
  EXPECT_EQ(occurrences(svg, "stroke-width=\"4\""), 2u);  // the key's line and its legend
  if (empty > 0) EXPECT_NE(svg.find("(none)"), std::string::npos);
}

}  // namespace
}  // namespace jrv
