#include "model/twf_skin.h"

#include <array>
#include <utility>

#include "model/elements.h"

namespace {

// The elements a new skin receives, in creation order: every kind with a
// class except folder (33), push-like check button (39) and user data (44).
constexpr std::array<WORD, 30> kNewSkinElements = {
    2, 25, 3, 4, 6, 13, 8, 14, 15, 20, 16, 18, 7, 5, 9, 17, 12, 10, 11, 19, 22, 38, 21, 27, 28, 34, 40, 41, 42, 43,
};

constexpr WORD kSkinVersionNew = 768;

template <typename Element>
std::unique_ptr<CTwfObj> Make() {
    return std::make_unique<Element>();
}

struct ElementMaker {
    WORD type;
    std::unique_ptr<CTwfObj> (*make)();
};

// The element class of every kind a skin can hold.
constexpr std::array<ElementMaker, 32> kMakers = {{
    {kElemWndFrame, &Make<CTwfWndFrame>},
    {kElemDialogFrame, &Make<CTwfDialogFrame>},
    {kElemEdit, &Make<CTwfEdit>},
    {kElemButton, &Make<CTwfButton>},
    {kElemScrollbars, &Make<CTwfScrollbars>},
    {kElemCheckBox, &Make<CTwfCheckBox>},
    {kElemRadioBox, &Make<CTwfRadioBox>},
    {kElemGroupBox, &Make<CTwfGroupBox>},
    {kElemSlider, &Make<CTwfSlider>},
    {kElemTabCtrl, &Make<CTwfTabCtrl>},
    {kElemToolBar, &Make<CTwfToolBar>},
    {kElemStatusBar, &Make<CTwfStatusBar>},
    {kElemComboBox, &Make<CTwfComboBox>},
    {kElemListBox, &Make<CTwfListBox>},
    {kElemListView, &Make<CTwfListView>},
    {kElemMenu, &Make<CTwfMenu>},
    {kElemSpinCtrl, &Make<CTwfSpinCtrl>},
    {kElemProgressBar, &Make<CTwfProgressBar>},
    {kElemTreeCtrl, &Make<CTwfTreeCtrl>},
    {kElemHeaderCtrl, &Make<CTwfHeaderCtrl>},
    {kElemStaticText, &Make<CTwfStaticText>},
    {kElemDateTime, &Make<CTwfDateTime>},
    {kElemGrip, &Make<CTwfGrip>},
    {kElemToolTip, &Make<CTwfToolTipCtrl>},
    {kElemFolder, &Make<CTwfFolder>},
    {kElemSplitter, &Make<CTwfSplitter>},
    {kElemMonthCal, &Make<CTwfMonthCal>},
    {kElemCheckButton, &Make<CTwfCheckButton>},
    {kElemToolStrip, &Make<CTwfToolStrip>},
    {kElemStatusStrip, &Make<CTwfStatusStrip>},
    {kElemDropDownMenu, &Make<CTwfDropDownMenu>},
    {kElemMenuStrip, &Make<CTwfMenuStrip>},
}};

std::unique_ptr<CTwfObj> MakeElement(WORD type) {
    if (type == kElemUserData) return std::make_unique<CTwfUserData>();
    for (const ElementMaker& maker : kMakers) {
        if (maker.type == type) return maker.make();
    }
    return nullptr;
}

} // namespace

CTwfSkin::CTwfSkin() { indexBlock_.fill(0xFF); }

CTwfSkin::~CTwfSkin() {
    modifiers_.clear(); // modifiers refer to the elements: they go first
    RemoveAll();
}

std::wstring CTwfSkin::SchemeKey(const std::wstring& name) const { return name.empty() ? defaultScheme_ : name; }

BOOL CTwfSkin::InitNewSkin(const std::wstring& defaultScheme) {
    defaultScheme_ = defaultScheme;
    indexBlock_.fill(0xFF);
    version_ = kSkinVersionNew;
    for (WORD type : kNewSkinElements) GetOrCreateObject(type, defaultScheme_, 0);
    return TRUE;
}

std::unique_ptr<CTwfObj> CTwfSkin::CreateTwfObject(WORD type) {
    std::unique_ptr<CTwfObj> object = MakeElement(type);
    if (object) object->SetOwnerSkin(this);
    return object;
}

CTwfObj* CTwfSkin::FindObject(WORD type, const std::wstring& scheme) const {
    const CTwfScheme* elements = GetScheme(SchemeKey(scheme));
    if (!elements) return nullptr;
    auto it = elements->find(type);
    return it == elements->end() ? nullptr : it->second.get();
}

CTwfScheme* CTwfSkin::GetScheme(const std::wstring& name) {
    auto it = schemes_.find(name);
    return it == schemes_.end() ? nullptr : &it->second;
}

const CTwfScheme* CTwfSkin::GetScheme(const std::wstring& name) const {
    auto it = schemes_.find(name);
    return it == schemes_.end() ? nullptr : &it->second;
}

