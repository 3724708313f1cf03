#include "model/elements/user_data.h"

#include <cstring>

const BYTE* CTwfUserData::SetData(const void* data, UINT size) {
  if (size == 0) {
    m_data.clear();
    m_data.shrink_to_fit();
    return nullptr;
  }
  if (data) {
    const BYTE* bytes = static_cast<const BYTE*>(data);
    m_data.assign(bytes, bytes + size);
  } else {
    m_data.assign(size, 0);
  }
  return m_data.data();
}

BOOL CTwfUserData::CopyTo(CTwfObj* dest) const {
  if (auto* other = dynamic_cast<CTwfUserData*>(dest); other && other != this) other->m_data = m_data;
  return CTwfObj::CopyTo(dest);
}
