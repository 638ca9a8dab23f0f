// The looks of the skinned controls, each painted into one rectangle of the
// controls picture. Pieces are designed for nine-piece composition: their
// edges are uniform along their length, so corners stay fixed and edges and
// middles may be stretched or tiled without seams.
#pragma once

#include "tools/skingen/Raster.h"

namespace qb::skingen {

enum class Look { kNormal, kHot, kPressed, kDisabled };

// A push button: light gradient and rounded corners; the hot look warm and
// bright, the pressed look darker and sunken.
void PaintPushButton(Raster& raster, const RECT& r, Look look, float radius = 3);
// A flat tool button: invisible when normal, a button when hot or pressed.
void PaintToolButton(Raster& raster, const RECT& r, Look look);
// A white sunken input field; focused with the accent outline.
void PaintField(Raster& raster, const RECT& r, bool focused);
// The sunken light track of a gauge, a track bar or a scroll bar.
void PaintTrack(Raster& raster, const RECT& r, bool vertical);
// The glossy progress piece; uniform along the bar, so it tiles seamlessly.
void PaintProgress(Raster& raster, const RECT& r, bool vertical);
// A raised panel with a one-pixel light and dark edge.
void PaintPanel(Raster& raster, const RECT& r);
// A group frame whose caption band is captionHeight rows high.
void PaintGroupFrame(Raster& raster, const RECT& r, int captionHeight);
// The gradient band of a menu bar, tool bar or status bar.
void PaintBar(Raster& raster, const RECT& r, bool vertical);
// A tab, rounded at the top; the pressed look is the selected tab.
void PaintTab(Raster& raster, const RECT& r, Look look);
// A check box or radio button box, with or without its mark.
void PaintCheck(Raster& raster, const RECT& r, bool radio, bool checked, Look look);
// A thumb of a track bar or scroll bar.
void PaintThumb(Raster& raster, const RECT& r, Look look, bool vertical);
// A small arrow on the marker colour-key, for menu buttons.
void PaintMarker(Raster& raster, const RECT& r, int direction);
// An arrow button of a scroll bar, spin button or combo box.
void PaintArrowButton(Raster& raster, const RECT& r, Look look, int direction);
// The dotted grip of a splitter or tool bar.
void PaintGrip(Raster& raster, const RECT& r, bool vertical);

}  // namespace qb::skingen
