#include "editor/imaging/ruler_scale.h"

namespace hexmoor::preview {

RulerScale RulerScaleFor(double z, bool fine) {
    struct Row {
        double atLeast;
        bool strict; // z > atLeast rather than z >= atLeast
        bool needsFine;
        double step;
        int level;
    };
    static constexpr Row kRows[] = {
        {0, true, false, 100, 4},   {1, false, false, 50, 4},   {2, false, false, 20, 2},   {3, false, false, 20, 4},
        {4, false, false, 10, 3},   {5, false, false, 10, 4},   {7, false, false, 5, 3},    {16, false, false, 2, 1},
        {32, false, false, 1, 0},   {64, false, true, 1, 4},    {96, false, true, 0.5, 3},  {128, false, true, 0.5, 4},
        {256, false, true, 0.5, 4}, {384, false, true, 0.1, 3}, {640, false, true, 0.1, 4},
    };
    RulerScale scale;
    for (const Row& row : kRows) {
        const bool applies = row.strict ? z > row.atLeast : z >= row.atLeast;
        if (!applies || (row.needsFine && !fine)) continue;
        scale.labelStep = row.step;
        scale.level = row.level;
        if (row.atLeast == 32 && fine) scale.level = 3;
    }
    return scale;
}

int RulerLabelSpacing(double z, const RulerScale& scale) {
    if (!(z > 0)) return 0;
    int interval = static_cast<int>(scale.labelStep);
    if (interval < 1) interval = 1;
    const double spacing = interval * z;
    return spacing >= 2147483647.0 ? 0 : static_cast<int>(spacing);
}

RulerTick RulerTickAt(int p, double z, const RulerScale& scale) {
    if (!(z > 0)) return RulerTick::None;
    const double a = p / z;
    const double b = (p + 1) / z;
    const double s = scale.labelStep;
    auto crosses = [&](double parts) {
        return static_cast<long long>(parts * a / s) < static_cast<long long>(parts * b / s);
    };
    if (a == 0 || crosses(1)) return RulerTick::Large;
    const int level = scale.level;
    if ((level == 1 || level == 2 || level == 4) && crosses(2)) return RulerTick::Medium;
    if (level == 2 && crosses(4)) return RulerTick::Small;
    if (level == 3 && crosses(5)) return RulerTick::Small;
    if (level == 4 && crosses(10)) return RulerTick::Small;
    return RulerTick::None;
}

std::vector<RulerMark> LayOutRuler(int start, int zoomFactor, double scaleFactor, bool fineSteps, int length) {
    std::vector<RulerMark> marks;
    const double z = zoomFactor * scaleFactor;
    if (!(z > 0) || length <= 0) return marks;
    const RulerScale scale = RulerScaleFor(z, fineSteps);
    const int spacing = RulerLabelSpacing(z, scale);
    for (int i = 0; i < length; ++i) {
        const int p = start * zoomFactor + i;
        RulerMark mark;
        mark.pixel = i;
        mark.tick = RulerTickAt(p, z, scale);
        if (spacing != 0 && p % spacing == 0) {
            mark.label = true;
            mark.value = static_cast<int>(p / z);
            mark.fullLength = mark.tick == RulerTick::Large;
        }
        if (i == 0) {
            mark.tick = RulerTick::None;
            mark.fullLength = false;
        }
        if (mark.tick != RulerTick::None || mark.label) marks.push_back(mark);
    }
    return marks;
}

} // namespace hexmoor::preview
