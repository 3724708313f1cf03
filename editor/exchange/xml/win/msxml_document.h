#pragma once
// The XML service (MSXML's DOM through COM) for the controls XML file:
// reading file bytes into a plain document tree and writing one out. The
// caller's thread has COM initialised. Every failure comes back as a
// sentence; no COM error leaves these functions.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "editor/exchange/xml/xml_tree.h"

namespace hexmoor::exchange::xml {

// Elements nested deeper than this below the root are not read (the format
// needs five levels).
inline constexpr int kMaxReadDepth = 16;

struct XmlReadResult {
    std::optional<XmlDocument> document;
    std::wstring problem; // when there is no document
};

// Parses synchronously with validation and external resolution off and
// document type declarations prohibited where the service allows it; a
// document that has one anyway is refused. Keeps the first node's
// declaration data and the element tree (element children only).
XmlReadResult ReadXmlDocument(std::span<const std::uint8_t> bytes);

// The document as the service saves it: the declaration first, then the
// elements with their attributes in order. False (with the problem) when
// the service fails.
bool WriteXmlDocument(const XmlDocument& document, std::vector<std::uint8_t>* out, std::wstring* problem);

} // namespace hexmoor::exchange::xml
