#pragma once
// The report as PDF, made by Qt's own PDF writer from the report's HTML with its charts
// as images. Needs a Qt application object (any platform, offscreen included) but no
// widgets, so that the small jrv-pdf program and the desktop program share it.

#include <QPageSize>
#include <QString>
#include <map>

namespace jrv::pdf {

// `html` refers to its charts by file name; `charts` maps those names to SVG texts.
// Returns an empty text, or why the file could not be written.
QString write_pdf(const QString& html, const std::map<QString, QByteArray>& charts,
                  const QString& path, QPageSize::PageSizeId paper);

}  // namespace jrv::pdf
