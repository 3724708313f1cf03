#include "model/hsl/hsl_modifier.h"

#include <chrono>
#include <utility>

#include "model/elements/wnd_frame.h"
#include "model/hsl/parallel.h"
#include "model/mrg_bitmap.h"
#include "model/twf_obj.h"
#include "model/twf_skin.h"

CHSLModifier::CHSLModifier(CTwfSkin* skin, WORD typeId, std::wstring scheme)
    : skin_(skin), scheme_(std::move(scheme)), typeId_(typeId) {
    // Passes follow (a slider moving): the threads they share out among are
    // started now rather than in the first of them.
    hsl::StartThreads();
}

CHSLModifier::~CHSLModifier() = default;

void CHSLModifier::Apply(double hue, double saturation, double lightness, double opacity) {
    Run(Mode::kApply, HSLValues(hue, saturation, lightness, opacity));
}

void CHSLModifier::Restore() { Run(Mode::kRestore, HSLValues()); }

void CHSLModifier::Cover(const std::wstring& scheme, WORD type) {
    if (!skin_) return;
    CTwfObj* object = skin_->FindObject(type, scheme);
    if (!object) return;
    Covered covered{scheme, type, std::nullopt};
    std::vector<CMrgBitmap*> images;
    ApplyHSLToObject(Mode::kSave, object, covered, HSLValues(), images);
    covered_.push_back(std::move(covered));
}

void CHSLModifier::Run(Mode mode, const HSLValues& values) {
    if (!skin_) return;
    const auto start = std::chrono::steady_clock::now();
    std::vector<CMrgBitmap*> images;
    for (Covered& covered : covered_) {
        ApplyHSLToObject(mode, skin_->FindObject(covered.type, covered.scheme), covered, values, images);
    }
    if (mode != Mode::kApply) return;
    times_ = StepTimes{};
    times_.elements = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    hsl::AdjustImagesTogether(images, values, &times_.images);
}

void CHSLModifier::ApplyHSLToObject(Mode mode, CTwfObj* object, Covered& covered, const HSLValues& values,
                                    std::vector<CMrgBitmap*>& images) {
    if (!object) return;
    // Every window frame, in whichever scheme, carries its sides and menu bar
    // with it, and its semitransparency follows the opacity.
    if (auto* frame = dynamic_cast<CTwfWndFrame*>(object)) {
        switch (mode) {
        case Mode::kSave:
            covered.semitransparency.reset();
            if (frame->HasNumber(frame_props::kSemitransparency)) {
                covered.semitransparency = frame->GetNumber(frame_props::kSemitransparency);
            }
            break;
        case Mode::kApply:
            // Below full opacity the frame must be drawn with its alpha; at full
            // opacity it goes back to its own setting.
            if (!values.KeepsAlpha()) {
                frame->SetNumber(frame_props::kSemitransparency, 1);
            } else {
                PutNumber(frame, frame_props::kSemitransparency, covered.semitransparency);
            }
            break;
        case Mode::kRestore: PutNumber(frame, frame_props::kSemitransparency, covered.semitransparency); break;
        }
        CTwfObj* const parts[] = {frame->GetTopSide(), frame->GetRightSide(), frame->GetBottomSide(),
                                  frame->GetLeftSide(), frame->GetMenuBar()};
        for (CTwfObj* part : parts) {
            if (part) ApplyHSLToImagesAndColors(mode, part, values, images);
        }
    }
    ApplyHSLToImagesAndColors(mode, object, values, images);
}

void CHSLModifier::ApplyHSLToImagesAndColors(Mode mode, CTwfObj* object, const HSLValues& values,
                                             std::vector<CMrgBitmap*>& images) {
    switch (mode) {
    case Mode::kSave:
        for (const auto& [id, image] : object->GetImageMap()) image->SaveCopy();
        // A new save replaces an earlier one.
        object->ClearSavedColors();
        object->SaveColors();
        break;
    case Mode::kApply:
        for (const auto& [id, image] : object->GetImageMap()) images.push_back(image.get());
        object->ApplyHSLToColors(values.hue, values.saturation, values.lightness, values.opacity, 0, 0);
        break;
    case Mode::kRestore:
        for (const auto& [id, image] : object->GetImageMap()) image->DiscardSavedCopy();
        object->ClearSavedColors();
        break;
    }
}

void CHSLModifier::PutNumber(CTwfObj* object, WORD id, const std::optional<DWORD>& value) {
    if (value) {
        object->SetNumber(id, *value);
    } else {
        object->RemoveNumber(id);
    }
}

CHSLCtrlModifier::CHSLCtrlModifier(CTwfSkin* skin, WORD typeId, const std::wstring& scheme)
    : CHSLModifier(skin, typeId, scheme) {
    if (!skin) return;
    if (scheme.empty()) {
        Cover(std::wstring(), typeId);
        return;
    }
    const CTwfScheme* elements = skin->GetScheme(scheme);
    if (!elements) return;
    for (const auto& [type, object] : *elements) {
        Cover(scheme, type);
        SetTypeId(type);
    }
}

CHSLTotalModifier::CHSLTotalModifier(CTwfSkin* skin) : CHSLModifier(skin, 0, std::wstring()) {
    if (!skin) return;
    for (const auto& [name, elements] : skin->GetSchemes()) {
        for (const auto& [type, object] : elements) Cover(name, type);
    }
}
