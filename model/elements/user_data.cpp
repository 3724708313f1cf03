#include "model/elements/user_data.h"

#include <cstring>

const BYTE* CTwfUserData::SetData(const void* data, UINT size) {
    if (size == 0) {
        data_.clear();
        data_.shrink_to_fit();
        return nullptr;
    }
    if (data) {
        const BYTE* bytes = static_cast<const BYTE*>(data);
        data_.assign(bytes, bytes + size);
    } else {
        data_.assign(size, 0);
    }
    return data_.data();
}

BOOL CTwfUserData::CopyTo(CTwfObj* dest) const {
    if (auto* other = dynamic_cast<CTwfUserData*>(dest); other && other != this) other->data_ = data_;
    return CTwfObj::CopyTo(dest);
}
