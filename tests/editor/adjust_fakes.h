#pragma once
// Stand-ins for the element links and the editor around the colour
// adjustment, with real skin elements.
#include <memory>
#include <utility>
#include <vector>

#include "editor/imaging/color_adjuster.h"

namespace hexmoor::preview {

class FakeLink : public AdjustLink {
public:
    FakeLink(WORD type, AdjustState state, std::unique_ptr<CTwfObj> obj = nullptr)
        : state_(state), type_(type), obj_(obj ? std::move(obj) : std::make_unique<CTwfObj>(type)) {}
    AdjustState GetAdjustState() const override { return state_; }
    CTwfObj* GetTwfObj() override { return obj_.get(); }
    WORD GetTypeId() const override { return type_; }
    CTwfSideFrame* GetSideFrame() override { return dynamic_cast<CTwfSideFrame*>(obj_.get()); }
    const AdjustSnapshot& GetSnapshot() const override { return snapshot_; }
    void RenewSnapshot() override {
        snapshot_ = {};
        for (const auto& [id, image] : obj_->GetImageMap()) {
            snapshot_.images.emplace_back(id, std::make_shared<const CMrgBitmap>(*image));
        }
        for (const auto& [id, color] : obj_->GetColorMap()) snapshot_.colors.emplace_back(id, color);
    }
    void ShowColor(WORD id, COLORREF color) override { shown.emplace_back(id, color); }

    CTwfObj& Obj() { return *obj_; }
    std::vector<std::pair<WORD, COLORREF>> shown;
    AdjustState state_;

private:
    WORD type_;
    std::unique_ptr<CTwfObj> obj_;
    AdjustSnapshot snapshot_;
};

class FakeHost : public AdjustHost {
public:
    std::vector<AdjustLink*> Links() override { return links; }
    AdjustLink* CurrentLink() override { return current; }
    void RefreshSkinnedWindows(WORD type) override { refreshed.push_back(type); }
    void InvalidateGrid() override { ++gridInvalidated; }
    void SetModified() override { modified = true; }
    void ShowAdjustedImage(AdjustLink&, WORD id, CMrgBitmap*) override { previewed.push_back(id); }
    void SetTreesAdjustMode(bool on) override { treesLocked = on; }
    bool AskKeepChanges() override {
        ++asked;
        return answer;
    }

    std::vector<AdjustLink*> links;
    AdjustLink* current = nullptr;
    std::vector<WORD> refreshed;
    int gridInvalidated = 0;
    bool modified = false;
    std::vector<WORD> previewed;
    bool treesLocked = false;
    int asked = 0;
    bool answer = false;
};

} // namespace hexmoor::preview
