#include "core/export/report_html.h"

#include <algorithm>
#include <cmath>

#include "core/diagnostics/diagnostics_texts.h"
#include "core/text/format.h"

namespace jrv {

namespace {

// Colours of the option curves; the same option number gets the same colour everywhere.
constexpr const char* kColours[] = {"#1f77b4", "#d62728", "#2ca02c", "#ff7f0e",
                                    "#9467bd", "#8c564b", "#e377c2", "#17becf"};

std::string n1(double x) {
  return fixed(x, 1);
}

// A drawing area inside a width x height picture, with margins for the axes.
struct Plot {
  double width, height, left = 56, right = 16, top = 16, bottom = 44;
  double x0() const { return left; }
  double x1() const { return width - right; }
  double y0() const { return height - bottom; }
  double y1() const { return top; }
  double x(double v, double lo, double hi) const {
    return x0() + (v - lo) / (hi - lo) * (x1() - x0());
  }
  double y(double v, double lo, double hi) const {
    return y0() - (v - lo) / (hi - lo) * (y0() - y1());
  }
};

std::string svg_open(const Plot& p, const std::string& label) {
  return "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 " + n1(p.width) + " " +
         n1(p.height) + "\" width=\"" + n1(p.width) + "\" height=\"" + n1(p.height) +
         "\" role=\"img\" aria-label=\"" + html_escape(label) +
         "\" font-family=\"Liberation Sans, Arial, Helvetica, sans-serif\" font-size=\"12\">"
         "<rect width=\"100%\" height=\"100%\" fill=\"#fff\"/>";
}

std::string text(double x, double y, const std::string& s, const char* anchor = "middle",
                 const std::string& extra = "") {
  return "<text x=\"" + n1(x) + "\" y=\"" + n1(y) + "\" text-anchor=\"" + anchor + "\"" + extra +
         ">" + html_escape(s) + "</text>";
}

std::string line(double x1, double y1, double x2, double y2, const std::string& style) {
  return "<line x1=\"" + n1(x1) + "\" y1=\"" + n1(y1) + "\" x2=\"" + n1(x2) + "\" y2=\"" + n1(y2) +
         "\" " + style + "/>";
}

// Horizontal grid lines with their values on the left axis, and the axis titles.
std::string y_axis(const Plot& p, double lo, double hi, double step, int decimals,
                   const std::string& title) {
  std::string s;
  for (double v = lo; v <= hi + step / 1000; v += step) {
    const double y = p.y(v, lo, hi);
    s += line(p.x0(), y, p.x1(), y, "stroke=\"#ddd\"");
    s += text(p.x0() - 6, y + 4, fixed(v, decimals), "end");
  }
  s += line(p.x0(), p.y0(), p.x0(), p.y1(), "stroke=\"#444\"");
  s += text(14, (p.y0() + p.y1()) / 2, title, "middle",
            " transform=\"rotate(-90 14 " + n1((p.y0() + p.y1()) / 2) + ")\"");
  return s;
}

std::string x_title(const Plot& p, const std::string& title) {
  return line(p.x0(), p.y0(), p.x1(), p.y0(), "stroke=\"#444\"") +
         text((p.x0() + p.x1()) / 2, p.height - 8, title);
}

// A step that gives about five grid lines over 0..top.
double nice_step(double top) {
  if (top <= 5) return 1;
  const double raw = top / 5;
  const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
  for (double f : {1.0, 2.0, 5.0, 10.0})
    if (raw <= f * magnitude) return f * magnitude;
  return 10 * magnitude;
}

constexpr const char* kStyle = R"(<style>
@page { margin: 14mm 12mm; }
body { font-family: "Liberation Sans", Arial, Helvetica, sans-serif; font-size: 10.5pt;
       color: #111; max-width: 182mm; margin: 0 auto; padding: 8px; }
h1 { font-size: 17pt; margin: 0 0 2px 0; }
h2 { font-size: 13pt; margin: 18px 0 6px 0; border-bottom: 1px solid #999;
     break-after: avoid; page-break-after: avoid; }
h3 { font-size: 11pt; margin: 0 0 4px 0; }
p.sub { margin: 0 0 10px 0; color: #444; }
table { border-collapse: collapse; margin: 4px 0 8px 0; }
th, td { border: 1px solid #bbb; padding: 1px 4px; }
table.options { font-size: 9pt; }
th { background: #eee; text-align: left; }
td.n { text-align: right; font-variant-numeric: tabular-nums; }
table.items { width: 100%; }
table.items td:last-child { text-align: left; }
tr.flag td { background: #fff4e5; }
tr.key td { font-weight: bold; }
.chart svg, .chart img { max-width: 100%; height: auto; }
.figure { break-inside: avoid; page-break-inside: avoid; }
.item { break-inside: avoid; page-break-inside: avoid; margin: 10px 0 14px 0; }
ul.reasons { margin: 2px 0 6px 18px; padding: 0; }
thead { display: table-header-group; }
tr { break-inside: avoid; page-break-inside: avoid; }
</style>
)";

class Writer {
 public:
  explicit Writer(ChartPlacement placement) : placement_(placement) {}
  std::string chart(const std::string& svg, double width, double height) {
    if (placement_ == ChartPlacement::inline_svg) return "<div class=\"chart\">" + svg + "</div>";
    const std::string name =
        "chart-" + int_str(static_cast<std::int64_t>(charts.size()) + 1) + ".svg";
    charts.emplace_back(name, svg);
    return "<div class=\"chart\"><img src=\"" + name + "\" width=\"" + n1(width) + "\" height=\"" +
           n1(height) + "\"></div>";
  }
  std::vector<std::pair<std::string, std::string>> charts;

 private:
  ChartPlacement placement_;
};

}  // namespace

std::string html_escape(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  for (char c : s) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string histogram_svg(const ChartSeries& h) {
  const Plot p{640, 280};
  double top = 1;
  for (const auto& b : h.bars) top = std::max(top, b.value);
  const double step = nice_step(top);
  top = std::ceil(top / step) * step;
  std::string s = svg_open(p, "Histogram of the scores");
  s += y_axis(p, 0, top, step, 0, "Examinees");
  const double slot =
      (p.x1() - p.x0()) / static_cast<double>(std::max<std::size_t>(h.bars.size(), 1));
  for (std::size_t i = 0; i < h.bars.size(); ++i) {
    const auto& b = h.bars[i];
    const double x = p.x0() + slot * static_cast<double>(i);
    const double y = p.y(b.value, 0, top);
    s += "<rect x=\"" + n1(x + 1) + "\" y=\"" + n1(y) + "\" width=\"" +
         n1(std::max(slot - 2, 1.0)) + "\" height=\"" + n1(p.y0() - y) +
         "\" fill=\"#4a90c2\" stroke=\"#2b5f86\"/>";
    if (b.value > 0)
      s += text(x + slot / 2, y - 3, general(b.value), "middle", " font-size=\"10\"");
    s += text(x + slot / 2, p.y0() + 14, b.label, "middle", " font-size=\"10\"");
  }
  s += x_title(p, "Score (middle of each bin)");
  return s + "</svg>";
}

std::string scatter_svg(const std::vector<ItemDiagnostics>& items) {
  Plot p{640, 350};
  p.top = 30;  // room for the legend above the plot, where no point can cover it
  std::string s = svg_open(p, "Difficulty against discrimination");
  s += y_axis(p, -1, 1, 0.5, 1, "Discrimination (D)");
  for (double v = 0; v <= 1.0001; v += 0.2) {
    const double x = p.x(v, 0, 1);
    s += line(x, p.y0(), x, p.y1(), "stroke=\"#eee\"");
    s += text(x, p.y0() + 14, fixed(v, 1));
  }
  s += line(p.x0(), p.y(0, -1, 1), p.x1(), p.y(0, -1, 1),
            "stroke=\"#888\" stroke-dasharray=\"4 3\"");
  s += x_title(p, "Difficulty (proportion correct)");
  for (const auto& d : items) {
    const double x = p.x(d.record.difficulty, 0, 1);
    const double y = p.y(std::clamp(d.record.discrimination, -1.0, 1.0), -1, 1);
    const bool flagged = !d.flags.empty();
    s += "<circle cx=\"" + n1(x) + "\" cy=\"" + n1(y) + "\" r=\"4\" fill=\"" +
         (flagged ? "#d62728" : "#1f77b4") + "\" fill-opacity=\"0.75\"/>";
    s += text(x + 6, y - 4, int_str(d.item), "start", " font-size=\"9\" fill=\"#333\"");
  }
  s += "<circle cx=\"" + n1(p.x1() - 150) + "\" cy=\"12\" r=\"4\" fill=\"#d62728\"/>" +
       text(p.x1() - 142, 16, "flagged", "start") + "<circle cx=\"" + n1(p.x1() - 80) +
       "\" cy=\"12\" r=\"4\" fill=\"#1f77b4\"/>" + text(p.x1() - 72, 16, "not flagged", "start");
  return s + "</svg>";
}

std::string curves_svg(const ItemDiagnostics& item, const ScoreGroups& groups) {
  Plot p{620, 250};
  p.right = 140;  // the legend
  std::string s = svg_open(p, "Item " + int_str(item.item) + " curves");
  s += y_axis(p, 0, 1, 0.2, 1, "Proportion choosing");
  for (int g = 0; g < kScoreGroups; ++g) {
    const double x = p.x(g, 0, kScoreGroups - 1);
    s += line(x, p.y0(), x, p.y1(), "stroke=\"#eee\"");
    s += text(x, p.y0() + 14, score_group_label(groups, g), "middle", " font-size=\"10\"");
  }
  s += x_title(p, "Score group, lowest fifth first (scores)");
  int legend = 0;
  for (const auto& o : item.options) {
    if (o.option == 0 && o.count == 0) continue;
    const std::string colour =
        o.option == 0 ? "#777" : kColours[static_cast<std::size_t>(o.option - 1) % 8];
    std::string points;
    for (int g = 0; g < kScoreGroups; ++g) {
      if (groups.sizes[static_cast<std::size_t>(g)] == 0) continue;
      points += n1(p.x(g, 0, kScoreGroups - 1)) + "," +
                n1(p.y(o.groups[static_cast<std::size_t>(g)], 0, 1)) + " ";
    }
    const std::string width = o.keyed ? "4" : "1.6";
    const std::string dash = o.option == 0 ? " stroke-dasharray=\"5 3\"" : "";
    s += "<polyline points=\"" + points + "\" fill=\"none\" stroke=\"" + colour +
         "\" stroke-width=\"" + width + "\"" + dash + "/>";
    const double ly = p.y1() + 8 + 18.0 * legend++;
    s += line(p.x1() + 12, ly, p.x1() + 36, ly,
              "stroke=\"" + colour + "\" stroke-width=\"" + width + "\"" + dash);
    s += text(p.x1() + 42, ly + 4,
              o.option == 0 ? "Missing" : "Option " + option_name(o) + (o.keyed ? " (key)" : ""),
              "start");
  }
  return s + "</svg>";
}

ReportDocument report_html(const ReportModel& m, ChartPlacement placement) {
  Writer w(placement);
  std::string h;
  h.reserve(64 * 1024 + 16 * 1024 * m.flagged.size());
  h += "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>" +
       html_escape(m.title) + " - item analysis</title>\n" + kStyle + "</head>\n<body>\n";
  h += "<h1>" + html_escape(m.title) + "</h1>\n<p class=\"sub\">";
  if (!m.comments.empty()) h += html_escape(m.comments) + " &middot; ";
  h += "Item analysis of " + html_escape(m.date) + "</p>\n";

  h += "<h2>Test summary</h2>\n<table class=\"summary\">\n";
  for (const auto& f : m.summary)
    h += "<tr><th>" + html_escape(f.label) + "</th><td>" + html_escape(f.value) + "</td></tr>\n";
  h += "</table>\n";

  h += "<div class=\"figure\"><h2>Score distribution</h2>\n" +
       w.chart(histogram_svg(m.histogram), 640, 280) + "</div>\n";
  // A renderer without "break-inside: avoid" keeps the figures whole by starting each
  // big part on a page of its own.
  const std::string new_page =
      placement == ChartPlacement::image_files ? " style=\"page-break-before: always\"" : "";
  h += "<div class=\"figure\"" + new_page + "><h2>Difficulty and discrimination</h2>\n" +
       w.chart(scatter_svg(m.items), 640, 350) + "</div>\n";

  h += "<h2>Items</h2>\n<table class=\"items\" "
       "width=\"100%\">\n<thead><tr><th>Item</th><th>Key</th><th>p</th>"
       "<th>D</th><th>pbis</th><th>Adj. pbis</th><th>Flags</th></tr></thead>\n<tbody>\n";
  for (const auto& d : m.items) {
    const ItemRecord& r = d.record;
    h += d.flags.empty() ? "<tr>" : "<tr class=\"flag\">";
    h += "<td class=\"n\">" + int_str(d.item) + "</td><td class=\"n\">" + html_escape(key_text(d)) +
         "</td><td class=\"n\">" + fixed(r.difficulty, 3) + "</td><td class=\"n\">" +
         fixed(r.discrimination, 3) + "</td><td class=\"n\">" + stat_text(r.point_biserial) +
         "</td><td class=\"n\">" + stat_text(r.adj_point_biserial) + "</td><td>" +
         html_escape(flag_titles(d)) + "</td></tr>\n";
  }
  h += "</tbody></table>\n";

  h += "<h2" + new_page + ">Flagged items</h2>\n";
  if (m.flagged.empty()) h += "<p>No item is flagged.</p>\n";
  for (const auto& d : m.flagged) {
    h += "<div class=\"item\"><h3>Item " + int_str(d.item) + " &middot; key " +
         html_escape(key_text(d)) + " &middot; p = " + fixed(d.record.difficulty, 3) +
         " &middot; D = " + fixed(d.record.discrimination, 3) + "</h3>\n<ul class=\"reasons\">";
    for (const auto& f : d.flags)
      h += "<li><b>" + html_escape(flag_title(f.flag)) + ":</b> " + html_escape(f.reason) + "</li>";
    h += "</ul>\n<table class=\"options\"><thead><tr><th>Option</th><th>Count</th><th>Prop.</th>"
         "<th>Mean score</th><th>Rest r</th><th>Upper</th><th>Lower</th><th>G1</th><th>G2</th>"
         "<th>G3</th><th>G4</th><th>G5</th></tr></thead>\n<tbody>\n";
    for (const auto& o : d.options) {
      h += o.keyed ? "<tr class=\"key\">" : "<tr>";
      h += "<td>" + option_name(o) + (o.keyed ? " (key)" : "") + "</td><td class=\"n\">" +
           int_str(o.count) + "</td><td class=\"n\">" + fixed(o.proportion, 3) +
           "</td><td class=\"n\">" + fixed(o.mean_score, 2) + "</td><td class=\"n\">" +
           fixed(o.rest_point_biserial, 3) + "</td><td class=\"n\">" + fixed(o.upper, 3) +
           "</td><td class=\"n\">" + fixed(o.lower, 3) + "</td>";
      for (double g : o.groups) h += "<td class=\"n\">" + fixed(g, 2) + "</td>";
      h += "</tr>\n";
    }
    h += "</tbody></table>\n" + w.chart(curves_svg(d, m.groups), 620, 250) + "</div>\n";
  }
  h += "</body>\n</html>\n";
  return {std::move(h), std::move(w.charts)};
}

}  // namespace jrv
