#include "model/hsl/hsl_modifier.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <utility>

#include "model/elements/wnd_frame.h"
#include "model/hsl/image_adjust.h"
#include "model/hsl/parallel.h"
#include "model/mrg_bitmap.h"
#include "model/twf_obj.h"
#include "model/twf_skin.h"

CHSLModifier::CHSLModifier(CTwfSkin* skin, WORD typeId, std::wstring scheme)
    : skin_(skin), scheme_(std::move(scheme)), typeId_(typeId) {}

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
    std::vector<CMrgBitmap*> images;
    for (Covered& covered : covered_) {
        ApplyHSLToObject(mode, skin_->FindObject(covered.type, covered.scheme), covered, values, images);
    }
    if (mode == Mode::kApply) AdjustImages(images, values);
}

void CHSLModifier::AdjustImages(std::vector<CMrgBitmap*>& images, const HSLValues& values) {
    // Each image is adjusted from its own saved copy alone, so the work can be
    // done side by side in any order. It goes in three steps, each shared out
    // among the cores: every image is set up (its target made or reused and
    // locked), then the rows of all images are adjusted in bands of about
    // equal size, so that one large image does not keep a core busy while the
    // others wait, and last the results are put in place.
    std::vector<std::unique_ptr<hsl::ImageAdjustment>> adjustments(images.size());
    std::uint64_t pixels = 0;
    for (CMrgBitmap* image : images) {
        const SIZE size = image->GetSize();
        pixels += std::uint64_t(std::max<LONG>(size.cx, 0)) * std::uint64_t(std::max<LONG>(size.cy, 0));
    }
    hsl::RunInParallel(images.size(), pixels, [&](std::size_t i) {
        CMrgBitmap* image = images[i];
        if (image->IsPlainValue() || !image->HasSavedCopy()) {
            image->ApplyHSL(values.hue, values.saturation, values.lightness, values.opacity);
        } else {
            adjustments[i] = image->StartHSL(values);
        }
    });
    std::vector<hsl::RowShape> shapes(adjustments.size());
    for (std::size_t i = 0; i < adjustments.size(); ++i) {
        if (adjustments[i]) shapes[i] = {adjustments[i]->Width(), adjustments[i]->Rows()};
    }
    const std::vector<hsl::RowBand> bands = hsl::CutIntoBands(shapes, hsl::BandPixels(pixels));
    hsl::RunInParallel(bands.size(), pixels,
                       [&](std::size_t k) { adjustments[bands[k].image]->AdjustRows(bands[k].first, bands[k].count); });
    hsl::RunInParallel(images.size(), pixels, [&](std::size_t i) {
        if (adjustments[i]) images[i]->FinishHSL(*adjustments[i]);
    });
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
            if (frame->HasNumber(kUseSemitransparencyNumber)) {
                covered.semitransparency = frame->GetNumber(kUseSemitransparencyNumber);
            }
            break;
        case Mode::kApply:
            // Below full opacity the frame must be drawn with its alpha; at full
            // opacity it goes back to its own setting.
            if (!values.KeepsAlpha()) {
                frame->SetNumber(kUseSemitransparencyNumber, 1);
            } else {
                PutNumber(frame, kUseSemitransparencyNumber, covered.semitransparency);
            }
            break;
        case Mode::kRestore: PutNumber(frame, kUseSemitransparencyNumber, covered.semitransparency); break;
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
