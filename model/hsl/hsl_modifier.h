#pragma once

// Hue/saturation/lightness modifiers: a skin recoloured at run time without
// editing its images. A modifier saves a copy of every image and colour it
// covers when it is made; Apply recomputes them from those copies for any
// four values (neutral values 0, 0, 0, 100 give the saved originals back
// exactly); Restore ends the adjustment, dropping the copies and keeping the
// images and colours of the last Apply.
//
// The saved copies live in the element objects (each CMrgBitmap and each
// element's saved-colour map). The modifier remembers which elements it
// covers by scheme name and element type, and looks them up at each step:
// an element removed from the skin in the meantime is simply skipped.

#include <optional>
#include <string>
#include <vector>

#include "model/elements/frame_properties.h"
#include "model/hsl/hsl_values.h"
#include "model/hsl/image_pass.h"
#include "model/platform/types.h"

class CMrgBitmap;
class CTwfObj;
class CTwfSkin;

class CHSLModifier {
public:
    CHSLModifier(CTwfSkin* skin, WORD typeId, std::wstring scheme);
    CHSLModifier(const CHSLModifier&) = delete;
    CHSLModifier& operator=(const CHSLModifier&) = delete;
    virtual ~CHSLModifier();

    // Recomputes every covered image and colour from its saved copy.
    virtual void Apply(double hue, double saturation, double lightness, double opacity);
    // Ends the adjustment on the covered elements.
    virtual void Restore();

    // The element type the modifier acts on (for a scheme modifier, that of the
    // element it covered last); 0 for the whole skin.
    WORD GetTypeId() const { return typeId_; }
    CTwfSkin* GetSkin() const { return skin_; }
    const std::wstring& GetSchemeName() const { return scheme_; }
    // Number of elements saved when the modifier was made.
    std::size_t GetCoveredCount() const { return covered_.size(); }

    // Where the last Apply spent its time, in seconds: walking the elements
    // (their colours adjusted, their images collected), then the images'
    // pass.
    struct StepTimes {
        double elements = 0.0;
        hsl::PassTimes images;
    };
    const StepTimes& GetLastStepTimes() const { return times_; }

protected:
    // Saves the element of this type in this scheme (the skin's scheme key)
    // and remembers it; nothing for an absent element.
    void Cover(const std::wstring& scheme, WORD type);
    void SetTypeId(WORD typeId) { typeId_ = typeId; }

private:
    enum class Mode { kSave, kApply, kRestore };

    struct Covered {
        std::wstring scheme;
        WORD type = 0;
        // A window frame's "Use Semitransparency" number as it was when saved
        // (nullopt: the frame had none).
        std::optional<DWORD> semitransparency;
    };

    // Images met while applying wait in `images` and are adjusted together
    // in one pass spread over the machine's cores.
    void Run(Mode mode, const HSLValues& values);
    void ApplyHSLToObject(Mode mode, CTwfObj* object, Covered& covered, const HSLValues& values,
                          std::vector<CMrgBitmap*>& images);
    static void ApplyHSLToImagesAndColors(Mode mode, CTwfObj* object, const HSLValues& values,
                                          std::vector<CMrgBitmap*>& images);
    static void PutNumber(CTwfObj* object, WORD id, const std::optional<DWORD>& value);

    CTwfSkin* skin_; // the owner of this modifier; outlives it
    std::wstring scheme_;
    WORD typeId_;
    std::vector<Covered> covered_;
    StepTimes times_;
};

// One element of the default scheme, or every element of one scheme.
class CHSLCtrlModifier : public CHSLModifier {
public:
    // Empty scheme: the element of this type in the default scheme. A named
    // scheme: every element of it, the type id ending as that of the last.
    CHSLCtrlModifier(CTwfSkin* skin, WORD typeId, const std::wstring& scheme);
};

// Every element of every scheme of the skin.
class CHSLTotalModifier : public CHSLModifier {
public:
    explicit CHSLTotalModifier(CTwfSkin* skin);
};
