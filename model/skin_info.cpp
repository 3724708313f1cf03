#include "model/skin_info.h"

#include <array>

namespace {

// The nine fields by position, so the file and the dialog can address them.
constexpr std::array<std::wstring SkinInfo::*, SkinInfo::kFieldCount> kFields = {
    &SkinInfo::skinName, &SkinInfo::copyright, &SkinInfo::author,      &SkinInfo::company,     &SkinInfo::email,
    &SkinInfo::url,      &SkinInfo::version,   &SkinInfo::lastUpdated, &SkinInfo::description,
};

} // namespace

std::wstring& SkinInfo::Field(int index) { return this->*kFields.at(static_cast<size_t>(index)); }

const std::wstring& SkinInfo::Field(int index) const { return this->*kFields.at(static_cast<size_t>(index)); }

void SkinInfo::Clear() {
    for (auto field : kFields) (this->*field).clear();
}
