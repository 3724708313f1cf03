// One loaded or edited skin: its information strings, its elements grouped
// into schemes, the data kept for its skin file, and its colour-adjustment
// modifiers.
//
// A scheme is a named set of elements with at most one element per element
// type id. An empty scheme name passed to any operation means the default
// scheme. "<The Root>" is the root folder scheme of the editor's tree; custom
// controls live under "<CC>\" + path, user data under "<UD>\" + path, and a
// scheme inside a folder is addressed as "<%d>%s" (folder number, leaf name).
#pragma once

#include <array>
#include <map>
#include <memory>
#include <string>

#include "model/element_types.h"
#include "model/platform/types.h"
#include "model/skin_info.h"
#include "model/twf_obj.h"

class CHSLModifier;

// Element type id -> element object; the skin owns the elements.
using CTwfScheme = std::map<WORD, std::unique_ptr<CTwfObj>>;
using SchemeMap = std::map<std::wstring, CTwfScheme>;
using IndexBlock = std::array<BYTE, kIndexBlockSize>;
using HSLModifierMap = std::map<long, std::shared_ptr<CHSLModifier>>;

inline constexpr wchar_t kRootSchemeName[] = L"<The Root>";
inline constexpr wchar_t kCustomSchemePrefix[] = L"<CC>\\";
inline constexpr wchar_t kUserDataSchemePrefix[] = L"<UD>\\";

class CTwfSkin {
public:
    CTwfSkin();
    CTwfSkin(const CTwfSkin&) = delete;
    CTwfSkin& operator=(const CTwfSkin&) = delete;
    virtual ~CTwfSkin();

    // Sets the default scheme name, fills the index block with 0xFF, sets
    // version 768 and gets-or-creates the 30 default elements. TRUE.
    BOOL InitNewSkin(const std::wstring& defaultScheme);

    // --- element factory -----------------------------------------------------
    // A new element object of the type, owned by the caller until it is put
    // into a scheme; null for a type without an element class. A window frame
    // comes with its four sides and its menu bar; all get this skin as owner.
    std::unique_ptr<CTwfObj> CreateTwfObject(WORD type);

    // --- schemes and elements ------------------------------------------------
    CTwfObj* FindObject(WORD type, const std::wstring& scheme) const;
    // The scheme's element map or null (no empty-name rule).
    CTwfScheme* GetScheme(const std::wstring& name);
    const CTwfScheme* GetScheme(const std::wstring& name) const;
    // Creates and inserts an empty element map when the scheme is missing.
    CTwfScheme* GetOrCreateScheme(const std::wstring& name);
    // Creates the scheme when missing, and the element when the type is
    // missing; null for a type the factory does not know (the scheme stays).
    CTwfObj* GetOrCreateObject(WORD type, const std::wstring& scheme, int param = 0);
    // Removes and deletes the element; a scheme left empty is removed too.
    BOOL RemoveObject(WORD type, const std::wstring& scheme);
    BOOL MoveObject(WORD type, const std::wstring& from, const std::wstring& to);
    std::wstring ResolveSchemeName(const std::wstring& path, int kind) const;
    std::wstring GetFirstSchemeName() const;
    std::wstring GetNextSchemeName(const std::wstring& after) const;
    const SchemeMap& GetSchemes() const { return schemes_; }

    // Run before every load: empties the information strings, clears every
    // element (disabled, empty, folder id and sibling order 0), deletes the
    // elements of every scheme but the default one and "<The Root>" (the
    // scheme entries stay), loaded flag 0. TRUE.
    BOOL Reset();
    // Clears and deletes every element and scheme; loaded flag 0. TRUE.
    BOOL RemoveAll();
    // Becomes the skin another skin was loaded into, as loading the same file
    // into this skin would make it: Reset, then every element of the other
    // skin; an element this skin still holds (the default and root schemes')
    // keeps its object and takes the loaded contents. The information,
    // index block, version, compressed and loaded flags come along; the path
    // and the colour-adjustment modifiers stay. The other skin is left empty.
    BOOL TakeOver(CTwfSkin& loaded);

    // --- data kept for the skin file -----------------------------------------
    SkinInfo& GetInfo() { return info_; }
    const SkinInfo& GetInfo() const { return info_; }
    IndexBlock& GetIndexBlock() { return indexBlock_; }
    const IndexBlock& GetIndexBlock() const { return indexBlock_; }
    void ClearIndexBlock() { indexBlock_.fill(0xFF); }
    const std::wstring& GetPath() const { return path_; }
    void SetPath(const std::wstring& path) { path_ = path; }
    const std::wstring& GetDefaultSchemeName() const { return defaultScheme_; }
    void SetDefaultSchemeName(const std::wstring& name) { defaultScheme_ = name; }
    DWORD GetLoadedFlag() const { return loaded_; }
    BOOL IsLoaded() const { return loaded_ != 0; }
    void SetLoadedFlag(DWORD loaded) { loaded_ = loaded; }
    WORD GetVersion() const { return version_; }
    void SetVersion(WORD version) { version_ = version; }
    DWORD GetCompressedFlag() const { return compressed_; }
    void SetCompressedFlag(DWORD compressed) { compressed_ = compressed; }

    // --- skin file (reader and writer) ---------------------------------------
    // Result codes of TwfResult. Loaders set the loaded flag to 1 on success
    // and 0 on every failure.
    int LoadSkinFromPath(BOOL infoOnly);
    int LoadSkinFromMemory(const void* data, UINT size, BOOL infoOnly);
#ifdef _WIN32
    int LoadSkinFromResource(HMODULE module, HRSRC resource, BOOL infoOnly);
#endif
    // Writes the skin to its path; FALSE when there is no path or any write
    // fails (the file at the path is then left as it was).
    BOOL WriteSkinFile();

    // --- colour adjustment ---------------------------------------------------
    BOOL AddHSLModifier(WORD elementType, long id);
    BOOL AddSchemeHSLModifier(const std::wstring& scheme, long id);
    BOOL ApplyHSL(long id, double hue, double saturation, double lightness, double opacity);
    BOOL RemoveHSLModifier(long id);
    WORD GetHSLModifierElement(long id) const;
    HSLModifierMap& GetHSLModifiers() { return modifiers_; }
    DWORD GetSchemeModifierSwitch() const { return schemeModifierSwitch_; }
    void SetSchemeModifierSwitch(DWORD value) { schemeModifierSwitch_ = value; }

private:
    // Empty name -> default scheme name.
    std::wstring SchemeKey(const std::wstring& name) const;

    SkinInfo info_;
    SchemeMap schemes_;
    IndexBlock indexBlock_;
    std::wstring path_;
    std::wstring defaultScheme_;
    DWORD loaded_ = 0;
    WORD version_ = 0;
    DWORD compressed_ = 0;
    HSLModifierMap modifiers_;
    DWORD schemeModifierSwitch_ = 100;
};
