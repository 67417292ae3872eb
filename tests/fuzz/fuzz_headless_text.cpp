/* The headless bridge's UTF-8 conversions, which take the texts drivers and
 * layout files hand in, and its bounded copy back out.
 *
 * Input: the text. */
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "ui/bridge/BridgeRuntime.h"
#include "ui/headless/HeadlessText.h"

namespace
{
void CheckText(const std::string& text)
{
    std::u16string units;
    if (HeadlessText::FromUTF8(text, &units)) {
        FUZZ_CHECK(FuzzCheck::IsWellFormedUtf16(units), "accepted UTF-8 gives well-formed UTF-16");
        FUZZ_CHECK(HeadlessText::ToUTF8(units) == text, "accepted UTF-8 round-trips exactly");
    }
    else {
        FUZZ_CHECK(units.empty(), "refused UTF-8 gives nothing");
    }

    for (int size : {0, 1, 2, 3, 4, 7, 64}) {
        std::vector<char> buffer(static_cast<size_t>(size) + 1, '\x7f');
        const int full = qzui::CopyOut(text, size ? buffer.data() : nullptr, size);
        FUZZ_CHECK(full == static_cast<int>(text.size()), "the full length is reported");
        if (size == 0)
            continue;
        const size_t copied = std::strlen(buffer.data());
        FUZZ_CHECK(copied < static_cast<size_t>(size), "the copy fits with its terminator");
        FUZZ_CHECK(buffer[static_cast<size_t>(size)] == '\x7f', "nothing is written past the buffer");
        FUZZ_CHECK(text.compare(0, copied, buffer.data(), copied) == 0, "the copy is the start of the text");
        std::u16string head;
        if (!units.empty() && text.find('\0') == std::string::npos)
            FUZZ_CHECK(HeadlessText::FromUTF8(std::string(buffer.data(), copied), &head),
                       "a copy never splits a UTF-8 sequence");
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CheckText(std::string(reinterpret_cast<const char*>(data), size));
    return 0;
}
