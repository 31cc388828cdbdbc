#pragma once
// Rendering a window's characters before it shows them.

class QWidget;

namespace jrv::ui {

// Renders the printable ASCII characters in the widget's font once, at each fraction of a
// pixel text may start at, so that the first text shown in it (ten thousand examinees
// after a click) does not wait for them.
void render_glyphs(const QWidget& widget);

}  // namespace jrv::ui
