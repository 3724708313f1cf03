#include "model/elements/user_data.h"

#include <cstring>

const BYTE* CTwfUserData::SetData(const void* data, UINT size) {
    if (size == 0) {
        data_.clear();
        data_.shrink_to_fit();
        return nullptr;
    }
    if (data) {
        // Through a fresh vector: the source may be this block itself.
        const BYTE* bytes = static_cast<const BYTE*>(data);
        data_ = std::vector<BYTE>(bytes, bytes + size);
    } else {
        data_.resize(size, 0);
    }
    return data_.data();
}

BOOL CTwfUserData::CopyTo(CTwfObj* dest) const {
    if (auto* other = dynamic_cast<CTwfUserData*>(dest); other && other != this) other->data_ = data_;
    return CTwfObj::CopyTo(dest);
}

BOOL CTwfUserData::Clear(DWORD enabled) {
    SetData(nullptr, 0);
    return CTwfObj::Clear(enabled);
}

void CTwfUserData::SwapContents(CTwfObj& other) {
    CTwfObj::SwapContents(other);
    if (auto* data = dynamic_cast<CTwfUserData*>(&other)) data_.swap(data->data_);
}
