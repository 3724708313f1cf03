#pragma once
// The arithmetic of a splitter that keeps every pane at its minimum size,
// free of windows: how the rows (or columns) share the inside of the
// splitter, where a dragged bar may go, and how small the splitter window may
// become. One axis at a time; the splitter window applies it to both.

#include <climits>
#include <span>

namespace hexmoor::fw {

// One row or column of a splitter.
struct SplitterTrack {
    int minSize = 0;
    int idealSize = 0;
    int currentSize = 0;
};

// Shares size among the tracks, each followed by a bar gap of gap pixels
// but the last. Every track but the last starts from its ideal size (raised
// to its minimum); the last takes the rest. A track that would fall below
// its minimum takes what it lacks from the tracks after it, last first, as
// far as they are above their own minimums; in the end no track is below its
// minimum, even when that runs past size. doubledBorder is the width of the
// pane border on both sides, given back from a track that swallowed the last
// gap.
void LayoutSplitterTracks(std::span<SplitterTrack> tracks, int size, int gap, int doubledBorder);

// The smallest extent of the splitter along the axis: its two borders, the
// tracks' minimums and a bar between each two tracks; 0 without tracks.
int MinimumSplitterExtent(std::span<const SplitterTrack> tracks, int border, int barSize);

// A requested position and length of the window along one axis, raised to
// the minimum length. When the window is sized from its leading edge (the
// current edge lies before the requested one) the trailing edge stays put.
struct AxisPlacement {
    int position = 0;
    int length = 0;
};
AxisPlacement ClampSplitterWindow(AxisPlacement requested, int currentPosition, int minimumLength);

// The coordinate of the bar after track index along the axis, kept so that
// every track keeps its minimum: between the tracks up to index (at their
// minimums, or at their current sizes when track index sits at its own) and
// the tracks after it at their minimums against the client's far edge.
int ClampSplitterBar(std::span<const SplitterTrack> tracks, int index, int coordinate, int border, int barSize,
                     int clientEnd);

} // namespace hexmoor::fw
