#include "editor/preview/samples/sample_texts.h"

#include <windows.h>

#include <algorithm>
#include <array>
#include <cstring>

namespace hexmoor::preview {

std::string ListItemText(int index) { return "Listbox Item - " + std::to_string(index); }
std::string ComboItemText(int index) { return "Combobox Item - " + std::to_string(index); }

std::string ColourName(int index) {
    static const std::array<const char*, 6> names = {"yellow", "red", "green", "magenta", "cyan", "blue"};
    return names[static_cast<std::size_t>(((index % 6) + 6) % 6)];
}

std::string HeaderText(int column) { return "Header " + std::to_string(column); }
std::string ListItemLabel(int number) { return "List Item " + std::to_string(number); }
std::string TabText(int index) { return "Tab Item - " + std::to_string(index); }

std::string ToolTipText(unsigned id) {
    struct Tip {
        unsigned id;
        const char* text;
    };
    static const Tip tips[] = {
        {1001, "Check2"},
        {1002, "Radio1"},
        {1013, "Radio2"},
        {1077, "Static Text1"},
        {1011, "Check1"},
        {1078, "Static Text2"},
        {1, "Ok Button"},
        {2, "Cancel Button"},
        {1004, "List Box"},
        {1017, "Edit"},
        {1003, "Combo Box"},
        {1008, "Progress"},
        {0, ""},
    };
    for (const Tip& t : tips)
        if (t.id == id) return t.text;
    return "Control ID = " + std::to_string(id);
}

void CopyTipText(char (&buffer)[kTipBufferLength], const std::string& text) {
    const std::size_t n = std::min(text.size(), kTipBufferLength - 1);
    std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
}

void CopyTipText(wchar_t (&buffer)[kTipBufferLength], const std::string& text) {
    // The conversion stops at the buffer's end; the last place always takes
    // the terminator.
    int n = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), buffer,
                                static_cast<int>(kTipBufferLength - 1));
    if (n <= 0 && !text.empty()) {
        // Too long for the buffer: convert the part that fits.
        std::string cut = text.substr(0, kTipBufferLength - 1);
        n = MultiByteToWideChar(CP_ACP, 0, cut.data(), static_cast<int>(cut.size()), buffer,
                                static_cast<int>(kTipBufferLength - 1));
    }
    buffer[std::max(n, 0)] = L'\0';
}

} // namespace hexmoor::preview