CTwfScheme* CTwfSkin::GetOrCreateScheme(const std::wstring& name) { return &schemes_[SchemeKey(name)]; }

CTwfObj* CTwfSkin::GetOrCreateObject(WORD type, const std::wstring& scheme, int /*param*/) {
    CTwfScheme* elements = GetOrCreateScheme(SchemeKey(scheme));
    auto it = elements->find(type);
    if (it != elements->end()) return it->second.get();
    std::unique_ptr<CTwfObj> object = CreateTwfObject(type);
    if (!object) return nullptr;
    CTwfObj* result = object.get();
    elements->emplace(type, std::move(object));
    return result;
}

BOOL CTwfSkin::RemoveObject(WORD type, const std::wstring& scheme) {
    auto schemeIt = schemes_.find(SchemeKey(scheme));
    if (schemeIt == schemes_.end()) return FALSE;
    auto it = schemeIt->second.find(type);
    if (it == schemeIt->second.end()) return FALSE;
    std::unique_ptr<CTwfObj> object = std::move(it->second);
    schemeIt->second.erase(it);
    object->Clear(0);
    if (schemeIt->second.empty()) schemes_.erase(schemeIt);
    return TRUE;
}

BOOL CTwfSkin::MoveObject(WORD type, const std::wstring& from, const std::wstring& to) {
    auto source = schemes_.find(SchemeKey(from));
    if (source == schemes_.end() && from.size() >= 2) {
        // A name given in brackets: look it up without its first and last characters.
        source = schemes_.find(from.substr(1, from.size() - 2));
    }
    if (source == schemes_.end()) return FALSE;
    auto element = source->second.find(type);
    if (element == source->second.end()) return FALSE;

    const std::wstring targetName = SchemeKey(to);
    if (targetName == source->first) return TRUE; // moving onto its own scheme leaves it in place
    auto target = schemes_.find(targetName);
    if (target != schemes_.end() && target->second.count(type)) return FALSE;

    std::unique_ptr<CTwfObj> object = std::move(element->second);
    source->second.erase(element);
    if (source->second.empty()) schemes_.erase(source);
    schemes_[targetName].emplace(type, std::move(object));
    return TRUE;
}

std::wstring CTwfSkin::ResolveSchemeName(const std::wstring& path, int kind) const {
    const size_t slash = path.rfind(L'\\');
    if (slash == std::wstring::npos || slash + 1 >= path.size()) return path;
    std::wstring prefix;
    if (kind == 0) prefix = kCustomSchemePrefix;
    if (kind == 1) prefix = kUserDataSchemePrefix;
    const std::wstring parent = prefix + path.substr(0, slash);
    const CTwfScheme* scheme = GetScheme(parent);
    if (!scheme) return path;
    auto folder = scheme->find(kElemFolder);
    if (folder == scheme->end()) return path;
    return L"<" + std::to_wstring(folder->second->GetFolderId()) + L">" + path.substr(slash + 1);
}

std::wstring CTwfSkin::GetFirstSchemeName() const {
    return schemes_.empty() ? std::wstring() : schemes_.begin()->first;
}

std::wstring CTwfSkin::GetNextSchemeName(const std::wstring& after) const {
    auto it = schemes_.find(after);
    if (it == schemes_.end() || ++it == schemes_.end()) return std::wstring();
    return it->first;
}

BOOL CTwfSkin::Reset() {
    info_.Clear();
    for (auto& [name, elements] : schemes_) {
        const bool survives = name == defaultScheme_ || name == kRootSchemeName;
        for (auto& [type, object] : elements) {
            object->Clear(0);
            // A surviving element must not keep its place in the previous file's tree.
            object->SetFolderId(0);
            object->SetOrder(0);
            object->SetStoredEnabled(0);
        }
        if (!survives) elements.clear();
    }
    loaded_ = 0;
    return TRUE;
}

BOOL CTwfSkin::TakeOver(CTwfSkin& loaded) {
    if (&loaded == this) return FALSE;
    Reset();
    for (auto& [name, elements] : loaded.schemes_) {
        CTwfScheme& mine = schemes_[name];
        for (auto it = elements.begin(); it != elements.end();) {
            auto here = mine.find(it->first);
            if (here != mine.end() && here->second && it->second) {
                here->second->SwapContents(*it->second);
                ++it;
                continue;
            }
            if (it->second) it->second->SetOwnerSkin(this);
            mine[it->first] = std::move(it->second);
            it = elements.erase(it);
        }
    }
    info_ = loaded.info_;
    indexBlock_ = loaded.indexBlock_;
    version_ = loaded.version_;
    compressed_ = loaded.compressed_;
    loaded_ = loaded.loaded_;
    loaded.RemoveAll();
    return TRUE;
}

BOOL CTwfSkin::RemoveAll() {
    for (auto& [name, elements] : schemes_) {
        for (auto& [type, object] : elements) object->Clear(0);
    }
    schemes_.clear();
    loaded_ = 0;
    return TRUE;
}
