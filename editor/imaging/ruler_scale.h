#pragma once
// The ticks and labels of a pixel ruler, free of windows. Positions are in
// magnified pixels along the ruler (start x zoom + client pixel).

#include <vector>

namespace hexmoor::preview {

// Label step (in image pixels) and subdivision level for a magnification.
struct RulerScale {
    double labelStep = 1.0;
    int level = 0; // 1: halves; 2: halves and quarters; 3: fifths; 4: halves and tenths
};
RulerScale RulerScaleFor(double zoom, bool fineSteps);

// Distance in ruler pixels between two labels; 0 means no labels.
int RulerLabelSpacing(double zoom, const RulerScale& scale);

enum class RulerTick { None, Small, Medium, Large };
// The tick at ruler position p; None for any position when zoom <= 0.
RulerTick RulerTickAt(int position, double zoom, const RulerScale& scale);

// What one ruler draws over its client length: a tick per client pixel and
// the labels. The first pixel never gets a tick line; a large tick where a
// label starts runs the ruler's whole depth. Nothing at all when zoom <= 0.
struct RulerMark {
    int pixel = 0; // client pixel along the ruler
    RulerTick tick = RulerTick::None;
    bool label = false; // a label starts here
    int value = 0;      // the label's number
    bool fullLength = false;
};
std::vector<RulerMark> LayOutRuler(int start, int zoomFactor, double scaleFactor, bool fineSteps, int length);

} // namespace hexmoor::preview
