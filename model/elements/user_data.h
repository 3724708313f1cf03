// The user-data element (type 44): a free block of bytes carried in the skin.
#pragma once

#include <vector>

#include "model/element_types.h"
#include "model/twf_obj.h"

class CTwfUserData : public CTwfObj {
public:
    static constexpr WORD kType = kElemUserData;
    CTwfUserData() : CTwfObj(kElemUserData) {}

    // Size 0 frees the block. Otherwise the block is resized to size: with
    // data the bytes are copied in; without, the block keeps its bytes up to
    // the new size and any added bytes are 0. Returns the block, null when
    // empty.
    const BYTE* SetData(const void* data, UINT size);
    // The block, null when there is none.
    const BYTE* GetData() const { return data_.empty() ? nullptr : data_.data(); }
    UINT GetDataSize() const { return static_cast<UINT>(data_.size()); }
    BOOL CopyTo(CTwfObj* dest) const override;
    void SwapContents(CTwfObj& other) override;
    // Frees the block as well: a reloaded skin never keeps the previous one's.
    BOOL Clear(DWORD enabled) override;

private:
    std::vector<BYTE> data_;
};
