#include "editor/preview/samples/fill_plan.h"

#include "resources/preview_samples_ids.h"

namespace hexmoor::preview {

std::vector<FillStep> FillPlanFor(SampleId sample) {
    using O = FillOp;
    switch (sample) {
    case SampleId::kDialogPreview:
        return {{O::kCheck, IDC_SMP_1011},         {O::kCheck, IDC_SMP_1010}, {O::kCheck, IDC_SMP_1002},
                {O::kListItems, IDC_SMP_1004, 12}, {O::kText, IDC_SMP_1017},  {O::kComboItems, IDC_SMP_1003, 12}};
    case SampleId::kEditCombobox:
        return {{O::kComboItems, IDC_SMP_1001, 12}, {O::kComboItems, IDC_SMP_1002, 12},
                {O::kComboItems, IDC_SMP_1003, 12}, {O::kText, IDC_SMP_1025},
                {O::kText, IDC_SMP_1017},           {O::kText, IDC_SMP_1018}};
    case SampleId::kListBoxScrollbar:
        return {{O::kListItems, IDC_SMP_1004, 12},        {O::kListItems, IDC_SMP_1020, 6},
                {O::kListItems, IDC_SMP_1019, 12},        {O::kCheckListItems, IDC_SMP_1010, 12},
                {O::kListItems, IDC_SMP_1026, 24},        {O::kScrollBar, IDC_SMP_1006, 0, 33, 16},
                {O::kScrollBar, IDC_SMP_1005, 0, 33, 16}, {O::kScrollBar, IDC_SMP_1030, 0, 33, 16},
                {O::kScrollBar, IDC_SMP_1031, 0, 33, 16}, {O::kDisableChecks, IDC_SMP_1010, 3}};
    case SampleId::kStaticGroupButtonCheckRadio:
        return {{O::kCheck, IDC_SMP_1008}, {O::kCheck, IDC_SMP_1010}, {O::kCheck, IDC_SMP_1014},
                {O::kCheck, IDC_SMP_1016}, {O::kCheck, IDC_SMP_1012}, {O::kCheck, IDC_SMP_1018},
                {O::kCheck, IDC_SMP_1102}};
    case SampleId::kSpinSliderProgress: {
        std::vector<FillStep> plan;
        const int horizontal[] = {IDC_SMP_1009, IDC_SMP_1048, IDC_SMP_1049, IDC_SMP_1050};
        const int vertical[] = {IDC_SMP_1051, IDC_SMP_1052, IDC_SMP_1053, IDC_SMP_1054};
        for (int i = 0; i < 4; ++i) plan.push_back({O::kSlider, horizontal[i], 0, 25 * (i + 1)});
        for (int i = 0; i < 4; ++i) plan.push_back({O::kSlider, vertical[i], 0, 25 * (i + 1)});
        plan.push_back({O::kProgress, IDC_SMP_1008, 0, 25});
        plan.push_back({O::kWiden, IDC_SMP_1056, 0, 1});
        plan.push_back({O::kProgress, IDC_SMP_1056, 0, 50});
        plan.push_back({O::kProgress, IDC_SMP_1057, 0, 75});
        plan.push_back({O::kProgress, IDC_SMP_1058, 0, 99});
        return plan;
    }
    case SampleId::kTabs:
        return {{O::kTabs, IDC_SMP_1012, 5},        {O::kTabs, IDC_SMP_1055, 5},        {O::kDisable, IDC_SMP_1055},
                {O::kTabs, IDC_SMP_1056, 3, 0, 18}, {O::kTabs, IDC_SMP_1057, 5, 0, 18}, {O::kDisable, IDC_SMP_1057},
                {O::kTabs, IDC_SMP_1013, 4}};
    case SampleId::kToolTips:
        return {{O::kCheck, IDC_SMP_1011},          {O::kCheck, IDC_SMP_1001}, {O::kCheck, IDC_SMP_1002},
                {O::kListItems, IDC_SMP_1004, 12},  {O::kText, IDC_SMP_1017},  {O::kComboItems, IDC_SMP_1003, 12},
                {O::kProgress, IDC_SMP_1008, 0, 25}};
    default: return {};
    }
}

} // namespace hexmoor::preview
