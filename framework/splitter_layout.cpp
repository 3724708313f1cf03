#include "framework/splitter_layout.h"

#include <algorithm>

namespace hexmoor::fw {

namespace {

// Takes up to lack pixels from the tracks other than skip, last first, from
// what each holds above its minimum. Returns what was taken.
int TakeFromOthers(std::span<SplitterTrack> tracks, std::size_t skip, int lack) {
    int taken = 0;
    for (std::size_t j = tracks.size(); j-- > 0 && taken < lack;) {
        if (j == skip) continue;
        SplitterTrack& other = tracks[j];
        const int excess = other.currentSize - other.minSize;
        if (excess <= 0) continue;
        const int give = std::min(excess, lack - taken);
        other.currentSize -= give;
        other.idealSize -= give;
        taken += give;
    }
    return taken;
}

} // namespace

void LayoutSplitterTracks(std::span<SplitterTrack> tracks, int size, int gap, int doubledBorder) {
    if (tracks.empty()) return;
    if (size < 0) size = 0;
    const std::size_t last = tracks.size() - 1;
    for (std::size_t i = 0; i < last; ++i) {
        tracks[i].idealSize = std::max(tracks[i].idealSize, tracks[i].minSize);
        tracks[i].currentSize = tracks[i].idealSize;
    }
    tracks[last].currentSize = INT_MAX;

    for (std::size_t i = 0; i < tracks.size(); ++i) {
        SplitterTrack& track = tracks[i];
        if (size == 0 || (size < track.minSize && i != 0)) {
            const int lack = std::max(track.minSize - size, 1);
            track.currentSize = size + TakeFromOthers(tracks, i, lack);
            size = 0;
        } else if (track.currentSize == 0 && i != 0) {
            // stays 0
        } else if (track.currentSize > size) {
            track.currentSize = size;
            size = 0;
        } else {
            size -= track.currentSize;
        }
        if (i != last) {
            if (size <= gap) {
                track.currentSize += size;
                if (track.currentSize > gap - doubledBorder) track.currentSize -= gap - doubledBorder;
                size = 0;
            } else {
                size -= gap;
            }
        }
    }
    for (SplitterTrack& track : tracks) track.currentSize = std::max(track.currentSize, track.minSize);
}

int MinimumSplitterExtent(std::span<const SplitterTrack> tracks, int border, int barSize) {
    if (tracks.empty()) return 0;
    int extent = 2 * border;
    for (const SplitterTrack& track : tracks) extent += track.minSize;
    return extent + barSize * static_cast<int>(tracks.size() - 1);
}

AxisPlacement ClampSplitterWindow(AxisPlacement requested, int currentPosition, int minimumLength) {
    if (requested.length >= minimumLength) return requested;
    if (currentPosition < requested.position) requested.position -= minimumLength - requested.length;
    requested.length = minimumLength;
    return requested;
}

int ClampSplitterBar(std::span<const SplitterTrack> tracks, int index, int coordinate, int border, int barSize,
                     int clientEnd) {
    const int count = static_cast<int>(tracks.size());
    if (index < 0 || index + 1 >= count) return coordinate;
    int low = border;
    if (index == 0) {
        low += tracks[0].minSize;
    } else {
        const bool atMinimum = tracks[index].currentSize == tracks[index].minSize;
        for (int i = 0; i <= index; ++i) low += atMinimum ? tracks[i].currentSize : tracks[i].minSize;
        low += barSize * index;
    }
    int high = clientEnd - border;
    for (int i = index + 1; i < count; ++i) high -= tracks[i].minSize;
    high -= barSize * std::max(count - index - 2, 0);
    high -= barSize / 2;
    coordinate = std::max(coordinate, low + barSize / 2 - 2);
    return std::min(coordinate, high - barSize / 2);
}

} // namespace hexmoor::fw
